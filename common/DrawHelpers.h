#pragma once

#include "TRect.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

// Small drawing helpers of the editor canvas. Rectangles here are pixel
// rectangles whose Right and Bottom lie just outside (as the canvas code
// computes them from dot frames); OutlineRect draws through both corners.

// A one-pixel frame along the inside of rect.
void FrameRectColour(const TRect& rect, QPainter& canvas, const QColor& colour);

// A closed four-line outline through (Left, Top) and (Right, Bottom); the
// painter's pen is restored.
void OutlineRect(const TRect& rect, QPainter& canvas, const QColor& colour, Qt::PenStyle style);

// A circle 6 pixels across around point, white inside, red outline; pen and
// brush restored.
void DrawHandleMark(const TPoint& point, QPainter& canvas);

// The image becomes 24-bit, each pixel black or white: white when
// round(0.3 R + 0.59 G + 0.11 B) > 128.
void ToBlackWhite(QImage& bitmap);

// Every pixel of colour a becomes b, every other pixel becomes a.
void SwapColours(QImage& bitmap, const QColor& a, const QColor& b);

// The text split at line breaks, each line 15 pixels below the previous one,
// on a clear background; disabled text is drawn in the button-face colour.
void DrawLines(QPainter& canvas, const TPoint& point, const QString& text, bool enabled);
