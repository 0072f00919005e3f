#include "RenderBuiltinText.h"

#include "TCharMetrics.h"
#include "TextDots.h"

#include <QPainter>

namespace {

QImage twiceAsLarge(const QImage& image)
{
    return image.scaled(image.width() * 2, image.height() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The panel's characters in cells of the current metrics: a pattern larger
// than its cells is cut, a smaller one leaves the rest of the cells unlit.
QImage panelCharacters(const QByteArray& text, bool doubleSize)
{
    const int scale = doubleSize ? 2 : 1;
    const TCharMetrics& metrics = CharMetrics();
    QImage canvas(metrics.LcdCharWidth * int(text.size()) * scale, metrics.LcdCharHeight * scale,
                  QImage::Format_RGB32);
    if (canvas.isNull())
        return {};
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    painter.drawImage(0, 0, doubleSize ? RenderTextDotsDouble(text) : RenderTextDots(text));
    return canvas;
}

} // namespace

QImage RenderBuiltinText(const QByteArray& text, bool doubleSize, bool reverse, int language)
{
    if (language != 1) {
        const QImage drawn = RenderFontText(language, reverse, text);
        return doubleSize ? twiceAsLarge(drawn) : drawn;
    }
    QImage image = panelCharacters(text, doubleSize);
    if (reverse && !image.isNull())
        InvertDots(image);
    return image;
}
