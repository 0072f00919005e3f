#include "ObjectDotImages.h"

#include "AppPaths.h"
#include "GbkCodec.h"
#include "PanelFonts.h"
#include "PanelScales.h"
#include "RenderBuiltinText.h"
#include "RenderWinFontText.h"
#include "TCharMetrics.h"
#include "TLcdBZTU.h"
#include "TLcdBitmap.h"
#include "TLcdFText.h"
#include "TLcdLightDtext.h"
#include "TLcdText.h"
#include "TextDots.h"
#include "Tlcdqushitu.h"
#include "WindowsFontText.h"

#include <QPainter>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// The program folder of the build, where the generated font files live.
class WithPanelFonts : public ::testing::Test
{
protected:
    void SetUp() override { AppPaths::setProgramFolder(QStringLiteral(ZD740_BIN_DIR)); }
    void TearDown() override
    {
        AppPaths::setProgramFolder({});
        CharMetrics() = TCharMetrics();
    }
};

QImage panel()
{
    QImage image(192, 64, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// What the panel shows for a dot image at (0, 0): the runs read back, checking
// the length and the run count the image declares.
QImage shownDots(const TDotImage& image)
{
    QImage shown = panel();
    const QByteArray& b = image.bytes;
    EXPECT_GE(b.size(), 7);
    EXPECT_EQ(qFromBigEndian<quint16>(b.constData()), b.size());
    EXPECT_EQ(int(quint8(b[2])), image.runCount);
    int at = 3;
    for (int run = 0; run + 1 < image.runCount; ++run) {
        const int row = quint8(b[at]), column = quint8(b[at + 1]);
        const int height = quint8(b[at + 2]), width = quint8(b[at + 3]);
        for (int x = 0; x < width; ++x)
            for (int k = 0; k < height; ++k)
                if (quint8(b[at + 4 + x]) & (1u << k))
                    shown.setPixelColor(column + x, row + k, Qt::white);
        at += 4 + width;
    }
    EXPECT_EQ(b.at(at + 2), 0); // the terminator
    EXPECT_EQ(at + 4, b.size());
    return shown;
}

// The picture's dots as the panel takes them: white is lit, cut to the panel.
QImage dotsOf(const QImage& picture)
{
    QImage shown = panel();
    QPainter(&shown).drawImage(0, 0, picture);
    return shown;
}

// The widths of the runs, terminator left out.
std::vector<int> runWidths(const TDotImage& image)
{
    std::vector<int> widths;
    for (int at = 3, run = 0; run + 1 < image.runCount; ++run) {
        widths.push_back(quint8(image.bytes[at + 3]));
        at += 4 + widths.back();
    }
    return widths;
}

bool lit(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(Qt::white);
}

int litCount(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += lit(image, x, y);
    return n;
}

// The font file's dot at (x, y) of the text "A文", one pixel per dot.
bool fontDot(int x, int y)
{
    if (x < 8)
        return (*LoadGlyphEn('A'))[y] & (0x80 >> x);
    const QByteArray wen = *LoadGlyphCh(0xCE, 0xC4);
    return wen[y * 2 + (x - 8) / 8] & (0x80 >> ((x - 8) % 8));
}

const QByteArray emptyImage("\x00\x07\x01\x00\x00\x00\x00", 7);

} // namespace

TEST_F(WithPanelFonts, BuiltinTextIsTheFontFileDotForDot)
{
    const QByteArray text = GbkCodec::fromUnicode(QStringLiteral("A文"));
    for (const bool doubleSize : {false, true}) {
        for (const bool reverse : {false, true}) {
            SCOPED_TRACE(testing::Message() << "double " << doubleSize << " reverse " << reverse);
            const int scale = doubleSize ? 2 : 1;
            const QImage image = RenderBuiltinText(text, doubleSize, reverse, 1);
            ASSERT_EQ(image.size(), QSize(24 * scale, 16 * scale));
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ASSERT_EQ(lit(image, x, y), fontDot(x / scale, y / scale) != reverse) << x << "," << y;
        }
    }
}

TEST_F(WithPanelFonts, BuiltinTextTakesTheCellsOfTheMetrics)
{
    CharMetrics().LcdCharWidth = 6;
    CharMetrics().LcdCharHeight = 12;
    EXPECT_EQ(RenderBuiltinText("AB", false, false, 1).size(), QSize(12, 12));
    EXPECT_EQ(RenderBuiltinText("AB", true, false, 1).size(), QSize(24, 24));
}

TEST_F(WithPanelFonts, OtherLanguagesDrawWithTheirDisplayFont)
{
    const QImage single = RenderFontText(3, true, "Hello");
    const QImage twice = RenderBuiltinText("Hello", true, true, 3);
    ASSERT_EQ(twice.size(), single.size() * 2);
    for (int y = 0; y < twice.height(); ++y)
        for (int x = 0; x < twice.width(); ++x)
            ASSERT_EQ(twice.pixel(x, y), single.pixel(x / 2, y / 2));
    EXPECT_EQ(RenderBuiltinText("Hello", false, true, 3), single);
}

TEST_F(WithPanelFonts, TextObjectsReachThePanelAsTheyAreDrawn)
{
    const QByteArray text = GbkCodec::fromUnicode(QStringLiteral("A文"));
    TLcdText object{TObjectContext()};
    object.DoubleSize = true;
    object.Reverse = true;
    const QImage shown = shownDots(TextDotImage(object, text));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 192; ++x) {
            const bool inside = x < 48 && y < 32;
            ASSERT_EQ(lit(shown, x, y), inside && !fontDot(x / 2, y / 2)) << x << "," << y;
        }

    // A register's unit texts keep to the panel's characters whatever its font.
    TLcdFText reg{TObjectContext()};
    reg.UseWinFont = true;
    reg.DoubleSize = true;
    EXPECT_EQ(UnitTextDotImage(reg, "m").bytes,
              PackDotImage(RenderTextDotsDouble("m"), 16, 32, 0, 0, false).bytes);
}

