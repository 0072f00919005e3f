#include "ConfigFile.h"

#include "AppPaths.h"
#include "IniFile.h"

bool ReadConfigInt(const QString& section, const QString& key, int& value)
{
    const IniFile ini(AppPaths::configFile());
    if (!ini.exists())
        return false;
    value = ini.readInt(section, key, 0);
    return true;
}

bool WriteConfigInt(const QString& section, const QString& key, int value)
{
    IniFile ini(AppPaths::configFile());
    return ini.writeInt(section, key, value);
}

bool WriteConfigString(const QString& section, const QString& key, const QString& value)
{
    IniFile ini(AppPaths::configFile());
    return ini.writeString(section, key, value);
}
