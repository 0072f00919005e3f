#include "ProjectJson.h"

#include "EReadError.h"
#include "GbkCodec.h"
#include "JsonFields.h"
#include "ProjectFile.h"

#include <QJsonArray>
#include <QSet>
#include <QStringList>
#include <limits>
#include <optional>

namespace {

// ---- the stored fields, once for both directions ----
// Each eachField calls the visitor for every stored field, in file order.

template <typename P, typename V> void eachField(P& p, V& v)
{
    v.hex("ReservedBlock", p.ReservedBlock, 100);
    v.real("FormatVersion", p.FormatVersion);
    v.hex("FilePassword", p.FilePassword, -1);
    v.num("PlcCode", p.PlcCode);
    v.num("InitialScreen", p.InitialScreen);
    v.num("PanelPassword", p.PanelPassword);
    v.byte("SaverWait", p.SaverWait);
    v.flag("SaverShowsScreen", p.SaverShowsScreen);
    v.num("SaverScreen", p.SaverScreen);
    v.num("CtrlRegType", p.CtrlRegType);
    v.num("CtrlRegAddr", p.CtrlRegAddr);
    v.num("CtrlRegStation", p.CtrlRegStation);
    v.flag("AutoChangeScreen", p.AutoChangeScreen);
    v.flag("ReportScreenNo", p.ReportScreenNo);
    v.flag("UseRtc", p.UseRtc);
    v.num("WaitTime", p.WaitTime);
    v.byte("JumpStation", p.JumpStation);
    v.num("JumpAddr1", p.JumpAddr1);
    v.num("JumpAddr2", p.JumpAddr2);
    v.num("JumpAddr3", p.JumpAddr3);
    v.num("JumpAddrType", p.JumpAddrType);
    v.num("JumpDataFormat", p.JumpDataFormat);
    v.num("JumpDelay", p.JumpDelay);
}

template <typename L, typename V> void eachLinkField(L& l, V& v)
{
    v.hex("Spare0", l.Spare0, 4);
    v.num("BaudRate", l.BaudRate);
    v.hex("Spare8", l.Spare8, 10);
    v.byte("DataBits", l.DataBits);
    v.byte("Parity", l.Parity);
    v.byte("StopBits", l.StopBits);
    v.hex("Spare21", l.Spare21, 11);
    v.num("LinkOption", l.LinkOption);
}

template <typename A, typename V> void eachAlarmField(A& a, V& v)
{
    v.num("AlarmRow", a.AlarmRow);
    v.byte("AlarmStation", a.AlarmStation);
    v.num("AlarmAddr1", a.AlarmAddr1);
    v.num("AlarmAddr2", a.AlarmAddr2);
    v.num("AlarmAddr3", a.AlarmAddr3);
    v.num("AlarmAddrType", a.AlarmAddrType);
    v.byte("AlarmFlag", a.AlarmFlag);
    v.text("AlarmText", a.AlarmText);
}

template <typename J, typename V> void eachJumpField(J& j, V& v)
{
    v.num("JumpValue", j.JumpValue);
    v.num("JumpTarget", j.JumpTarget);
}

template <typename S, typename V> void eachScreenField(S& s, V& v)
{
    v.hex("ReservedBlock", s.ReservedBlock, 100);
    v.text("Description", s.Description);
    v.num("ScreenNo", s.ScreenNo);
    v.num("UpScreen", s.UpScreen);
    v.num("DownScreen", s.DownScreen);
    v.num("ScreenSpare", s.ScreenSpare);
}

// ---- to JSON ----

class Writer
{
public:
    QJsonObject json;

    void num(const char* name, std::int32_t v) { json.insert(QLatin1String(name), v); }
    void byte(const char* name, std::uint8_t v) { json.insert(QLatin1String(name), int(v)); }
    void flag(const char* name, bool v) { json.insert(QLatin1String(name), v); }
    void real(const char* name, double v) { json.insert(QLatin1String(name), v); }
    void hex(const char* name, const QByteArray& v, int) { json.insert(QLatin1String(name), hexText(v)); }
    void text(const char* name, const QByteArray& v) { json.insert(QLatin1String(name), textValue(v)); }

    static QString hexText(const QByteArray& v) { return QString::fromLatin1(v.toHex()); }

