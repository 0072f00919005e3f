// Editing the objects of one screen: limits, selection, order and arranging.

#include "TLcdKey.h"
#include "Tpageobj.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class ScreenEditing : public testing::Test
{
protected:
    Tpageobj screen{std::make_shared<TObjectContext>()};

    // A static text at (x, y) of w x h, selected or not.
    TLCDBlockObj* box(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, bool selected = true)
    {
        TLCDBlockObj* o = screen.AddObject(413, x, y);
        o->Width = w;
        o->Height = h;
        o->Selected = selected;
        return o;
    }

    std::vector<std::int32_t> xs() const
    {
        std::vector<std::int32_t> v;
        for (const auto& o : screen.Objects)
            v.push_back(o->X);
        return v;
    }
};

TEST_F(ScreenEditing, AddObjectRefusesCodesThatMakeNoObject)
{
    for (int code : {410, 419, 422, 300, 0})
        EXPECT_EQ(screen.AddObject(code, 0, 0), nullptr) << code;
    TLCDBlockObj* lamp = screen.AddObject(411, 300, -5);
    ASSERT_TRUE(lamp);
    EXPECT_TRUE(lamp->Selected);
    EXPECT_EQ(lamp->X, 300); // placed unclamped; the editor clamps when it drops it
    EXPECT_EQ(lamp->Y, -5);
}

TEST_F(ScreenEditing, FourteenKeysEachOnTheirOwnPanelKey)
{
    for (int i = 0; i < Tpageobj::MaxKeys; ++i) {
        auto* key = dynamic_cast<TLcdKey*>(screen.AddObject(412, 0, 0));
        ASSERT_TRUE(key) << i;
        EXPECT_EQ(key->KeyIndex, i);
    }
    EXPECT_EQ(screen.FreeKeyIndex(), -1);
    EXPECT_EQ(screen.AddObject(412, 0, 0), nullptr);
    EXPECT_EQ(screen.CountByType(412), 14);

    screen.SelectAll(false);
    screen.Objects[5]->Selected = true;
    EXPECT_EQ(screen.DeleteSelected(), 1);
    auto* again = dynamic_cast<TLcdKey*>(screen.AddObject(412, 0, 0));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->KeyIndex, 5);
}

TEST_F(ScreenEditing, ValueObjectsAndAllObjectsHaveLimits)
{
    const int types[] = {415, 416, 417};
    for (int i = 0; i < Tpageobj::MaxValueObjects; ++i) {
        EXPECT_EQ(screen.CanAddObject(types[i % 3]), 0);
        screen.AddObject(types[i % 3], 0, 0);
    }
    for (int type : types)
        EXPECT_EQ(screen.CanAddObject(type), 2) << type;
    EXPECT_EQ(screen.CanAddObject(413), 0);
    while (screen.Objects.size() < Tpageobj::MaxObjects)
        screen.AddObject(413, 0, 0);
    EXPECT_EQ(screen.CanAddObject(413), 1);
    EXPECT_EQ(screen.CanAddObject(415), 1);
}

struct AlignCase
{
    bool toScreen;
    int side;
    std::vector<std::int32_t> x;
    std::vector<std::int32_t> y;
};

class Align : public ScreenEditing, public testing::WithParamInterface<AlignCase>
{};

