#include "TLcdKey.h"

#include "Devroll.h"
#include "JsonFields.h"
#include "PictureSource.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"

#include <QJsonArray>
#include <algorithm>

TLcdKey::TLcdKey(const TObjectContext& context) : TLCDBlockObj(412, context)
{
    CoilStation = Devroll::block_GetPlcAddress(context.plcCode);
    const Devroll::AddressParts coil = Devroll::block_Getcreateaddress(context.plcCode, 412);
    CoilAddr1 = coil[0];
    CoilAddr2 = coil[1];
    CoilAddr3 = coil[2];
    RegStation = CoilStation;
    const Devroll::AddressParts reg = Devroll::numericDefaultAddress(context.plcCode, 412, RegAddrType);
    RegAddr1 = reg[0];
    RegAddr2 = reg[1];
    RegAddr3 = reg[2];
    RefreshGlyphs();
}

void TLcdKey::Assign(const TLCDBlockObj& source)
{
    TLCDBlockObj::Assign(source);
    if (const auto* s = dynamic_cast<const TLcdKey*>(&source)) {
        DoubleSize = s->DoubleSize;
        Reverse = s->Reverse;
        KeyIndex = s->KeyIndex;
        HandMark = s->HandMark;
        Invisible = s->Invisible;
        KeyPassword = s->KeyPassword;
        Action = s->Action;
        CoilStation = s->CoilStation;
        CoilAddr1 = s->CoilAddr1;
        CoilAddr2 = s->CoilAddr2;
        CoilAddr3 = s->CoilAddr3;
        CoilAddrType = s->CoilAddrType;
        CoilOp = s->CoilOp;
        JumpToAlarmList = s->JumpToAlarmList;
        JumpScreen = s->JumpScreen;
        RegStation = s->RegStation;
        RegAddr1 = s->RegAddr1;
        RegAddr2 = s->RegAddr2;
        RegAddr3 = s->RegAddr3;
        RegAddrType = s->RegAddrType;
        ValueFormat = s->ValueFormat;
        Value = s->Value;
        SpareInts = s->SpareInts;
    }
    RefreshGlyphs();
}

void TLcdKey::SaveToStream(TBinaryWriter& out)
{
    TLCDBlockObj::SaveToStream(out);
    out.boolean(DoubleSize);
    out.boolean(Reverse);
    out.i32(KeyIndex);
    out.boolean(HandMark);
    out.boolean(Invisible);
    out.boolean(KeyPassword);
    for (std::int32_t v :
         {Action, CoilStation, CoilAddr1, CoilAddr2, CoilAddr3, CoilAddrType, CoilOp, JumpToAlarmList,
          JumpScreen, RegStation, RegAddr1, RegAddr2, RegAddr3, RegAddrType, ValueFormat, Value})
        out.i32(v);
    for (std::int32_t v : SpareInts)
        out.i32(v);
}

void TLcdKey::LoadFromStream(TBinaryReader& in)
{
    TLCDBlockObj::LoadFromStream(in);
    // Records before 1.3 kept DoubleSize through Action as a packed 16-byte block.
    const bool packed = RecordVersion < 1.3;
    DoubleSize = in.boolean("DoubleSize");
    Reverse = in.boolean("Reverse");
    if (packed)
        in.skip(2, "Reverse");
    KeyIndex = in.i32("KeyIndex");
    HandMark = in.boolean("HandMark");
    Invisible = in.boolean("Invisible");
    KeyPassword = in.boolean("KeyPassword");
    if (packed)
        in.skip(1, "KeyPassword");
    Action = in.i32("Action");
    CoilStation = in.i32("CoilStation");
    CoilAddr1 = in.i32("CoilAddr1");
    CoilAddr2 = in.i32("CoilAddr2");
    CoilAddr3 = in.i32("CoilAddr3");
    CoilAddrType = in.i32("CoilAddrType");
    CoilOp = in.i32("CoilOp");
    JumpToAlarmList = in.i32("JumpToAlarmList");
    JumpScreen = in.i32("JumpScreen");
    RegStation = in.i32("RegStation");
    RegAddr1 = in.i32("RegAddr1");
    RegAddr2 = in.i32("RegAddr2");
    RegAddr3 = in.i32("RegAddr3");
    RegAddrType = in.i32("RegAddrType");
    ValueFormat = in.i32("ValueFormat");
    Value = in.i32("Value");
    for (std::int32_t& v : SpareInts)
        v = in.i32("SpareInts");
    Refit();
}

