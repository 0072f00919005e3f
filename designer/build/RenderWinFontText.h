#pragma once

#include "TFontRecord.h"

#include <QByteArray>
#include <QImage>

// Texts drawn with an object's Windows font, as pictures to pack. The dots are
// those the editor shows (render's RenderWindowsFontText: 96 dpi, no
// antialiasing), so the panel and the editor agree.
//
// Not to be confused with render's RenderFontText(language, reverse, text),
// which draws a language's display font.

// The text white on black in the font's text extent, stretched to twice its
// size with doubleSize; black on white with reverse. A null picture for an
// empty text or when the picture cannot be made.
QImage RenderWinFontText(const QByteArray& text, const TFontRecord& font, bool doubleSize, bool reverse);

// The same text at the top left of a black box of width x height (the box is
// white and the text black with reverse); the box is stretched to twice its
// size with doubleSize. A null picture for a box without area.
QImage RenderFontTextInBox(const QByteArray& text, const TFontRecord& font, int width, int height,
                           bool doubleSize, bool reverse);