TEST_P(Align, MovesTheSelectionToTheReferenceEdge)
{
    box(10, 5, 20, 10);
    box(40, 20, 30, 16);
    box(100, 30, 8, 8, false);
    screen.Align(GetParam().toScreen, GetParam().side);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(screen.Objects[i]->X, GetParam().x[i]) << i;
        EXPECT_EQ(screen.Objects[i]->Y, GetParam().y[i]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Sides, Align,
                         testing::Values(AlignCase{false, 0, {10, 10, 100}, {5, 20, 30}},
                                         AlignCase{false, 1, {50, 40, 100}, {5, 20, 30}},
                                         AlignCase{false, 2, {10, 40, 100}, {5, 5, 30}},
                                         AlignCase{false, 3, {10, 40, 100}, {26, 20, 30}},
                                         AlignCase{true, 0, {0, 0, 100}, {5, 20, 30}},
                                         AlignCase{true, 1, {172, 162, 100}, {5, 20, 30}},
                                         AlignCase{true, 2, {10, 40, 100}, {0, 0, 30}},
                                         AlignCase{true, 3, {10, 40, 100}, {54, 48, 30}}));

TEST_F(ScreenEditing, AlignToTheSelectionNeedsTwoObjects)
{
    box(10, 5, 20, 10);
    box(40, 20, 30, 16, false);
    screen.Align(false, 1);
    EXPECT_EQ(xs(), (std::vector<std::int32_t>{10, 40}));
    screen.Align(true, 1);
    EXPECT_EQ(xs(), (std::vector<std::int32_t>{172, 40}));
    EXPECT_EQ(screen.Objects[1]->SeqNo, 2);
}

TEST_F(ScreenEditing, CentreKeepsTheArrangement)
{
    box(0, 0, 10, 10);
    box(20, 10, 11, 11);
    screen.Centre(false); // box 0..31: centre round(15.5) = 16 goes to 96
    EXPECT_EQ(xs(), (std::vector<std::int32_t>{80, 100}));
    screen.Centre(true); // box 0..21: centre round(10.5) = 10 goes to 32
    EXPECT_EQ(screen.Objects[0]->Y, 22);
    EXPECT_EQ(screen.Objects[1]->Y, 32);
}

TEST_F(ScreenEditing, DistributeSpacesTheMiddleObjectsEvenly)
{
    box(0, 0, 10, 10);
    box(80, 0, 10, 10);
    screen.Distribute(false);
    EXPECT_EQ(xs(), (std::vector<std::int32_t>{0, 80})) << "two objects stay where they are";

    box(12, 0, 20, 10);
    box(100, 0, 10, 10);
    // In X order 0(10), 12(20), 80(10), 100(10): free 110 - 50 = 60, gap 20.
    screen.Distribute(false);
    EXPECT_EQ(xs(), (std::vector<std::int32_t>{0, 70, 30, 100}));
    screen.Distribute(true);
    EXPECT_EQ(screen.Objects[2]->Y, 0) << "all at the same top: the sort keeps their order";
}

TEST_F(ScreenEditing, OverlapsNeedASharedDot)
{
    box(0, 0, 10, 10);
    TLCDBlockObj* next = box(10, 0, 10, 10);
    EXPECT_FALSE(screen.HasOverlaps()) << "touching objects do not overlap";
    next->X = 9;
    EXPECT_TRUE(screen.HasOverlaps());
    next->X = 0;
    next->Y = 10;
    EXPECT_FALSE(screen.HasOverlaps());
    next->Y = 9;
    EXPECT_TRUE(screen.HasOverlaps());
}

TEST_F(ScreenEditing, SelectInRectTakesObjectsItTouches)
{
    box(10, 10, 10, 10, false);
    box(50, 10, 10, 10, true);
    screen.SelectInRect({20, 20, 30, 30});
    EXPECT_TRUE(screen.Objects[0]->Selected) << "touching the corner selects";
    EXPECT_FALSE(screen.Objects[1]->Selected);
    screen.SelectInRect({21, 21, 30, 30});
    EXPECT_EQ(screen.CountSelected(), 0);
    screen.SelectInRect({30, 0, 0, 64}); // drawn right to left
    EXPECT_TRUE(screen.Objects[0]->Selected);
}

TEST_F(ScreenEditing, SelectionBoundsAndHits)
{
    EXPECT_FALSE(screen.SelectionBounds());
    EXPECT_EQ(screen.HitTestSelected({0, 0}).code, -1);
    box(10, 10, 10, 10);
    box(40, 30, 5, 20);
    EXPECT_EQ(screen.SelectionBounds(), (TRect{10, 10, 45, 50}));
    EXPECT_EQ(screen.HitTestSelected({0, 0}).code, 0);
    const auto hit = screen.HitTestSelected({95, 80}); // pixels: inside the second at 2.25
    EXPECT_EQ(hit.code, 1);
    EXPECT_EQ(hit.rect, (TRect{40, 30, 45, 50}));
    EXPECT_EQ(screen.ObjectAt(45, 50), screen.Objects[1].get());
    EXPECT_EQ(screen.ObjectAt(46, 50), nullptr);
}

TEST_F(ScreenEditing, ObjectAtFindsTheTopmost)
{
    box(0, 0, 20, 20);
    box(10, 10, 20, 20);
    EXPECT_EQ(screen.ObjectAt(15, 15), screen.Objects[1].get());
    screen.Objects[0]->Selected = true;
    screen.Objects[1]->Selected = false;
    screen.BringToFront();
    EXPECT_EQ(xs(), (std::vector<std::int32_t>{10, 0}));
    EXPECT_EQ(screen.ObjectAt(15, 15)->X, 0);
    screen.SendToBack();
    EXPECT_EQ(xs(), (std::vector<std::int32_t>{0, 10}));
}

TEST_F(ScreenEditing, DeleteSelectedKeepsTheOrderOfTheRest)
{
    for (std::int32_t x : {1, 2, 3, 4, 5})
        box(x, 0, 4, 4, x % 2 == 0);
    EXPECT_EQ(screen.DeleteSelected(), 2);
    EXPECT_EQ(xs(), (std::vector<std::int32_t>{1, 3, 5}));
    EXPECT_EQ(screen.DeleteSelected(), 0);
}

TEST_F(ScreenEditing, TextAndBitmapBoundsStartInsideThePanel)
{
    EXPECT_FALSE(screen.TextAndBitmapBounds());
    box(-4, 10, 20, 16);
    screen.AddObject(411, 150, 0);
    TLCDBlockObj* picture = screen.AddObject(418, 100, 40);
    picture->Width = 30;
    picture->Height = 10;
    EXPECT_EQ(screen.TextAndBitmapBounds(), (TRect{0, 10, 130, 50}));
}

} // namespace
