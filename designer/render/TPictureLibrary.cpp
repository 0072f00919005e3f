#include "TPictureLibrary.h"

#include <QFileInfo>
#include <QPainter>

namespace {
const QRgb TransparentColour = qRgb(0, 128, 128);
}

TPictureLibrary::TPictureLibrary() : keys_(QStringLiteral("kelvo")), digits_(QStringLiteral("glyphbin")) {}

TPictureLibrary& TPictureLibrary::instance()
{
    static TPictureLibrary library;
    return library;
}

TPictureLibrary::LoadResult TPictureLibrary::load(const QString& libFolder)
{
    LoadResult result;
    for (TPicturePack* pack : {&keys_, &digits_}) {
        const QString path = libFolder + pack->name() + QStringLiteral(".rcc");
        if (!QFileInfo::exists(path))
            result.missing << path;
        else if (!pack->load(path))
            result.unloadable << path;
    }
    result.keysLoaded = keys_.isLoaded();
    result.digitsLoaded = digits_.isLoaded();
    PictureSource::setCurrent(this);
    return result;
}

void TPictureLibrary::unload()
{
    if (PictureSource::current() == this)
        PictureSource::setCurrent(nullptr);
    keys_.unload();
    digits_.unload();
}

QImage TPictureLibrary::Picture(const QString& name) const
{
    return keys_.picture(name);
}

QImage TPictureLibrary::DigitGlyph(bool doubleSize, bool reverse, int glyph) const
{
    return digits_.picture(QStringLiteral("mftext%1%2%3").arg(int(doubleSize)).arg(int(reverse)).arg(glyph));
}

int DigitGlyphNumber(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    switch (c) {
    case '+':
        return 16;
    case '-':
        return 17;
    case '.':
        return 18;
    case ':':
        return 19;
    case 'H':
        return 20;
    case 'M':
        return 21;
    case 'S':
        return 22;
    case ' ':
        return 23;
    case 'Y':
        return 24;
    case 'W':
        return 25;
    case 'K':
        return 26;
    default:
        return 0;
    }
}

void DrawDigits(const QByteArray& text, int x, int y, QPainter& canvas, bool reverse, bool doubleSize)
{
    const TPictureLibrary& library = TPictureLibrary::instance();
    if (!library.digitsLoaded() || text.isEmpty())
        return;
    const int cellWidth = doubleSize ? 36 : 18;
    const int cellHeight = doubleSize ? 72 : 36;
    QImage strip(int(text.size()) * cellWidth, cellHeight, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (qsizetype i = 0; i < text.size(); ++i) {
        QImage glyph = library.DigitGlyph(doubleSize, reverse, DigitGlyphNumber(text[i]))
                           .convertToFormat(QImage::Format_ARGB32);
        for (int gy = 0; gy < glyph.height(); ++gy) {
            auto* row = reinterpret_cast<QRgb*>(glyph.scanLine(gy));
            for (int gx = 0; gx < glyph.width(); ++gx)
                if ((row[gx] & 0xFFFFFFu) == (TransparentColour & 0xFFFFFFu))
                    row[gx] = 0;
        }
        p.drawImage(int(i) * cellWidth, 0, glyph);
    }
    p.end();
    canvas.drawImage(x, y, strip);
}
