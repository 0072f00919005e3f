// The built-in text resource image: the address table at 0xF200 and one dot
// image per text (menu screens) or per whole screen.

#include "AppPaths.h"
#include "BuildTextResourceImage.h"
#include "ObjectDotImages.h"
#include "TLcdText.h"
#include "TProgramObj.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

class TextResources : public ::testing::Test
{
protected:
    void SetUp() override { AppPaths::setProgramFolder(QStringLiteral(ZD740_BIN_DIR)); }
    void TearDown() override { AppPaths::setProgramFolder({}); }

    TLcdText& addText(int screenNo, const QByteArray& text, int x = 0, int y = 0)
    {
        auto& object = static_cast<TLcdText&>(*project.AddObject(screenNo, 413, x, y));
        object.Text = text;
        return object;
    }

    int slot(const QByteArray& image, int k) const
    {
        return qFromBigEndian<quint16>(image.constData() + 2 * k);
    }

    TObjectContext context{2, 1};
    TProgramObj project{context};
};

} // namespace

TEST_F(TextResources, MenuScreensGiveOneEntryPerText)
{
    project.FirstScreen()->ScreenSpare = 2;
    const TLcdText& first = addText(1, "MENU");
    addText(1, ""); // an empty text adds no entry
    const TLcdText& second = addText(1, "OK");
    const QByteArray firstDots = TextDotImage(first, first.Text).bytes;
    const QByteArray secondDots = TextDotImage(second, second.Text).bytes;

    const TTextResourceImage image = BuildTextResourceImage(project);
    ASSERT_TRUE(image.ok()) << image.error.toStdString();
    EXPECT_EQ(slot(image.bytes, 0), 0xF2C8);
    EXPECT_EQ(slot(image.bytes, 1), 0xF2C8 + firstDots.size());
    for (int k = 2; k < 100; ++k)
        ASSERT_EQ(slot(image.bytes, k), 0) << k;
    EXPECT_EQ(image.bytes.mid(200), firstDots + secondDots);
}

TEST_F(TextResources, OtherScreensGiveOneWholeScreenPicture)
{
    addText(1, "AB", 8, 16);
    const TTextResourceImage image = BuildTextResourceImage(project);
    ASSERT_TRUE(image.ok());
    EXPECT_EQ(slot(image.bytes, 0), 0xF2C8);
    EXPECT_EQ(slot(image.bytes, 1), 0);
    const QByteArray entry = image.bytes.mid(200);
    EXPECT_EQ(qFromBigEndian<quint16>(entry.constData()), entry.size());
    // The first run lies where the text was placed: band 2 (rows 16..23), at
    // column 9, the first lit column of the "A" drawn from column 8.
    EXPECT_EQ(static_cast<unsigned char>(entry[3]), 16);
    EXPECT_EQ(static_cast<unsigned char>(entry[4]), 9);
}

TEST_F(TextResources, MoreThanAHundredTextsAreRefused)
{
    project.FirstScreen()->ScreenSpare = 2;
    for (int i = 0; i < 100; ++i)
        addText(1, "X");
    ASSERT_TRUE(BuildTextResourceImage(project).ok());
    project.AddScreen(2, "", 3, 1);
    project.FindScreen(2)->ScreenSpare = 2;
    addText(2, "Y");
    const TTextResourceImage image = BuildTextResourceImage(project);
    EXPECT_FALSE(image.ok());
    EXPECT_TRUE(image.bytes.isEmpty());
}
