#include "MarkerFiles.h"

#include "AppPaths.h"

#include <QFileInfo>

namespace {
MarkerFiles::Flags current;
}

void MarkerFiles::load()
{
    current.debugLog = exists(DebugSys);
    current.keyCodeVariant = exists(KeyCodeVariant);
    current.hexAddresses = exists(HexAddresses);
    current.maintenance = exists(Maintenance);
    current.packTraces = exists(PackTraces);
    current.runTool = exists(RunTool);
}

const MarkerFiles::Flags& MarkerFiles::flags()
{
    return current;
}

void MarkerFiles::setFlags(const Flags& flags)
{
    current = flags;
}

bool MarkerFiles::exists(const QString& name)
{
    const QString program = AppPaths::programFolder();
    const QString data = AppPaths::dataFolder();
    return QFileInfo::exists(AppPaths::resolveName(program, name)) ||
           (data != program && QFileInfo::exists(AppPaths::resolveName(data, name)));
}
