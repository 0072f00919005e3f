#include "EncodeRegister.h"

#include "Devroll.h"
#include "DigitObjectPainting.h"
#include "EncodeStateText.h"
#include "ObjectDotImages.h"
#include "PackAddressGroup.h"
#include "TLcdDText.h"
#include "TLcdFText.h"
#include "TRecordBytes.h"

namespace {

constexpr int RegisterRole = 3;

struct TLimits
{
    std::int64_t inputMax, inputMin, engMax, engMin;
};

// Without limits the panel accepts the whole range of the data.
TLimits limitsOf(const TLcdFText& r)
{
    if (r.LimitEnabled)
        return {r.InputMax, r.InputMin, r.EngMax, r.EngMin};
    const bool wide = r.RegCount == 2;
    const bool isUnsigned = r.DataFormat == 0 || r.DataFormat == 1;
    std::int64_t max = 0, min = 0;
    if (isUnsigned)
        max = wide ? 4294967295LL : 65535;
    else if (wide)
        max = 2147483647LL, min = -2147483648LL;
    else
        max = 32767, min = -32768;
    return {max, min, max, min};
}

TDotImage unitCaption(const TLCDBlockObj& owner, const QByteArray& caption)
{
    return UnitTextDotImage(static_cast<const TLcdFText&>(owner), caption);
}

QByteArray registerRecord(const TLcdFText& r, const TEncodeContext& context)
{
    TRecordBytes record(5, r, context);
    record.u8(StyleCode(r.DoubleSize, r.Reverse));
    PackAddressGroup(record, {true, 415, RegisterRole, r.Addr2, 3},
                     {r.StationNo, r.AddrType, r.Addr1, r.Addr2, r.Addr3});
    const std::int32_t count =
        Devroll::Driver_PackDjcqcount(1, context.plcCode, RegisterRole, r.AddrType, std::uint32_t(r.Addr1));
    record.u8(count > 0 ? count : r.RegCount);
    record.u8(r.DataFormat);
    record.u8(r.Digits);
    record.u8(r.Decimals);
    record.u8(r.InputEnabled ? 1 : 0);
    record.u8(r.InputEnabled && r.InputPassword ? 1 : 0);
    record.u8(r.LimitEnabled ? 1 : 0);
    record.u8(r.LimitEnabled ? r.LimitOn : 0);
    const TLimits limits = limitsOf(r);
    record.int32(limits.inputMax, "input maximum");
    record.int32(limits.inputMin, "input minimum");
    record.int32(limits.engMax, "engineering maximum");
    record.int32(limits.engMin, "engineering minimum");
    record.u8(0);
    return record.finish();
}

} // namespace

TEncodedObject EncodeRegister(const TLcdFText& object, const TEncodeContext& context)
{
    TEncodedObject encoded{{registerRecord(object, context)}};
    encoded.usesPassword = object.InputEnabled && object.InputPassword;
    if (!object.HasUnits)
        return encoded;
    // The units follow as a state text chosen by the same word, placed where
    // the editor draws them.
    const std::unique_ptr<TLcdDText> units = MakeRegisterUnits(object);
    units->StationNo = std::uint8_t(object.StationNo);
    units->AddrType = object.AddrType;
    units->Addr1 = object.Addr1;
    units->Addr2 = object.Addr2;
    units->Addr3 = object.Addr3;
    units->HexValues = std::uint8_t(object.DataFormat);
    units->TypeCode = object.TypeCode;
    const TEncodedObject unitRecord = EncodeStateRecord(*units, context, unitCaption, object);
    encoded.records.insert(encoded.records.end(), unitRecord.records.begin(), unitRecord.records.end());
    return encoded;
}
