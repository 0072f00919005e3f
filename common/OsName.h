#pragma once

#include <QString>

// The name and code of the operating system. The panel tools coded the Windows
// versions 0 to 13; here the code is always 11 ("a current system", which
// needs no file-type registration of the old kind) and the name is the
// system's own pretty name.
struct OsInfo
{
    QString name;
    int code = 11;
};

OsInfo OsName();
