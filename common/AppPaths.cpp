#include "AppPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <mutex>
#include <unistd.h>

namespace {

std::mutex guard;
QString programOverride;
QString dataOverride;

QString withSlash(QString dir)
{
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

QString executableFolder()
{
    // The host executable's folder, also when asked from inside a shared library.
    const QFileInfo exe(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    return withSlash(exe.absolutePath());
}

bool isWritableFolder(const QString& dir)
{
    return ::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
}

} // namespace

QString AppPaths::programFolder()
{
    std::lock_guard lock(guard);
    if (!programOverride.isEmpty())
        return programOverride;
    const QString fromEnvironment = qEnvironmentVariable("ZD740_PROGRAM_FOLDER");
    if (!fromEnvironment.isEmpty())
        return withSlash(QDir(fromEnvironment).absolutePath());
    static const QString folder = executableFolder();
    return folder;
}

void AppPaths::setProgramFolder(const QString& dir)
{
    std::lock_guard lock(guard);
    programOverride = dir.isEmpty() ? QString() : withSlash(QDir(dir).absolutePath());
    dataOverride.clear();
}

QString AppPaths::dataFolder()
{
    {
        std::lock_guard lock(guard);
        if (!dataOverride.isEmpty())
            return dataOverride;
    }
    const QString program = programFolder();
    if (isWritableFolder(program))
        return program;
    const QString user = withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) +
                         "zd740-designer/";
    QDir().mkpath(user);
    return user;
}

void AppPaths::setDataFolder(const QString& dir)
{
    std::lock_guard lock(guard);
    dataOverride = dir.isEmpty() ? QString() : withSlash(QDir(dir).absolutePath());
}

QString AppPaths::langFolder()
{
    return folder(programFolder(), QStringLiteral("lang"), false);
}

QString AppPaths::libFolder()
{
    return folder(programFolder(), QStringLiteral("lib"), false);
}

QString AppPaths::devicesFolder()
{
    return folder(programFolder(), QStringLiteral("Devices"), false);
}

QString AppPaths::plcDrivesFolder()
{
    return folder(programFolder(), QStringLiteral("plcdrives"), false);
}

QString AppPaths::scratchFolder()
{
    return folder(dataFolder(), QStringLiteral("temp"), true);
}

QString AppPaths::projectsFolder()
{
    return folder(dataFolder(), QStringLiteral("Projects"), true);
}

QString AppPaths::configFile()
{
    return resolveName(dataFolder(), QStringLiteral("config.ini"));
}

QString AppPaths::recentFilesFile()
{
    return resolveName(dataFolder(), QStringLiteral("filerecordlist.rec"));
}

QString AppPaths::exceptionLogFile()
{
    return resolveName(dataFolder(), QStringLiteral("except.txt"));
}

QString AppPaths::debugLogFile()
{
    return resolveName(dataFolder(), QStringLiteral("debug.txt"));
}

QString AppPaths::traceLogFile()
{
    return resolveName(dataFolder(), QStringLiteral("ztsinf123.txt"));
}

QString AppPaths::resolveName(const QString& parent, const QString& name)
{
    const QString exact = parent + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries =
        QDir(parent).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return parent + entry;
    return exact;
}

QString AppPaths::folder(const QString& parent, const QString& name, bool create)
{
    const QString path = withSlash(resolveName(parent, name));
    if (create)
        QDir().mkpath(path);
    return path;
}

void AppPaths::emptyScratchFolder()
{
    QDirIterator it(scratchFolder(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::remove(it.next());
}
