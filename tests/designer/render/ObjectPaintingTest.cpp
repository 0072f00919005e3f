#include "DigitObjectPainting.h"
#include "GbkCodec.h"
#include "GraphPainting.h"
#include "RenderTestSupport.h"
#include "TCanvasPainter.h"
#include "TLcdBZTU.h"
#include "TLcdBitmap.h"
#include "TLcdDText.h"
#include "TLcdFText.h"
#include "TLcdKey.h"
#include "TLcdLight.h"
#include "TLcdLightDtext.h"
#include "TLcdText.h"
#include "TLcdTimepiece.h"
#include "TPictureLibrary.h"
#include "Tlcdqushitu.h"

#include <gtest/gtest.h>

namespace {

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

QImage painted(TLCDBlockObj& object)
{
    QImage canvas = blackCanvas();
    QPainter p(&canvas);
    object.Paint(p);
    return canvas;
}

QImage paintedBody(TLCDBlockObj& object, QImage canvas = blackCanvas())
{
    QPainter p(&canvas);
    object.PaintBody(p);
    return canvas;
}

QRect pixelRectOf(const TLCDBlockObj& object)
{
    const TRect r = object.PixelRect();
    return {r.Left, r.Top, r.Width(), r.Height()};
}

// The digit glyphs of a text side by side, their transparent colour black:
// what a register or time display must show on the black canvas.
QImage glyphStrip(const QByteArray& text, bool doubleSize)
{
    const int w = doubleSize ? 36 : 18, h = doubleSize ? 72 : 36;
    QImage strip(int(text.size()) * w, h, QImage::Format_RGB32);
    strip.fill(Qt::black);
    for (int i = 0; i < text.size(); ++i) {
        const QImage glyph =
            TPictureLibrary::instance().DigitGlyph(doubleSize, false, DigitGlyphNumber(text[i]));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (glyph.pixelColor(x, y) != QColor(0, 128, 128))
                    strip.setPixelColor(i * w + x, y, glyph.pixelColor(x, y));
    }
    return strip;
}

template <typename T> std::unique_ptr<T> made(const TObjectContext& context, int x, int y)
{
    auto object = std::make_unique<T>(context);
    object->MoveTo(x, y);
    return object;
}

} // namespace

using ObjectPainting = WithRenderer;

TEST_F(ObjectPainting, SelectionMarksFrameTheObjectWithFourOrEightHandles)
{
    struct Case
    {
        std::unique_ptr<TLCDBlockObj> object;
        int handles;
    };
    Case cases[] = {
        {made<TLcdBZTU>(context(), 40, 8), 8},        {made<Tlcdqushitu>(context(), 30, 8), 8},
        {made<TLcdBitmap>(context(), 40, 20), 8},     {made<TLcdText>(context(), 40, 20), 4},
        {made<TLcdLight>(context(), 40, 20), 4},      {made<TLcdKey>(context(), 40, 20), 4},
        {made<TLcdFText>(context(), 40, 20), 4},      {made<TLcdTimepiece>(context(), 10, 20), 4},
        {made<TLcdLightDtext>(context(), 40, 20), 4}, {made<TLcdDText>(context(), 40, 20), 4},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.object->TypeCode);
        EXPECT_EQ(countOf(painted(*c.object), Blue), 0);
        c.object->Selected = true;
        const QImage canvas = painted(*c.object);
        EXPECT_EQ(patchesOf(canvas, Red), c.handles);
        // The frame runs from (left, top) to (right, bottom + 1), inside.
        const TRect r = c.object->PixelRect();
        const int quarter = r.Left + r.Width() / 4;
        EXPECT_TRUE(isColour(canvas, quarter, r.Top, Blue));
        EXPECT_TRUE(isColour(canvas, quarter, r.Bottom, Blue));
        EXPECT_TRUE(isColour(canvas, r.Right - 1, r.Top + r.Height() / 4, Blue));
        EXPECT_FALSE(isColour(canvas, quarter, r.Bottom + 1, Blue));
    }
}

