#include "PanelScales.h"

#include "TLCDBlockObj.h"

#include <algorithm>

namespace {

QRect dot(int x, int y)
{
    return {x, y, 1, 1};
}

QImage rasterise(int width, int height, const std::vector<QRect>& shape)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage image(std::min(width, int(TLCDBlockObj::PanelWidth)),
                 std::min(height, int(TLCDBlockObj::PanelHeight)), QImage::Format_RGB32);
    image.fill(Qt::black);
    for (const QRect& r : shape) {
        if (!r.isValid()) // a frame too small for this part
            continue;
        const QRect part = r.intersected(image.rect());
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x)
                image.setPixel(x, y, 0xFFFFFFFFu);
    }
    return image;
}

} // namespace

std::vector<QRect> BarScaleShape(int width, int height, int direction)
{
    const int w = width, h = height;
    if (direction == 2 || direction == 3) {
        // Horizontal: the scale runs along the bottom; the bottom edge stays open.
        const int q = w / 4;
        return {QRect(0, 0, 1, h), QRect(0, 0, w, 1), QRect(w - 1, 0, 1, h), QRect(0, h - 3, w, 1),
                dot(q, h - 2),     dot(2 * q, h - 2), dot(2 * q, h - 1),     dot(3 * q, h - 2)};
    }
    // Vertical: the scale runs along the left side; the left edge stays open.
    const int q = h / 4;
    return {QRect(0, 0, w, 1), QRect(w - 1, 0, 1, h), QRect(0, h - 1, w, 1), QRect(2, 0, 1, h),
            dot(1, q),         dot(1, 2 * q),         dot(0, 2 * q),         dot(1, 3 * q)};
}

std::vector<QRect> TrendFrameShape(int width, int height)
{
    const int w = width, h = height;
    const int g = (h - 2) / 4;
    return {
        QRect(2, 0, 1, h - 3),         // the value axis, y = 0 .. h-4
        QRect(0, h - 3, w, 1),         // the time axis
        dot(1, 1),                     // one barb of the value axis' arrowhead ...
        dot(0, 2),                     //
        dot(w - 2, h - 2),             // ... and of the time axis'
        dot(w - 3, h - 1),             //
        dot(1, h - 3 - g),             // ticks at a quarter,
        QRect(0, h - 3 - 2 * g, 3, 1), // half (three dots)
        dot(1, h - 3 - 3 * g),         // and three quarters of the value axis
    };
}

QImage DrawBarScaleDots(int width, int height, int direction)
{
    return rasterise(width, height, BarScaleShape(width, height, direction));
}

QImage DrawTrendFrameDots(int width, int height)
{
    return rasterise(width, height, TrendFrameShape(width, height));
}
