#include "EncodeMessageDisplay.h"

#include "GbkCodec.h"
#include "LogWriters.h"
#include "ObjectDotImages.h"
#include "PackAddressGroup.h"
#include "TLcdLightDtext.h"
#include "TRecordBytes.h"

namespace {

constexpr int PackCodeTrace = 1;

void traceCaption(int state, const QByteArray& caption, const QByteArray& image)
{
    AppendTrace(
        PackCodeTrace,
        QStringLiteral("[%1]=%2 len=%3 :").arg(state).arg(GbkCodec::toUnicode(caption)).arg(image.size()));
    AppendTrace(PackCodeTrace, HexBytesText(image));
}

void appendCaption(TRecordBytes& record, const TLcdLightDtext& object, int state, const QByteArray& caption)
{
    const TDotImage image = MessageCaptionDotImage(object, caption);
    if (image.bytes.isEmpty())
        record.fail(QStringLiteral("the caption of state %1 cannot be drawn").arg(state));
    if (record.context().packTraces)
        traceCaption(state, caption, image.bytes);
    record.u16(state);
    record.u16(image.bytes.size() + 1);
    record.append(image.bytes);
}

} // namespace

TEncodedObject EncodeMessageDisplay(TLcdLightDtext& object, const TEncodeContext& context)
{
    if (object.OnCaption.trimmed().isEmpty())
        object.OnCaption = "ON";
    if (object.OffCaption.trimmed().isEmpty())
        object.OffCaption = "OFF";
    TRecordBytes record(9, object, context);
    record.u8(object.DoubleSize ? 1 : 0);
    record.u8(2);
    record.u8(2);
    PackAddressGroup(record, {false, 420, 0},
                     {object.StationNo, object.AddrType, object.Addr1, object.Addr2, object.Addr3});
    record.u8(object.Width);
    record.u8(object.Height);
    appendCaption(record, object, 0, object.OnCaption);
    appendCaption(record, object, 1, object.OffCaption);
    record.u16(0xFFFF);
    record.u16(0xFFFF);
    return {{record.finish()}};
}
