// The blocks after the screens (alarm list, screen jump table, alarm page
// table) and the merged picture of a crowded screen, inside whole images.

#include "AppPaths.h"
#include "BuildDownloadImage.h"
#include "MergeDotRecords.h"
#include "TCharMetrics.h"
#include "TLcdBitmap.h"
#include "TProgramObj.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int Params = 34;
constexpr int FirstScreen = 134;

int u8(const QByteArray& b, qsizetype at)
{
    return std::uint8_t(b[at]);
}

int u16(const QByteArray& b, qsizetype at)
{
    return (u8(b, at) << 8) | u8(b, at + 1);
}

TParameterALM entry(const char* text, int station = 1, int addr1 = 0)
{
    TParameterALM e;
    e.AlarmText = text;
    e.AlarmStation = std::uint8_t(station);
    e.AlarmAddr1 = addr1;
    return e;
}

QImage noise(int width, int height, quint32 seed)
{
    QImage picture(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, random.bounded(2) ? 0xFFFFFFFFu : 0xFF000000u);
    return picture;
}

// The records of the first screen, end record excluded.
std::vector<QByteArray> firstScreenRecords(const QByteArray& image)
{
    std::vector<QByteArray> records;
    for (int at = FirstScreen + u8(image, FirstScreen + 2); u8(image, at) != 0xFF; at += u16(image, at + 1))
        records.push_back(image.mid(at, u16(image, at + 1)));
    return records;
}

