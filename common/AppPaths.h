#pragma once

#include <QString>

// Where the program finds its own files and where it writes.
//
// The environment variable ZD740_PROGRAM_FOLDER, when set, replaces the
// executable's folder (tests and tools that run the program, or a host of
// devroll, against a prepared folder).
//
// The program folder is the folder of the executable: the program reads its
// data (lang/, lib/, Devices/, plcdrives/) from there and never from the
// current directory. Files the program writes (config.ini, the logs, the
// scratch folder, the recent-files log, the projects folder) go to the data
// folder: the program folder itself when it is writable (a build or portable
// folder), else the per-user folder $XDG_CONFIG_HOME/zd740-designer/ (an
// installed bundle). Every folder path ends with "/".
//
// Folder names are matched without regard to case, so "temp", "Temp" and
// "TEMP" (or "lang" and "Lang") name one folder.
class AppPaths
{
public:
    static QString programFolder();
    // Makes dir the program folder (tests, tools given --program-folder); an
    // empty dir goes back to the executable's folder. Also resets the data folder.
    static void setProgramFolder(const QString& dir);

    static QString dataFolder();
    // Sets the data folder explicitly (tests); empty goes back to the rule above.
    static void setDataFolder(const QString& dir);

    static QString langFolder();
    static QString libFolder();
    static QString devicesFolder();
    static QString plcDrivesFolder();
    static QString scratchFolder();  // created when missing
    static QString projectsFolder(); // created when missing

    static QString configFile();
    static QString recentFilesFile();
    static QString exceptionLogFile();
    static QString debugLogFile();
    static QString traceLogFile();

    // parent + the existing entry whose name equals name without regard to
    // case, or parent + name when there is none. parent ends with "/".
    static QString resolveName(const QString& parent, const QString& name);

    // Deletes every file in the scratch folder and its subfolders, at any
    // depth; the folders stay. Creates the scratch folder when missing.
    static void emptyScratchFolder();

private:
    static QString folder(const QString& parent, const QString& name, bool create);
};
