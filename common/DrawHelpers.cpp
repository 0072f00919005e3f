#include "DrawHelpers.h"

#include "Rounding.h"

#include <QGuiApplication>
#include <QPalette>
#include <QRegularExpression>

namespace {

// Restores the painter's pen and brush when it goes out of scope.
class PenBrushGuard
{
public:
    explicit PenBrushGuard(QPainter& p) : painter_(p), pen_(p.pen()), brush_(p.brush()) {}
    ~PenBrushGuard()
    {
        painter_.setPen(pen_);
        painter_.setBrush(brush_);
    }
    PenBrushGuard(const PenBrushGuard&) = delete;
    PenBrushGuard& operator=(const PenBrushGuard&) = delete;

private:
    QPainter& painter_;
    QPen pen_;
    QBrush brush_;
};

QColor buttonFaceColour()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
    return QColor(0xF0, 0xF0, 0xF0);
}

} // namespace

void FrameRectColour(const TRect& rect, QPainter& canvas, const QColor& colour)
{
    if (rect.Right <= rect.Left || rect.Bottom <= rect.Top)
        return;
    const QRect r(rect.Left, rect.Top, rect.Width(), rect.Height());
    canvas.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
    canvas.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    canvas.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
    canvas.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
}

void OutlineRect(const TRect& rect, QPainter& canvas, const QColor& colour, Qt::PenStyle style)
{
    PenBrushGuard guard(canvas);
    QPen pen(colour, 0, style);
    canvas.setPen(pen);
    const QPoint corners[] = {
        {rect.Left, rect.Top}, {rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left, rect.Bottom}};
    canvas.drawPolygon(corners, 4);
}

void DrawHandleMark(const TPoint& point, QPainter& canvas)
{
    PenBrushGuard guard(canvas);
    canvas.setPen(QPen(Qt::red, 0));
    canvas.setBrush(Qt::white);
    canvas.drawEllipse(QRect(point.X - 3, point.Y - 3, 5, 5));
}

void ToBlackWhite(QImage& bitmap)
{
    bitmap = bitmap.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < bitmap.height(); ++y) {
        uchar* row = bitmap.scanLine(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            uchar* px = row + 3 * x;
            const bool white = RoundHalfEven(0.3 * px[0] + 0.59 * px[1] + 0.11 * px[2]) > 128;
            px[0] = px[1] = px[2] = white ? 255 : 0;
        }
    }
}

void SwapColours(QImage& bitmap, const QColor& a, const QColor& b)
{
    if (bitmap.format() != QImage::Format_RGB32 && bitmap.format() != QImage::Format_ARGB32)
        bitmap = bitmap.convertToFormat(QImage::Format_RGB32);
    const QRgb from = a.rgb();
    const QRgb to = b.rgb();
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x)
            row[x] = (row[x] | 0xFF000000u) == from ? to : from;
    }
}

void DrawLines(QPainter& canvas, const TPoint& point, const QString& text, bool enabled)
{
    PenBrushGuard guard(canvas);
    const Qt::BGMode mode = canvas.backgroundMode();
    canvas.setBackgroundMode(Qt::TransparentMode);
    if (!enabled)
        canvas.setPen(buttonFaceColour());
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineBreak);
    const int height = canvas.fontMetrics().height();
    for (int i = 0; i < lines.size(); ++i)
        canvas.drawText(QRect(point.X, point.Y + 15 * i, 10000, height), Qt::AlignLeft | Qt::AlignTop,
                        lines[i]);
    canvas.setBackgroundMode(mode);
}
