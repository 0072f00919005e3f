#include "TextMeasurer.h"

#include "GbkCodec.h"
#include "PanelFonts.h"
#include "RenderTestSupport.h"
#include "TLcdDText.h"
#include "TLcdText.h"
#include "TPanelTextMeasurer.h"
#include "WindowsFontText.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using TextMeasuring = WithRenderer;

TEST_F(TextMeasuring, PanelCharactersMeasureAsTheModelsOwnMeasurer)
{
    const TextMeasurer builtIn;
    const TPanelTextMeasurer panel;
    EXPECT_NE(dynamic_cast<const TPanelTextMeasurer*>(&TextMeasurer::current()), nullptr);
    const TFontRecord font;
    for (const QByteArray& text : {QByteArray(), QByteArray("A"),
                                   GbkCodec::fromUnicode(QStringLiteral("ab文")), QByteArray(30, 'x')}) {
        for (bool doubleSize : {false, true}) {
            EXPECT_EQ(panel.Measure(text, doubleSize, false, font, 1),
                      builtIn.Measure(text, doubleSize, false, font, 1))
                << text.constData() << doubleSize;
        }
    }
    EXPECT_EQ(panel.Measure(GbkCodec::fromUnicode(QStringLiteral("ab文")), false, false, font, 1),
              (TextExtent{32, 16}));
}

TEST_F(TextMeasuring, WindowsFontAndDisplayFontInDots)
{
    const TPanelTextMeasurer panel;
    TFontRecord font;
    font.Name = "DejaVu Sans";
    font.Size = 12; // 16 pixels on a 96 dpi screen
    const QFontMetrics metrics(PanelWindowsFont(font));
    EXPECT_EQ(PanelWindowsFont(font).pixelSize(), 16);
    const TextExtent single = panel.Measure("Pump", false, true, font, 1);
    EXPECT_EQ(single, (TextExtent{metrics.horizontalAdvance(QStringLiteral("Pump")), metrics.height()}));
    EXPECT_EQ(panel.Measure("Pump", true, true, font, 1), (TextExtent{2 * single.Width, 2 * single.Height}));
    EXPECT_EQ(panel.Measure({}, false, true, font, 1), (TextExtent{}));

    // A damaged font record cannot ask for a giant font.
    font.Size = 30000;
    EXPECT_LE(PanelWindowsFont(font).pixelSize(), 256);
    EXPECT_LE(RenderWindowsFontText(font, false, QByteArray(200, 'W')).width(), 1024);

    // Other languages: the display font, at least one text line high.
    const QFontMetrics lcd(LcdFont());
    const TextExtent english = panel.Measure("Pump", false, false, font, 3);
    EXPECT_EQ(english.Width, lcd.horizontalAdvance(QStringLiteral("Pump")));
    EXPECT_GE(english.Height, 16);
}

TEST_F(TextMeasuring, ObjectsSizeThemselvesWithTheInstalledMeasurer)
{
    TLcdDText states(context());
    states.UseWinFont = true;
    states.Font.Name = "DejaVu Sans";
    states.Font.Size = 12;
    states.SetCaption(0, "On");
    states.SetCaption(1, "Overload");
    const TextExtent widest = TextMeasurer::current().Measure("Overload", false, true, states.Font, 1);
    EXPECT_EQ(states.Width, widest.Width);
    EXPECT_GT(states.Width, 8 * 4); // wider than fixed cells would make "On"

    // A language drawn with its display font: the painted size is the measured one.
    TLcdText english(context(0, 3));
    english.SetTypedText("Pump on");
    const QSize typed(english.Width, english.Height);
    QImage canvas = blackCanvas();
    {
        QPainter p(&canvas);
        english.Paint(p);
    }
    EXPECT_EQ(QSize(english.Width, english.Height), typed);
    EXPECT_EQ(english.Width, QFontMetrics(LcdFont()).horizontalAdvance(QStringLiteral("Pump on")));
    EXPECT_GT(countOf(canvas, Qt::white), 0);

    // Uninstalled, the model falls back to its fixed cells.
    UninstallRenderer();
    EXPECT_EQ(TextMeasurer::current().Measure("Overload", false, true, states.Font, 1), (TextExtent{64, 16}));
}
