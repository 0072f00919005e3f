#pragma once

#include <QByteArray>

// Measuring and fitting panel texts (GBK bytes). Language 1 uses the panel's
// built-in character set with fixed cells; every other language draws with
// its display font (LcdFont) at one pixel per dot.

struct TTextSize
{
    int height = 0;
    int width = 0;
    friend bool operator==(const TTextSize&, const TTextSize&) = default;
};

// Height and width in dots; an empty text is 0 x 0.
TTextSize MeasureText(int language, const QByteArray& text);
// MeasureText, both doubled with doubleSize.
TTextSize MeasureTextSized(int language, bool doubleSize, const QByteArray& text);

struct TFittedText
{
    QByteArray text;
    TTextSize size;
};

// Shortens the text from its end until it is at most 192 dots wide. Whole
// characters are dropped, never half of a two-byte one.
TFittedText FitTextTo192(int language, bool doubleSize, const QByteArray& text);
// Shortens the text until it fits ((doubleSize ? 12 : 24) - reserved) cells
// of (doubleSize ? 16 : 8) dots.
QByteArray FitTextToCells(int language, const QByteArray& text, bool doubleSize, int reserved);
// Shortens the text until its panel width fits largestPanelWidth, then until
// its editor width (the draw cells of the metrics in language 1, the panel
// width times 2.25 otherwise) fits largestEditorWidth.
QByteArray FitTextTwice(int language, bool doubleSize, const QByteArray& text, int largestEditorWidth,
                        int largestPanelWidth);

// The text without its last character (a two-byte character goes whole).
QByteArray DropLastCharacter(const QByteArray& text);