    // Bytes GBK cannot show as they are go out as hex, so they come back unchanged.
    static QJsonValue textValue(const QByteArray& v)
    {
        const QString text = GbkCodec::toUnicode(v);
        if (GbkCodec::fromUnicode(text) == v)
            return text;
        return QJsonObject{{QStringLiteral("Hex"), hexText(v)}};
    }
};

template <typename T, typename Each> QJsonArray arrayOf(const std::vector<T>& list, Each each)
{
    QJsonArray array;
    for (const T& item : list) {
        Writer w;
        each(item, w);
        array.append(w.json);
    }
    return array;
}

QJsonObject prefixJson(const QByteArray& prefix)
{
    const QByteArray p = prefix.leftJustified(8, '\0', true);
    const auto byte = [&p](int i) {
        return int(std::uint8_t(p[i]));
    };
    const std::int32_t language = std::int32_t(std::uint32_t(byte(4)) | std::uint32_t(byte(5)) << 8 |
                                               std::uint32_t(byte(6)) << 16 | std::uint32_t(byte(7)) << 24);
    return {{QStringLiteral("ProgramMajor"), byte(0)},
            {QStringLiteral("ProgramMinor"), byte(1)},
            {QStringLiteral("SystemVersion"), byte(2)},
            {QStringLiteral("LibraryVersion"), byte(3)},
            {QStringLiteral("Language"), language}};
}

QJsonObject screenJson(const Tpageobj& screen)
{
    Writer w;
    eachScreenField(screen, w);
    QJsonArray objects;
    for (const auto& o : screen.Objects) {
        QJsonObject json;
        o->WriteJson(json);
        json.insert(QStringLiteral("TypeCode"), o->TypeCode);
        objects.append(json);
    }
    w.json.insert(QStringLiteral("Objects"), objects);
    return w.json;
}

// ---- from JSON ----

// The file stores each text and byte run with a 16-bit length.
QByteArray storable(QByteArray bytes, const QString& field)
{
    if (bytes.size() > 65535)
        JsonFields::fail(field, QStringLiteral("%1 bytes are more than a file can store").arg(bytes.size()));
    return bytes;
}

// Texts GBK cannot give back as they were come as {"Hex": "..."}.
QByteArray textIn(const QJsonValue& v, const QString& field)
{
    if (v.isObject() && v.toObject().keys() == QStringList{QStringLiteral("Hex")}) {
        const QString hexField = JsonFields::inside(field, QStringLiteral("Hex"));
        return storable(JsonFields::toHex(v.toObject().value(QStringLiteral("Hex")), hexField, -1), hexField);
    }
    return storable(JsonFields::toText(v, field), field);
}

// The visitor of the eachField functions over one JSON object. Unlike the
// display objects, a project file refuses fields it does not know (finish),
// takes 0 and 1 for flags and texts as {"Hex": ...}.
class Reader
{
public:
    Reader(const QJsonObject& json, QString path) : fields_(json, std::move(path)) {}

    void num(const char* name, std::int32_t& v) { fields_.read(name, v); }
    void byte(const char* name, std::uint8_t& v) { fields_.read(name, v); }
    void flag(const char* name, bool& v)
    {
        if (const auto value = take(name))
            v = value->isBool() ? value->toBool() : JsonFields::toInteger(*value, field(name), 0, 1) != 0;
    }
    void real(const char* name, double& v) { fields_.read(name, v); }
    void hex(const char* name, QByteArray& v, int size)
    {
        if (const auto value = take(name))
            v = storable(JsonFields::toHex(*value, field(name), size), field(name));
    }
    void text(const char* name, QByteArray& v)
    {
        if (const auto value = take(name))
            v = textIn(*value, field(name));
    }
    // A list field: each element as a JSON object with its path.
    template <typename F> void list(const char* name, F&& each)
    {
        QJsonArray array;
        if (!fields_.readArray(name, array, std::numeric_limits<qsizetype>::max()))
            return;
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QString where = JsonFields::at(field(name), i);
            each(JsonFields::toObject(array[i], where), where);
        }
    }
    std::optional<QJsonValue> take(const char* name) { return fields_.take(name); }
    void finish() const { fields_.rejectUnknown(); }
    QString field(const char* name) const { return fields_.pathOf(name); }

private:
    JsonFields fields_;
};

QByteArray prefixIn(Reader& top)
{
    QByteArray prefix = ProjectFile::makePrefix(1);
    const auto value = top.take("FilePrefix");
    if (!value)
        return prefix;
    const QString path = top.field("FilePrefix");
    const QJsonObject json = JsonFields::toObject(*value, path);
    Reader r(json, path);
    std::uint8_t bytes[4] = {std::uint8_t(prefix[0]), std::uint8_t(prefix[1]), 0, 0};
    std::int32_t language = 1;
    r.byte("ProgramMajor", bytes[0]);
    r.byte("ProgramMinor", bytes[1]);
    r.byte("SystemVersion", bytes[2]);
    r.byte("LibraryVersion", bytes[3]);
    r.num("Language", language);
    r.finish();
    prefix = ProjectFile::makePrefix(language, bytes[2], bytes[3]);
    prefix[0] = char(bytes[0]);
    prefix[1] = char(bytes[1]);
    return prefix;
}

