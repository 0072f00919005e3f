#pragma once

#include <QImage>
#include <QRect>
#include <vector>

// The bar graph's scale and the trend chart's frame. The panel gets them as
// dots (the image builder packs them); the editor draws the same shapes on
// its canvas. A shape is a list of lines one unit wide and single dots, in a
// width x height frame with its origin at the top left.

// Direction 0 or 1 (up, down) is a vertical bar, 2 or 3 a horizontal one.
std::vector<QRect> BarScaleShape(int width, int height, int direction);
std::vector<QRect> TrendFrameShape(int width, int height);

// The shapes at panel size: width x height, one pixel per dot, black with
// white dots. A frame larger than the panel is cut to 192 x 64 dots (all the
// panel can show); a frame without area gives a null image.
QImage DrawBarScaleDots(int width, int height, int direction);
QImage DrawTrendFrameDots(int width, int height);
