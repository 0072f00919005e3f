#include "TRecordBytes.h"

#include "EEncodeError.h"
#include "TLCDBlockObj.h"

namespace {

QString objectName(int typeCode)
{
    switch (typeCode) {
    case 411:
        return QStringLiteral("lamp");
    case 412:
        return QStringLiteral("function key");
    case 413:
        return QStringLiteral("static text");
    case 414:
        return QStringLiteral("state text");
    case 415:
        return QStringLiteral("register");
    case 416:
        return QStringLiteral("bar graph");
    case 417:
        return QStringLiteral("trend chart");
    case 418:
        return QStringLiteral("bitmap");
    case 420:
        return QStringLiteral("message display");
    case 421:
        return QStringLiteral("time display");
    default:
        return QStringLiteral("object %1").arg(typeCode);
    }
}

} // namespace

TRecordBytes::TRecordBytes(int blockType, const TLCDBlockObj& object, const TEncodeContext& context)
    : object_(object), context_(context)
{
    u8(blockType);
    u16(0);
    u8(object.Y);
    u8(object.X);
}

void TRecordBytes::u8(std::int64_t value)
{
    bytes_.append(char(value & 0xFF));
}

void TRecordBytes::u16(std::int64_t value)
{
    u8(value >> 8);
    u8(value);
}

void TRecordBytes::append(const QByteArray& bytes)
{
    bytes_.append(bytes);
}

void TRecordBytes::int16(std::int64_t value, const char* field)
{
    if (value < -32768 || value > 65535)
        fail(QStringLiteral("%1 %2 does not fit 16 bits").arg(QLatin1String(field)).arg(value));
    u16(value);
}

void TRecordBytes::int32(std::int64_t value, const char* field)
{
    if (value < INT32_MIN || value > std::int64_t(UINT32_MAX))
        fail(QStringLiteral("%1 %2 does not fit 32 bits").arg(QLatin1String(field)).arg(value));
    u16(value >> 16);
    u16(value);
}

void TRecordBytes::setU8(int offset, std::int64_t value)
{
    bytes_[offset] = char(value & 0xFF);
}

void TRecordBytes::setU16(int offset, std::int64_t value)
{
    setU8(offset, value >> 8);
    setU8(offset + 1, value);
}

QByteArray TRecordBytes::finish()
{
    if (bytes_.size() > 0xFFFF)
        fail(QStringLiteral("the record takes %1 bytes, more than the panel's 65535").arg(bytes_.size()));
    setU16(1, bytes_.size());
    return bytes_;
}

void TRecordBytes::fail(const QString& what) const
{
    throw EEncodeError(QStringLiteral("%1, %2 at (%3, %4): %5")
                           .arg(context_.screen, objectName(object_.TypeCode))
                           .arg(object_.X)
                           .arg(object_.Y)
                           .arg(what));
}
