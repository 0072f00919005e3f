#include "TLcdTimepiece.h"

#include "Devroll.h"
#include "JsonFields.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"

#include <algorithm>

TLcdTimepiece::TLcdTimepiece(const TObjectContext& context) : TLcdText(421, context)
{
    StationNo = static_cast<std::uint8_t>(Devroll::block_GetPlcAddress(context.plcCode));
    const Devroll::AddressParts a = Devroll::numericDefaultAddress(context.plcCode, 421, AddrType);
    Addr1 = a[0];
    Addr2 = a[1];
    Addr3 = a[2];
    SetTimeFormat(0);
    const auto length = static_cast<std::int32_t>(Text.size());
    CharCount = length <= 2 ? 6 : length;
}

QByteArray TLcdTimepiece::FormatText(int format)
{
    static const char* const texts[FormatCount] = {
        "YYYY-MM-DD HH-MM-SS", "HHH-MM-SS- MS", "HHH-MM-SS", "HHH-MM", "MM-SS", "MM", "SS", "MS",
        "WEEK  HH-MM-SS",
    };
    return texts[format >= 0 && format < FormatCount ? format : 0];
}

void TLcdTimepiece::SetTimeFormat(int format)
{
    if (format < 0 || format >= FormatCount)
        format = 0;
    TimeFormat = WeekMode ? 0 : format;
    Text = FormatText(WeekMode ? WeekFormat : format);
    Width = 8 * static_cast<std::int32_t>(Text.size());
}

void TLcdTimepiece::SetWeekMode(bool weekMode)
{
    WeekMode = weekMode;
    SetTimeFormat(TimeFormat);
}

void TLcdTimepiece::SetCharCount(std::int32_t n)
{
    CharCount = n;
    Width = 8 * n;
}

void TLcdTimepiece::RefreshTimeText()
{
    Text = FormatText(WeekMode ? WeekFormat : TimeFormat);
}

void TLcdTimepiece::Assign(const TLCDBlockObj& source)
{
    TLcdText::Assign(source);
    if (const auto* s = dynamic_cast<const TLcdTimepiece*>(&source)) {
        AddrType = s->AddrType;
        StationNo = s->StationNo;
        Addr1 = s->Addr1;
        Addr2 = s->Addr2;
        Addr3 = s->Addr3;
        SpareByte = s->SpareByte;
        CharCount = s->CharCount;
        WeekMode = s->WeekMode;
        TimeFormat = s->TimeFormat;
        InputEnabled = s->InputEnabled;
        InputPassword = s->InputPassword;
        ClockBlock = s->ClockBlock;
    }
}

void TLcdTimepiece::SaveToStream(TBinaryWriter& out)
{
    TLcdText::SaveToStream(out);
    out.u8(StationNo);
    out.i32(AddrType);
    out.i32(Addr1);
    out.i32(Addr2);
    out.i32(Addr3);
    out.u8(SpareByte);
    out.boolean(InputEnabled);
    out.boolean(InputPassword);
    out.i32(WeekMode ? 0 : TimeFormat); // week mode is stored with format 0
    out.boolean(ClockBlock);
    out.i32(CharCount);
    out.boolean(WeekMode);
}

void TLcdTimepiece::LoadFromStream(TBinaryReader& in)
{
    TLcdText::LoadFromStream(in);
    StationNo = in.u8("StationNo");
    AddrType = in.i32("AddrType");
    Addr1 = in.i32("Addr1");
    Addr2 = in.i32("Addr2");
    Addr3 = in.i32("Addr3");
    SpareByte = in.u8("SpareByte");
    InputEnabled = in.boolean("InputEnabled");
    InputPassword = in.boolean("InputPassword");
    TimeFormat = in.i32("TimeFormat");
    ClockBlock = in.boolean("ClockBlock");
    CharCount = in.i32("CharCount");
    // Week mode came with record version 1.5.
    WeekMode = RecordVersion >= 1.5 ? in.boolean("WeekMode") : false;
    RefreshTimeText();
}

void TLcdTimepiece::WriteJson(QJsonObject& json) const
{
    TLcdText::WriteJson(json);
    json[QStringLiteral("StationNo")] = StationNo;
    json[QStringLiteral("AddrType")] = AddrType;
    json[QStringLiteral("Addr1")] = Addr1;
    json[QStringLiteral("Addr2")] = Addr2;
    json[QStringLiteral("Addr3")] = Addr3;
    json[QStringLiteral("SpareByte")] = SpareByte;
    json[QStringLiteral("InputEnabled")] = InputEnabled;
    json[QStringLiteral("InputPassword")] = InputPassword;
    json[QStringLiteral("TimeFormat")] = TimeFormat;
    json[QStringLiteral("ClockBlock")] = ClockBlock;
    json[QStringLiteral("CharCount")] = CharCount;
    json[QStringLiteral("WeekMode")] = WeekMode;
}

void TLcdTimepiece::ReadJson(const QJsonObject& json)
{
    TLcdText::ReadJson(json);
    const JsonFields r(json, {});
    r.read("StationNo", StationNo);
    r.read("AddrType", AddrType);
    r.read("Addr1", Addr1);
    r.read("Addr2", Addr2);
    r.read("Addr3", Addr3);
    r.read("SpareByte", SpareByte);
    r.read("InputEnabled", InputEnabled);
    r.read("InputPassword", InputPassword);
    r.read("TimeFormat", TimeFormat);
    r.read("ClockBlock", ClockBlock);
    r.read("CharCount", CharCount);
    r.read("WeekMode", WeekMode);
    RefreshTimeText();
}
