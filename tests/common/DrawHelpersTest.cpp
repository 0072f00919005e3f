#include "DrawHelpers.h"

#include <gtest/gtest.h>

namespace {
QImage canvas(int w, int h, QColor fill = Qt::black)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}
} // namespace

TEST(DrawHelpers, BlackWhiteThresholdIsStrictlyAbove128)
{
    QImage image = canvas(4, 1);
    image.setPixelColor(0, 0, QColor(128, 128, 128)); // exactly 128: black
    image.setPixelColor(1, 0, QColor(129, 129, 129));
    image.setPixelColor(2, 0, QColor(0, 218, 0));   // 0.59 x 218 = 128.62 -> 129: white
    image.setPixelColor(3, 0, QColor(255, 0, 255)); // 76.5 + 28.05 = 104.55: black
    ToBlackWhite(image);
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(2, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(3, 0), QColor(Qt::black));
}

TEST(DrawHelpers, SwapColoursTurnsEveryOtherPixelIntoTheFirst)
{
    QImage image = canvas(3, 1);
    image.setPixelColor(0, 0, Qt::white);
    image.setPixelColor(1, 0, Qt::red);
    SwapColours(image, Qt::white, Qt::blue);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(1, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(2, 0), QColor(Qt::white));
}

TEST(DrawHelpers, HandleMarkIsWhiteInsideRedAround)
{
    QImage image = canvas(20, 20);
    QPainter p(&image);
    p.setPen(Qt::green);
    DrawHandleMark({10, 10}, p);
    EXPECT_EQ(p.pen().color(), QColor(Qt::green)); // restored
    p.end();
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(10, 7), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(10, 14), QColor(Qt::black));
}

TEST(DrawHelpers, OutlineAndFrame)
{
    QImage image = canvas(12, 12);
    QPainter p(&image);
    p.setPen(QPen(Qt::green, 3, Qt::DotLine));
    OutlineRect({1, 1, 8, 6}, p, Qt::white, Qt::SolidLine);
    EXPECT_EQ(p.pen().color(), QColor(Qt::green));
    EXPECT_EQ(p.pen().style(), Qt::DotLine);
    FrameRectColour({9, 9, 12, 12}, p, Qt::red);
    p.end();
    for (auto [x, y] : {std::pair{1, 1}, {8, 1}, {8, 6}, {1, 6}, {4, 1}, {1, 4}})
        EXPECT_EQ(image.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
    EXPECT_EQ(image.pixelColor(4, 4), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(9, 9), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(11, 11), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::black));
}

TEST(DrawHelpers, LinesAreFifteenPixelsApart)
{
    QImage image = canvas(60, 40);
    QPainter p(&image);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);
    DrawLines(p, {0, 0}, QStringLiteral("MM\nMM"), true);
    p.end();
    auto litRows = [&](int from, int to) {
        int lit = 0;
        for (int y = from; y < to; ++y)
            for (int x = 0; x < 60; ++x)
                lit += image.pixelColor(x, y) != QColor(Qt::black);
        return lit;
    };
    EXPECT_GT(litRows(0, 15), 0);
    EXPECT_GT(litRows(15, 30), 0);
    EXPECT_EQ(litRows(30, 40), 0);
}
