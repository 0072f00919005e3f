#pragma once

#include <QByteArray>
#include <QString>

// Texts are stored as GBK byte strings (projects, catalogue files, the options
// and language files, the download image). This codec converts them at the Qt
// boundary and answers the byte-level questions the editor asks.
class GbkCodec
{
public:
    // Undecodable bytes become U+FFFD; the stored bytes themselves are never
    // changed by showing them.
    static QString toUnicode(const QByteArray& gbk);

    // Characters GBK cannot hold become "?". When unencodable is given it
    // receives those characters, each once, in order of appearance.
    static QByteArray fromUnicode(const QString& text, QString* unencodable = nullptr);

    // The characters of text that GBK cannot hold, each once.
    static QString unencodableChars(const QString& text);

    // Bytes the text takes in GBK: 1 per single-byte character, 2 per Chinese one.
    static int byteCount(const QString& text);

    // Whether b starts a two-byte character.
    static bool isLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

    // The longest prefix of at most maxBytes bytes that does not split a
    // two-byte character.
    static QByteArray cutToBytes(const QByteArray& gbk, int maxBytes);
};
