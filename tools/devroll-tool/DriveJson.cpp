#include "DriveJson.h"

#include "GbkCodec.h"

#include <QJsonArray>
#include <QSet>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <concepts>
#include <limits>

namespace {

// ---- the fields, once for both directions ----
// Each eachField calls f(name, member) for every stored field, in file order.

template <typename Part, typename F>
requires std::same_as<std::remove_const_t<Part>, Tdrivepart>
void eachField(Part& p, F&& f)
{
    f("Editable", p.Editable);
    f("Visible", p.Visible);
    f("MinValue", p.MinValue);
    f("MaxValue", p.MaxValue);
    f("DefValue", p.DefValue);
    f("Radix", p.Radix);
}

template <typename Item, typename F> void eachHeadField(Item& t, F&& f)
{
    f("Name", t.Name);
    f("Code", t.Code);
    f("CodeIsIndex", t.CodeIsIndex);
    f("Parts", t.Parts);
    f("AddrFormat", t.AddrFormat);
    f("StorePos", t.StorePos);
    f("PackMode", t.PackMode);
    f("FactorA", t.FactorA);
    f("FactorB", t.FactorB);
    f("OffsetC", t.OffsetC);
}

template <typename Bit, typename F>
requires std::same_as<std::remove_const_t<Bit>, TdrivevalueL>
void eachField(Bit& t, F&& f)
{
    eachHeadField(t, f);
    f("AlarmMaxMode", t.AlarmMaxMode);
    f("AlarmMaxRows", t.AlarmMaxRows);
    f("MaxAdd", t.MaxAdd);
    f("ForLamp", t.ForLamp);
    f("ForKey", t.ForKey);
    f("ForAlarm", t.ForAlarm);
}

template <typename Word, typename F>
requires std::same_as<std::remove_const_t<Word>, TdrivevalueD>
void eachField(Word& t, F&& f)
{
    eachHeadField(t, f);
    f("CountEditable", t.CountEditable);
    f("CountVisible", t.CountVisible);
    f("CountMin", t.CountMin);
    f("CountMax", t.CountMax);
    f("CountDefault", t.CountDefault);
    f("DataBits", t.DataBits);
    f("LimitEnabled", t.LimitEnabled);
    f("LimitAddress", t.LimitAddress);
    f("LimitCount", t.LimitCount);
    f("ValueEditable", t.ValueEditable);
    f("ValueSpare", t.ValueSpare);
    f("ValueMin", t.ValueMin);
    f("ValueMax", t.ValueMax);
    f("ValueDefault", t.ValueDefault);
    f("ForKey", t.ForKey);
    f("ForDText", t.ForDText);
    f("ForRegister", t.ForRegister);
    f("ForGraph", t.ForGraph);
}

template <typename History, typename F>
requires std::same_as<std::remove_const_t<History>, Tlisirecord>
void eachField(History& h, F&& f)
{
    f("Version", h.Version);
    f("Editor", h.Editor);
    f("EditTime", h.EditTime);
    f("Notes", h.Notes);
}

template <typename Record, typename F>
requires std::same_as<std::remove_const_t<Record>, TZd740drive>
void eachField(Record& r, F&& f)
{
    f("PassProtect", r.PassProtect);
    f("Password", r.Password);
    f("Reserved", r.Reserved);
    f("Captions", r.Captions);
    f("PlcID", r.PlcID);
    f("BasedOnOther", r.BasedOnOther);
    f("BaseID", r.BaseID);
    f("StationEditable", r.StationEditable);
    f("StationUsed", r.StationUsed);
    f("StationMin", r.StationMin);
    f("StationMax", r.StationMax);
    f("StationDefault", r.StationDefault);
    f("StationRadix", r.StationRadix);
    f("BitTypes", r.BitTypes);
    f("BaudRate", r.BaudRate);
    f("DataBits", r.DataBits);
    f("Parity", r.Parity);
    f("StopBits", r.StopBits);
    f("CommExtra", r.CommExtra);
    f("WordTypes", r.WordTypes);
    f("History", r.History);
    f("PlcIndex", r.PlcIndex);
    f("SpareTable", r.SpareTable);
}

template <typename T>
concept Structured = requires(T& t)
{
    eachField(t, [](const char*, auto&) {});
};

// ---- to JSON ----

template <Structured T> QJsonValue toValue(const T& s);
template <typename T, size_t N> QJsonValue toValue(const std::array<T, N>& list);
template <typename T> QJsonValue toValue(const std::vector<T>& list);

QJsonValue toValue(const QByteArray& text)
{
    return GbkCodec::toUnicode(text);
}

QJsonValue toValue(double v)
{
    if (std::isnan(v))
        return QStringLiteral("nan");
    if (std::isinf(v))
        return v > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    return v;
}

template <std::integral T> QJsonValue toValue(T v)
{
    return qint64(v);
}

QJsonValue toValue(const std::array<std::uint8_t, 201>& spare)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(spare.data()), qsizetype(spare.size())).toHex());
}

template <Structured T> QJsonValue toValue(const T& s)
{
    QJsonObject o;
    eachField(s,
              [&o](const char* name, const auto& member) { o.insert(QLatin1String(name), toValue(member)); });
    return o;
}

template <typename T, size_t N> QJsonValue toValue(const std::array<T, N>& list)
{
    QJsonArray a;
    for (const T& v : list)
        a.append(toValue(v));
    return a;
}

template <typename T> QJsonValue toValue(const std::vector<T>& list)
{
    QJsonArray a;
    for (const T& v : list)
        a.append(toValue(v));
    return a;
}

// ---- from JSON ----

template <Structured T> void fromValue(const QJsonValue& v, const QString& field, T& s);
template <typename T, size_t N>
void fromValue(const QJsonValue& v, const QString& field, std::array<T, N>& list);
template <typename T> void fromValue(const QJsonValue& v, const QString& field, std::vector<T>& list);