std::unique_ptr<TLCDBlockObj> objectIn(const QJsonObject& json, const QString& path,
                                       const TObjectContext& context)
{
    const QString typeField = JsonFields::inside(path, QStringLiteral("TypeCode"));
    if (!json.contains(QStringLiteral("TypeCode")))
        JsonFields::fail(typeField, QStringLiteral("missing; every object needs its type code"));
    std::int32_t typeCode = 0;
    JsonFields(json, path).read("TypeCode", typeCode);
    std::unique_ptr<TLCDBlockObj> object =
        Tpageobj::IsObjectTypeCode(typeCode) ? CreateObject(typeCode, context) : nullptr;
    if (!object)
        JsonFields::fail(typeField, QStringLiteral("%1 makes no display object").arg(typeCode));
    try {
        object->ReadJson(json);
    } catch (const EReadError& e) {
        JsonFields::fail(path, QString::fromStdString(e.what()));
    }
    object->TypeCode = typeCode;
    return object;
}

void screensIn(Reader& top, TProgramObj& project, const std::shared_ptr<const TObjectContext>& context)
{
    std::vector<std::unique_ptr<Tpageobj>> screens;
    QSet<std::int32_t> numbers;
    top.list("Screens", [&](const QJsonObject& json, const QString& path) {
        const std::int32_t n = std::int32_t(screens.size()) + 1;
        auto screen = std::make_unique<Tpageobj>(context, n, n - 1, n + 1);
        Reader r(json, path);
        eachScreenField(*screen, r);
        r.list("Objects", [&](const QJsonObject& o, const QString& where) {
            screen->AppendObject(objectIn(o, where, *context));
        });
        r.finish();
        if (numbers.contains(screen->ScreenNo))
            JsonFields::fail(r.field("ScreenNo"),
                             QStringLiteral("screen number %1 appears twice").arg(screen->ScreenNo));
        numbers.insert(screen->ScreenNo);
        screens.push_back(std::move(screen));
    });
    if (!screens.empty())
        project.Screens = std::move(screens);
}

} // namespace

QJsonObject ProjectJson::toJson(const TProgramObj& project, const QByteArray& prefix)
{
    Writer w;
    eachField(project, w);
    Writer link;
    eachLinkField(project.Link, link);
    w.json.insert(QStringLiteral("FilePrefix"), prefixJson(prefix));
    w.json.insert(QStringLiteral("Link"), link.json);
    w.json.insert(QStringLiteral("Jumps"),
                  arrayOf(project.Jumps, [](const auto& j, Writer& v) { eachJumpField(j, v); }));
    w.json.insert(QStringLiteral("BitJumps"),
                  arrayOf(project.BitJumps, [](const auto& a, Writer& v) { eachAlarmField(a, v); }));
    w.json.insert(QStringLiteral("Alarms"),
                  arrayOf(project.Alarms, [](const auto& a, Writer& v) { eachAlarmField(a, v); }));
    QJsonArray screens;
    for (const auto& screen : project.Screens)
        screens.append(screenJson(*screen));
    w.json.insert(QStringLiteral("Screens"), screens);
    return w.json;
}

ProjectJson::Made ProjectJson::fromJson(const QJsonObject& json, const TObjectContext& context)
{
    Made made;
    Reader top(json, {});
    std::int32_t plcCode = 0;
    top.num("PlcCode", plcCode);
    TObjectContext forPlc = context;
    forPlc.plcCode = plcCode;
    made.project = std::make_unique<TProgramObj>(forPlc);
    TProgramObj& project = *made.project;
    project.ApplyPlcDefaults(plcCode);

    made.prefix = prefixIn(top);
    eachField(project, top);
    if (const auto link = top.take("Link")) {
        const QJsonObject linkJson = JsonFields::toObject(*link, top.field("Link"));
        Reader r(linkJson, top.field("Link"));
        eachLinkField(project.Link, r);
        r.finish();
    }
    top.list("Jumps", [&project](const QJsonObject& o, const QString& path) {
        Reader r(o, path);
        eachJumpField(project.Jumps.emplace_back(), r);
        r.finish();
    });
    for (const auto& entries :
         {std::pair{"BitJumps", &project.BitJumps}, std::pair{"Alarms", &project.Alarms}}) {
        std::vector<TParameterALM>* list = entries.second;
        top.list(entries.first, [list](const QJsonObject& o, const QString& path) {
            Reader r(o, path);
            eachAlarmField(list->emplace_back(), r);
            r.finish();
        });
    }
    screensIn(top, project, project.screenContext());
    top.finish();
    project.Modified = true;
    return made;
}
