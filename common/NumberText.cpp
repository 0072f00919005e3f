#include "NumberText.h"

#include "EConvertError.h"
#include "LocaleInfo.h"
#include "Rounding.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {

[[noreturn]] void throwNotInteger(const QString& text)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
}

[[noreturn]] void throwNotFloat(const QString& text)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text).toStdString());
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// The standard integer conversion: leading blanks, an optional sign, "$" or
// "0x" for hexadecimal, then digits to the end of the text.
std::int32_t parseInteger(const QString& text)
{
    int i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        throwNotInteger(text);
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int d = hexDigit(text[i]);
        if (d < 0 || d >= base)
            throwNotInteger(text);
        value = value * base + d;
        if (value > std::int64_t(std::numeric_limits<std::uint32_t>::max()))
            throwNotInteger(text);
    }
    if (base == 16)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(negative ? -value : value));
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min())
        throwNotInteger(text);
    return static_cast<std::int32_t>(value);
}

// A decimal number as users type it: optional sign, digits with the regional
// decimal separator (or "."), optional exponent.
double parseFloat(const QString& text)
{
    QString t = text;
    const QChar sep = DecimalSeparator();
    if (sep != u'.')
        t.replace(sep, u'.');
    static const QRegularExpression pattern(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!pattern.match(t).hasMatch())
        throwNotFloat(text);
    bool ok = false;
    const double x = t.toDouble(&ok);
    if (!ok || !std::isfinite(x))
        throwNotFloat(text);
    return x;
}

std::int32_t to16Bit(double x)
{
    // fmod is exact and 65536 is even, so rounding the remainder rounds as the
    // whole value would; masking gives negatives as their two's complement.
    const std::int64_t r = RoundHalfEven(std::fmod(x, 65536.0));
    return static_cast<std::int32_t>(static_cast<std::uint64_t>(r) & 0xFFFFu);
}

} // namespace

std::int32_t ParseNumber(int kind, const QString& text)
{
    switch (kind) {
    case 0:
        return parseInteger(text);
    case 1:
        return HexToInt(text);
    default: {
        const QString t = text.trimmed();
        if (t == u"-" || t == u"+")
            return 0;
        return to16Bit(parseFloat(t));
    }
    }
}

std::int32_t HexToInt(const QString& text)
{
    std::uint32_t value = 0;
    for (QChar c : text) {
        const int d = hexDigit(c);
        value = d < 0 ? 0 : (value << 4) | static_cast<std::uint32_t>(d);
    }
    return static_cast<std::int32_t>(value);
}

bool IsHexText(const QString& text)
{
    for (QChar c : text)
        if (hexDigit(c) < 0)
            return false;
    return true;
}

QString IntToBin(std::uint32_t value, int width)
{
    QString digits = QString::number(value, 2);
    if (digits.size() < width)
        digits.prepend(QString(width - digits.size(), u'0'));
    return digits;
}

std::int32_t BinToInt(const QString& text)
{
    std::uint32_t value = 0;
    for (QChar c : text) {
        if (!c.isDigit() || c.unicode() > '9')
            throwNotInteger(QString(c));
        value = value * 2 + static_cast<std::uint32_t>(c.unicode() - '0');
    }
    return static_cast<std::int32_t>(value);
}

QString StripLeadingZeros(const QString& text)
{
    for (int i = 0; i < text.size(); ++i)
        if (text[i] != u'0')
            return text.mid(i);
    return QStringLiteral("0");
}

std::int32_t RoundTo4(std::int32_t n)
{
    const std::int32_t rest = n % 4;
    return rest == 3 ? n + 1 : n - rest;
}

std::int32_t CeilInt(double x)
{
    return static_cast<std::int32_t>(std::ceil(x));
}

std::uint16_t MakeWord(std::uint8_t hi, std::uint8_t lo)
{
    return static_cast<std::uint16_t>((hi << 8) | lo);
}

std::uint8_t HiByte(std::uint16_t w)
{
    return static_cast<std::uint8_t>(w >> 8);
}

std::uint32_t MakeDword(std::uint8_t b3, std::uint8_t b2, std::uint8_t b1, std::uint8_t b0)
{
    return (std::uint32_t(b3) << 24) | (std::uint32_t(b2) << 16) | (std::uint32_t(b1) << 8) | b0;
}

std::array<std::uint8_t, 4> SplitDword(std::uint32_t v)
{
    return {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
}

std::int64_t DecodePlcValue(int sizeKind, int format, std::uint8_t b3, std::uint8_t b2, std::uint8_t b1,
                            std::uint8_t b0)
{
    const bool isSigned = format == 2;
    switch (sizeKind) {
    case 0:
        return isSigned ? std::int64_t(std::int8_t(b1)) : std::int64_t(b1);
    case 1: {
        const std::uint16_t w = MakeWord(b2, b1);
        return isSigned ? std::int64_t(std::int16_t(w)) : std::int64_t(w);
    }
    case 2: {
        const std::uint32_t d = MakeDword(b3, b2, b1, b0);
        return isSigned ? std::int64_t(std::int32_t(d)) : std::int64_t(d);
    }
    default:
        return 0;
    }
}

QString FormatVersionText(std::uint32_t v)
{
    const auto b = SplitDword(v);
    return QStringLiteral("%1.%2.%3.%4")
        .arg(b[0])
        .arg(b[1], 2, 10, QLatin1Char('0'))
        .arg(b[2])
        .arg(b[3], 2, 10, QLatin1Char('0'));
}

int LastIndexOfChar(QChar c, const QString& text)
{
    return text.lastIndexOf(c) + 1;
}

QString TextAfter(const QString& separator, const QString& text)
{
    const int at = text.indexOf(separator);
    return at < 0 ? text : text.mid(at + separator.size());
}

QString MarkupToLines(const QString& text)
{
    QString result = text;
    result.replace(QStringLiteral("<p>"), QStringLiteral("\n"), Qt::CaseInsensitive);
    return result.trimmed();
}
