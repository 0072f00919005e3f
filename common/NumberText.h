#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Number and text helpers shared by the model, the property panels, the image
// builder and devroll. All are stateless; texts are Unicode here, the GBK byte
// form lives in GbkCodec.

// kind 0: decimal integer (optional sign, "$" or "0x" for hexadecimal), raises
//         EConvertError on bad text or overflow;
// kind 1: HexToInt;
// kind 2: trimmed decimal number where a lone "-" or "+" is 0, rounded halves to
//         even; the result is a 16-bit value, negatives as their two's
//         complement (-1.4 gives 65535). Raises EConvertError on bad text.
std::int32_t ParseNumber(int kind, const QString& text);

// Hexadecimal digits accumulate base 16; any other character sets the value so
// far back to 0 and the scan goes on. More than eight digits wrap to 32 bits.
std::int32_t HexToInt(const QString& text);

bool IsHexText(const QString& text);
QString IntToBin(std::uint32_t value, int width);
// Each character is a decimal digit accumulated base 2; raises EConvertError on
// a character that is not a digit.
std::int32_t BinToInt(const QString& text);
QString StripLeadingZeros(const QString& text);

std::int32_t RoundTo4(std::int32_t n);
std::int32_t CeilInt(double x);

std::uint16_t MakeWord(std::uint8_t hi, std::uint8_t lo);
std::uint8_t HiByte(std::uint16_t w);
std::uint32_t MakeDword(std::uint8_t b3, std::uint8_t b2, std::uint8_t b1, std::uint8_t b0);
// {b3, b2, b1, b0}, b3 the most significant byte.
std::array<std::uint8_t, 4> SplitDword(std::uint32_t v);

// sizeKind 0: byte b1; 1: word b2:b1; 2: dword b3:b2:b1:b0. Signed when format is 2.
std::int64_t DecodePlcValue(int sizeKind, int format, std::uint8_t b3, std::uint8_t b2, std::uint8_t b1,
                            std::uint8_t b0);

// "2.04.1.07" for the bytes 2, 4, 1, 7 (most significant first).
QString FormatVersionText(std::uint32_t v);

// 1-based position of the last c in text, 0 when absent.
int LastIndexOfChar(QChar c, const QString& text);
// The text after the first occurrence of separator; the whole text when absent.
QString TextAfter(const QString& separator, const QString& text);
// Every "<p>" (any case) becomes a line break; the result is trimmed.
QString MarkupToLines(const QString& text);