TEST_F(ObjectPainting, RegisterDigitsAreGlyphsOfEighteenByThirtySixPixels)
{
    struct Case
    {
        bool doubleSize;
        int plcCode;
        QByteArray shown;
        QSize dots;
    };
    const Case cases[] = {
        {false, 0, "12345", {40, 16}},
        {true, 0, "12345", {80, 32}},
        // A clock register of the function-block models shows the time pattern.
        {false, 26, "HH:MM:SS", {64, 16}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown.constData());
        TLcdFText reg(context(c.plcCode));
        reg.HasUnits = false;
        reg.DoubleSize = c.doubleSize;
        reg.Addr2 = 0;
        reg.AddrType = 0;
        reg.RefreshPlaceholder();
        reg.MoveTo(8, 4);
        const QImage canvas = painted(reg);
        EXPECT_EQ(QSize(reg.Width, reg.Height), c.dots);
        const QImage strip = glyphStrip(c.shown, c.doubleSize);
        EXPECT_EQ(canvas.copy(QRect(QPoint(18, 9), strip.size())), strip);
        EXPECT_EQ(strip.width(), (c.doubleSize ? 36 : 18) * int(c.shown.size()));
        // Nothing outside the strip.
        EXPECT_TRUE(QRect(QPoint(18, 9), strip.size()).contains(boundsOf(canvas, Qt::white)));
    }
}

TEST_F(ObjectPainting, RegisterPlaceholderOrTimePattern)
{
    struct Case
    {
        int plcCode, addr2, addrType;
        bool timePattern;
    };
    for (const Case& c : {Case{26, 0, 4, true}, Case{27, 0, 0, true}, Case{26, 1, 0, false},
                          Case{27, 0, 5, false}, Case{25, 0, 0, false}}) {
        TLcdFText reg(context(c.plcCode));
        reg.Addr2 = c.addr2;
        reg.AddrType = c.addrType;
        EXPECT_EQ(RegisterEditorText(reg) == "HH:MM:SS", c.timePattern) << c.plcCode << " " << c.addr2;
    }
}

TEST_F(ObjectPainting, RegisterUnitsWidenItAndStayOnThePanel)
{
    TLcdFText reg(context());
    reg.HasUnits = true;
    reg.UnitTexts = {"m", "s", "1/100s"};
    reg.MoveTo(150, 20);
    const QImage canvas = painted(reg);
    // 5 digits (40 dots) and the widest unit text (6 x 8 dots).
    EXPECT_EQ(reg.Width, 40 + 48);
    EXPECT_EQ(reg.X, 192 - reg.Width);
    // The unit text shows the first unit just right of the digits.
    const std::unique_ptr<TLcdDText> units = MakeRegisterUnits(reg);
    EXPECT_EQ(units->X, reg.X + 40);
    EXPECT_EQ(units->Text, QByteArray("m"));
    EXPECT_EQ(units->States[2].ValueText, QByteArray("3"));
    const QRect unitPixels = pixelRectOf(*units);
    EXPECT_GT(countOf(canvas.copy(unitPixels), Qt::white), 0);
    EXPECT_LE(boundsOf(canvas, Qt::white).right(), unitPixels.left() + 17); // one cell of "m"
}

TEST_F(ObjectPainting, RegisterLiveValuesAndStaleDigits)
{
    struct Case
    {
        int format, decimals;
        std::int64_t value;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, 12345, "12345"}, {0, 2, 12345, "123.45"},
        {0, 2, 100, "1"},       {2, 1, -5, "-0.5"},
        {1, 0, 255, "FF"},      {1, 0, 5, "05"},
        {1, 3, 4660, "1234"},   {0, 0, 4294967295, "4294967295"},
    };
    for (const Case& c : cases) {
        TLcdFText reg(context());
        reg.DataFormat = c.format;
        reg.Decimals = c.decimals;
        EXPECT_EQ(RegisterValueText(reg, c.value), QByteArray(c.text)) << c.text;
    }

    TLcdFText reg(context());
    reg.HasUnits = false;
    reg.Decimals = 2;
    reg.MoveTo(8, 4);
    reg.Simulating = true;
    TCanvasPainter& painter = CanvasPainter();
    painter.SetLiveValue(reg, 12345);
    QImage canvas = paintedBody(reg);
    EXPECT_EQ(canvas.copy(18, 9, 108, 36), glyphStrip("123.45", false));
    // A shorter value clears the two cells the longer one used.
    painter.SetLiveValue(reg, 7);
    canvas = paintedBody(reg, canvas);
    EXPECT_EQ(canvas.copy(18, 9, 108, 36), glyphStrip("0.07  ", false));
    painter.ClearLiveState();
    EXPECT_EQ(paintedBody(reg).copy(18, 9, 18, 36), glyphStrip("0", false));
}

