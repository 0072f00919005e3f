#include "GraphPainting.h"

#include "PanelScales.h"
#include "Rounding.h"
#include "SelectionMarks.h"
#include "TLcdBZTU.h"
#include "Tlcdqushitu.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace {

QRect toQRect(const TRect& r)
{
    return {r.Left, r.Top, r.Width(), r.Height()};
}

void fillShape(QPainter& canvas, const QRect& frame, const std::vector<QRect>& shape)
{
    for (const QRect& part : shape) {
        if (part.isValid())
            canvas.fillRect(part.translated(frame.topLeft()).intersected(frame), Qt::white);
    }
}

// The bar's scale at pixel size: the panel's layout applied to the pixel
// rectangle, so that the fill of the table lies just inside its lines.
void drawBarScale(const TLcdBZTU& object, QPainter& canvas)
{
    const QRect frame = toQRect(object.PixelRect());
    fillShape(canvas, frame, BarScaleShape(frame.width(), frame.height(), object.Direction));
}

// A part of the panel's frame in pixels: each dot stretched by the zoom, each
// line two pixels across.
QRect zoomed(const QRect& dots, double zoom)
{
    const int left = RoundInt(dots.left() * zoom);
    const int top = RoundInt(dots.top() * zoom);
    const int width = dots.width() == 1 ? 2 : RoundInt((dots.left() + dots.width()) * zoom) - left;
    const int height = dots.height() == 1 ? 2 : RoundInt((dots.top() + dots.height()) * zoom) - top;
    return {left, top, width, height};
}

void drawTrendFrame(const Tlcdqushitu& object, QPainter& canvas)
{
    const QRect frame = toQRect(object.PixelRect());
    canvas.fillRect(frame, Qt::black);
    std::vector<QRect> shape;
    for (const QRect& part : TrendFrameShape(object.Width, object.Height)) {
        if (part.isValid())
            shape.push_back(zoomed(part, object.Zoom));
    }
    fillShape(canvas, frame, shape);
}

double shareOf(std::int64_t value, std::int64_t zero, std::int64_t full)
{
    const long double span = static_cast<long double>(full) - zero;
    if (span == 0)
        return value >= full ? 1.0 : 0.0;
    return std::clamp(double((static_cast<long double>(value) - zero) / span), 0.0, 1.0);
}

void drawSamples(const Tlcdqushitu& object, QPainter& canvas)
{
    const std::vector<std::int64_t>& values = object.SampleValues;
    if (values.empty())
        return;
    // Right of the value axis and above the time axis, clear of the arrowheads.
    const QRect frame = toQRect(object.PixelRect());
    const double zoom = object.Zoom;
    const int left = frame.left() + RoundInt(4 * zoom);
    const int right = frame.left() + RoundInt((object.Width - 3) * zoom);
    const int top = frame.top() + RoundInt(3 * zoom);
    const int bottom = frame.top() + RoundInt((object.Height - 3) * zoom) - 2;
    const int intervals = std::max<int>({object.DotCount, int(values.size()), 2}) - 1;
    QPolygon line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double share = shareOf(values[i], object.ZeroScale, object.FullScale);
        line << QPoint(left + RoundInt(double(right - left) * double(i) / intervals),
                       bottom - RoundInt(share * (bottom - top)));
    }
    canvas.save();
    canvas.setClipRect(frame);
    canvas.setPen(QPen(Qt::red, 2));
    if (line.size() == 1)
        canvas.drawPoint(line.first());
    else
        canvas.drawPolyline(line);
    canvas.restore();
}

} // namespace

int BarFillLength(const TLcdBZTU& object, std::int64_t value)
{
    const TRect r = object.PixelRect();
    // Any direction but left and right is drawn as a vertical bar.
    const bool horizontal = object.Direction == 2 || object.Direction == 3;
    const int extent = horizontal ? r.Width() : r.Height();
    return RoundInt(extent * shareOf(value, object.ZeroScale, object.FullScale));
}

TRect BarFillRect(const TRect& pixels, int direction, int length)
{
    const int x = pixels.Left, y = pixels.Top, w = pixels.Width(), h = pixels.Height(), l = length;
    switch (direction) {
    case 1: // down
        return {x + 3, y + 1, x + w - 1, y + l - 1};
    case 2: // left
        return {x + 1, y + 1, x + l - 1, y + h - 3};
    case 3: // right
        return {x + w - l + 1, y + 1, x + w - 1, y + h - 3};
    default: // up
        return {x + 3, y + h - l + 1, x + w - 1, y + h - 1};
    }
}

void PaintBarGraph(const TLcdBZTU& object, QPainter& canvas)
{
    drawBarScale(object, canvas);
    DrawSelection(object, canvas);
}

void PaintBarGraphBody(const TLcdBZTU& object, QPainter& canvas, std::int64_t value)
{
    // Cleared first, so that a falling value leaves no old fill behind.
    const TRect pixels = object.PixelRect();
    canvas.fillRect(toQRect(pixels), Qt::black);
    drawBarScale(object, canvas);
    const TRect fill = BarFillRect(pixels, object.Direction, BarFillLength(object, value));
    if (fill.Right > fill.Left && fill.Bottom > fill.Top)
        canvas.fillRect(toQRect(fill), Qt::red);
}

void PaintTrendChart(const Tlcdqushitu& object, QPainter& canvas)
{
    drawTrendFrame(object, canvas);
    DrawSelection(object, canvas);
}

void PaintTrendChartBody(const Tlcdqushitu& object, QPainter& canvas)
{
    drawTrendFrame(object, canvas);
    drawSamples(object, canvas);
}
