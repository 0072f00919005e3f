#include "TPanelTextMeasurer.h"

#include "PanelText.h"
#include "WindowsFontText.h"

#include <QSize>
#include <algorithm>

namespace {

// The zoom of every object; the drawn picture is covered in whole dots at it.
constexpr double EditorZoom = 2.25;

} // namespace

TextExtent TPanelTextMeasurer::Measure(const QByteArray& text, bool doubleSize, bool useWinFont,
                                       const TFontRecord& font, int language) const
{
    if (text.isEmpty())
        return {};
    const int scale = doubleSize ? 2 : 1;
    if (useWinFont) {
        const QSize extent = WindowsFontExtent(font, text);
        return {DotsCoveringStretched(extent.width(), doubleSize, EditorZoom),
                DotsCoveringStretched(extent.height(), doubleSize, EditorZoom)};
    }
    if (language == 1)
        return TextMeasurer::Measure(text, doubleSize, useWinFont, font, language);
    const TTextSize size = MeasureTextSized(language, doubleSize, text);
    return {size.width, std::max(size.height, 16 * scale)};
}
