#include "TextMeasurer.h"

namespace {

const TextMeasurer*& installed()
{
    static const TextMeasurer* measurer = nullptr;
    return measurer;
}

} // namespace

TextExtent TextMeasurer::Measure(const QByteArray& text, bool doubleSize, bool /*useWinFont*/,
                                 const TFontRecord& /*font*/, int /*language*/) const
{
    if (text.isEmpty())
        return {};
    const int scale = doubleSize ? 2 : 1;
    return {static_cast<int>(text.size()) * 8 * scale, 16 * scale};
}

const TextMeasurer& TextMeasurer::current()
{
    static const TextMeasurer builtIn;
    const TextMeasurer* m = installed();
    return m ? *m : builtIn;
}

void TextMeasurer::setCurrent(const TextMeasurer* measurer)
{
    installed() = measurer;
}
