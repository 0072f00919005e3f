#include "TLcdLightDtext.h"

#include "Devroll.h"
#include "JsonFields.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"

#include <QJsonArray>

TLcdLightDtext::TLcdLightDtext(const TObjectContext& context) : TLcdText(420, context)
{
    UseWinFont = true;
    StationNo = Devroll::block_GetPlcAddress(context.plcCode);
    const Devroll::AddressParts a = Devroll::block_Getcreateaddress(context.plcCode, 420);
    Addr1 = a[0];
    Addr2 = a[1];
    Addr3 = a[2];
    Text = OffCaption;
    UpdateStaticSize();
}

void TLcdLightDtext::Assign(const TLCDBlockObj& source)
{
    TLcdText::Assign(source);
    if (const auto* s = dynamic_cast<const TLcdLightDtext*>(&source)) {
        StationNo = s->StationNo;
        Addr1 = s->Addr1;
        Addr2 = s->Addr2;
        Addr3 = s->Addr3;
        AddrType = s->AddrType;
        Flags = s->Flags;
        OnCaption = s->OnCaption;
        OffCaption = s->OffCaption;
    }
    Fit();
}

void TLcdLightDtext::SaveToStream(TBinaryWriter& out)
{
    TLcdText::SaveToStream(out);
    out.i32(StationNo);
    out.i32(Addr1);
    out.i32(Addr2);
    out.i32(Addr3);
    out.i32(AddrType);
    for (std::uint8_t f : Flags)
        out.u8(f);
    out.string(OnCaption);
    out.string(OffCaption);
}

void TLcdLightDtext::LoadFromStream(TBinaryReader& in)
{
    TLcdText::LoadFromStream(in);
    StationNo = in.i32("StationNo");
    Addr1 = in.i32("Addr1");
    Addr2 = in.i32("Addr2");
    Addr3 = in.i32("Addr3");
    AddrType = in.i32("AddrType");
    for (std::uint8_t& f : Flags)
        f = in.u8("Flags");
    OnCaption = in.string("OnCaption");
    OffCaption = in.string("OffCaption");
}

void TLcdLightDtext::WriteJson(QJsonObject& json) const
{
    TLcdText::WriteJson(json);
    json[QStringLiteral("StationNo")] = StationNo;
    json[QStringLiteral("Addr1")] = Addr1;
    json[QStringLiteral("Addr2")] = Addr2;
    json[QStringLiteral("Addr3")] = Addr3;
    json[QStringLiteral("AddrType")] = AddrType;
    json[QStringLiteral("Flags")] = QJsonArray{Flags[0], Flags[1], Flags[2]};
    json[QStringLiteral("OnCaption")] = JsonFields::textValue(OnCaption);
    json[QStringLiteral("OffCaption")] = JsonFields::textValue(OffCaption);
}

void TLcdLightDtext::ReadJson(const QJsonObject& json)
{
    TLcdText::ReadJson(json);
    const JsonFields r(json, {});
    r.read("StationNo", StationNo);
    r.read("Addr1", Addr1);
    r.read("Addr2", Addr2);
    r.read("Addr3", Addr3);
    r.read("AddrType", AddrType);
    QJsonArray flags;
    if (r.readArray("Flags", flags, qsizetype(Flags.size()))) {
        for (qsizetype i = 0; i < flags.size(); ++i)
            Flags[i] = static_cast<std::uint8_t>(
                JsonFields::toInteger(flags[i], JsonFields::at(QStringLiteral("Flags"), i), 0, 255));
    }
    r.readText("OnCaption", OnCaption);
    r.readText("OffCaption", OffCaption);
}

QByteArray TLcdLightDtext::RefreshShownText()
{
    if (!OffCaption.trimmed().isEmpty()) {
        Text = OffCaption;
    } else if (!OnCaption.trimmed().isEmpty()) {
        Text = OnCaption;
    } else {
        OnCaption = "ON";
        OffCaption = "OFF";
        Text = "ON/OFF";
    }
    return Text;
}
