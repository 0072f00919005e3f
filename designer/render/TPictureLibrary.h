#pragma once

#include "PictureSource.h"
#include "TPicturePack.h"

#include <QImage>
#include <QStringList>

class QPainter;

// The editor's outside pictures: keys and lamps (lib/kelvo.rcc) and the
// register digit glyphs (lib/glyphbin.rcc), loaded at start-up. It is the
// picture source the display objects ask for their key and lamp pictures.
class TPictureLibrary : public PictureSource
{
public:
    static TPictureLibrary& instance();

    struct LoadResult
    {
        bool keysLoaded = false;
        bool digitsLoaded = false;
        QStringList missing;    // packs whose file does not exist (full paths)
        QStringList unloadable; // packs that exist but cannot be loaded
    };
    // Loads both packs from libFolder (ending in "/") and installs the library
    // as the objects' picture source.
    LoadResult load(const QString& libFolder);
    void unload();

    QImage Picture(const QString& name) const override;
    bool digitsLoaded() const { return digits_.isLoaded(); }
    // The digit glyph picture "mftext<double><reverse><glyph>".
    QImage DigitGlyph(bool doubleSize, bool reverse, int glyph) const;

private:
    TPictureLibrary();
    TPicturePack keys_;
    TPicturePack digits_;
};

// The glyph number of a register character: "0".."9" 0..9, "A".."F" (either
// case) 10..15, "+" 16, "-" 17, "." 18, ":" 19, "H" 20, "M" 21, "S" 22,
// blank 23, "Y" 24, "W" 25, "K" 26, anything else 0.
int DigitGlyphNumber(char c);

// Draws text as a strip of digit glyphs (18 x 36 pixels each, 36 x 72 with
// double size) at pixel (x, y); the glyphs' transparent colour lets the
// canvas show through. Nothing is drawn when the digit pack is not loaded.
void DrawDigits(const QByteArray& text, int x, int y, QPainter& canvas, bool reverse, bool doubleSize);
