#include "EncodeLamp.h"

#include "PackAddressGroup.h"
#include "TLcdLight.h"
#include "TRecordBytes.h"

TEncodedObject EncodeLamp(const TLcdLight& object, const TEncodeContext& context)
{
    TRecordBytes record(1, object, context);
    record.u8(object.DoubleSize ? 1 : 0);
    record.u8(object.Shape == 0 ? 1 : 0);
    record.u8(object.Logic);
    PackAddressGroup(record, {false, 411, 0},
                     {object.StationNo, object.AddrType, object.Addr1, object.Addr2, object.Addr3});
    return {{record.finish()}};
}
