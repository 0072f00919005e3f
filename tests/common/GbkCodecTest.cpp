#include "GbkCodec.h"

#include <gtest/gtest.h>

namespace {
QByteArray bytes(std::initializer_list<unsigned char> list)
{
    QByteArray b;
    for (unsigned char c : list)
        b += char(c);
    return b;
}
} // namespace

TEST(GbkCodec, RoundTripsChineseAndAscii)
{
    const QString text = QStringLiteral("A文本串1");
    const QByteArray gbk = GbkCodec::fromUnicode(text);
    EXPECT_EQ(gbk, bytes({'A', 0xCE, 0xC4, 0xB1, 0xBE, 0xB4, 0xAE, '1'}));
    EXPECT_EQ(GbkCodec::toUnicode(gbk), text);
    // The Windows code page puts the euro sign at 0x80.
    EXPECT_EQ(GbkCodec::fromUnicode(QStringLiteral("€")), bytes({0x80}));
    EXPECT_EQ(GbkCodec::toUnicode(bytes({0x80})), QStringLiteral("€"));
}

TEST(GbkCodec, CountsBytes)
{
    EXPECT_EQ(GbkCodec::byteCount(QStringLiteral("ab文")), 4);
    EXPECT_EQ(GbkCodec::byteCount(QString()), 0);
    EXPECT_EQ(GbkCodec::byteCount(QStringLiteral("繁體")), 4); // traditional characters are in GBK too
}

TEST(GbkCodec, ReportsWhatItCannotHold)
{
    QString missing;
    const QByteArray gbk = GbkCodec::fromUnicode(QStringLiteral("aç😀ç文"), &missing);
    EXPECT_EQ(missing, QStringLiteral("ç😀"));
    EXPECT_EQ(gbk, QByteArray("a???") + GbkCodec::fromUnicode(QStringLiteral("文")));
    EXPECT_TRUE(
        GbkCodec::unencodableChars(QStringLiteral("文本 abc é")).isEmpty()); // pinyin letters are in GBK
}

TEST(GbkCodec, BadBytesShowAsReplacementWithoutLosingTheRest)
{
    // 0xFF is no GBK byte; a lone lead byte at the end has no trail.
    const QString shown = GbkCodec::toUnicode(bytes({'a', 0xFF, 'b', 0xCE}));
    EXPECT_EQ(shown, QStringLiteral("a\uFFFDb\uFFFD"));
}

TEST(GbkCodec, CutsWithoutSplittingACharacter)
{
    const QByteArray gbk = GbkCodec::fromUnicode(QStringLiteral("a文b"));
    const struct
    {
        int n;
        QByteArray expected;
    } cases[] = {
        {0, ""}, {1, "a"}, {2, "a"}, {3, gbk.left(3)}, {4, gbk}, {10, gbk}, {-1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GbkCodec::cutToBytes(gbk, c.n), c.expected) << c.n;
    // A lone lead byte at the end counts as one byte.
    EXPECT_EQ(GbkCodec::cutToBytes(bytes({'x', 0xCE}), 2), bytes({'x', 0xCE}));
}