[[noreturn]] void fail(const QString& field, const QString& what)
{
    throw DriveJson::Error((field + QStringLiteral(": ") + what).toStdString());
}

QString kindOf(const QJsonValue& v)
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

void fromValue(const QJsonValue& v, const QString& field, QByteArray& text)
{
    if (!v.isString())
        fail(field, QStringLiteral("expected a text, found %1").arg(kindOf(v)));
    QString missing;
    text = GbkCodec::fromUnicode(v.toString(), &missing);
    if (!missing.isEmpty())
        fail(field, QStringLiteral("GBK cannot hold \"%1\"").arg(missing));
    if (text.size() > 0xFFFF)
        fail(field, QStringLiteral("longer than the 65535 bytes a stored text can hold"));
}

void fromValue(const QJsonValue& v, const QString& field, double& value)
{
    const QString s = v.toString();
    if (v.isDouble())
        value = v.toDouble();
    else if (v.isString() && (s == u"nan" || s == u"inf" || s == u"-inf"))
        value = s == u"nan" ? std::numeric_limits<double>::quiet_NaN()
                            : (s == u"inf" ? 1 : -1) * std::numeric_limits<double>::infinity();
    else
        fail(field, QStringLiteral("expected a number, found %1").arg(kindOf(v)));
}

template <std::integral T> void fromValue(const QJsonValue& v, const QString& field, T& value)
{
    if (v.isBool() && sizeof(T) == 1) {
        value = v.toBool() ? 1 : 0;
        return;
    }
    if (!v.isDouble())
        fail(field, QStringLiteral("expected a whole number, found %1").arg(kindOf(v)));
    const double d = v.toDouble();
    if (d != std::floor(d))
        fail(field, QStringLiteral("%1 is not a whole number").arg(d));
    const qint64 n = v.toInteger(0);
    constexpr qint64 low = qint64(std::numeric_limits<T>::min());
    constexpr qint64 high = std::numeric_limits<T>::max() > std::numeric_limits<qint64>::max()
                                ? std::numeric_limits<qint64>::max()
                                : qint64(std::numeric_limits<T>::max());
    if (n != v.toInteger(1) || n < low || n > high)
        fail(field, QStringLiteral("%1 is outside %2 to %3").arg(d, 0, 'g', 17).arg(low).arg(high));
    value = T(n);
}

void fromValue(const QJsonValue& v, const QString& field, std::array<std::uint8_t, 201>& spare)
{
    const QByteArray hex = v.toString().toLatin1();
    const QByteArray bytes = QByteArray::fromHex(hex);
    const bool isHex = std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(uchar(c)); });
    if (!v.isString() || !isHex || bytes.size() != qsizetype(spare.size()))
        fail(field,
             QStringLiteral("expected %1 bytes as %2 hex digits").arg(spare.size()).arg(spare.size() * 2));
    std::copy(bytes.begin(), bytes.end(), spare.begin());
}

template <Structured T> void fromValue(const QJsonValue& v, const QString& field, T& s)
{
    if (!v.isObject())
        fail(field, QStringLiteral("expected an object, found %1").arg(kindOf(v)));
    const QJsonObject o = v.toObject();
    const QString prefix = field.isEmpty() ? QString() : field + u'.';
    QSet<QString> known;
    eachField(s, [&](const char* name, auto& member) {
        const QString key = QLatin1String(name);
        known.insert(key);
        if (o.contains(key))
            fromValue(o.value(key), prefix + key, member);
    });
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!known.contains(it.key()) && !(field.isEmpty() && it.key() == u"DriveFile"))
            fail(prefix + it.key(), QStringLiteral("not a field of this record"));
}

QJsonArray listOf(const QJsonValue& v, const QString& field, qsizetype maxSize)
{
    if (!v.isArray())
        fail(field, QStringLiteral("expected a list, found %1").arg(kindOf(v)));
    const QJsonArray a = v.toArray();
    if (a.size() > maxSize)
        fail(field, QStringLiteral("%1 entries, at most %2 are stored").arg(a.size()).arg(maxSize));
    return a;
}

// Fixed-size lists: entries left out keep what they were.
template <typename T, size_t N>
void fromValue(const QJsonValue& v, const QString& field, std::array<T, N>& list)
{
    const QJsonArray a = listOf(v, field, qsizetype(N));
    for (qsizetype i = 0; i < a.size(); ++i)
        fromValue(a[i], QStringLiteral("%1[%2]").arg(field).arg(i), list[size_t(i)]);
}

template <typename T> T newType(int index)
{
    if constexpr (std::is_same_v<T, TdrivevalueL>)
        return TZd740drive::newBitType("M", index);
    else
        return TZd740drive::newWordType("D", index);
}

// Type lists: each type starts from the defaults of a new type at its place.
template <typename T> void fromValue(const QJsonValue& v, const QString& field, std::vector<T>& list)
{
    const QJsonArray a = listOf(v, field, std::numeric_limits<qint32>::max());
    list.clear();
    for (qsizetype i = 0; i < a.size(); ++i) {
        T type = newType<T>(int(i));
        fromValue(a[i], QStringLiteral("%1[%2]").arg(field).arg(i), type);
        list.push_back(type);
    }
}

} // namespace

QJsonObject DriveJson::toJson(const TZd740drive& record)
{
    QJsonObject o = toValue(record).toObject();
    o.insert(QStringLiteral("DriveFile"), toValue(record.DriveFile));
    return o;
}

TZd740drive DriveJson::fromJson(const QJsonObject& json)
{
    TZd740drive record;
    fromValue(QJsonValue(json), QString(), record);
    return record;
}
