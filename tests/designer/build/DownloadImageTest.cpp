// The download image against the panel's layout tables: head, parameter
// block, screen sections and their addresses (panel addresses count from
// 0x0800), the checksum, the size limit and what a build must leave alone.

#include "AppPaths.h"
#include "BuildDownloadImage.h"
#include "EEncodeError.h"
#include "GbkCodec.h"
#include "LogWriters.h"
#include "TCharMetrics.h"
#include "TLcdBitmap.h"
#include "TLcdKey.h"
#include "TLcdLight.h"
#include "TLcdLightDtext.h"
#include "TLcdText.h"
#include "TProgramObj.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

constexpr int Params = 34;       // image offset of the parameter block
constexpr int FirstScreen = 134; // image offset of the first screen
constexpr int FirstAddress = 0x0886;

int u8(const QByteArray& b, int at)
{
    return std::uint8_t(b[at]);
}

int u16(const QByteArray& b, int at)
{
    return (u8(b, at) << 8) | u8(b, at + 1);
}

// The panel's rule, written out: every byte but the last, checksum field as 0.
int expectedChecksum(const QByteArray& image)
{
    int sum = 0;
    for (int i = 0; i + 1 < image.size(); ++i)
        if (i != 32 && i != 33)
            sum += u8(image, i);
    return sum & 0xFFFF;
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

class DownloadImage : public ::testing::Test
{
protected:
    void SetUp() override { AppPaths::setProgramFolder(QStringLiteral(ZD740_BIN_DIR)); }
    void TearDown() override
    {
        AppPaths::setProgramFolder({});
        CharMetrics() = TCharMetrics();
    }

    TDownloadImage build(const TImageOptions& options = {}) { return BuildDownloadImage(project, options); }

    TProgramObj project; // one empty screen numbered 1, up 0, down 2
};

TEST_F(DownloadImage, OneEmptyScreenMatchesTheLayoutTables)
{
    project.PlcCode = 5;
    project.InitialScreen = 1;
    project.PanelPassword = 123456; // 0x0001E240
    project.SaverWait = 10;
    project.SaverScreen = 1;
    project.Link.BaudRate = 19200;
    project.Link.DataBits = 8;
    project.Link.StopBits = 2;
    project.Link.Parity = 2;
    project.Link.LinkOption = 3;
    project.WaitTime = 0x0123;
    const QByteArray image = build({7, false}).bytes;

    ASSERT_EQ(image.size(), 34 + 100 + 14);
    EXPECT_EQ(image.left(4), QByteArray::fromHex("FFFF0700"));
    EXPECT_EQ(image.mid(3, 29), QByteArray(29, '\0'));
    EXPECT_EQ(u16(image, 32), expectedChecksum(image));

    const QByteArray p = image.mid(Params, 100);
    EXPECT_EQ(u16(p, 0), 0);            // no alarm list
    EXPECT_EQ(u8(p, 2), 1);             // start screen
    EXPECT_EQ(u16(p, 3), FirstAddress); // its address
    EXPECT_EQ(p.mid(5, 4), QByteArray::fromHex("0001E240"));
    EXPECT_EQ(p.mid(9, 5), QByteArray::fromHex("0A 00 01 0886"));
    EXPECT_EQ(p.mid(14, 9), QByteArray::fromHex("05 04 01 01 02 03 00 0123"));
    EXPECT_EQ(p.mid(23), QByteArray(77, '\0'));

    // Header: no screen 0 or 2, so both arrows lead to the screen itself.
    const QByteArray language(1, char(project.objectContext().language));
    EXPECT_EQ(image.mid(FirstScreen),
              QByteArray::fromHex("0000 0D 01 01 0886 00 01 0886") + language + QByteArray::fromHex("00 FF"));
}

TEST_F(DownloadImage, ChecksumLeavesOutTheLastByte)
{
    project.Screens.front()->Description = "abc";
    const QByteArray image = build().bytes;
    QByteArray changed = image;
    changed[changed.size() - 1] = char(0x5A);
    EXPECT_EQ(TDownloadImage::Checksum(changed), TDownloadImage::Checksum(image));
    changed[FirstScreen] = char(1);
    EXPECT_EQ(TDownloadImage::Checksum(changed), (TDownloadImage::Checksum(image) + 1) & 0xFFFF);
    EXPECT_EQ(u16(image, 32), expectedChecksum(image));
}

TEST_F(DownloadImage, BaudRateCodes)
{
    const std::vector<std::pair<int, int>> table{{1200, 0},  {2400, 1},  {4800, 2},  {9600, 3},
                                                 {19200, 4}, {38400, 5}, {115200, 6}};
    for (const auto& [baud, code] : table) {
        project.Link.BaudRate = baud;
        EXPECT_EQ(u8(build().bytes, Params + 15), code) << baud;
    }
    // No panel code: refused rather than sent at a wrong rate.
    for (const int baud : {14400, 57600}) {
        project.Link.BaudRate = baud;
        EXPECT_THROW(build(), EEncodeError) << baud;
    }
}

TEST_F(DownloadImage, ScreensLinkedByAddress)
{
    // Screen 1 (45-byte header: the description is cut to 32 bytes) reaches
    // screen 5 downwards; screen 5 names missing screens in both directions.
    project.Screens.front()->Description = QByteArray(40, 'd');
    project.Screens.front()->DownScreen = 5;
    ASSERT_TRUE(project.AddScreen(5, "five", 9, 8));
    project.InitialScreen = 3; // no such screen: the first one starts
    project.SaverScreen = 4;   // no such screen: address 0
    const QByteArray image = build().bytes;

    const int second = FirstAddress + 45 + 1;
    ASSERT_EQ(image.size(), FirstScreen + 46 + 13 + 4 + 1);
    const QByteArray first = image.mid(FirstScreen, 45);
    EXPECT_EQ(first.left(5), QByteArray::fromHex("0000 2D 01 01"));
    EXPECT_EQ(u16(first, 5), FirstAddress); // no screen 0: up leads to itself
    EXPECT_EQ(u8(first, 8), 5);
    EXPECT_EQ(u16(first, 9), second);
    EXPECT_EQ(u8(first, 12), 32);
    EXPECT_EQ(first.mid(13), QByteArray(32, 'd'));
    const QByteArray five = image.mid(FirstScreen + 46, 18);
    EXPECT_EQ(u8(five, 2), 17);
    EXPECT_EQ(u8(five, 3), 5);
    EXPECT_EQ(u8(five, 4), 5);
    EXPECT_EQ(u16(five, 5), second);
    EXPECT_EQ(u8(five, 8), 5);
    EXPECT_EQ(u16(five, 9), second);
    EXPECT_EQ(five.mid(13), QByteArray("five\xFF"));
    EXPECT_EQ(u8(image, Params + 2), 1);
    EXPECT_EQ(u16(image, Params + 3), FirstAddress);
    EXPECT_EQ(u16(image, Params + 12), 0);
}

TEST_F(DownloadImage, JumpKeysGetScreenAddresses)
{
    ASSERT_TRUE(project.AddScreen(2, "", 1, 1));
    struct Case
    {
        int jumpScreen;
        int toAlarmList;
    };
    const std::vector<Case> keys{{2, 0}, {77, 0}, {0, 1}};
    for (const Case& c : keys) {
        auto* key = static_cast<TLcdKey*>(project.AddObject(1, 412, 0, 0));
        ASSERT_NE(key, nullptr);
        key->Action = 1;
        key->JumpScreen = c.jumpScreen;
        key->JumpToAlarmList = c.toAlarmList;
    }
    const QByteArray image = build().bytes;
    // Screen 1: header 13, three 15-byte key records, end record.
    const int screen2 = FirstAddress + 13 + 3 * 15 + 1;
    const int afterScreens = screen2 + 13 + 1;
    ASSERT_EQ(image.size(), afterScreens - 0x0800);
    const std::vector<int> targets{screen2, FirstAddress, afterScreens};
    for (int k = 0; k < 3; ++k) {
        const int at = FirstScreen + 13 + 15 * k;
        EXPECT_EQ(u8(image, at), 2);
        EXPECT_EQ(u8(image, at + 11), 1);
        EXPECT_EQ(u16(image, at + 13), targets[std::size_t(k)]) << k;
    }
}

TEST_F(DownloadImage, ObjectsGoInThePanelsKindOrder)
{
    auto* key = static_cast<TLcdKey*>(project.AddObject(1, 412, 0, 0));
    key->Action = 3; // no action fields: a 12-byte record
    key->KeyPassword = true;
    project.AddObject(1, 421, 0, 40);
    project.AddObject(1, 411, 100, 0);
    const QByteArray image = build().bytes;
    std::vector<int> types;
    for (int at = FirstScreen + 13; u8(image, at) != 0xFF; at += u16(image, at + 1))
        types.push_back(u8(image, at));
    EXPECT_EQ(types, (std::vector<int>{1, 2, 10}));
    EXPECT_EQ(u8(image, Params + 20), 1); // the key asks for the password
}

TEST_F(DownloadImage, RecordsDescribeObjectsAsTheyStand)
{
    // A message display hanging over the right edge and above the panel:
    // only the negative Y is corrected; copying it must not refit it.
    auto* message = static_cast<TLcdLightDtext*>(project.AddObject(1, 420, 0, 0));
    message->X = 180;
    message->Y = -4;
    message->Width = 40;
    const QByteArray image = build().bytes;
    EXPECT_EQ(image.mid(FirstScreen + 13, 1) + image.mid(FirstScreen + 16, 2),
              QByteArray::fromHex("09 00 B4"));
    EXPECT_EQ(message->X, 180);
    EXPECT_EQ(message->Y, -4);
}

TEST_F(DownloadImage, BuildNeverChangesTheProject)
{
    project.PlcCode = 3;
    project.WaitTime = 50;
    project.SaverShowsScreen = true;
    auto* lamp = project.AddObject(1, 411, 10, 10);
    lamp->X = -5;
    lamp->Y = -3;
    auto* message = static_cast<TLcdLightDtext*>(project.AddObject(1, 420, 0, 30));
    message->OnCaption = " ";
    message->OffCaption.clear();

    const QByteArray image = build().bytes;
    EXPECT_EQ(u8(image, Params + 10), 0);    // the panel gets no saver screen
    EXPECT_EQ(u16(image, Params + 21), 100); // PLC code 3 waits at least 100
    EXPECT_EQ(image.mid(FirstScreen + 13, 5), QByteArray::fromHex("01 0010 00 00")); // lamp at (0, 0)

    EXPECT_TRUE(project.SaverShowsScreen);
    EXPECT_EQ(project.WaitTime, 50);
    EXPECT_EQ(lamp->X, -5);
    EXPECT_EQ(lamp->Y, -3);
    EXPECT_EQ(message->OnCaption, QByteArray(" "));
    EXPECT_TRUE(message->OffCaption.isEmpty());
    EXPECT_EQ(build().bytes, image); // and so a second build gives the same bytes
}

TEST_F(DownloadImage, FailureMakesNoImageAndEndsTheProgress)
{
    project.AddObject(1, 411, 0, 0);
    auto* lamp = static_cast<TLcdLight*>(project.AddObject(1, 411, 20, 0));
    lamp->AddrType = 300; // no type code byte can hold it
    std::vector<std::pair<ProjectProgress::Action, int>> reports;
    const ProjectProgress progress([&](ProjectProgress::Action a, int v) { reports.emplace_back(a, v); });
    std::optional<TDownloadImage> image;
    try {
        image = BuildDownloadImage(project, {}, progress);
        FAIL() << "the build should fail";
    } catch (const EEncodeError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("screen 1"))) << e.what();
    }
    EXPECT_FALSE(image.has_value());
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front(), std::make_pair(ProjectProgress::Action::Start, 2));
    EXPECT_EQ(reports.back().first, ProjectProgress::Action::End);
}

