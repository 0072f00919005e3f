#include "RenderWinFontText.h"

#include "WindowsFontText.h"

#include <QPainter>
#include <algorithm>

namespace {

QImage twiceAsLarge(const QImage& image, bool doubleSize)
{
    if (!doubleSize || image.isNull())
        return image;
    return image.scaled(image.width() * 2, image.height() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

QImage RenderWinFontText(const QByteArray& text, const TFontRecord& font, bool doubleSize, bool reverse)
{
    return twiceAsLarge(RenderWindowsFontText(font, reverse, text), doubleSize);
}

QImage RenderFontTextInBox(const QByteArray& text, const TFontRecord& font, int width, int height,
                           bool doubleSize, bool reverse)
{
    if (width <= 0 || height <= 0)
        return {};
    // The panel shows nothing beyond 192 x 64 dots; a larger box can only
    // come from a damaged file and is cut rather than allocated.
    QImage box(std::min(width, 192), std::min(height, 64), QImage::Format_RGB32);
    if (box.isNull())
        return {};
    box.fill(reverse ? Qt::white : Qt::black);
    const QImage drawn = RenderWindowsFontText(font, reverse, text);
    if (!drawn.isNull()) {
        QPainter painter(&box);
        painter.drawImage(0, 0, drawn);
    }
    return twiceAsLarge(box, doubleSize);
}
