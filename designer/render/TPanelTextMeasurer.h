#pragma once

#include "TextMeasurer.h"

// The text measurer the editor installs: the panel's fixed cells in language
// 1 (8 x 16 dots per byte, as the model's own measurer), the language's
// display font in every other language (at least 16 dots high, as such texts
// are drawn), and a text object's Windows font with its real extent. Sizes
// are those the object then takes when it is drawn.
class TPanelTextMeasurer : public TextMeasurer
{
public:
    TextExtent Measure(const QByteArray& text, bool doubleSize, bool useWinFont, const TFontRecord& font,
                       int language) const override;
};
