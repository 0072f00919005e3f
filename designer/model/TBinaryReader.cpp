#include "TBinaryReader.h"

#include "EReadError.h"

#include <QtEndian>

#include <cstring>

TBinaryReader::TBinaryReader(QByteArray data, QString source) : data_(std::move(data)), source_(std::move(source))
{
}

void TBinaryReader::fail(const QString& what, const char* field) const
{
    QString message = QStringLiteral("%1 at byte %2 (%3)").arg(what).arg(pos_).arg(QLatin1String(field));
    if (!source_.isEmpty())
        message = source_ + QStringLiteral(": ") + message;
    throw EReadError(message.toStdString());
}

const char* TBinaryReader::take(qsizetype count, const char* field)
{
    if (count < 0 || count > remaining())
        fail(QStringLiteral("the file ends early"), field);
    const char* at = data_.constData() + pos_;
    pos_ += count;
    return at;
}

std::uint8_t TBinaryReader::u8(const char* field)
{
    return static_cast<std::uint8_t>(*take(1, field));
}

std::uint16_t TBinaryReader::u16(const char* field)
{
    return qFromLittleEndian<std::uint16_t>(take(2, field));
}

std::int32_t TBinaryReader::i32(const char* field)
{
    return qFromLittleEndian<std::int32_t>(take(4, field));
}

std::int64_t TBinaryReader::i64(const char* field)
{
    return qFromLittleEndian<std::int64_t>(take(8, field));
}

double TBinaryReader::f64(const char* field)
{
    const auto bits = qFromLittleEndian<std::uint64_t>(take(8, field));
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArray TBinaryReader::bytes(qsizetype count, const char* field)
{
    const char* at = take(count, field);
    return QByteArray(at, count);
}

void TBinaryReader::skip(qsizetype count, const char* field)
{
    take(count, field);
}

QByteArray TBinaryReader::string(const char* field)
{
    const std::uint16_t length = u16(field);
    if (qsizetype(length) + 1 > remaining())
        fail(QStringLiteral("a text of %1 bytes does not fit in the rest of the file").arg(length), field);
    QByteArray text = bytes(length, field);
    skip(1, field); // the terminating zero, not counted
    return text;
}

std::int32_t TBinaryReader::count(const char* field, qsizetype minRecordBytes)
{
    const std::int32_t n = i32(field);
    if (n < 0)
        fail(QStringLiteral("negative count %1").arg(n), field);
    if (minRecordBytes > 0 && qsizetype(n) > remaining() / minRecordBytes)
        fail(QStringLiteral("count %1 does not fit in the rest of the file").arg(n), field);
    return n;
}

void TBinaryReader::seekForward(qsizetype position, const char* field)
{
    if (position < pos_ || position > data_.size())
        fail(QStringLiteral("position %1 lies outside the rest of the file").arg(position), field);
    pos_ = position;
}