void TLcdKey::WriteJson(QJsonObject& json) const
{
    TLCDBlockObj::WriteJson(json);
    json[QStringLiteral("DoubleSize")] = DoubleSize;
    json[QStringLiteral("Reverse")] = Reverse;
    json[QStringLiteral("KeyIndex")] = KeyIndex;
    json[QStringLiteral("HandMark")] = HandMark;
    json[QStringLiteral("Invisible")] = Invisible;
    json[QStringLiteral("KeyPassword")] = KeyPassword;
    json[QStringLiteral("Action")] = Action;
    json[QStringLiteral("CoilStation")] = CoilStation;
    json[QStringLiteral("CoilAddr1")] = CoilAddr1;
    json[QStringLiteral("CoilAddr2")] = CoilAddr2;
    json[QStringLiteral("CoilAddr3")] = CoilAddr3;
    json[QStringLiteral("CoilAddrType")] = CoilAddrType;
    json[QStringLiteral("CoilOp")] = CoilOp;
    json[QStringLiteral("JumpToAlarmList")] = JumpToAlarmList;
    json[QStringLiteral("JumpScreen")] = JumpScreen;
    json[QStringLiteral("RegStation")] = RegStation;
    json[QStringLiteral("RegAddr1")] = RegAddr1;
    json[QStringLiteral("RegAddr2")] = RegAddr2;
    json[QStringLiteral("RegAddr3")] = RegAddr3;
    json[QStringLiteral("RegAddrType")] = RegAddrType;
    json[QStringLiteral("ValueFormat")] = ValueFormat;
    json[QStringLiteral("Value")] = Value;
    QJsonArray spares;
    for (std::int32_t v : SpareInts)
        spares.append(v);
    json[QStringLiteral("SpareInts")] = spares;
}

void TLcdKey::ReadJson(const QJsonObject& json)
{
    TLCDBlockObj::ReadJson(json);
    const JsonFields r(json, {});
    r.read("DoubleSize", DoubleSize);
    r.read("Reverse", Reverse);
    r.read("KeyIndex", KeyIndex);
    r.read("HandMark", HandMark);
    r.read("Invisible", Invisible);
    r.read("KeyPassword", KeyPassword);
    r.read("Action", Action);
    r.read("CoilStation", CoilStation);
    r.read("CoilAddr1", CoilAddr1);
    r.read("CoilAddr2", CoilAddr2);
    r.read("CoilAddr3", CoilAddr3);
    r.read("CoilAddrType", CoilAddrType);
    r.read("CoilOp", CoilOp);
    r.read("JumpToAlarmList", JumpToAlarmList);
    r.read("JumpScreen", JumpScreen);
    r.read("RegStation", RegStation);
    r.read("RegAddr1", RegAddr1);
    r.read("RegAddr2", RegAddr2);
    r.read("RegAddr3", RegAddr3);
    r.read("RegAddrType", RegAddrType);
    r.read("ValueFormat", ValueFormat);
    r.read("Value", Value);
    QJsonArray spares;
    if (r.readArray("SpareInts", spares, qsizetype(SpareInts.size()))) {
        for (qsizetype i = 0; i < spares.size(); ++i)
            SpareInts[i] = static_cast<std::int32_t>(JsonFields::toInteger(
                spares[i], JsonFields::at(QStringLiteral("SpareInts"), i),
                std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    }
    Refit();
}

int TLcdKey::KeyCode(int keyIndex, bool keyCodeVariant)
{
    if (keyIndex == 0)
        return keyCodeVariant ? 3 : 1;
    if (keyIndex == 1)
        return keyCodeVariant ? 4 : 2;
    if (keyIndex >= 2 && keyIndex < KeyCount)
        return keyIndex + 6;
    return -1;
}

QString TLcdKey::KeyWord(int keyCode)
{
    static const char* const words[] = {
        "mKeyesc",  "mKeyleft", "mKeyright", "mKeyup",   "mKeydown", "mKeyset",      "mKeyent",
        "mKeyalm",  "mKeynum0", "mKeynum1",  "mKeynum2", "mKeynum3", "mKeynum4",     "mKeynum5",
        "mKeynum6", "mKeynum7", "mKeynum8",  "mKeynum9", "mKeyclr",  "mKeyjiajiang", "mKeyusb",
    };
    if (keyCode < 0 || keyCode >= int(std::size(words)))
        return {};
    return QLatin1String(words[keyCode]);
}

QString TLcdKey::PictureName(int sizeSuffix) const
{
    const QString word = KeyWord(KeyCode(KeyIndex, context_.keyCodeVariant));
    if (word.isEmpty())
        return {};
    const int variant = Invisible ? 2 : Reverse ? 1 : 0;
    QString name = word + QString::number(variant);
    if (sizeSuffix == 16 || sizeSuffix == 32)
        name += QString::number(sizeSuffix);
    return name;
}

QString TLcdKey::HandPictureName() const
{
    return Reverse ? QStringLiteral("mkeysou1") : QStringLiteral("mkeysou0");
}

void TLcdKey::RefreshGlyphs()
{
    Glyph = PictureSource::Find(PictureName());
    HandGlyph = PictureSource::Find(HandPictureName());
}

void TLcdKey::Refit()
{
    if (Invisible) {
        Width = Height = 16;
    } else {
        const int scale = DoubleSize ? 2 : 1;
        Width = (HandMark ? 32 : 16) * scale;
        Height = 16 * scale;
    }
    X = std::clamp(X, 0, PanelWidth - Width);
    Y = std::clamp(Y, 0, PanelHeight - Height);
    RefreshGlyphs();
}