TEST_F(ObjectPainting, BarGraphFillFollowsTheValueBetweenTheScales)
{
    TLcdBZTU bar(context());
    bar.FullScale = 100;
    bar.ZeroScale = 0;
    bar.MoveTo(40, 8); // pixels (90, 18)
    ASSERT_EQ(bar.Height, 48);
    struct Case
    {
        std::int64_t value;
        int length;
    };
    for (const Case& c :
         {Case{50, 54}, Case{0, 0}, Case{-5, 0}, Case{100, 108}, Case{150, 108}, Case{25, 27}})
        EXPECT_EQ(BarFillLength(bar, c.value), c.length) << c.value;

    // The red rectangle of each direction, for the value 50 (54 pixels).
    struct Fill
    {
        int direction;
        QSize dots;
        QRect red; // edges inclusive
    };
    const Fill fills[] = {
        {0, {16, 48}, QRect(QPoint(93, 73), QPoint(124, 124))},
        {1, {16, 48}, QRect(QPoint(93, 19), QPoint(124, 70))},
        {2, {48, 16}, QRect(QPoint(91, 19), QPoint(142, 50))},
        {3, {48, 16}, QRect(QPoint(145, 19), QPoint(196, 50))},
    };
    for (const Fill& f : fills) {
        SCOPED_TRACE(f.direction);
        bar.Direction = f.direction;
        bar.Width = f.dots.width();
        bar.Height = f.dots.height();
        CanvasPainter().SetLiveValue(bar, 50);
        QImage canvas = paintedBody(bar);
        EXPECT_EQ(boundsOf(canvas, Red), f.red);
        EXPECT_EQ(countOf(canvas, Red), f.red.width() * f.red.height());
        // The outline is there too, and a falling value leaves no old fill.
        EXPECT_GT(countOf(canvas, Qt::white), 0);
        CanvasPainter().SetLiveValue(bar, -1);
        EXPECT_EQ(countOf(paintedBody(bar, canvas), Red), 0);
        // The editor shows the outline only.
        EXPECT_EQ(countOf(painted(bar), Red), 0);
    }
}

TEST_F(ObjectPainting, BarGraphScaleInTheEditorIsTheDotLayoutPixelByPixel)
{
    TLcdBZTU bar(context());
    bar.MoveTo(40, 8);
    const QImage canvas = painted(bar);
    const QRect r = pixelRectOf(bar);
    EXPECT_TRUE(isColour(canvas, r.left() + 2, r.top() + 50, Qt::white));         // the scale line
    EXPECT_TRUE(isColour(canvas, r.right(), r.top() + 50, Qt::white));            // the right edge
    EXPECT_TRUE(isColour(canvas, r.left(), r.top() + r.height() / 2, Qt::white)); // the middle tick
    EXPECT_FALSE(isColour(canvas, r.left(), r.top() + 50, Qt::white));            // no left edge
    EXPECT_FALSE(isColour(canvas, r.left() + 3, r.top() + 50, Qt::white));        // room for the fill
}

TEST_F(ObjectPainting, TrendChartAxesAndSamples)
{
    Tlcdqushitu trend(context());
    trend.MoveTo(20, 8);
    QImage canvas = blackCanvas();
    canvas.fill(Qt::gray);
    {
        QPainter p(&canvas);
        trend.Paint(p);
    }
    const QRect r = pixelRectOf(trend);
    // The chart's rectangle is black, the axes white two pixels across.
    EXPECT_EQ(countOf(canvas.copy(r), Qt::gray), 0);
    const int axisX = r.left() + 4, axisY = r.top() + 101; // dots 2 and 45 zoomed
    for (int dx : {0, 1})
        EXPECT_TRUE(isColour(canvas, axisX + dx, r.top() + 40, Qt::white)) << dx;
    for (int dy : {0, 1})
        EXPECT_TRUE(isColour(canvas, r.left() + 100, axisY + dy, Qt::white)) << dy;
    EXPECT_FALSE(isColour(canvas, r.left() + 100, axisY + 2, Qt::white));
    EXPECT_EQ(countOf(canvas, Red), 0);

    trend.SampleValues = {0, 65535, 30000, 65535};
    canvas = paintedBody(trend);
    const QRect line = boundsOf(canvas, Red);
    ASSERT_FALSE(line.isNull());
    EXPECT_TRUE(r.contains(line));
    EXPECT_GT(line.left(), axisX + 1); // right of the value axis
    EXPECT_LT(line.bottom(), axisY);   // above the time axis
}

