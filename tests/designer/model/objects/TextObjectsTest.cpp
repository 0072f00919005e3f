#include "GbkCodec.h"
#include "LocaleInfo.h"
#include "ObjectTestSupport.h"
#include "TLcdDText.h"
#include "TLcdFText.h"
#include "TLcdLightDtext.h"
#include "TLcdText.h"
#include "TLcdTimepiece.h"

#include <gtest/gtest.h>

namespace {

QByteArray gbk(const char* utf8)
{
    return GbkCodec::fromUnicode(QString::fromUtf8(utf8));
}

QByteArray separator()
{
    return GbkCodec::fromUnicode(QString(DecimalSeparator()));
}

TEST(StaticText, TakesItsSizeFromItsText)
{
    TLcdText text(contextFor(0));
    EXPECT_EQ(text.Text, gbk("文本串"));
    EXPECT_EQ(text.Width, 48);
    EXPECT_EQ(text.Height, 16);

    text.SetTypedText("");
    EXPECT_EQ(text.Width, 2);
    EXPECT_EQ(text.Height, 16);

    text.DoubleSize = true;
    text.SetTypedText("AB");
    EXPECT_EQ(text.Width, 32);
    EXPECT_EQ(text.Height, 32);
}

TEST(StaticText, TypedTextIsCutToThePanelWithoutSplittingACharacter)
{
    TLcdText text(contextFor(0));
    EXPECT_EQ(text.SetTypedText(QByteArray(30, 'x')), QByteArray(24, 'x'));
    EXPECT_EQ(text.Width, 192);

    // 13 Chinese characters and a letter: 12 characters fit.
    const QByteArray chinese = gbk("一二三四五六七八九十百千万");
    EXPECT_EQ(text.SetTypedText("a" + chinese), "a" + chinese.left(22));

    text.DoubleSize = true;
    EXPECT_EQ(text.SetTypedText(chinese), chinese.left(12));
    EXPECT_EQ(text.Width, 192);
    EXPECT_EQ(text.Height, 32);
}

TEST(StaticText, FitUndoesATextWiderThanThePanel)
{
    TLcdText text(contextFor(0));
    text.SetText("short");
    text.UpdateStaticSize();
    text.SetText(QByteArray(25, 'y'));
    text.UpdateStaticSize();
    EXPECT_EQ(text.Text, "short");
    EXPECT_EQ(text.PrevText, "short");
    EXPECT_EQ(text.Width, 192);
}

TEST(Register, FitGrowsToTheTextAndStaysOnThePanel)
{
    struct Case
    {
        int x, y;
        bool doubleSize;
        int wantX, wantY, wantW, wantH;
    } const cases[] = {
        {0, 0, false, 0, 0, 40, 16},
        {152, 0, false, 152, 0, 40, 16}, // ends exactly at the right edge:
                                         // stays
        {190, 0, false, 152, 0, 40, 16},
        {10, 60, false, 10, 48, 40, 16},
        {-5, 0, false, 0, 0, 40, 16},
        {150, 40, true, 112, 32, 80, 32},
    };
    for (const Case& c : cases) {
        TLcdFText reg(contextFor(0));
        ASSERT_EQ(reg.Text, "12345");
        ASSERT_EQ(reg.Width, 16);
        reg.MoveTo(c.x, c.y);
        reg.DoubleSize = c.doubleSize;
        reg.Fit();
        EXPECT_EQ(reg.X, c.wantX) << c.x << "," << c.y;
        EXPECT_EQ(reg.Y, c.wantY) << c.x << "," << c.y;
        EXPECT_EQ(reg.Width, c.wantW) << c.x << "," << c.y;
        EXPECT_EQ(reg.Height, c.wantH) << c.x << "," << c.y;
    }
}

TEST(Register, PlaceholderShowsTheFormat)
{
    struct Case
    {
        int digits, decimals, format;
        QByteArray want;
    } const cases[] = {
        {5, 0, 0, "12345"},        {5, 2, 0, "123" + separator() + "45"},
        {5, 2, 1, "12345"}, // HEX/BCD: digits only
        {4, 0, 2, "-1234"},        {3, 2, 2, "-1" + separator() + "23"},
        {11, 0, 0, "12345678901"}, {2000000000, 0, 0, "12345678901"}, // a damaged count is held to 11 digits
    };
    for (const Case& c : cases) {
        TLcdFText reg(contextFor(0));
        reg.Digits = c.digits;
        reg.Decimals = c.decimals;
        reg.DataFormat = c.format;
        reg.RefreshPlaceholder();
        EXPECT_EQ(reg.Text, c.want) << c.digits << "/" << c.decimals << "/" << c.format;
    }
}

TEST(StateText, NewStateTextShowsTheDefaultCaption)
{
    TLcdDText state(contextFor(0));
    EXPECT_EQ(state.States[0].ValueText, "1");
    EXPECT_EQ(state.States[0].Caption, gbk("动态文本"));
    EXPECT_EQ(state.Text, gbk("动态文本"));
    EXPECT_EQ(state.Width, 64);
    EXPECT_EQ(state.Height, 16);
}

TEST(StateText, ShownCaptionPrefersTheFirstCaptionThatIsNotBlank)
{
    struct Case
    {
        std::vector<QByteArray> captions;
        QByteArray want;
    } const cases[] = {
        {{}, "D"},
        {{"", "  ", "", "On"}, "On"},
        {{"", "  ", " "}, "  "},
        {{"A", "B"}, "A"},
    };
    for (const Case& c : cases) {
        TLcdDText state(contextFor(0));
        state.States = {};
        for (std::size_t i = 0; i < c.captions.size(); ++i)
            state.States[i].Caption = c.captions[i];
        EXPECT_EQ(state.ShownCaption(), c.want);
    }
}

TEST(StateText, SetCaptionCutsToThePanelAndResizes)
{
    TLcdDText state(contextFor(0));
    EXPECT_EQ(state.SetCaption(3, QByteArray(30, 'c')), QByteArray(24, 'c'));
    EXPECT_EQ(state.States[3].Caption, QByteArray(24, 'c'));
    EXPECT_EQ(state.Width, 192);
    EXPECT_EQ(state.Height, 16);

    state.SetCaption(32, "ignored");
    state.SetCaption(-1, "ignored");
    for (const auto& s : state.States)
        EXPECT_NE(s.Caption, "ignored");

    // Double size halves the room: 12 characters, drawn 192 dots wide.
    state.SetDoubleSize(true);
    EXPECT_EQ(state.States[3].Caption, QByteArray(12, 'c'));
    EXPECT_EQ(state.Width, 192);
    EXPECT_EQ(state.Height, 32);

    // Short captions still give at least 8 x 16 (16 x 32 doubled).
    state.SetDoubleSize(false);
    for (int i = 0; i < TLcdDText::StateCount; ++i)
        state.SetCaption(i, i == 0 ? QByteArray("A") : QByteArray());
    EXPECT_EQ(state.Width, 8);
    EXPECT_EQ(state.Height, 16);
    EXPECT_EQ(state.Text, "A");
}

TEST(StateText, TheLastMatchingStateGivesTheCurrentCaption)
{
    TLcdDText state(contextFor(0));
    state.States = {};
    state.States[0] = {"1", "one"};
    state.States[1] = {" 2 ", "two"};
    state.States[2] = {"2", "two again"};
    state.States[3] = {"x", "not a number"};
    state.States[4] = {"", "empty value"};
    state.SelectState(2);
    EXPECT_EQ(state.CurrentCaption, "two again");
    state.SelectState(1);
    EXPECT_EQ(state.CurrentCaption, "one");
    state.SelectState(5);
    EXPECT_EQ(state.CurrentCaption, "");

    state.HexValues = 1;
    state.States[5] = {"1A", "hex"};
    state.SelectState(26);
    EXPECT_EQ(state.CurrentCaption, "hex");
}

TEST(TimeDisplay, FormatsAndWeekMode)
{
    TLcdTimepiece clock(contextFor(0));
    EXPECT_EQ(clock.TimeFormat, 0);
    EXPECT_EQ(clock.Text, "YYYY-MM-DD HH-MM-SS");
    EXPECT_EQ(clock.Width, 152);
    EXPECT_EQ(clock.CharCount, 19);

    clock.SetTimeFormat(3);
    EXPECT_EQ(clock.Text, "HHH-MM");
    EXPECT_EQ(clock.Width, 48);
    EXPECT_EQ(clock.CharCount, 19);

    clock.SetWeekMode(true);
    EXPECT_EQ(clock.TimeFormat, 0);
    EXPECT_EQ(clock.Text, "WEEK  HH-MM-SS");
    EXPECT_EQ(clock.Width, 112);

    // Week mode is what survives a save: format 0 is stored, the week text comes back.
    auto loaded = loadRecord(421, recordOf(clock));
    auto* back = dynamic_cast<TLcdTimepiece*>(loaded.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->TimeFormat, 0);
    EXPECT_TRUE(back->WeekMode);
    EXPECT_EQ(back->Text, "WEEK  HH-MM-SS");

    clock.SetCharCount(6);
    EXPECT_EQ(clock.Width, 48);
}

TEST(TimeDisplay, IsNotHeldToThePanelWidth)
{
    TLcdTimepiece clock(contextFor(0));
    clock.MoveTo(20, 0);
    clock.DoubleSize = true;
    clock.Fit();
    EXPECT_EQ(clock.Width, 304);
    EXPECT_EQ(clock.Text, "YYYY-MM-DD HH-MM-SS");
    EXPECT_EQ(clock.X, 0);
}

TEST(MessageDisplay, ShowsTheOffCaptionAndRestoresBlankCaptions)
{
    TLcdLightDtext message(contextFor(0));
    EXPECT_TRUE(message.UseWinFont);
    EXPECT_EQ(message.OnCaption, "ON ");
    EXPECT_EQ(message.OffCaption, "OFF");
    EXPECT_EQ(message.Width, 24);

    message.OffCaption = "  ";
    EXPECT_EQ(message.RefreshShownText(), "ON ");
    message.OnCaption = "";
    EXPECT_EQ(message.RefreshShownText(), "ON/OFF");
    EXPECT_EQ(message.OnCaption, "ON");
    EXPECT_EQ(message.OffCaption, "OFF");
}

// Text measuring is a seam the render layer fills with real metrics.
class WideMeasurer : public TextMeasurer
{
public:
    TextExtent Measure(const QByteArray& text, bool doubleSize, bool, const TFontRecord&, int) const override
    {
        return text.isEmpty() ? TextExtent{} : TextExtent{int(text.size()) * (doubleSize ? 20 : 10), 20};
    }
};

TEST(TextMeasuring, AnInstalledMeasurerSizesTexts)
{
    WideMeasurer wide;
    TextMeasurer::setCurrent(&wide);
    TLcdText text(contextFor(0));
    EXPECT_EQ(text.SetTypedText(QByteArray(25, 'w')), QByteArray(19, 'w'));
    EXPECT_EQ(text.Width, 190);
    EXPECT_EQ(text.Height, 20);
    TextMeasurer::setCurrent(nullptr);
    text.UpdateStaticSize();
    EXPECT_EQ(text.Width, 152);
}

} // namespace
