#pragma once

#include "TRect.h"

#include <cstdint>

class QPainter;
class TLcdBZTU;
class Tlcdqushitu;

// Drawing of bar graphs and trend charts on the editor canvas.

// The bar's fill length in pixels for a live value: the share of the value
// between ZeroScale and FullScale (held to 0..1) of the bar's pixel height
// (up, down) or width (left, right), rounded.
int BarFillLength(const TLcdBZTU& object, std::int64_t value);
// The red fill of that length inside the bar's pixel rectangle; Right and
// Bottom lie just outside. Empty (Right <= Left or Bottom <= Top) when there
// is nothing to fill.
TRect BarFillRect(const TRect& pixels, int direction, int length);

// The outline with its quarter ticks, pixel by pixel, and the selection marks.
void PaintBarGraph(const TLcdBZTU& object, QPainter& canvas);
// The bar on a black rectangle: outline, ticks and the fill for the value.
void PaintBarGraphBody(const TLcdBZTU& object, QPainter& canvas, std::int64_t value);

// A black rectangle with the two axes and their ticks (the panel's frame,
// zoomed, with lines two pixels wide) and the selection marks.
void PaintTrendChart(const Tlcdqushitu& object, QPainter& canvas);
// The axes again on black, then the run-time samples as a red line.
void PaintTrendChartBody(const Tlcdqushitu& object, QPainter& canvas);
