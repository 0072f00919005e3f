#include "OsName.h"

#include <QSysInfo>

OsInfo OsName()
{
    OsInfo info;
    info.name = QSysInfo::prettyProductName();
    if (info.name.isEmpty())
        info.name = QSysInfo::kernelType();
    return info;
}
