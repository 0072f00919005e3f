#include "TLcdFText.h"

#include "Devroll.h"
#include "GbkCodec.h"
#include "JsonFields.h"
#include "LocaleInfo.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"

#include <QJsonArray>
#include <algorithm>

namespace {

char digitAt(int i)
{
    return char('0' + ((i % 10) + 10) % 10);
}

} // namespace

TLcdFText::TLcdFText(const TObjectContext& context) : TLcdText(415, context)
{
    HasUnits = Devroll::GetFtext_postfixbool(context.plcCode, 415);
    // The function-block models show eight-digit words.
    if (context.plcCode == 26 || context.plcCode == 27)
        Digits = 8;
    StationNo = Devroll::block_GetPlcAddress(context.plcCode);
    const Devroll::AddressParts a = Devroll::numericDefaultAddress(context.plcCode, 415, AddrType);
    Addr1 = a[0];
    Addr2 = a[1];
    Addr3 = a[2];
    RefreshPlaceholder();
}

void TLcdFText::Assign(const TLCDBlockObj& source)
{
    TLcdText::Assign(source);
    if (const auto* s = dynamic_cast<const TLcdFText*>(&source)) {
        HasUnits = s->HasUnits;
        Digits = s->Digits;
        Decimals = s->Decimals;
        DataFormat = s->DataFormat;
        Signed = s->Signed;
        StationNo = s->StationNo;
        AddrType = s->AddrType;
        RegCount = s->RegCount;
        Addr1 = s->Addr1;
        Addr2 = s->Addr2;
        Addr3 = s->Addr3;
        InputEnabled = s->InputEnabled;
        InputPassword = s->InputPassword;
        LimitEnabled = s->LimitEnabled;
        LimitOn = s->LimitOn;
        InputMax = s->InputMax;
        InputMin = s->InputMin;
        EngMax = s->EngMax;
        EngMin = s->EngMin;
        UnitTexts = s->UnitTexts;
    }
}

void TLcdFText::SaveToStream(TBinaryWriter& out)
{
    TLcdText::SaveToStream(out);
    out.i32(Digits);
    out.i32(Decimals);
    out.i32(DataFormat);
    out.boolean(Signed);
    out.i32(StationNo);
    out.i32(AddrType);
    out.i32(RegCount);
    out.i32(Addr1);
    out.i32(Addr2);
    out.i32(Addr3);
    out.boolean(InputEnabled);
    out.boolean(InputPassword);
    out.boolean(LimitEnabled);
    out.i32(LimitOn);
    out.i64(InputMax);
    out.i64(InputMin);
    out.i64(EngMax);
    out.i64(EngMin);
    out.boolean(HasUnits);
    if (HasUnits) {
        for (const QByteArray& unit : UnitTexts)
            out.string(unit);
    }
}

// Records before 1.3 kept Digits through EngMin as one 80-byte block with
// natural alignment.
void TLcdFText::readPackedBlock(TBinaryReader& in)
{
    Digits = in.i32("Digits");
    Decimals = in.i32("Decimals");
    DataFormat = in.i32("DataFormat");
    Signed = in.boolean("Signed");
    in.skip(3, "Signed");
    StationNo = in.i32("StationNo");
    AddrType = in.i32("AddrType");
    RegCount = in.i32("RegCount");
    Addr1 = in.i32("Addr1");
    Addr2 = in.i32("Addr2");
    Addr3 = in.i32("Addr3");
    InputEnabled = in.boolean("InputEnabled");
    InputPassword = in.boolean("InputPassword");
    LimitEnabled = in.boolean("LimitEnabled");
    in.skip(1, "LimitEnabled");
    LimitOn = in.i32("LimitOn");
    InputMax = in.i64("InputMax");
    InputMin = in.i64("InputMin");
    EngMax = in.i64("EngMax");
    EngMin = in.i64("EngMin");
}

