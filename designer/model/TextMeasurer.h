#pragma once

#include "TFontRecord.h"

#include <QByteArray>

// The size in panel dots of a text as a text object would draw it.
struct TextExtent
{
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TextExtent&, const TextExtent&) = default;
};

// Measures texts for the objects' sizing rules (fitting a static text, state
// captions). The built-in measurer knows only the panel's fixed cells: 8 dots
// per byte of GBK text and 16 dots high, both doubled with double size, and
// measures a Windows font the same way. The render layer, which knows the
// character metrics of every language and can measure fonts, installs a
// better one with setCurrent.
class TextMeasurer
{
public:
    virtual ~TextMeasurer() = default;

    // Empty text measures 0 x 0. With useWinFont the result is the font's
    // extent in dots: the font's size at one pixel per dot, as the panel shows it.
    virtual TextExtent Measure(const QByteArray& text, bool doubleSize, bool useWinFont,
                               const TFontRecord& font, int language) const;

    // The measurer in use: the one installed last, or the built-in one.
    static const TextMeasurer& current();
    // Installs a measurer (not owned); null goes back to the built-in one.
    static void setCurrent(const TextMeasurer* measurer);
};
