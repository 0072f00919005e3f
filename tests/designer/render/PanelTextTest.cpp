#include "PanelText.h"

#include "AppPaths.h"
#include "GbkCodec.h"
#include "IniFile.h"
#include "PanelFonts.h"
#include "TCharMetrics.h"
#include "TDotRecord.h"
#include "TempProgramFolder.h"
#include "TextDots.h"

#include <gtest/gtest.h>

namespace {

QByteArray gbk(const QString& text)
{
    return GbkCodec::fromUnicode(text);
}

// The program folder of the build, where the generated font files live.
class WithPanelFonts : public ::testing::Test
{
protected:
    void SetUp() override { AppPaths::setProgramFolder(QStringLiteral(ZD740_BIN_DIR)); }
    void TearDown() override { AppPaths::setProgramFolder({}); }
};

int litDots(const QImage& image)
{
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lit += image.pixelColor(x, y) == QColor(Qt::white);
    return lit;
}

} // namespace

TEST(CharMetrics, ReadFromTheLanguagesSectionWithDefaults)
{
    TempProgramFolder folder;
    IniFile ini(AppPaths::configFile());
    ini.writeInt("Font1", "ChrWidth_LCD", 0);
    ini.writeInt("Font1", "ChrHeigh_LCD", -5);
    ini.writeInt("Font1", "ChrW           idth_Draw", 20);
    ini.writeInt("Font1", "ChrHeigh_DrawDouble", 0);
    ini.writeInt("Font1", "PackfromLib", 1);
    ini.writeInt("Font3", "ChrWidth_LCD", 6);

    LoadCharMetrics(1);
    const TCharMetrics m = CharMetrics();
    EXPECT_EQ(m.LcdCharWidth, 8);
    EXPECT_EQ(m.LcdCharHeight, 16);
    EXPECT_EQ(m.DrawCharWidth, 20);
    EXPECT_EQ(m.DrawCharHeight, 36);
    EXPECT_EQ(m.DrawCharHeightDouble, 72);
    EXPECT_EQ(m.PackFromLib, 1);
    LoadCharMetrics(3);
    EXPECT_EQ(CharMetrics().LcdCharWidth, 6);
    EXPECT_EQ(CharMetrics().PackFromLib, 0);
    LoadCharMetrics(2); // no section: every default
    EXPECT_EQ(CharMetrics().DrawCharWidth, 18);
}

TEST(PanelText, MeasuringAndFittingInTheBuiltInCharacterSet)
{
    CharMetrics() = TCharMetrics{};
    EXPECT_EQ(MeasureText(1, gbk("ab文")), (TTextSize{16, 32}));
    EXPECT_EQ(MeasureText(1, {}), (TTextSize{0, 0}));
    EXPECT_EQ(MeasureTextSized(1, true, "A"), (TTextSize{32, 16}));

    const QByteArray thirty = gbk(QString(30, QChar(0x6587)));
    const TFittedText fitted = FitTextTo192(1, false, thirty);
    EXPECT_EQ(fitted.text, gbk(QString(12, QChar(0x6587))));
    EXPECT_EQ(fitted.size, (TTextSize{16, 192}));
    // A Chinese character that would cross the limit goes whole.
    EXPECT_EQ(FitTextTo192(1, false, QByteArray(23, 'x') + gbk("文")).text, QByteArray(23, 'x'));

    EXPECT_EQ(FitTextToCells(1, QByteArray(30, 'x'), false, 4), QByteArray(20, 'x'));
    EXPECT_EQ(FitTextToCells(1, QByteArray(30, 'x'), true, 0), QByteArray(12, 'x'));
    // Panel width first (at most 80 dots), then editor cells of 18 pixels (at most 150).
    EXPECT_EQ(FitTextTwice(1, false, QByteArray(30, 'x'), 150, 80), QByteArray(8, 'x'));
    EXPECT_EQ(FitTextTwice(1, false, QByteArray(30, 'x'), 100, 80), QByteArray(5, 'x'));
}

TEST(PanelText, FontDrawnLanguagesMeasureWithTheirFont)
{
    const TTextSize size = MeasureText(3, "Hello");
    EXPECT_GT(size.width, 0);
    EXPECT_GE(size.height, 10);
    EXPECT_LT(MeasureText(3, "Hi").width, size.width);
}

TEST_F(WithPanelFonts, TextsAreCutIntoCharacterClasses)
{
    const QByteArray text = "A" + gbk("文") + QByteArray("\x81\x40", 2) + "\x90" + "x" + "\xCE";
    const auto records = CutText(text);
    ASSERT_EQ(records.size(), 5u);
    const struct
    {
        int position, cls;
        int bytes;
        bool found;
    } expected[] = {
        {1, 1, 1, true}, {2, 2, 2, true}, {4, 3, 2, false}, {6, 3, 2, false}, {8, 3, 1, false},
    };
    // "\x90" takes the next byte with it; the lone lead byte at the end is a record of its own.
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(records[i].Position, expected[i].position) << i;
        EXPECT_EQ(records[i].Class, expected[i].cls) << i;
        EXPECT_EQ(records[i].Bytes.size(), expected[i].bytes) << i;
        EXPECT_EQ(records[i].Found, expected[i].found) << i;
    }
    EXPECT_EQ(DotRecords().size(), 5u);
}

TEST_F(WithPanelFonts, TextDotsFollowTheFontFiles)
{
    const QImage a = RenderTextDots("A");
    ASSERT_EQ(a.size(), QSize(8, 16));
    const QByteArray glyph = *LoadGlyphEn('A');
    for (int row = 0; row < 16; ++row)
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(a.pixelColor(i, row) == QColor(Qt::white), bool(glyph[row] & (0x80 >> i)))
                << row << "," << i;

    const QImage wen = RenderTextDots(gbk("文"));
    ASSERT_EQ(wen.size(), QSize(16, 16));
    const QByteArray wenGlyph = *LoadGlyphCh(0xCE, 0xC4);
    EXPECT_EQ(wen.pixelColor(15, 15) == QColor(Qt::white), bool(wenGlyph[31] & 0x01));

    EXPECT_EQ(RenderTextDotsDouble("A").size(), QSize(16, 32));
    QImage inverted = a;
    InvertDots(inverted);
    EXPECT_EQ(litDots(inverted), 8 * 16 - litDots(a));
}

TEST_F(WithPanelFonts, CharactersWithoutPatternAreDrawnWithAFont)
{
    // Outside GB2312 (second byte below 0xA1): drawn in a 16 x 16 cell by font.
    const QImage image = RenderTextDots(QByteArray("\x81\x40", 2));
    EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_GT(litDots(image), 0);
}

TEST(TextDots, MissingFontFilesFallBackToTheFont)
{
    TempProgramFolder folder; // no lib/DZ_*.LIS here
    EXPECT_FALSE(LoadGlyphEn('A').has_value());
    const QImage image = RenderTextDots("AB");
    EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_GT(litDots(image), 0);
}

TEST(TextDots, FontDrawnTextIsCentredAndReversible)
{
    const QImage normal = RenderFontText(3, false, "Hello");
    EXPECT_GE(normal.height(), 16);
    EXPECT_EQ(normal.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_GT(litDots(normal), 0);
    const QImage reversed = RenderFontText(3, true, "Hello");
    EXPECT_EQ(reversed.size(), normal.size());
    EXPECT_EQ(reversed.pixelColor(0, 0), QColor(Qt::white));
}
