#include "PanelScales.h"

#include "RenderTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct ScaleCase
{
    const char* what;
    QImage dots;
    std::vector<std::string> expected;
};

} // namespace

TEST(PanelScales, DotByDotAtPanelSize)
{
    const std::vector<std::string> vertical = {
        "#####", // top edge
        "..#.#", // the scale line x = 2, the right edge; the left edge stays open
        ".##.#", // tick at a quarter (q = 8 / 4 = 2)
        "..#.#", //
        "###.#", // the half-way tick is two dots long
        "..#.#", //
        ".##.#", // three quarters
        "#####", // bottom edge
    };
    const std::vector<std::string> horizontal = {
        "########", // top edge
        "#......#", // left and right edges
        "########", // the scale line y = H - 3
        "#.#.#.##", // ticks at quarters below it (q = 8 / 4 = 2)
        "#...#..#", // the half-way tick reaches the open bottom
    };
    const std::vector<std::string> trend = {
        "..#.......", // the value axis x = 2 from the top ...
        ".##.......", // ... its arrowhead (1, 1), also the tick at 3g (g = 2)
        "#.#.......", // ... (0, 2)
        "###.......", // the middle tick, three dots
        "..#.......", //
        ".##.......", // the tick at g
        "..#.......", // ... down to y = H - 4
        "##########", // the time axis y = H - 3
        "........#.", // its arrowhead (W - 2, H - 2)
        ".......#..", // and (W - 3, H - 1)
    };
    const ScaleCase cases[] = {
        {"bar up", DrawBarScaleDots(5, 8, 0), vertical},
        {"bar down", DrawBarScaleDots(5, 8, 1), vertical},
        {"bar left", DrawBarScaleDots(8, 5, 2), horizontal},
        {"bar right", DrawBarScaleDots(8, 5, 3), horizontal},
        {"trend frame", DrawTrendFrameDots(10, 10), trend},
    };
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.dots.format(), QImage::Format_RGB32);
        EXPECT_EQ(dotRows(c.dots), c.expected);
        // Only black and white: the image builder thresholds every pixel.
        EXPECT_EQ(countOf(c.dots, Qt::white) + countOf(c.dots, Qt::black), c.dots.width() * c.dots.height());
    }
}

TEST(PanelScales, DefaultSizesAndFramesBeyondThePanel)
{
    // A new bar graph (16 x 48): the ticks at 12, 24 and 36.
    const QImage bar = DrawBarScaleDots(16, 48, 0);
    ASSERT_EQ(bar.size(), QSize(16, 48));
    for (int y : {12, 24, 36})
        EXPECT_TRUE(isColour(bar, 1, y, Qt::white)) << y;
    EXPECT_TRUE(isColour(bar, 0, 24, Qt::white));
    EXPECT_FALSE(isColour(bar, 0, 12, Qt::white));

    // What the panel cannot show is cut, never allocated: the right edge of a
    // 300-dot frame lies beyond the picture.
    const QImage wide = DrawBarScaleDots(300, 100, 2);
    EXPECT_EQ(wide.size(), QSize(192, 64));
    EXPECT_EQ(wide.pixelColor(191, 1), QColor(Qt::black));
    EXPECT_EQ(DrawTrendFrameDots(1 << 30, 1 << 30).size(), QSize(192, 64));

    EXPECT_TRUE(DrawBarScaleDots(0, 48, 0).isNull());
    EXPECT_TRUE(DrawTrendFrameDots(96, -1).isNull());
    // Frames too small for their scale keep what fits and stay inside.
    EXPECT_EQ(DrawTrendFrameDots(2, 2).size(), QSize(2, 2));
    EXPECT_EQ(DrawBarScaleDots(1, 1, 0).size(), QSize(1, 1));
}
