#include "TLinkBlock.h"

#include "TBinaryReader.h"
#include "TBinaryWriter.h"

void TLinkBlock::SaveToStream(TBinaryWriter& out) const
{
    out.fixed(Spare0, 4);
    out.i32(BaudRate);
    out.fixed(Spare8, 10);
    out.u8(DataBits);
    out.u8(Parity);
    out.u8(StopBits);
    out.fixed(Spare21, 11);
    out.i32(LinkOption);
}

void TLinkBlock::LoadFromStream(TBinaryReader& in)
{
    Spare0 = in.bytes(4, "link block spare");
    BaudRate = in.i32("BaudRate");
    Spare8 = in.bytes(10, "link block spare");
    DataBits = in.u8("DataBits");
    Parity = in.u8("Parity");
    StopBits = in.u8("StopBits");
    Spare21 = in.bytes(11, "link block spare");
    LinkOption = in.i32("LinkOption");
}
