#include "RadixText.h"

namespace {

std::uint64_t magnitude(std::int64_t value)
{
    // 0 - x in unsigned arithmetic also covers the most negative value.
    return value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
}

QByteArray digits(std::uint64_t value, int base, int minDigits)
{
    QByteArray text = QByteArray::number(static_cast<qulonglong>(value), base).toUpper();
    if (text.size() < minDigits)
        text.prepend(QByteArray(minDigits - text.size(), '0'));
    return text;
}

QByteArray signedDigits(std::int64_t value, int base, int minDigits)
{
    const QByteArray text = digits(magnitude(value), base, minDigits);
    return value < 0 ? "-" + text : text;
}

} // namespace

namespace RadixText {

QByteArray dec(std::int64_t value, int minDigits)
{
    return signedDigits(value, 10, minDigits);
}

QByteArray hex32(std::int32_t value)
{
    return digits(std::uint32_t(value), 16, 1);
}

QByteArray hex64(std::int64_t value, int minDigits)
{
    return digits(std::uint64_t(value), 16, minDigits);
}

QByteArray oct(std::int64_t value)
{
    return signedDigits(value, 8, 1);
}

} // namespace RadixText