TEST_F(ObjectPainting, MessageDisplayWithBlankCaptionsShowsOnOff)
{
    TLcdLightDtext message(context());
    message.UseWinFont = false;
    message.OnCaption = "  ";
    message.OffCaption = "";
    message.MoveTo(10, 10);
    painted(message);
    EXPECT_EQ(message.Text, QByteArray("ON/OFF"));
    EXPECT_EQ(message.OnCaption, QByteArray("ON"));
    EXPECT_EQ(message.OffCaption, QByteArray("OFF"));
    EXPECT_EQ(QSize(message.Width, message.Height), QSize(48, 16)); // room for "ON/OFF"
    painted(message);
    EXPECT_EQ(message.Text, QByteArray("OFF"));
    EXPECT_EQ(QSize(message.Width, message.Height), QSize(24, 16));

    // Captions are cut to the panel and stored so.
    message.OffCaption = QByteArray(30, 'x');
    painted(message);
    EXPECT_EQ(message.OffCaption, QByteArray(24, 'x'));
    EXPECT_EQ(message.Width, 192);
    EXPECT_EQ(message.X, 0);
}

TEST_F(ObjectPainting, TimeDisplayShowsCharCountCharacters)
{
    struct Case
    {
        QByteArray text;
        int count;
        QByteArray shown;
    };
    const Case cases[] = {
        {"HHH-MM-SS", 6, "-MM-SS"},
        {"MM", 6, "    MM"},
        {"SS", 2, "SS"},
        {"MS", 0, ""},
        {"HHH-MM", -3, ""},
        {"MM", 1 << 30, QByteArray(22, ' ') + "MM"},
    };
    for (const Case& c : cases) {
        TLcdTimepiece time(context());
        time.Text = c.text;
        time.CharCount = c.count;
        EXPECT_EQ(TimeDisplayText(time), c.shown) << c.text.constData() << " " << c.count;
    }

    TLcdTimepiece time(context());
    time.SetTimeFormat(2);
    time.SetCharCount(6);
    time.MoveTo(4, 4);
    const QImage canvas = painted(time);
    EXPECT_EQ(QSize(time.Width, time.Height), QSize(48, 16));
    EXPECT_EQ(time.Text, QByteArray("HHH-MM-SS")); // the format text stays
    EXPECT_EQ(canvas.copy(9, 9, 108, 36), glyphStrip("-MM-SS", false));
}

TEST_F(ObjectPainting, StaticTextInThePanelCharactersIsEightDotsPerByte)
{
    struct Case
    {
        QByteArray text;
        bool doubleSize;
        QSize dots;
    };
    const Case cases[] = {
        {"ABC", false, {24, 16}},
        {GbkCodec::fromUnicode(QStringLiteral("运行 ok")), false, {56, 16}},
        {"ABC", true, {48, 32}},
        {QByteArray(30, 'x'), false, {192, 16}}, // cut to 24 bytes
        {QByteArray(15, 'x'), true, {192, 32}},  // cut to 12 bytes
        {"", false, {2, 16}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.constData());
        TLcdText text(context());
        text.DoubleSize = c.doubleSize;
        text.Text = c.text;
        text.MoveTo(0, 0);
        const QImage canvas = painted(text);
        EXPECT_EQ(QSize(text.Width, text.Height), c.dots);
        const QRect ink = boundsOf(canvas, Qt::white);
        EXPECT_EQ(ink.isNull(), c.text.isEmpty());
        EXPECT_TRUE(pixelRectOf(text).contains(ink) || ink.isNull());
        // The model's own sizing agrees with what the painter drew.
        if (!c.text.isEmpty() && c.text.size() <= (c.doubleSize ? 12 : 24)) {
            EXPECT_EQ(text.MeasureText(c.text).Width, c.dots.width());
        }
    }

    // Reversed: black characters on a white rectangle.
    TLcdText reversed(context());
    reversed.Text = "HI";
    reversed.Reverse = true;
    reversed.MoveTo(10, 10);
    const QImage canvas = painted(reversed);
    EXPECT_EQ(boundsOf(canvas, Qt::white), pixelRectOf(reversed));
    EXPECT_GT(countOf(canvas.copy(pixelRectOf(reversed)), Qt::black), 0);
}

