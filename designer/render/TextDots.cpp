#include "TextDots.h"

#include "GbkCodec.h"
#include "PanelFonts.h"
#include "PanelText.h"
#include "TDotRecord.h"

#include <QPainter>

namespace {

void drawPattern(QImage& image, int x, const QByteArray& pattern, int bytesPerRow)
{
    for (int row = 0; row < 16; ++row) {
        for (int b = 0; b < bytesPerRow; ++b) {
            const auto bits = static_cast<unsigned char>(pattern[row * bytesPerRow + b]);
            for (int i = 0; i < 8; ++i)
                image.setPixel(x + b * 8 + i, row, (bits & (0x80 >> i)) ? 0xFFFFFFFFu : 0xFF000000u);
        }
    }
}

} // namespace

QImage RenderTextDots(const QByteArray& text)
{
    QImage image(int(text.size()) * 8, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (text.isEmpty())
        return image;
    for (const TDotRecord& r : CutText(text)) {
        const int x = (r.Position - 1) * 8;
        if (r.Found && r.Class == 1) {
            drawPattern(image, x, r.Pattern, 1);
        } else if (r.Found && r.Class == 2) {
            drawPattern(image, x, r.Pattern, 2);
        } else {
            QPainter painter(&image);
            DrawFixedCellText(1, painter, Qt::black, r.Bytes, 8, 16, x, 0, Qt::white);
        }
    }
    return image;
}

QImage RenderTextDotsDouble(const QByteArray& text)
{
    const QImage single = RenderTextDots(text);
    return single.scaled(single.width() * 2, single.height() * 2, Qt::IgnoreAspectRatio,
                         Qt::FastTransformation);
}

void InvertDots(QImage& bitmap)
{
    if (bitmap.format() != QImage::Format_RGB32 && bitmap.format() != QImage::Format_ARGB32)
        bitmap = bitmap.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x)
            row[x] = (row[x] & 0xFFFFFFu) == 0xFFFFFFu ? 0xFF000000u : 0xFFFFFFFFu;
    }
}

void DrawFixedCellText(int /*language*/, QPainter& canvas, const QColor& background, const QByteArray& text,
                       int cellWidth, int cellHeight, int x, int y, const QColor& foreground, int weight)
{
    if (text.isEmpty() || cellWidth <= 0 || cellHeight <= 0)
        return;
    QImage scratch(int(text.size()) * cellWidth, cellHeight, QImage::Format_RGB32);
    scratch.fill(background);
    {
        QPainter p(&scratch);
        p.setFont(FixedCellFont(cellWidth, cellHeight, weight));
        p.setPen(foreground);
        // Each character sits in its own cells: one per byte it takes.
        int cell = 0;
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype len =
                GbkCodec::isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
            const QString ch = GbkCodec::toUnicode(text.mid(i, len));
            p.drawText(QRect(cell * cellWidth, 0, int(len) * cellWidth, cellHeight), Qt::AlignCenter, ch);
            cell += int(len);
            i += len;
        }
    }
    canvas.drawImage(x, y, scratch);
}

QImage RenderFontText(int language, bool reverse, const QByteArray& text)
{
    const TFittedText fitted = FitTextTo192(language, false, text);
    const QFont font = LcdFont();
    const QFontMetrics metrics(font);
    const QString unicode = GbkCodec::toUnicode(fitted.text);
    const int textHeight = metrics.height();
    const int width = std::max(1, metrics.horizontalAdvance(unicode));
    const int height = std::max(16, textHeight);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(reverse ? Qt::white : Qt::black);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(reverse ? Qt::black : Qt::white);
    p.drawText(QRect(0, (height - textHeight) / 2, width, textHeight), Qt::AlignLeft | Qt::AlignTop, unicode);
    return image;
}
