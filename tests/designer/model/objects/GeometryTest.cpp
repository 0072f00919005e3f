#include "ObjectTestSupport.h"
#include "TLcdBZTU.h"
#include "TLcdText.h"
#include "Tlcdqushitu.h"

#include <gtest/gtest.h>

namespace {

struct ClampCase
{
    int pos, size, request;
    int wantPos, wantSize;
};

TEST(Geometry, SetWidthClampedKeepsTheObjectOnThePanel)
{
    const ClampCase cases[] = {
        {10, 16, 16, 10, 16},   // unchanged width: nothing happens
        {0, 16, 40, 0, 40},     // grows in place
        {180, 16, 20, 172, 20}, // would end past 192: moved left
        {10, 16, 300, 0, 192},  // cut to the panel width
    };
    for (const ClampCase& c : cases) {
        TLcdBZTU bar(contextFor(0));
        bar.X = c.pos;
        bar.Width = c.size;
        bar.SetWidthClamped(c.request);
        EXPECT_EQ(bar.X, c.wantPos) << c.pos << "/" << c.size << " -> " << c.request;
        EXPECT_EQ(bar.Width, c.wantSize) << c.pos << "/" << c.size << " -> " << c.request;
    }
}

TEST(Geometry, SetHeightClampedKeepsTheObjectOnThePanel)
{
    const ClampCase cases[] = {
        {0, 48, 48, 0, 48},
        {50, 10, 20, 44, 20},
        {0, 48, 100, 0, 64},
    };
    for (const ClampCase& c : cases) {
        TLcdBZTU bar(contextFor(0));
        bar.Y = c.pos;
        bar.Height = c.size;
        bar.SetHeightClamped(c.request);
        EXPECT_EQ(bar.Y, c.wantPos) << c.pos << "/" << c.size << " -> " << c.request;
        EXPECT_EQ(bar.Height, c.wantSize) << c.pos << "/" << c.size << " -> " << c.request;
    }
}

TEST(Geometry, NarrowingATrendChartLowersItsDotCount)
{
    Tlcdqushitu chart(contextFor(0));
    ASSERT_EQ(chart.DotCount, 20);
    chart.SetWidthClamped(60);
    EXPECT_EQ(chart.DotCount, 20);
    chart.SetWidthClamped(16);
    EXPECT_EQ(chart.DotCount, 12);
}

TEST(Geometry, MoveByStopsAtThePanelEdges)
{
    struct Case
    {
        int x, y, w, h, dx, dy;
        int wantX, wantY;
    } const cases[] = {
        {10, 10, 16, 16, 5, 3, 15, 13},    // inside: taken as it is
        {170, 10, 16, 16, 10, 0, 176, 10}, // right edge
        {5, 10, 16, 16, -10, 0, 0, 10},    // left edge
        {10, 40, 16, 16, 0, 20, 10, 48},   // bottom edge
        {10, 5, 16, 16, 0, -8, 10, 0},     // top edge
        {180, 60, 10, 4, 20, 20, 182, 60}, // corner
        {176, 48, 16, 16, 0, 0, 176, 48},  // already at the corner
        {0, 0, 192, 64, -1, 1, 0, 0},      // a full-panel object cannot move
    };
    for (const Case& c : cases) {
        TLcdText text(contextFor(0));
        text.X = c.x;
        text.Y = c.y;
        text.Width = c.w;
        text.Height = c.h;
        text.MoveBy(c.dx, c.dy);
        EXPECT_EQ(text.X, c.wantX) << c.x << "," << c.y << " by " << c.dx << "," << c.dy;
        EXPECT_EQ(text.Y, c.wantY) << c.x << "," << c.y << " by " << c.dx << "," << c.dy;
    }
}

TEST(Geometry, ContainsPointIncludesBothEdges)
{
    TLcdText text(contextFor(0));
    text.MoveTo(10, 20);
    text.Width = 16;
    text.Height = 16;
    EXPECT_TRUE(text.ContainsPoint({10, 20}));
    EXPECT_TRUE(text.ContainsPoint({26, 36}));
    EXPECT_FALSE(text.ContainsPoint({27, 30}));
    EXPECT_FALSE(text.ContainsPoint({9, 30}));
    EXPECT_FALSE(text.ContainsPoint({12, 37}));
}

// A bar graph at dots (10, 4) of 16 x 48 covers pixels 22..58 x 9..117
// (22.5 rounds to the even 22); the middles are 40 and 63.
TEST(Geometry, HitTestFindsTheHandlesOfBarGraphs)
{
    TLcdBZTU bar(contextFor(0));
    bar.MoveTo(10, 4);
    bar.Selected = true;
    ASSERT_EQ(bar.PixelRect(), (TRect{22, 9, 58, 117}));
    struct Case
    {
        TPoint pixel;
        int code;
    } const cases[] = {
        {{25, 12}, 11},  // top-left, 3 px away
        {{40, 6}, 12},   // top middle
        {{61, 9}, 13},   // top-right
        {{58, 66}, 14},  // right middle
        {{19, 120}, 17}, // bottom-left
        {{40, 121}, 16}, // bottom middle, 4 px: still the handle
        {{55, 114}, 15}, // bottom-right
        {{19, 63}, 18},  // left middle
        {{27, 14}, 1},   // 5 px inside from the corner: the body
        {{17, 4}, 0},    // 5 px outside the corner
        {{40, 50}, 1},   {{59, 50}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bar.HitTest(c.pixel), c.code) << c.pixel.X << "," << c.pixel.Y;

    bar.Selected = false;
    EXPECT_EQ(bar.HitTest({25, 12}), 0);
    EXPECT_EQ(bar.HitTest({40, 50}), 0);
}

TEST(Geometry, OnlyBarGraphsTrendChartsAndBitmapsHaveHandles)
{
    for (int code : objectTypeCodes()) {
        auto object = CreateObject(code, contextFor(0));
        object->MoveTo(10, 4);
        object->Selected = true;
        const TRect r = object->PixelRect();
        const bool handles = code == 416 || code == 417 || code == 418;
        EXPECT_EQ(object->HasResizeHandles(), handles) << code;
        EXPECT_EQ(object->HitTest({r.Left - 3, r.Top - 3}), handles ? 11 : 0) << code;
        EXPECT_EQ(object->HitTest({r.Left, r.Top}), handles ? 11 : 1) << code;
    }
}

} // namespace
