#pragma once

#include <QByteArray>
#include <cstdint>

// Numbers written the way the alarm list names PLC bits (ASCII).
namespace RadixText {

// Decimal, with a leading "-" for negative values; at least minDigits digits
// (zero-padded after the sign).
QByteArray dec(std::int64_t value, int minDigits = 1);
// Upper-case hexadecimal of the value's two's-complement bits, so a negative
// 32-bit value gives 8 digits and a negative 64-bit value 16; hex64 writes
// at least minDigits digits.
QByteArray hex32(std::int32_t value);
QByteArray hex64(std::int64_t value, int minDigits = 1);
// Octal without prefix, with a leading "-" for negative values.
QByteArray oct(std::int64_t value);

} // namespace RadixText