TEST_F(WithPanelFonts, AlarmTextsAreAlwaysNormalSizeAndNotReversed)
{
    const QImage shown = shownDots(AlarmTextDotImage("A", 1));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 192; ++x)
            ASSERT_EQ(lit(shown, x, y), x < 8 && y < 16 && fontDot(x, y)) << x << "," << y;
}

TEST_F(WithPanelFonts, WindowsFontTextsGiveTheEditorsDots)
{
    TLcdText object{TObjectContext()};
    object.UseWinFont = true;
    object.Font.Height = -16;
    object.Font.Size = 12;
    const QByteArray text = "Tag 42";
    const QImage editor = RenderWindowsFontText(object.Font, false, text);
    ASSERT_GT(litCount(editor), 0);

    EXPECT_EQ(shownDots(TextDotImage(object, text)), dotsOf(editor));
    object.DoubleSize = true;
    EXPECT_EQ(shownDots(TextDotImage(object, text)),
              dotsOf(editor.scaled(editor.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    object.DoubleSize = false;
    object.Reverse = true;
    QImage reversed = editor;
    reversed.invertPixels();
    EXPECT_EQ(RenderWinFontText(text, object.Font, false, true), reversed);
}

TEST_F(WithPanelFonts, EmptyTextsPackWithoutRuns)
{
    TLcdText object{TObjectContext()};
    for (const bool useWinFont : {false, true}) {
        object.UseWinFont = useWinFont;
        const TDotImage image = TextDotImage(object, {});
        EXPECT_EQ(image.bytes, emptyImage) << useWinFont;
        EXPECT_EQ(image.runCount, 1);
    }
    EXPECT_EQ(AlarmTextDotImage({}, 1).bytes, emptyImage);
}

TEST_F(WithPanelFonts, MessageCaptionsFillTheirBoxInWholeBands)
{
    TLcdLightDtext object{TObjectContext()};
    object.Font.Height = -12;
    object.Width = 30;
    object.Height = 20;
    for (const bool doubleSize : {false, true}) {
        SCOPED_TRACE(doubleSize);
        object.DoubleSize = doubleSize;
        const TDotImage image = MessageCaptionDotImage(object, "ON");
        // Bands of 8, 8 and 4 rows, each one run over the object's width.
        EXPECT_EQ(runWidths(image), (std::vector<int>{30, 30, 30}));
        const QImage box = RenderFontTextInBox("ON", object.Font, 30, 20, doubleSize, false);
        EXPECT_EQ(box.size(), QSize(30, 20) * (doubleSize ? 2 : 1));
        EXPECT_GT(litCount(box.copy(0, 0, 30, 20)), 0);
        EXPECT_EQ(shownDots(image), dotsOf(box.copy(0, 0, 30, 20)));
    }
    object.Reverse = true;
    object.DoubleSize = false;
    const QImage shown = shownDots(MessageCaptionDotImage(object, {}));
    EXPECT_EQ(shown, dotsOf([] {
                  QImage lit(30, 20, QImage::Format_RGB32);
                  lit.fill(Qt::white);
                  return lit;
              }()));
}

TEST(ObjectDotImages, BarScaleInWholeBandsAndTrendFrameInRuns)
{
    TLcdBZTU bar{TObjectContext()};
    bar.Width = 16;
    bar.Height = 44;
    bar.Direction = 0;
    const TDotImage scale = BarScaleDotImage(bar);
    EXPECT_EQ(runWidths(scale), std::vector<int>(6, 16));
    EXPECT_EQ(shownDots(scale), dotsOf(DrawBarScaleDots(16, 44, 0)));

    Tlcdqushitu chart{TObjectContext()};
    chart.Width = 96;
    chart.Height = 48;
    const TDotImage frame = TrendFrameDotImage(chart);
    EXPECT_EQ(frame.bytes, PackDotImage(DrawTrendFrameDots(96, 48), 96, 48, 0, 0, false).bytes);
    EXPECT_EQ(shownDots(frame), dotsOf(DrawTrendFrameDots(96, 48)));
    EXPECT_NE(runWidths(frame), std::vector<int>(6, 96));
}

TEST(ObjectDotImages, BitmapsAreCutToTheirObject)
{
    const struct
    {
        QSize picture, object, lit;
    } cases[] = {
        {{40, 40}, {10, 12}, {10, 12}},    // cut to the object
        {{40, 40}, {60, 50}, {40, 40}},    // beyond the picture nothing is lit
        {{250, 90}, {250, 90}, {192, 64}}, // beyond the panel nothing is taken
    };
    TLcdBitmap bitmap{TObjectContext()};
    for (const auto& c : cases) {
        bitmap.Picture = QImage(c.picture, QImage::Format_RGB888);
        bitmap.Picture.fill(Qt::white);
        bitmap.Width = c.object.width();
        bitmap.Height = c.object.height();
        QImage expected(c.lit, QImage::Format_RGB32);
        expected.fill(Qt::white);
        EXPECT_EQ(shownDots(BitmapDotImage(bitmap)), dotsOf(expected)) << c.object.width();
    }
}

TEST(ObjectDotImages, NothingToDrawGivesNoDotImage)
{
    TLcdBitmap bitmap{TObjectContext()};
    bitmap.Picture = QImage();
    TLcdBZTU bar{TObjectContext()};
    bar.Width = 0;
    Tlcdqushitu chart{TObjectContext()};
    chart.Height = 0;
    TLcdLightDtext message{TObjectContext()};
    message.Width = 0;
    for (const TDotImage& image : {BitmapDotImage(bitmap), BarScaleDotImage(bar), TrendFrameDotImage(chart),
                                   MessageCaptionDotImage(message, "ON")}) {
        EXPECT_TRUE(image.bytes.isEmpty());
        EXPECT_EQ(image.runCount, 0);
    }
}