QImage drawn(const std::vector<QByteArray>& records)
{
    QImage canvas(192, 64, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    for (const QByteArray& r : records)
        DrawDotRecord(canvas, r);
    return canvas;
}

class ImageBlocks : public ::testing::Test
{
protected:
    void SetUp() override { AppPaths::setProgramFolder(QStringLiteral(ZD740_BIN_DIR)); }
    void TearDown() override
    {
        AppPaths::setProgramFolder({});
        CharMetrics() = TCharMetrics();
    }

    TProgramObj project; // one empty screen: the image's screens end at 0x0800 + 148
};

TEST_F(ImageBlocks, AlarmListFollowsTheScreens)
{
    project.AlarmBuzzer = true;
    project.Alarms = {entry("A", 3, 7), entry("B")};
    const QByteArray image = BuildDownloadImage(project, {}).bytes;
    const int at = 148;
    EXPECT_EQ(u16(image, Params), 0x0800 + at);
    EXPECT_EQ(u8(image, at), 32);
    EXPECT_EQ(u16(image, at + 1), image.size() - at);
    EXPECT_EQ(image.mid(at + 3, 5), QByteArray::fromHex("01 00 FF 03 00"));
    EXPECT_EQ(u16(image, at + 8), 7); // first entry's address, plain built-in model
    EXPECT_EQ(u8(image, at + 14), 2);
    const int firstLength = u16(image, at + 17);
    EXPECT_EQ(u16(image, at + 15), 0);
    const int second = at + 19 + firstLength - 1;
    EXPECT_EQ(u16(image, second), 1);
    EXPECT_EQ(u16(image, second + 2), 0xFFFF); // the last entry's length field
    EXPECT_EQ(image.right(4), QByteArray(4, '\xFF'));

    project.Alarms = {entry("only")};
    EXPECT_EQ(u16(BuildDownloadImage(project, {}).bytes, at + 17), 0xFFFF);
}

TEST_F(ImageBlocks, JumpTablesOnlyWithTheMarker)
{
    ASSERT_TRUE(project.AddScreen(4, "", 1, 1));
    const int screen4 = 0x0800 + 148;
    const int end = screen4 + 14;
    project.JumpDelay = 6;
    project.JumpDataFormat = 1;
    project.JumpStation = 2;
    project.JumpAddr1 = 0x10;
    project.Jumps = {{5, 4}, {6, 99}}; // 99: no such screen, the start screen instead
    project.BitJumps = {entry(" 4 "), entry("x"), entry("9")};

    const TDownloadImage without = BuildDownloadImage(project, {0, false});
    EXPECT_EQ(without.bytes.size(), end - 0x0800);
    EXPECT_EQ(u16(without.bytes, Params + 23), 0);
    EXPECT_EQ(u16(without.bytes, Params + 25), 0);

    const TDownloadImage with = BuildDownloadImage(project, {0, true});
    const QByteArray& image = with.bytes;
    const int jumps = end - 0x0800;
    EXPECT_EQ(u16(image, Params + 23), end);
    ASSERT_EQ(u8(image, jumps), 33);
    const int jumpsLength = u16(image, jumps + 1);
    EXPECT_EQ(jumpsLength, 17 + 2 * 4 + 4);
    EXPECT_EQ(image.mid(jumps + 3, 6), QByteArray::fromHex("06 FFFFFF 02 00"));
    EXPECT_EQ(u16(image, jumps + 9), 0x10);
    EXPECT_EQ(image.mid(jumps + 15, 14), QByteArray::fromHex("01 02  0005 0894  0006 0886 FFFFFFFF"));

    const int pages = jumps + jumpsLength;
    EXPECT_EQ(u16(image, Params + 25), 0x0800 + pages);
    ASSERT_EQ(u8(image, pages), 34);
    EXPECT_EQ(u16(image, pages + 1), image.size() - pages);
    EXPECT_EQ(u8(image, pages + 3), 6);
    EXPECT_EQ(u8(image, pages + 14), 2); // "x" is left out
    EXPECT_EQ(image.mid(pages + 15), QByteArray::fromHex("0004 0894  0009 0886 FFFFFFFF"));
    EXPECT_EQ(with.warnings, std::vector<QString>{QStringLiteral("data is not integer value!")});
}

TEST_F(ImageBlocks, JumpSupportMarkerIsLookedUpByPlcCode)
{
    QTemporaryDir program;
    ASSERT_TRUE(QDir(program.path()).mkdir(QStringLiteral("lib")));
    QFile marker(program.filePath(QStringLiteral("lib/JumpToPage5.zdl")));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    AppPaths::setProgramFolder(program.path());
    EXPECT_TRUE(TImageOptions::JumpSupportMarkerExists(5));
    EXPECT_FALSE(TImageOptions::JumpSupportMarkerExists(6));
    EXPECT_FALSE(TImageOptions::JumpSupportMarkerExists(55));
}

TEST_F(ImageBlocks, CrowdedPicturesBecomeOneRecord)
{
    struct Bitmap
    {
        int x, y, width, height;
    };
    struct Case
    {
        const char* name;
        std::vector<Bitmap> bitmaps;
        int screenSpare;
        bool merged;
    };
    // Two 96 x 64 noise bitmaps take over 1603 bytes together; one alone
    // never merges; the menu screen kind merges whatever the size.
    const std::vector<Case> cases{
        {"large pair", {{0, 0, 96, 64}, {96, 0, 96, 64}}, 0, true},
        {"small pair", {{0, 0, 40, 16}, {100, 20, 40, 16}}, 0, false},
        {"small pair, menu screen", {{0, 0, 40, 16}, {100, 20, 40, 16}}, 1, true},
        {"one full panel", {{0, 0, 192, 64}}, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TProgramObj p;
        Tpageobj& screen = *p.Screens.front();
        screen.ScreenSpare = c.screenSpare;
        QImage expected(192, 64, QImage::Format_RGB32);
        expected.fill(Qt::black);
        quint32 seed = 1;
        for (const Bitmap& b : c.bitmaps) {
            auto* bitmap = static_cast<TLcdBitmap*>(p.AddObject(1, 418, b.x, b.y));
            const QImage picture = noise(b.width, b.height, seed++);
            bitmap->SetPicture(picture);
            bitmap->X = b.x, bitmap->Y = b.y, bitmap->Width = b.width, bitmap->Height = b.height;
            for (int y = 0; y < b.height; ++y)
                for (int x = 0; x < b.width; ++x)
                    expected.setPixel(b.x + x, b.y + y, picture.pixel(x, y));
        }
        p.AddObject(1, 421, 0, 40); // a time display stays before the merged picture
        const std::vector<QByteArray> records = firstScreenRecords(BuildDownloadImage(p, {}).bytes);
        const std::size_t pictures = c.merged ? 1 : c.bitmaps.size();
        ASSERT_EQ(records.size(), pictures + 1);
        EXPECT_EQ(u8(records[c.merged ? 0 : pictures], 0), 10);
        std::vector<QByteArray> shown(records.begin() + (c.merged ? 1 : 0),
                                      records.begin() + (c.merged ? 2 : std::ptrdiff_t(pictures)));
        for (const QByteArray& r : shown)
            EXPECT_EQ(u8(r, 0), 3);
        // Merged or not, the panel shows the same dots.
        EXPECT_EQ(drawn(shown), expected);
    }
}

} // namespace
