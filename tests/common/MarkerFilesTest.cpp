#include "MarkerFiles.h"

#include "TempProgramFolder.h"

#include <gtest/gtest.h>

TEST(MarkerFiles, OnceOnlyMarkersAreTestedWhenLoaded)
{
    TempProgramFolder folder;
    folder.touch("debug.sys");
    folder.touch("DoNotDownPlcSys.TMP"); // names match without regard to case
    folder.touch("RunASzd740.tmp");
    MarkerFiles::load();
    folder.touch("m_DebugPackCodeToFile.tmp"); // too late: read at the next start only
    const auto& f = MarkerFiles::flags();
    EXPECT_TRUE(f.debugLog);
    EXPECT_TRUE(f.maintenance);
    EXPECT_TRUE(f.runTool);
    EXPECT_FALSE(f.packTraces);
    EXPECT_FALSE(f.keyCodeVariant);
    EXPECT_FALSE(f.hexAddresses);
}

TEST(MarkerFiles, LiveMarkersAreTestedAtEveryUse)
{
    TempProgramFolder folder;
    EXPECT_FALSE(MarkerFiles::traceLogOn());
    EXPECT_FALSE(MarkerFiles::sendSystemProgramAlways());
    folder.touch("debug.flg");
    folder.touch("write.sys");
    EXPECT_TRUE(MarkerFiles::traceLogOn());
    EXPECT_TRUE(MarkerFiles::sendSystemProgramAlways());
    QFile::remove(folder.path("debug.flg"));
    EXPECT_FALSE(MarkerFiles::traceLogOn());
}
