#pragma once

#include <QByteArray>
#include <QImage>

// A text (GBK bytes) in the panel's characters as a picture to pack: lit dots
// white on black, one pixel per dot.
//
// Language 1 takes the character cells of the current metrics (LcdCharWidth
// per byte by LcdCharHeight, doubled with doubleSize) and the panel's own
// character patterns; reverse inverts the picture afterwards. Every other
// language draws with its display font, as the editor shows the text, and is
// stretched to twice its size with doubleSize.
//
// An empty text in language 1 gives a null picture (no cells).
QImage RenderBuiltinText(const QByteArray& text, bool doubleSize, bool reverse, int language);
