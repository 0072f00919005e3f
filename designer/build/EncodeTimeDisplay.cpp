#include "EncodeTimeDisplay.h"

#include "PackAddressGroup.h"
#include "TLcdTimepiece.h"
#include "TRecordBytes.h"

TEncodedObject EncodeTimeDisplay(const TLcdTimepiece& object, const TEncodeContext& context)
{
    TRecordBytes record(10, object, context);
    record.u8(StyleCode(object.DoubleSize, object.Reverse));
    // The panel reads a time display's word like a register's.
    PackAddressGroup(record, {true, 415, 3, object.Addr2, 3},
                     {object.StationNo, object.AddrType, object.Addr1, object.Addr2, object.Addr3});
    record.u8(object.WeekMode ? TLcdTimepiece::WeekFormat : object.TimeFormat);
    record.u8(object.SpareByte);
    record.u8(object.ClockBlock ? 1 : 0);
    record.u8(object.CharCount);
    record.u8(object.InputEnabled ? 1 : 0);
    record.u8(object.InputEnabled && object.InputPassword ? 1 : 0);
    TEncodedObject encoded{{record.finish()}};
    encoded.usesPassword = object.InputEnabled && object.InputPassword;
    return encoded;
}