void TLcdFText::LoadFromStream(TBinaryReader& in)
{
    TLcdText::LoadFromStream(in);
    if (RecordVersion >= 1.3) {
        Digits = in.i32("Digits");
        Decimals = in.i32("Decimals");
        DataFormat = in.i32("DataFormat");
        Signed = in.boolean("Signed");
        StationNo = in.i32("StationNo");
        AddrType = in.i32("AddrType");
        RegCount = in.i32("RegCount");
        Addr1 = in.i32("Addr1");
        Addr2 = in.i32("Addr2");
        Addr3 = in.i32("Addr3");
        InputEnabled = in.boolean("InputEnabled");
        InputPassword = in.boolean("InputPassword");
        LimitEnabled = in.boolean("LimitEnabled");
        LimitOn = in.i32("LimitOn");
        InputMax = in.i64("InputMax");
        InputMin = in.i64("InputMin");
        EngMax = in.i64("EngMax");
        EngMin = in.i64("EngMin");
    } else {
        readPackedBlock(in);
    }
    // Registers of records before 1.1 had no unit texts.
    HasUnits = false;
    if (RecordVersion >= 1.1) {
        HasUnits = in.boolean("HasUnits");
        if (HasUnits) {
            for (QByteArray& unit : UnitTexts)
                unit = in.string("UnitTexts");
        }
    }
    RefreshPlaceholder();
}

void TLcdFText::WriteJson(QJsonObject& json) const
{
    TLcdText::WriteJson(json);
    json[QStringLiteral("HasUnits")] = HasUnits;
    json[QStringLiteral("Digits")] = Digits;
    json[QStringLiteral("Decimals")] = Decimals;
    json[QStringLiteral("DataFormat")] = DataFormat;
    json[QStringLiteral("Signed")] = Signed;
    json[QStringLiteral("StationNo")] = StationNo;
    json[QStringLiteral("AddrType")] = AddrType;
    json[QStringLiteral("RegCount")] = RegCount;
    json[QStringLiteral("Addr1")] = Addr1;
    json[QStringLiteral("Addr2")] = Addr2;
    json[QStringLiteral("Addr3")] = Addr3;
    json[QStringLiteral("InputEnabled")] = InputEnabled;
    json[QStringLiteral("InputPassword")] = InputPassword;
    json[QStringLiteral("LimitEnabled")] = LimitEnabled;
    json[QStringLiteral("LimitOn")] = LimitOn;
    json[QStringLiteral("InputMax")] = qint64(InputMax);
    json[QStringLiteral("InputMin")] = qint64(InputMin);
    json[QStringLiteral("EngMax")] = qint64(EngMax);
    json[QStringLiteral("EngMin")] = qint64(EngMin);
    QJsonArray units;
    for (const QByteArray& unit : UnitTexts)
        units.append(JsonFields::textValue(unit));
    json[QStringLiteral("UnitTexts")] = units;
}

void TLcdFText::ReadJson(const QJsonObject& json)
{
    TLcdText::ReadJson(json);
    const JsonFields r(json, {});
    r.read("HasUnits", HasUnits);
    r.read("Digits", Digits);
    r.read("Decimals", Decimals);
    r.read("DataFormat", DataFormat);
    r.read("Signed", Signed);
    r.read("StationNo", StationNo);
    r.read("AddrType", AddrType);
    r.read("RegCount", RegCount);
    r.read("Addr1", Addr1);
    r.read("Addr2", Addr2);
    r.read("Addr3", Addr3);
    r.read("InputEnabled", InputEnabled);
    r.read("InputPassword", InputPassword);
    r.read("LimitEnabled", LimitEnabled);
    r.read("LimitOn", LimitOn);
    r.read("InputMax", InputMax);
    r.read("InputMin", InputMin);
    r.read("EngMax", EngMax);
    r.read("EngMin", EngMin);
    QJsonArray units;
    if (r.readArray("UnitTexts", units, qsizetype(UnitTexts.size()))) {
        for (qsizetype i = 0; i < units.size(); ++i)
            UnitTexts[i] = JsonFields::toText(units[i], JsonFields::at(QStringLiteral("UnitTexts"), i));
    }
    RefreshPlaceholder();
}

QByteArray TLcdFText::Placeholder() const
{
    // Out-of-range counts from a damaged file are held to what the panel shows.
    const int digits = std::clamp(Digits, 0, MaxDigits);
    const int decimals = std::clamp(Decimals, 0, MaxDecimals);
    QByteArray text;
    if (DataFormat == 1) {
        for (int i = 1; i <= digits; ++i)
            text += digitAt(i);
        return text;
    }
    if (DataFormat == 2)
        text += '-';
    const int whole = decimals > 0 ? digits - decimals : digits;
    for (int i = 1; i <= whole; ++i)
        text += digitAt(i);
    if (decimals > 0) {
        text += GbkCodec::fromUnicode(QString(DecimalSeparator()));
        for (int j = 0; j < decimals; ++j)
            text += digitAt(whole + j + 1);
    }
    return text;
}

void TLcdFText::RefreshPlaceholder()
{
    Text = Placeholder();
}
