#include "EncodeBarGraph.h"

#include "Devroll.h"
#include "ObjectDotImages.h"
#include "PackAddressGroup.h"
#include "TLcdBZTU.h"
#include "TRecordBytes.h"

TEncodedObject EncodeBarGraph(const TLcdBZTU& object, const TEncodeContext& context)
{
    constexpr int role = 4;
    TRecordBytes record(6, object, context);
    record.u8(object.Direction);
    PackAddressGroup(record, {true, 416, role, object.Addr2, 4},
                     {object.StationNo, object.AddrType, object.Addr1, object.Addr2, object.Addr3});
    const std::int32_t count =
        Devroll::Driver_PackDjcqcount(1, context.plcCode, role, object.AddrType, std::uint32_t(object.Addr1));
    record.u8(count > 0 ? count : object.RegCount);
    record.u8(object.DataFormat);
    record.u8(object.Height);
    record.u8(object.Width);
    record.int32(object.FullScale, "full scale");
    record.int32(object.ZeroScale, "zero scale");
    record.append(BarScaleDotImage(object).bytes);
    return {{record.finish()}};
}
