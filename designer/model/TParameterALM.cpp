#include "TParameterALM.h"

#include "TBinaryReader.h"
#include "TBinaryWriter.h"

// The file keeps the flag before the text, unlike the declaration order.
void TParameterALM::SaveToStream(TBinaryWriter& out) const
{
    out.i32(AlarmRow);
    out.u8(AlarmStation);
    out.i32(AlarmAddr1);
    out.i32(AlarmAddr2);
    out.i32(AlarmAddr3);
    out.i32(AlarmAddrType);
    out.u8(AlarmFlag);
    out.string(AlarmText);
}

void TParameterALM::LoadFromStream(TBinaryReader& in)
{
    AlarmRow = in.i32("AlarmRow");
    AlarmStation = in.u8("AlarmStation");
    AlarmAddr1 = in.i32("AlarmAddr1");
    AlarmAddr2 = in.i32("AlarmAddr2");
    AlarmAddr3 = in.i32("AlarmAddr3");
    AlarmAddrType = in.i32("AlarmAddrType");
    AlarmFlag = in.u8("AlarmFlag");
    AlarmText = in.string("AlarmText");
}
