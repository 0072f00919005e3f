// The panel fonts written at build time hold Unifont's glyphs at the places
// the panel looks them up.

#include <QFile>
#include <QHash>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray unifontGlyph(const char* codePoint)
{
    QFile f(QStringLiteral("/usr/share/unifont/unifont.hex"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray prefix = QByteArray(codePoint) + ':';
    while (!f.atEnd()) {
        const QByteArray line = f.readLine().trimmed();
        if (line.startsWith(prefix))
            return QByteArray::fromHex(line.mid(prefix.size()));
    }
    return {};
}

const QByteArray english = readAll(QStringLiteral(ZD740_BIN_DIR "/lib/DZ_EN.LIS"));
const QByteArray chinese = readAll(QStringLiteral(ZD740_BIN_DIR "/lib/DZ_CH.LIS"));

QByteArray chineseGlyph(unsigned char b1, unsigned char b2)
{
    return chinese.mid(((b1 - 0xA1) * 94 + (b2 - 0xA1)) * 32, 32);
}

} // namespace

TEST(PanelFonts, EnglishGlyphsByByteValue)
{
    ASSERT_EQ(english.size(), 256 * 16);
    EXPECT_EQ(english.mid('A' * 16, 16), unifontGlyph("0041"));
    EXPECT_EQ(english.mid('~' * 16, 16), unifontGlyph("007E"));
    EXPECT_EQ(english.mid(0x80 * 16, 16), unifontGlyph("20AC")); // the euro sign of the code page
    EXPECT_EQ(english.mid(0xB0 * 16, 16), QByteArray(16, '\0')); // a lead byte is no character
}

TEST(PanelFonts, ChineseGlyphsByZoneAndPosition)
{
    ASSERT_EQ(chinese.size(), 94 * 94 * 32);
    EXPECT_EQ(chineseGlyph(0xB0, 0xA1), unifontGlyph("554A")); // 啊, first character of zone 16
    EXPECT_EQ(chineseGlyph(0xCE, 0xC4), unifontGlyph("6587")); // 文
    EXPECT_EQ(chineseGlyph(0xA3, 0xC1), unifontGlyph("FF21")); // full-width A
    EXPECT_EQ(chineseGlyph(0xAA, 0xA1), QByteArray(32, '\0')); // zone 10 holds no characters
}
