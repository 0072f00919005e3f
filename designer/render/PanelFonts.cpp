#include "PanelFonts.h"

#include "AppPaths.h"

#include <QFile>
#include <QFontMetrics>
#include <algorithm>

namespace {

QString chosenFamily;
std::optional<QFont> chosenLcdFont;

std::optional<QByteArray> readRecord(const QString& name, qint64 offset, qint64 size)
{
    QFile file(AppPaths::libFolder() + name);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        return std::nullopt;
    QByteArray record = file.read(size);
    if (record.size() != size)
        return std::nullopt;
    return record;
}

} // namespace

std::optional<QByteArray> LoadGlyphEn(unsigned char byte)
{
    return readRecord(QStringLiteral("DZ_EN.LIS"), qint64(byte) * 16, 16);
}

std::optional<QByteArray> LoadGlyphCh(unsigned char b1, unsigned char b2)
{
    if (b1 < 0xA1 || b1 > 0xFE || b2 < 0xA1 || b2 > 0xFE)
        return std::nullopt;
    return readRecord(QStringLiteral("DZ_CH.LIS"), (qint64(b1 - 0xA1) * 94 + (b2 - 0xA1)) * 32, 32);
}

QString PanelFontFamily()
{
    return chosenFamily.isEmpty() ? QStringLiteral("WenQuanYi Zen Hei") : chosenFamily;
}

void SetPanelFontFamily(const QString& family)
{
    chosenFamily = family;
}

QFont LcdFont()
{
    if (chosenLcdFont)
        return *chosenLcdFont;
    QFont font(PanelFontFamily());
    font.setPixelSize(16);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void SetLcdFont(const QFont& font)
{
    chosenLcdFont = font;
    chosenLcdFont->setStyleStrategy(QFont::NoAntialias);
}

QFont FixedCellFont(int cellWidth, int cellHeight, int weight)
{
    QFont font(PanelFontFamily());
    font.setPixelSize(std::max(1, cellHeight));
    font.setWeight(QFont::Weight(std::clamp(weight, 100, 900)));
    font.setStyleStrategy(QFont::NoAntialias);
    // Half-width characters take one cell; stretch the font so they do.
    const int natural = QFontMetrics(font).horizontalAdvance(QLatin1Char('0'));
    if (natural > 0 && cellWidth > 0)
        font.setStretch(std::clamp(cellWidth * 100 / natural, 1, 4000));
    return font;
}