TEST_F(ObjectPainting, WindowsFontTextSizeAgreesWithItsMeasure)
{
    for (bool doubleSize : {false, true}) {
        SCOPED_TRACE(doubleSize);
        TLcdText text(context());
        text.UseWinFont = true;
        text.DoubleSize = doubleSize;
        text.Font.Name = "DejaVu Sans";
        text.Font.Size = 9;
        text.SetTypedText("Motor 1");
        const QSize typed(text.Width, text.Height);
        ASSERT_GT(typed.width(), 8);
        text.MoveTo(4, 4);
        const QImage canvas = painted(text);
        // Painting does not resize what the dialog sized.
        EXPECT_EQ(QSize(text.Width, text.Height), typed);
        EXPECT_TRUE(pixelRectOf(text).contains(boundsOf(canvas, Qt::white)));
        // The ink spans most of the object: one font pixel is one dot.
        EXPECT_GT(boundsOf(canvas, Qt::white).width(), pixelRectOf(text).width() / 2);
    }
}

TEST_F(ObjectPainting, StateTextShowsItsFirstCaptionSizedForAll)
{
    TLcdDText states(context());
    states.SetCaption(0, "Run");
    states.SetCaption(1, "Stopped");
    states.MoveTo(10, 10);
    painted(states);
    EXPECT_EQ(states.Text, QByteArray("Run"));
    EXPECT_EQ(states.Width, 56); // "Stopped" must fit when the panel shows it

    states.SelectState(0);
    EXPECT_EQ(states.CurrentCaption, QByteArray());
    EXPECT_EQ(countOf(paintedBody(states), Qt::white), 0);
    states.States[1].ValueText = "2";
    states.SelectState(2);
    const QImage canvas = paintedBody(states);
    EXPECT_GT(boundsOf(canvas, Qt::white).width(), 18 * 5); // seven characters
}

TEST_F(ObjectPainting, KeysAndLampsFromThePictures)
{
    TLcdKey key(context());
    key.HandMark = true;
    key.DoubleSize = true;
    key.MoveTo(170, 40);
    QImage canvas = painted(key);
    // Hand and key side by side, doubled: 64 x 32 dots, pulled inside.
    EXPECT_EQ(QSize(key.Width, key.Height), QSize(64, 32));
    EXPECT_EQ(QPoint(key.X, key.Y), QPoint(128, 32));
    EXPECT_GT(countOf(canvas.copy(pixelRectOf(key)), Qt::white), 0);
    key.Invisible = true;
    painted(key);
    EXPECT_EQ(QSize(key.Width, key.Height), QSize(16, 16));

    TLcdLight lamp(context());
    lamp.MoveTo(10, 10);
    canvas = painted(lamp);
    const QImage lit = TPictureLibrary::instance().Picture("mlihgt01");
    EXPECT_EQ(canvas.copy(pixelRectOf(lamp)), lit.convertToFormat(QImage::Format_RGB32));
    // While simulating it follows its bit.
    lamp.Simulating = true;
    lamp.LiveState = false;
    canvas = paintedBody(lamp);
    EXPECT_EQ(canvas.copy(pixelRectOf(lamp)),
              TPictureLibrary::instance().Picture("mlihgt00").convertToFormat(QImage::Format_RGB32));
}

TEST_F(ObjectPainting, WithoutPicturePacksOnlySelectionMarksAreDrawn)
{
    TPictureLibrary::instance().unload();
    std::vector<std::unique_ptr<TLCDBlockObj>> objects;
    objects.push_back(made<TLcdKey>(context(), 20, 20));
    objects.push_back(made<TLcdLight>(context(), 60, 20));
    objects.push_back(made<TLcdFText>(context(), 100, 20));
    static_cast<TLcdFText&>(*objects.back()).HasUnits = false;
    for (auto& object : objects) {
        SCOPED_TRACE(object->TypeCode);
        EXPECT_EQ(countOf(painted(*object), Qt::black), 432 * 144);
        object->Selected = true;
        const QImage canvas = painted(*object);
        EXPECT_EQ(patchesOf(canvas, Red), 4);
        EXPECT_GT(countOf(canvas, Blue), 0);
    }
}

TEST_F(ObjectPainting, WithoutAPainterNothingIsDrawn)
{
    UninstallRenderer();
    TLcdText text(context());
    text.Selected = true;
    EXPECT_EQ(countOf(painted(text), Qt::black), 432 * 144);
}
