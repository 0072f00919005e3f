#include "AppPaths.h"

#include "TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(AppPaths, TheProgramFolderIsTheExecutablesFolder)
{
    AppPaths::setProgramFolder({});
    const QString folder = AppPaths::programFolder();
    EXPECT_TRUE(folder.endsWith(u'/'));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QFileInfo::exists(folder + "common_tests")) << folder.toStdString();
}

TEST(AppPaths, AWritableProgramFolderKeepsWhatTheProgramWrites)
{
    TempProgramFolder folder;
    EXPECT_EQ(AppPaths::dataFolder(), folder.path());
    EXPECT_EQ(AppPaths::configFile(), folder.path("config.ini"));
    EXPECT_EQ(AppPaths::exceptionLogFile(), folder.path("except.txt"));
    EXPECT_EQ(AppPaths::recentFilesFile(), folder.path("filerecordlist.rec"));
    EXPECT_EQ(AppPaths::scratchFolder(), folder.path("temp/"));
    EXPECT_TRUE(QFileInfo(folder.path("temp")).isDir());
    EXPECT_EQ(AppPaths::projectsFolder(), folder.path("Projects/"));
}

TEST(AppPaths, AProgramFolderThatCannotBeWrittenSendsWritesToTheUserFolder)
{
    QTemporaryDir config;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    AppPaths::setProgramFolder("/nonexistent/zd740/bundle");
    EXPECT_EQ(AppPaths::dataFolder(), config.path() + "/zd740-designer/");
    EXPECT_EQ(AppPaths::configFile(), config.path() + "/zd740-designer/config.ini");
    EXPECT_EQ(AppPaths::langFolder(), "/nonexistent/zd740/bundle/lang/");
    AppPaths::setProgramFolder({});
    qputenv("XDG_CONFIG_HOME", saved);
}

TEST(AppPaths, FolderNamesMatchWithoutRegardToCase)
{
    TempProgramFolder folder;
    QDir().mkpath(folder.path("Temp"));
    QDir().mkpath(folder.path("Lang"));
    QDir().mkpath(folder.path("LIB"));
    EXPECT_EQ(AppPaths::scratchFolder(), folder.path("Temp/"));
    EXPECT_EQ(AppPaths::langFolder(), folder.path("Lang/"));
    EXPECT_EQ(AppPaths::libFolder(), folder.path("LIB/"));
    EXPECT_EQ(AppPaths::devicesFolder(), folder.path("Devices/")); // missing: the usual name
    EXPECT_FALSE(QFileInfo::exists(folder.path("temp")));
}

TEST(AppPaths, EmptyingTheScratchFolderKeepsItsSubfolders)
{
    TempProgramFolder folder;
    folder.touch("temp/a.txt");
    folder.touch("temp/sub/b.bmp");
    folder.touch("temp/sub/deeper/c");
    folder.touch("temp/.hidden");
    folder.touch("keep.txt");
    AppPaths::emptyScratchFolder();
    EXPECT_TRUE(QDir(folder.path("temp/sub/deeper")).exists());
    EXPECT_TRUE(QDir(folder.path("temp")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder.path("temp/sub/b.bmp")));
    EXPECT_FALSE(QFileInfo::exists(folder.path("temp/sub/deeper/c")));
    EXPECT_TRUE(QFileInfo::exists(folder.path("keep.txt")));
}
