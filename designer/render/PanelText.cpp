#include "PanelText.h"

#include "GbkCodec.h"
#include "PanelFonts.h"
#include "Rounding.h"
#include "TCharMetrics.h"

#include <QFontMetrics>

namespace {

int editorWidth(int language, bool doubleSize, const QByteArray& text)
{
    if (language == 1) {
        const TCharMetrics& m = CharMetrics();
        return int(text.size()) * (doubleSize ? m.DrawCharWidthDouble : m.DrawCharWidth);
    }
    return RoundInt(MeasureTextSized(language, doubleSize, text).width * 2.25);
}

template <typename Fits> QByteArray shortenUntil(QByteArray text, Fits fits)
{
    while (!text.isEmpty() && !fits(text))
        text = DropLastCharacter(text);
    return text;
}

} // namespace

QByteArray DropLastCharacter(const QByteArray& text)
{
    return GbkCodec::cutToBytes(text, int(text.size()) - 1);
}

TTextSize MeasureText(int language, const QByteArray& text)
{
    if (text.isEmpty())
        return {};
    if (language == 1)
        return {16, int(text.size()) * CharMetrics().LcdCharWidth};
    const QFontMetrics metrics(LcdFont());
    return {metrics.height(), metrics.horizontalAdvance(GbkCodec::toUnicode(text))};
}

TTextSize MeasureTextSized(int language, bool doubleSize, const QByteArray& text)
{
    TTextSize size = MeasureText(language, text);
    if (doubleSize) {
        size.height *= 2;
        size.width *= 2;
    }
    return size;
}

TFittedText FitTextTo192(int language, bool doubleSize, const QByteArray& text)
{
    const QByteArray fitted = shortenUntil(
        text, [&](const QByteArray& t) { return MeasureTextSized(language, doubleSize, t).width <= 192; });
    return {fitted, MeasureTextSized(language, doubleSize, fitted)};
}

QByteArray FitTextToCells(int language, const QByteArray& text, bool doubleSize, int reserved)
{
    const int limit = ((doubleSize ? 12 : 24) - reserved) * (doubleSize ? 16 : 8);
    return shortenUntil(
        text, [&](const QByteArray& t) { return MeasureTextSized(language, doubleSize, t).width <= limit; });
}

QByteArray FitTextTwice(int language, bool doubleSize, const QByteArray& text, int largestEditorWidth,
                        int largestPanelWidth)
{
    const QByteArray panelFitted = shortenUntil(text, [&](const QByteArray& t) {
        return MeasureTextSized(language, doubleSize, t).width <= largestPanelWidth;
    });
    return shortenUntil(panelFitted, [&](const QByteArray& t) {
        return editorWidth(language, doubleSize, t) <= largestEditorWidth;
    });
}
