#include "EncodeFunctionKey.h"

#include "PackAddressGroup.h"
#include "TLcdKey.h"
#include "TRecordBytes.h"

#include <algorithm>

namespace {

int pictureX(const TLcdKey& key)
{
    if (!key.HandMark)
        return key.X;
    return key.X + (key.DoubleSize ? 32 : 16);
}

int visibility(const TLcdKey& key)
{
    if (key.Invisible)
        return 1;
    return key.HandMark ? 0 : 2;
}

void setCoil(TRecordBytes& record, const TLcdKey& key)
{
    PackAddressGroup(record, {false, 412, 1},
                     {key.CoilStation, key.CoilAddrType, key.CoilAddr1, key.CoilAddr2, key.CoilAddr3});
    record.u8(key.CoilOp);
}

void jump(TRecordBytes& record, const TLcdKey& key)
{
    record.u8(key.JumpToAlarmList);
    if (key.JumpToAlarmList != 0)
        record.u16(0xFFFF);
    else
        record.int16(key.JumpScreen, "jump screen");
}

void setRegister(TRecordBytes& record, const TLcdKey& key)
{
    const TPlcAddress address{key.RegStation, key.RegAddrType, key.RegAddr1, key.RegAddr2, key.RegAddr3};
    const int group = PackAddressGroup(record, {true, 412, 1, 1, 1}, address);
    const int plc = record.context().plcCode;
    // The function-block models read the key's type code whether or not the
    // catalogue placed the address.
    if (plc == 26 || plc == 27)
        record.setU8(group + 1, FunctionBlockTypeCode(key.RegAddrType, 1, 1));
    record.u8(key.ValueFormat);
    record.int16(key.Value, "value");
}

} // namespace

TEncodedObject EncodeFunctionKey(const TLcdKey& object, const TEncodeContext& context)
{
    TRecordBytes record(2, object, context);
    record.u8(object.Y);
    record.u8(pictureX(object));
    record.u8(std::max(TLcdKey::KeyCode(object.KeyIndex, context.keyCodeVariant), 0));
    record.u8(visibility(object));
    record.u8(StyleCode(object.DoubleSize, object.Reverse));
    record.u8(object.KeyPassword ? 1 : 0);
    record.u8(object.Action);
    switch (object.Action) {
    case 0:
        setCoil(record, object);
        break;
    case 1:
        jump(record, object);
        break;
    case 2:
        setRegister(record, object);
        break;
    default:
        break;
    }
    TEncodedObject encoded{{record.finish()}};
    encoded.usesPassword = object.KeyPassword;
    return encoded;
}
