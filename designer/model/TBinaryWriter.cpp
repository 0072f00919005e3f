#include "TBinaryWriter.h"

#include "GbkCodec.h"

#include <QtEndian>

#include <cstring>

void TBinaryWriter::u16(std::uint16_t v)
{
    char b[2];
    qToLittleEndian(v, b);
    data_.append(b, 2);
}

void TBinaryWriter::i32(std::int32_t v)
{
    char b[4];
    qToLittleEndian(v, b);
    data_.append(b, 4);
}

void TBinaryWriter::i64(std::int64_t v)
{
    char b[8];
    qToLittleEndian(v, b);
    data_.append(b, 8);
}

void TBinaryWriter::f64(double v)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    char b[8];
    qToLittleEndian(bits, b);
    data_.append(b, 8);
}

void TBinaryWriter::fixed(const QByteArray& b, qsizetype count)
{
    data_.append(b.left(count));
    if (b.size() < count)
        zeros(count - b.size());
}

void TBinaryWriter::string(const QByteArray& text)
{
    const QByteArray fitted = GbkCodec::cutToBytes(text, 65535);
    u16(std::uint16_t(fitted.size()));
    data_.append(fitted);
    u8(0);
}

void TBinaryWriter::patchI32(qsizetype at, std::int32_t v)
{
    if (at < 0 || at + 4 > data_.size())
        return;
    qToLittleEndian(v, data_.data() + at);
}
