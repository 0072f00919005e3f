// The project's list of screens: numbering, order, deleting and copying.

#include "TLcdKey.h"
#include "TProgramObj.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<std::int32_t> numbers(const TProgramObj& p)
{
    std::vector<std::int32_t> n;
    for (const auto& s : p.Screens)
        n.push_back(s->ScreenNo);
    return n;
}

TEST(ScreenList, ANewProjectHasScreenOneLeadingToTwo)
{
    TProgramObj p;
    ASSERT_EQ(p.ScreenCount(), 1);
    EXPECT_EQ(p.FirstScreen()->Properties(), (Tpageobjpty{{}, 1, 0, 2}));
}

TEST(ScreenList, DeletingTheOnlyScreenLeavesAFreshScreenOne)
{
    TProgramObj p;
    p.FirstScreen()->AddObject(413, 0, 0);
    p.FirstScreen()->ScreenNo = 7;
    ASSERT_TRUE(p.DeleteScreen(7));
    ASSERT_EQ(p.ScreenCount(), 1);
    EXPECT_EQ(p.FirstScreen()->Properties(), (Tpageobjpty{{}, 1, 0, 2}));
    EXPECT_TRUE(p.FirstScreen()->Objects.empty());

    p.AddScreen(4, "four", 5, 3);
    p.DeleteAllScreens();
    EXPECT_EQ(numbers(p), std::vector<std::int32_t>{1});
    EXPECT_FALSE(p.DeleteScreen(99));
}

TEST(ScreenList, ScreensStaySortedAndNumbersUnique)
{
    TProgramObj p;
    for (std::int32_t n : {5, 2, 9})
        ASSERT_TRUE(p.AddScreen(n, {}, n + 1, n - 1));
    EXPECT_EQ(numbers(p), (std::vector<std::int32_t>{1, 2, 5, 9}));
    p.Modified = false;
    EXPECT_FALSE(p.AddScreen(5, "again", 0, 0));
    EXPECT_FALSE(p.Modified);
    EXPECT_EQ(p.FindScreen(5)->Description, QByteArray());

    EXPECT_EQ(p.FindScreen(2)->DownScreen, 3);
    EXPECT_TRUE(p.RenumberScreen(9, 3));
    EXPECT_EQ(numbers(p), (std::vector<std::int32_t>{1, 2, 3, 5}));
    EXPECT_FALSE(p.RenumberScreen(3, 5));
}

TEST(ScreenList, FirstFreeScreenNumberFillsGaps)
{
    TProgramObj p;
    p.AddScreen(2, {}, 3, 1);
    p.AddScreen(4, {}, 5, 3);
    EXPECT_EQ(p.FirstFreeScreenNo(), 3);
    p.AddScreen(3, {}, 4, 2);
    EXPECT_EQ(p.FirstFreeScreenNo(), 5);

    TProgramObj full;
    full.Screens.clear();
    for (std::int32_t n = 1; n <= TProgramObj::MaxScreenNo; ++n)
        full.Screens.push_back(std::make_unique<Tpageobj>(full.screenContext(), n));
    EXPECT_EQ(full.FirstFreeScreenNo(), -1);
}

struct CopyCase
{
    const char* name;
    std::int32_t source;
    std::int32_t target;
    bool copied;
    std::vector<std::int32_t> screensAfter;
};

class CopyScreen : public testing::TestWithParam<CopyCase>
{};

// Screen 1 holds a text and a key, screen 2 a lamp; the copy must never
// lose a screen when it is refused.
TEST_P(CopyScreen, ChecksItsArgumentsBeforeReplacingAnything)
{
    const CopyCase& c = GetParam();
    TProgramObj p;
    p.FirstScreen()->AddObject(413, 10, 20);
    auto* key = dynamic_cast<TLcdKey*>(p.FirstScreen()->AddObject(412, 40, 20));
    ASSERT_TRUE(key);
    key->KeyIndex = 9;
    p.AddScreen(2, "two", 3, 1);
    p.FindScreen(2)->AddObject(411, 0, 0);

    EXPECT_EQ(p.CopyScreen(c.source, c.target), c.copied);
    EXPECT_EQ(numbers(p), c.screensAfter);
    EXPECT_EQ(p.FindScreen(1)->Objects.size(), 2u);
    if (!c.copied) {
        ASSERT_TRUE(p.FindScreen(2));
        EXPECT_EQ(p.FindScreen(2)->Objects.size(), 1u);
        return;
    }
    const Tpageobj& copy = *p.FindScreen(c.target);
    EXPECT_EQ(copy.Properties(), (Tpageobjpty{{}, c.target, c.target - 1, c.target + 1}));
    ASSERT_EQ(copy.Objects.size(), 2u);
    EXPECT_EQ(copy.Objects[0]->TypeCode, 413);
    EXPECT_EQ(copy.Objects[0]->X, 10);
    EXPECT_EQ(dynamic_cast<const TLcdKey&>(*copy.Objects[1]).KeyIndex, 9);
    EXPECT_NE(copy.Objects[0]->ObjectId, p.FindScreen(1)->Objects[0]->ObjectId);
    EXPECT_EQ(copy.CountSelected() + p.FindScreen(1)->CountSelected(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, CopyScreen,
                         testing::Values(CopyCase{"ToNewNumber", 1, 3, true, {1, 2, 3}},
                                         CopyCase{"ReplacesExisting", 1, 2, true, {1, 2}},
                                         CopyCase{"TargetZero", 1, 0, false, {1, 2}},
                                         CopyCase{"TargetNegative", 1, -2, false, {1, 2}},
                                         CopyCase{"TargetTooLarge", 1, 10001, false, {1, 2}},
                                         CopyCase{"UnknownSourceKeepsTarget", 7, 2, false, {1, 2}},
                                         CopyCase{"OntoItself", 1, 1, false, {1, 2}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenList, ObjectCountsAndLimitsGoByScreen)
{
    TProgramObj p;
    p.AddScreen(2, {}, 3, 1);
    p.AddObject(1, 413, 0, 0);
    p.AddObject(1, 415, 0, 20);
    p.AddObject(2, 415, 0, 20);
    EXPECT_EQ(p.TotalObjectCount(), 3);
    EXPECT_EQ(p.CountObjects(1, -1), 2);
    EXPECT_EQ(p.CountObjects(1, 415), 1);
    EXPECT_EQ(p.CountObjects(3, -1), 0);
    EXPECT_EQ(p.CanAddObject(1, 415), 0);
    EXPECT_EQ(p.CanAddObject(3, 415), -1);
    EXPECT_EQ(p.AddObject(3, 413, 0, 0), nullptr);
}

TEST(ScreenList, WaitTimeFollowsThePlcModel)
{
    TProgramObj p;
    for (int code : {3, 8, 9, 18, 22}) {
        p.SetWaitTimeForPlc(code);
        EXPECT_EQ(p.WaitTime, 100) << code;
    }
    p.SetWaitTimeForPlc(4);
    EXPECT_EQ(p.WaitTime, 0);
    p.SetPlcCode(3);
    p.RaiseWaitTimeForPlc();
    EXPECT_EQ(p.WaitTime, 100);
}

} // namespace
