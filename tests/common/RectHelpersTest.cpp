#include "RectHelpers.h"

#include <gtest/gtest.h>

TEST(RectHelpers, PointInRectCountsEdgesAndOrdersCorners)
{
    const TRect reversed{10, 20, 0, 0};
    EXPECT_TRUE(PointInRect(reversed, {0, 0}));
    EXPECT_TRUE(PointInRect(reversed, {10, 20}));
    EXPECT_TRUE(PointInRect(reversed, {5, 7}));
    EXPECT_FALSE(PointInRect(reversed, {11, 5}));
    EXPECT_FALSE(PointInRect(reversed, {5, -1}));
}

TEST(RectHelpers, NormalizeTellsWhetherItSwapped)
{
    auto n = NormalizeRect({5, 6, 1, 2});
    EXPECT_EQ(n.rect, (TRect{1, 2, 5, 6}));
    EXPECT_TRUE(n.changed);
    n = NormalizeRect({1, 6, 5, 2});
    EXPECT_EQ(n.rect, (TRect{1, 2, 5, 6}));
    EXPECT_TRUE(n.changed);
    n = NormalizeRect({1, 2, 5, 6});
    EXPECT_FALSE(n.changed);
}

TEST(RectHelpers, Intersections)
{
    // Touching along an edge is an overlap of zero width, not an empty one.
    auto r = IntersectRects({0, 0, 10, 10}, {10, 2, 20, 8});
    EXPECT_TRUE(r.intersects);
    EXPECT_EQ(r.rect, (TRect{10, 2, 10, 8}));

    r = IntersectRects({0, 0, 10, 10}, {11, 0, 20, 10});
    EXPECT_FALSE(r.intersects);
    EXPECT_EQ(r.rect, TRect{});

    r = IntersectRects({10, 10, 0, 0}, {5, 5, 15, 15}); // normalised first
    EXPECT_TRUE(r.intersects);
    EXPECT_EQ(r.rect, (TRect{5, 5, 10, 10}));
}

TEST(RectHelpers, HandleHitUsesTheScaledSquare)
{
    // round(4 x 2.25) = 9
    EXPECT_TRUE(HandleHit({100, 100}, {109, 91}, 2.25));
    EXPECT_FALSE(HandleHit({100, 100}, {110, 100}, 2.25));
    // round(4 x 1.125) = round(4.5) = 4, halves to even
    EXPECT_TRUE(HandleHit({0, 0}, {4, 4}, 1.125));
    EXPECT_FALSE(HandleHit({0, 0}, {5, 0}, 1.125));
}
