#include "TImageOptions.h"

#include "AppPaths.h"

#include <QFileInfo>

bool TImageOptions::JumpSupportMarkerExists(int plcCode)
{
    const QString name = QStringLiteral("jumptopage%1.zdl").arg(plcCode);
    return QFileInfo::exists(AppPaths::resolveName(AppPaths::libFolder(), name));
}

bool TImageOptions::AlarmTraceMarkerExists()
{
    return QFileInfo::exists(
        AppPaths::resolveName(AppPaths::programFolder(), QStringLiteral("alertpeek.dll")));
}
