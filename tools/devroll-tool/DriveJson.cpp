#include "DriveJson.h"

#include "GbkCodec.h"
#include "JsonFields.h"

#include <QJsonArray>
#include <algorithm>
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

void fromValue(const QJsonValue& v, const QString& field, QByteArray& text)
{
    text = JsonFields::toText(v, field);
    if (text.size() > 0xFFFF)
        JsonFields::fail(field, QStringLiteral("longer than the 65535 bytes a stored text can hold"));
}

// Floats the panel cannot show as numbers come as "nan", "inf" and "-inf".
void fromValue(const QJsonValue& v, const QString& field, double& value)
{
    const QString s = v.toString();
    if (v.isString() && (s == u"nan" || s == u"inf" || s == u"-inf"))
        value = s == u"nan" ? std::numeric_limits<double>::quiet_NaN()
                            : (s == u"inf" ? 1 : -1) * std::numeric_limits<double>::infinity();
    else
        value = JsonFields::toNumber(v, field);
}

// Byte-sized switches may be written as true and false.
template <std::integral T> void fromValue(const QJsonValue& v, const QString& field, T& value)
{
    if (v.isBool() && sizeof(T) == 1) {
        value = v.toBool() ? 1 : 0;
        return;
    }
    constexpr qint64 low = qint64(std::numeric_limits<T>::min());
    constexpr qint64 high = std::numeric_limits<T>::max() > std::numeric_limits<qint64>::max()
                                ? std::numeric_limits<qint64>::max()
                                : qint64(std::numeric_limits<T>::max());
    value = T(JsonFields::toInteger(v, field, low, high));
}

void fromValue(const QJsonValue& v, const QString& field, std::array<std::uint8_t, 201>& spare)
{
    const QByteArray bytes = JsonFields::toHex(v, field, qsizetype(spare.size()));
    std::copy(bytes.begin(), bytes.end(), spare.begin());
}

template <Structured T> void fromValue(const QJsonValue& v, const QString& field, T& s)
{
    const QJsonObject o = JsonFields::toObject(v, field);
    const JsonFields fields(o, field);
    eachField(s, [&](const char* name, auto& member) {
        if (const auto value = fields.take(name))
            fromValue(*value, fields.pathOf(name), member);
    });
    if (field.isEmpty())
        fields.take("DriveFile"); // written for information, never read
    fields.rejectUnknown();
}

// Fixed-size lists: entries left out keep what they were.
template <typename T, size_t N>
void fromValue(const QJsonValue& v, const QString& field, std::array<T, N>& list)
{
    const QJsonArray a = JsonFields::toArray(v, field, qsizetype(N));
    for (qsizetype i = 0; i < a.size(); ++i)
        fromValue(a[i], JsonFields::at(field, i), list[size_t(i)]);
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
    const QJsonArray a = JsonFields::toArray(v, field, std::numeric_limits<qint32>::max());
    list.clear();
    for (qsizetype i = 0; i < a.size(); ++i) {
        T type = newType<T>(int(i));
        fromValue(a[i], JsonFields::at(field, i), type);
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
