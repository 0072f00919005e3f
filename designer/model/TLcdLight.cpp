#include "TLcdLight.h"

#include "Devroll.h"
#include "JsonFields.h"
#include "PictureSource.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"

TLcdLight::TLcdLight(const TObjectContext& context) : TLCDBlockObj(411, context)
{
    StationNo = Devroll::block_GetPlcAddress(context.plcCode);
    const Devroll::AddressParts a = Devroll::block_Getcreateaddress(context.plcCode, 411);
    Addr1 = a[0];
    Addr2 = a[1];
    Addr3 = a[2];
    RefreshGlyph();
}

void TLcdLight::Assign(const TLCDBlockObj& source)
{
    TLCDBlockObj::Assign(source);
    if (const auto* s = dynamic_cast<const TLcdLight*>(&source)) {
        StationNo = s->StationNo;
        Addr1 = s->Addr1;
        Addr2 = s->Addr2;
        Addr3 = s->Addr3;
        AddrType = s->AddrType;
        DoubleSize = s->DoubleSize;
        Shape = s->Shape;
        Logic = s->Logic;
    }
    Refit();
}

void TLcdLight::SaveToStream(TBinaryWriter& out)
{
    TLCDBlockObj::SaveToStream(out);
    out.i32(StationNo);
    out.i32(Addr1);
    out.i32(Addr2);
    out.i32(Addr3);
    out.i32(AddrType);
    out.boolean(DoubleSize);
    out.u8(Shape);
    out.u8(Logic);
}

void TLcdLight::LoadFromStream(TBinaryReader& in)
{
    TLCDBlockObj::LoadFromStream(in);
    StationNo = in.i32("StationNo");
    Addr1 = in.i32("Addr1");
    Addr2 = in.i32("Addr2");
    Addr3 = in.i32("Addr3");
    AddrType = in.i32("AddrType");
    DoubleSize = in.boolean("DoubleSize");
    Shape = in.u8("Shape");
    Logic = in.u8("Logic");
    // Records before 1.3 kept the tail as a packed 24-byte block.
    if (RecordVersion < 1.3)
        in.skip(1, "Logic");
    Refit();
}

void TLcdLight::WriteJson(QJsonObject& json) const
{
    TLCDBlockObj::WriteJson(json);
    json[QStringLiteral("StationNo")] = StationNo;
    json[QStringLiteral("Addr1")] = Addr1;
    json[QStringLiteral("Addr2")] = Addr2;
    json[QStringLiteral("Addr3")] = Addr3;
    json[QStringLiteral("AddrType")] = AddrType;
    json[QStringLiteral("DoubleSize")] = DoubleSize;
    json[QStringLiteral("Shape")] = Shape;
    json[QStringLiteral("Logic")] = Logic;
}

void TLcdLight::ReadJson(const QJsonObject& json)
{
    TLCDBlockObj::ReadJson(json);
    const JsonFields r(json, {});
    r.read("StationNo", StationNo);
    r.read("Addr1", Addr1);
    r.read("Addr2", Addr2);
    r.read("Addr3", Addr3);
    r.read("AddrType", AddrType);
    r.read("DoubleSize", DoubleSize);
    r.read("Shape", Shape);
    r.read("Logic", Logic);
    Refit();
}

bool TLcdLight::IsLit() const
{
    const bool positive = Logic == 0;
    return Simulating ? LiveState == positive : positive;
}

QString TLcdLight::PictureName() const
{
    return QStringLiteral("mlihgt%1%2").arg(Shape == 1 ? 1 : 0).arg(IsLit() ? 1 : 0);
}

void TLcdLight::RefreshGlyph()
{
    Glyph = PictureSource::Find(PictureName());
}

void TLcdLight::Refit()
{
    Width = Height = DoubleSize ? 32 : 16;
    RefreshGlyph();
}
