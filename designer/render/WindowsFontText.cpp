#include "WindowsFontText.h"

#include "GbkCodec.h"
#include "NumberText.h"
#include "Rounding.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

// The panel is 192 x 64 dots: a font taller than this, or a picture larger,
// can only come from a damaged file and is cut rather than allocated.
constexpr int MaxPixelSize = 256;
constexpr QSize MaxPicture(1024, 256);

} // namespace

QFont PanelWindowsFont(const TFontRecord& record)
{
    QFont font = record.toQFont();
    if (font.pointSizeF() > 0)
        font.setPixelSize(
            std::clamp(RoundInt(std::min(font.pointSizeF(), 1000.0) * 96.0 / 72.0), 1, MaxPixelSize));
    else if (font.pixelSize() > MaxPixelSize)
        font.setPixelSize(MaxPixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QSize WindowsFontExtent(const TFontRecord& record, const QByteArray& text)
{
    if (text.isEmpty())
        return {};
    const QFontMetrics metrics(PanelWindowsFont(record));
    return {metrics.horizontalAdvance(GbkCodec::toUnicode(text)), metrics.height()};
}

QImage RenderWindowsFontText(const TFontRecord& record, bool reverse, const QByteArray& text)
{
    const QSize extent = WindowsFontExtent(record, text);
    if (extent.isEmpty())
        return {};
    QImage image(extent.boundedTo(MaxPicture), QImage::Format_RGB32);
    image.fill(reverse ? Qt::white : Qt::black);
    QPainter p(&image);
    p.setFont(PanelWindowsFont(record));
    p.setPen(reverse ? Qt::black : Qt::white);
    p.drawText(QRect(QPoint(0, 0), extent), Qt::AlignLeft | Qt::AlignTop, GbkCodec::toUnicode(text));
    return image;
}

int DotsCoveringStretched(int pictureSize, bool doubleSize, double zoom)
{
    const int scale = doubleSize ? 2 : 1;
    if (!(zoom > 0))
        return pictureSize * scale;
    const double stretched = double(pictureSize) * scale * zoom;
    return CeilInt(stretched / zoom);
}
