#include "PackDotImage.h"

#include <gtest/gtest.h>

namespace {

QImage black(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b.append(char(v));
    return b;
}

} // namespace

TEST(PackDotImage, AnAllBlackPictureIsJustTheTerminator)
{
    const TDotImage image = PackDotImage(black(16, 16), 16, 16, 0, 0, false);
    EXPECT_EQ(image.bytes, bytes({0, 7, 1, 0, 0, 0, 0}));
    EXPECT_EQ(image.runCount, 1);
}

TEST(PackDotImage, BandsOfEightRowsAndALastShortBand)
{
    QImage image = black(2, 10);
    image.setPixelColor(0, 0, Qt::white);
    image.setPixelColor(0, 9, Qt::white);
    image.setPixelColor(1, 8, Qt::white);
    const TDotImage packed = PackDotImage(image, 2, 10, 0, 0, false);
    // run 1: row 0, col 0, height 8, width 1, byte 0x01; run 2: row 8, col 0, height 2, width 2.
    EXPECT_EQ(packed.bytes, bytes({0, 18, 3, 0, 0, 8, 1, 0x01, 8, 0, 2, 2, 0x02, 0x01, 8, 0, 0, 0}));
    EXPECT_EQ(packed.runCount, 3);
}

TEST(PackDotImage, GapsOfFourZeroColumnsSplitRuns)
{
    const struct
    {
        std::vector<int> litColumns;
        std::vector<std::pair<int, int>> runs;
    } cases[] = {
        {{0, 4}, {{0, 5}}},         // three zero columns stay inside
        {{0, 5}, {{0, 1}, {5, 1}}}, // four split
        {{2, 3}, {{0, 4}}},         // two leading zeros stay
        {{4, 6}, {{4, 3}}},         // four leading zeros are skipped
        {{0, 1, 9}, {{0, 2}, {9, 1}}},
    };
    for (const auto& c : cases) {
        QImage image = black(16, 8);
        for (int x : c.litColumns)
            image.setPixelColor(x, 0, Qt::white);
        const QByteArray packed = PackDotImage(image, 16, 8, 0, 0, false).bytes;
        std::vector<std::pair<int, int>> runs;
        for (int at = 3; at < packed.size();) {
            const int width = static_cast<unsigned char>(packed[at + 3]);
            if (packed[at + 2] != 0)
                runs.push_back({static_cast<unsigned char>(packed[at + 1]), width});
            at += 4 + width;
        }
        EXPECT_EQ(runs, c.runs) << c.litColumns.front();
    }
}

TEST(PackDotImage, WholeBandsKeepEveryColumn)
{
    const TDotImage packed = PackDotImage(black(5, 8), 5, 8, 0, 0, true);
    EXPECT_EQ(packed.bytes, bytes({0, 16, 2, 0, 0, 8, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(PackDotImage, ThresholdAndTerminator)
{
    QImage image = black(3, 16);
    image.setPixelColor(0, 0, QColor(129, 129, 129)); // lit
    image.setPixelColor(1, 0, QColor(128, 128, 128)); // not lit
    image.setPixelColor(2, 9, Qt::white);
    const QByteArray packed = PackDotImage(image, 3, 16, 0, 0, false).bytes;
    EXPECT_EQ(packed.mid(3, 5), bytes({0, 0, 8, 1, 0x01}));
    // The terminator repeats the last run's row and column (two leading zero
    // columns stay inside that run, so it starts at column 0).
    EXPECT_EQ(packed.right(4), bytes({8, 0, 0, 0}));
}

TEST(PackDotImage, LargePicturesAreClippedToThePanel)
{
    QImage image(300, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    const TDotImage packed = PackDotImage(image, 300, 100, 0, 0, true);
    EXPECT_EQ(packed.runCount, 9);
    EXPECT_EQ(packed.bytes.size(), 3 + 8 * (4 + 192) + 4);
}

TEST(PackDotImage, TooManyRunsFallBackToWholeBands)
{
    // A lit column every fifth column in every band: 39 runs per band, 312 in all.
    QImage image = black(192, 64);
    for (int x = 0; x < 192; x += 5)
        for (int y = 0; y < 64; ++y)
            image.setPixelColor(x, y, Qt::white);
    const TDotImage packed = PackDotImage(image, 192, 64, 0, 0, false);
    EXPECT_EQ(packed.runCount, 9);
    EXPECT_EQ(static_cast<unsigned char>(packed.bytes[2]), 9);
    EXPECT_EQ(packed.bytes.size(), (static_cast<unsigned char>(packed.bytes[0]) << 8) |
                                       static_cast<unsigned char>(packed.bytes[1]));
}
