// mkfonts: writes the panel's dot-matrix font files from GNU Unifont.
//
//   mkfonts UNIFONT.hex OUTPUT_FOLDER
//
// DZ_EN.LIS holds one 8 x 16 glyph per byte value (16 bytes each, offset
// value x 16); DZ_CH.LIS one 16 x 16 glyph per GB2312 character (32 bytes,
// two per row, offset ((b1 - 0xA1) x 94 + (b2 - 0xA1)) x 32). Rows run top to
// bottom with bit 7 the leftmost dot. A character Unifont lacks, or one whose
// Unifont glyph has the wrong width, stays all zero.

#include "AtomicFile.h"
#include "GbkCodec.h"

#include <QFile>
#include <QHash>
#include <QString>
#include <cstdio>

namespace {

// Unifont glyphs by code point: 32 hex digits for 8 x 16, 64 for 16 x 16.
QHash<char32_t, QByteArray> readUnifont(const QString& path, QString& error)
{
    QHash<char32_t, QByteArray> glyphs;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return glyphs;
    }
    int lineNo = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        ++lineNo;
        const qsizetype colon = line.indexOf(':');
        bool ok = false;
        const uint cp = line.left(colon).toUInt(&ok, 16);
        const QByteArray bits = QByteArray::fromHex(line.mid(colon + 1));
        if (colon <= 0 || !ok || (bits.size() != 16 && bits.size() != 32)) {
            error = QStringLiteral("line %1 is not a Unifont glyph").arg(lineNo);
            return {};
        }
        glyphs.insert(char32_t(cp), bits);
    }
    return glyphs;
}

// The glyph of the single character a GBK byte sequence stands for, or
// nothing when the bytes are no single character.
QByteArray glyphOf(const QHash<char32_t, QByteArray>& glyphs, const QByteArray& gbk)
{
    const QList<uint> points = GbkCodec::toUnicode(gbk).toUcs4();
    if (points.size() != 1 || points[0] == QChar::ReplacementCharacter)
        return {};
    return glyphs.value(points[0]);
}

QByteArray englishFont(const QHash<char32_t, QByteArray>& glyphs)
{
    QByteArray font(256 * 16, '\0');
    for (int value = 0; value < 256; ++value) {
        const QByteArray glyph = glyphOf(glyphs, QByteArray(1, char(value)));
        if (glyph.size() == 16)
            font.replace(value * 16, 16, glyph);
    }
    return font;
}

QByteArray chineseFont(const QHash<char32_t, QByteArray>& glyphs)
{
    QByteArray font(94 * 94 * 32, '\0');
    for (int zone = 0; zone < 94; ++zone) {
        for (int position = 0; position < 94; ++position) {
            QByteArray gbk;
            gbk.append(char(0xA1 + zone)).append(char(0xA1 + position));
            const QByteArray glyph = glyphOf(glyphs, gbk);
            if (glyph.size() == 32)
                font.replace((zone * 94 + position) * 32, 32, glyph);
        }
    }
    return font;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkfonts UNIFONT.hex OUTPUT_FOLDER\n");
        return 2;
    }
    QString error;
    const auto glyphs = readUnifont(QString::fromLocal8Bit(argv[1]), error);
    if (glyphs.isEmpty()) {
        std::fprintf(stderr, "mkfonts: %s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]) + u'/';
    for (const auto& [name, bytes] :
         {std::pair{"DZ_EN.LIS", englishFont(glyphs)}, std::pair{"DZ_CH.LIS", chineseFont(glyphs)}}) {
        if (!WriteFileAtomically(folder + QLatin1String(name), bytes, &error)) {
            std::fprintf(stderr, "mkfonts: %s%s: %s\n", qPrintable(folder), name, qPrintable(error));
            return 1;
        }
    }
    return 0;
}
