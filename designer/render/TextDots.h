#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>

class QPainter;

// Turning panel texts (GBK bytes) into dot pictures: lit dots white, unlit
// black, one pixel per dot.

// The text in the panel's own characters: (bytes x 8) by 16. Characters
// without a pattern in the font files are drawn with a font in 8 x 16 cells.
QImage RenderTextDots(const QByteArray& text);
// RenderTextDots stretched to twice the width and height.
QImage RenderTextDotsDouble(const QByteArray& text);
// White dots become black and every other dot white.
void InvertDots(QImage& bitmap);

// Draws the text with a font squeezed into fixed cells of cellWidth x
// cellHeight (one cell per byte), background and foreground as given, at
// (x, y) of the canvas. The panel's own dots use weight 400; the editor
// draws its texts a little heavier (500).
void DrawFixedCellText(int language, QPainter& canvas, const QColor& background, const QByteArray& text,
                       int cellWidth, int cellHeight, int x, int y, const QColor& foreground,
                       int weight = 400);

// A font-drawn language's text in its display font, fitted to 192 dots: white
// on black (black on white with reverse), at least 16 dots high, vertically
// centred.
QImage RenderFontText(int language, bool reverse, const QByteArray& text);