TEST_F(DownloadImage, ProgressStepsOncePerObject)
{
    ASSERT_TRUE(project.AddScreen(2, "", 1, 1));
    project.AddObject(1, 411, 0, 0);
    project.AddObject(2, 411, 0, 0);
    project.AddObject(2, 413, 0, 30);
    std::vector<std::pair<ProjectProgress::Action, int>> reports;
    BuildDownloadImage(
        project, {}, ProjectProgress([&](ProjectProgress::Action a, int v) { reports.emplace_back(a, v); }));
    using A = ProjectProgress::Action;
    EXPECT_EQ(reports, (std::vector<std::pair<A, int>>{
                           {A::Start, 3}, {A::Step, 1}, {A::Step, 1}, {A::Step, 1}, {A::End, 0}}));
}

TEST_F(DownloadImage, PackTracesListRecordsAndImage)
{
    QTemporaryDir data;
    AppPaths::setDataFolder(data.path());
    SetTraceNumber(42);
    project.AddObject(1, 411, 0, 0);
    project.Alarms = {TParameterALM{}};
    const QByteArray image = build({0, false, true, true}).bytes;
    AppPaths::setDataFolder({});

    QFile pack(data.filePath(QStringLiteral("temp/PackCode42.txt")));
    ASSERT_TRUE(pack.open(QIODevice::ReadOnly));
    const QStringList lines = GbkCodec::toUnicode(pack.readAll())
                                  .split(QRegularExpression(QStringLiteral("\\r?\\n")), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("Blocktype = 411 :"));
    EXPECT_EQ(lines[1], HexBytesText(image.mid(FirstScreen + 13, 16)));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("数据长度=:%1").arg(image.size())))
        << lines[2].toStdString();
    EXPECT_EQ(lines[4], HexBytesText(image.left(100)));
    EXPECT_EQ(lines.back(), QStringLiteral("---------------end------------------"));
    EXPECT_TRUE(QFile::exists(data.filePath(QStringLiteral("temp/AlrmCode42.txt"))));
}

TEST_F(DownloadImage, SizeLimit)
{
    EXPECT_TRUE(TDownloadImage::FitsPanel(45056));
    EXPECT_FALSE(TDownloadImage::FitsPanel(45057));
    // Thirty screens of full-panel noise overflow the panel's memory.
    for (int n = 1; n <= 30; ++n) {
        if (n > 1) {
            ASSERT_TRUE(project.AddScreen(n, "", n, n));
        }
        auto* bitmap = static_cast<TLcdBitmap*>(project.AddObject(n, 418, 0, 0));
        bitmap->SetPicture(noise(192, 64, quint32(n)));
        bitmap->Width = 192;
        bitmap->Height = 64;
    }
    const TDownloadImage image = build();
    EXPECT_GT(image.bytes.size(), 45056);
    EXPECT_FALSE(image.fitsPanel());
    EXPECT_EQ(u16(image.bytes, 32), expectedChecksum(image.bytes));
}

} // namespace
