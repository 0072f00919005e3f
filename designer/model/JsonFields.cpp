#include "JsonFields.h"

#include "EReadError.h"
#include "GbkCodec.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

namespace {

// Doubles represent every integer up to 2^63 in magnitude only roughly; an
// int64 above that cannot come from a JSON number.
constexpr double Int64Limit = 9223372036854775808.0;

} // namespace

void JsonFields::fail(const QString& path, const QString& what)
{
    throw EReadError(QStringLiteral("JSON field %1: %2").arg(path, what).toStdString());
}

QString JsonFields::pathOf(const QString& key) const
{
    return path_.isEmpty() ? key : path_ + u'.' + key;
}

std::int64_t JsonFields::toInteger(const QJsonValue& v, const QString& path, std::int64_t min,
                                   std::int64_t max)
{
    if (!v.isDouble())
        fail(path, QStringLiteral("expected a number"));
    const double d = v.toDouble();
    if (!std::isfinite(d) || std::trunc(d) != d || std::fabs(d) >= Int64Limit)
        fail(path, QStringLiteral("expected an integer"));
    // toInteger keeps integers that JSON text gave beyond double precision.
    const std::int64_t i = v.toInteger(static_cast<std::int64_t>(d));
    if (i < min || i > max)
        fail(path, QStringLiteral("%1 lies outside %2..%3").arg(i).arg(min).arg(max));
    return i;
}

QByteArray JsonFields::toText(const QJsonValue& v, const QString& path)
{
    if (!v.isString())
        fail(path, QStringLiteral("expected a text"));
    QString unencodable;
    QByteArray gbk = GbkCodec::fromUnicode(v.toString(), &unencodable);
    if (!unencodable.isEmpty())
        fail(path, QStringLiteral("GBK cannot hold the characters \"%1\"").arg(unencodable));
    return gbk;
}

QJsonObject JsonFields::toObject(const QJsonValue& v, const QString& path)
{
    if (!v.isObject())
        fail(path, QStringLiteral("expected an object"));
    return v.toObject();
}

QJsonValue JsonFields::textValue(const QByteArray& gbk)
{
    return GbkCodec::toUnicode(gbk);
}

void JsonFields::read(const char* key, std::int32_t& value) const
{
    if (contains(key))
        value = static_cast<std::int32_t>(toInteger(this->value(key), pathOf(QLatin1String(key)),
                                                    std::numeric_limits<std::int32_t>::min(),
                                                    std::numeric_limits<std::int32_t>::max()));
}

void JsonFields::read(const char* key, std::int64_t& value) const
{
    if (contains(key))
        value = toInteger(this->value(key), pathOf(QLatin1String(key)),
                          std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max());
}

void JsonFields::read(const char* key, std::uint8_t& value) const
{
    if (contains(key))
        value = static_cast<std::uint8_t>(toInteger(this->value(key), pathOf(QLatin1String(key)), 0, 255));
}

void JsonFields::read(const char* key, bool& value) const
{
    if (!contains(key))
        return;
    const QJsonValue v = this->value(key);
    if (!v.isBool())
        fail(pathOf(QLatin1String(key)), QStringLiteral("expected true or false"));
    value = v.toBool();
}

void JsonFields::read(const char* key, double& value) const
{
    if (!contains(key))
        return;
    const QJsonValue v = this->value(key);
    if (!v.isDouble())
        fail(pathOf(QLatin1String(key)), QStringLiteral("expected a number"));
    value = v.toDouble();
}

void JsonFields::readText(const char* key, QByteArray& value) const
{
    if (contains(key))
        value = toText(this->value(key), pathOf(QLatin1String(key)));
}

void JsonFields::readHex(const char* key, QByteArray& value, qsizetype size) const
{
    if (!contains(key))
        return;
    const QString path = pathOf(QLatin1String(key));
    const QJsonValue v = this->value(key);
    if (!v.isString())
        fail(path, QStringLiteral("expected a hexadecimal text"));
    const QByteArray text = v.toString().toLatin1();
    const QByteArray bytes = QByteArray::fromHex(text);
    const bool allHex = std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(uchar(c)); });
    if (!allHex || text.size() != 2 * size || bytes.size() != size)
        fail(path, QStringLiteral("expected %1 hexadecimal digits").arg(2 * size));
    value = bytes;
}

void JsonFields::readBase64(const char* key, QByteArray& value) const
{
    if (!contains(key))
        return;
    const QString path = pathOf(QLatin1String(key));
    const QJsonValue v = this->value(key);
    if (!v.isString())
        fail(path, QStringLiteral("expected a base64 text"));
    const auto decoded =
        QByteArray::fromBase64Encoding(v.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        fail(path, QStringLiteral("expected a base64 text"));
    value = *decoded;
}

bool JsonFields::readArray(const char* key, QJsonArray& value, qsizetype maxCount) const
{
    if (!contains(key))
        return false;
    const QString path = pathOf(QLatin1String(key));
    const QJsonValue v = this->value(key);
    if (!v.isArray())
        fail(path, QStringLiteral("expected an array"));
    if (v.toArray().size() > maxCount)
        fail(path, QStringLiteral("holds more than %1 entries").arg(maxCount));
    value = v.toArray();
    return true;
}

bool JsonFields::readObject(const char* key, QJsonObject& value) const
{
    if (!contains(key))
        return false;
    value = toObject(this->value(key), pathOf(QLatin1String(key)));
    return true;
}
