#include "JsonFields.h"

#include "EJsonField.h"
#include "GbkCodec.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {

// A double holds the integers of int64's range only roughly; a number below
// -2^63 or from 2^63 up is outside it whatever the JSON text said.
constexpr double Int64Limit = 9223372036854775808.0;

QString numberText(double d)
{
    return QString::number(d, 'g', QLocale::FloatingPointShortest);
}

} // namespace

void JsonFields::fail(const QString& path, const QString& what)
{
    throw EJsonField(path, what);
}

QString JsonFields::inside(const QString& path, const QString& key)
{
    return path.isEmpty() ? key : path + u'.' + key;
}

QString JsonFields::at(const QString& path, qsizetype index)
{
    return QStringLiteral("%1[%2]").arg(path).arg(index);
}

QString JsonFields::kindOf(const QJsonValue& v)
{
    switch (v.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("a true/false value");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a text");
    case QJsonValue::Array:
        return QStringLiteral("a list");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    default:
        return QStringLiteral("nothing");
    }
}

std::int64_t JsonFields::toInteger(const QJsonValue& v, const QString& path, std::int64_t min,
                                   std::int64_t max)
{
    if (!v.isDouble())
        fail(path, QStringLiteral("expected a whole number, found %1").arg(kindOf(v)));
    const double d = v.toDouble();
    if (!std::isfinite(d) || std::trunc(d) != d)
        fail(path, QStringLiteral("%1 is not a whole number").arg(numberText(d)));
    if (d < -Int64Limit || d >= Int64Limit)
        fail(path, QStringLiteral("%1 is outside %2 to %3").arg(numberText(d)).arg(min).arg(max));
    // toInteger keeps integers that the JSON text gave beyond double precision.
    const std::int64_t i = v.toInteger(static_cast<std::int64_t>(d));
    if (i < min || i > max)
        fail(path, QStringLiteral("%1 is outside %2 to %3").arg(i).arg(min).arg(max));
    return i;
}

double JsonFields::toNumber(const QJsonValue& v, const QString& path)
{
    if (!v.isDouble())
        fail(path, QStringLiteral("expected a number, found %1").arg(kindOf(v)));
    return v.toDouble();
}

bool JsonFields::toBool(const QJsonValue& v, const QString& path)
{
    if (!v.isBool())
        fail(path, QStringLiteral("expected true or false, found %1").arg(kindOf(v)));
    return v.toBool();
}

QByteArray JsonFields::toText(const QJsonValue& v, const QString& path)
{
    if (!v.isString())
        fail(path, QStringLiteral("expected a text, found %1").arg(kindOf(v)));
    QString unencodable;
    QByteArray gbk = GbkCodec::fromUnicode(v.toString(), &unencodable);
    if (!unencodable.isEmpty())
        fail(path, QStringLiteral("GBK cannot hold \"%1\"").arg(unencodable));
    return gbk;
}

QByteArray JsonFields::toHex(const QJsonValue& v, const QString& path, qsizetype size)
{
    if (!v.isString())
        fail(path, QStringLiteral("expected hex digits, found %1").arg(kindOf(v)));
    const QString text = v.toString();
    static const QRegularExpression hexPairs(QStringLiteral("^([0-9A-Fa-f]{2})*$"));
    if (!hexPairs.match(text).hasMatch())
        fail(path, QStringLiteral("\"%1\" is not a run of hex byte pairs").arg(text));
    const QByteArray bytes = QByteArray::fromHex(text.toLatin1());
    if (size >= 0 && bytes.size() != size)
        fail(path, QStringLiteral("holds %1 bytes instead of %2").arg(bytes.size()).arg(size));
    return bytes;
}

QByteArray JsonFields::toBase64(const QJsonValue& v, const QString& path)
{
    if (!v.isString())
        fail(path, QStringLiteral("expected base64 bytes, found %1").arg(kindOf(v)));
    const auto decoded =
        QByteArray::fromBase64Encoding(v.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        fail(path, QStringLiteral("expected base64 bytes, found a text that is not base64"));
    return *decoded;
}

QJsonArray JsonFields::toArray(const QJsonValue& v, const QString& path, qsizetype maxCount)
{
    if (!v.isArray())
        fail(path, QStringLiteral("expected a list, found %1").arg(kindOf(v)));
    QJsonArray array = v.toArray();
    if (array.size() > maxCount)
        fail(path, QStringLiteral("%1 entries, at most %2 are stored").arg(array.size()).arg(maxCount));
    return array;
}

QJsonObject JsonFields::toObject(const QJsonValue& v, const QString& path)
{
    if (!v.isObject())
        fail(path, QStringLiteral("expected an object, found %1").arg(kindOf(v)));
    return v.toObject();
}

QJsonValue JsonFields::textValue(const QByteArray& gbk)
{
    return GbkCodec::toUnicode(gbk);
}

std::optional<QJsonValue> JsonFields::take(const char* key) const
{
    const QString name = QLatin1String(key);
    taken_.insert(name);
    if (!json_.contains(name))
        return std::nullopt;
    return json_.value(name);
}

void JsonFields::rejectUnknown() const
{
    for (auto it = json_.begin(); it != json_.end(); ++it) {
        if (!taken_.contains(it.key()))
            fail(pathOf(it.key()), QStringLiteral("no such field"));
    }
}

void JsonFields::read(const char* key, std::int32_t& value) const
{
    if (const auto v = take(key))
        value = static_cast<std::int32_t>(toInteger(*v, pathOf(key), std::numeric_limits<std::int32_t>::min(),
                                                    std::numeric_limits<std::int32_t>::max()));
}

void JsonFields::read(const char* key, std::int64_t& value) const
{
    if (const auto v = take(key))
        value = toInteger(*v, pathOf(key), std::numeric_limits<std::int64_t>::min(),
                          std::numeric_limits<std::int64_t>::max());
}

void JsonFields::read(const char* key, std::uint8_t& value) const
{
    if (const auto v = take(key))
        value = static_cast<std::uint8_t>(toInteger(*v, pathOf(key), 0, 255));
}

void JsonFields::read(const char* key, bool& value) const
{
    if (const auto v = take(key))
        value = toBool(*v, pathOf(key));
}

void JsonFields::read(const char* key, double& value) const
{
    if (const auto v = take(key))
        value = toNumber(*v, pathOf(key));
}

void JsonFields::readText(const char* key, QByteArray& value) const
{
    if (const auto v = take(key))
        value = toText(*v, pathOf(key));
}

void JsonFields::readHex(const char* key, QByteArray& value, qsizetype size) const
{
    if (const auto v = take(key))
        value = toHex(*v, pathOf(key), size);
}

void JsonFields::readBase64(const char* key, QByteArray& value) const
{
    if (const auto v = take(key))
        value = toBase64(*v, pathOf(key));
}

bool JsonFields::readArray(const char* key, QJsonArray& value, qsizetype maxCount) const
{
    const auto v = take(key);
    if (v)
        value = toArray(*v, pathOf(key), maxCount);
    return v.has_value();
}

bool JsonFields::readObject(const char* key, QJsonObject& value) const
{
    const auto v = take(key);
    if (v)
        value = toObject(*v, pathOf(key));
    return v.has_value();
}
