#pragma once

#include "TFontRecord.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QSize>

// Texts drawn with a text object's own Windows font, one pixel per dot.

// The object's font as the panel's dots take it: sized in pixels of a 96 dpi
// screen (as Windows fonts are), never antialiased, so a text gives the same
// dots on every machine whatever its screen.
QFont PanelWindowsFont(const TFontRecord& record);

// The font's text extent in pixels (= dots); 0 x 0 for an empty text.
QSize WindowsFontExtent(const TFontRecord& record, const QByteArray& text);

// The text white on black (black on white with reverse) on a picture of its
// extent (cut to 1024 x 256 pixels, far beyond the panel); a null image for
// an empty text.
QImage RenderWindowsFontText(const TFontRecord& record, bool reverse, const QByteArray& text);

// A text picture of pictureSize pixels at one pixel per dot is shown
// stretched by the zoom, twice with double size; the object takes the whole
// dots that cover it.
int DotsCoveringStretched(int pictureSize, bool doubleSize, double zoom);
