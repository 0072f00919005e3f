#include "ConfigFile.h"

#include "AppPaths.h"
#include "TempProgramFolder.h"

#include <gtest/gtest.h>

TEST(ConfigFile, WithoutTheFileReadsLeaveTheVariableAlone)
{
    TempProgramFolder folder;
    int port = 5;
    EXPECT_FALSE(ReadConfigInt("PORT", "COMM", port));
    EXPECT_EQ(port, 5);
}

TEST(ConfigFile, MissingKeysReadAsZeroOnceTheFileExists)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteConfigInt("Option", "SystemDefaultLangID", 2052));
    int port = 5;
    EXPECT_TRUE(ReadConfigInt("PORT", "COMM", port));
    EXPECT_EQ(port, 0);
}

TEST(ConfigFile, TheSectionComesFirst)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteConfigInt("PORT", "COMM", -1));
    ASSERT_TRUE(WriteConfigString("plccodes", "index0", "Model A plccode = 3 "));
    EXPECT_EQ(folder.read("config.ini"),
              "[PORT]\r\nCOMM=-1\r\n[plccodes]\r\nindex0=Model A plccode = 3 \r\n");
    int port = 0;
    ASSERT_TRUE(ReadConfigInt("port", "comm", port));
    EXPECT_EQ(port, -1);
    int wrongWayRound = 7;
    ASSERT_TRUE(ReadConfigInt("COMM", "PORT", wrongWayRound));
    EXPECT_EQ(wrongWayRound, 0);
}
