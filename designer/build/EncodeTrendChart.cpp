#include "EncodeTrendChart.h"

#include "Devroll.h"
#include "ObjectDotImages.h"
#include "PackAddressGroup.h"
#include "TRecordBytes.h"
#include "Tlcdqushitu.h"

TEncodedObject EncodeTrendChart(const Tlcdqushitu& object, const TEncodeContext& context)
{
    constexpr int role = 5;
    TRecordBytes record(7, object, context);
    record.u8(0);
    PackAddressGroup(record, {true, 417, role, object.Addr2, 1},
                     {object.StationNo, object.AddrType, object.Addr1, object.Addr2, object.Addr3});
    const std::int32_t count =
        Devroll::Driver_PackDjcqcount(1, context.plcCode, role, object.AddrType, std::uint32_t(object.Addr1));
    record.u8(count > 0 ? count : object.RegCount);
    record.u8(object.DataFormat);
    record.u8(object.Height);
    record.u8(object.Width);
    record.int32(object.FullScale, "full scale");
    record.int32(object.ZeroScale, "zero scale");
    record.u8(object.DotCount);
    record.int16(object.SampleInterval, "sample interval");
    record.append(TrendFrameDotImage(object).bytes);
    return {{record.finish()}};
}
