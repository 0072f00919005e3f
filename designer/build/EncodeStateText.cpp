#include "EncodeStateText.h"

#include "ObjectDotImages.h"
#include "PackAddressGroup.h"
#include "Rounding.h"
#include "TCharMetrics.h"
#include "TLcdDText.h"
#include "TRecordBytes.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The panel reserves the widest caption in bytes of 8 dots.
int widestCaptionBytes(const TLcdDText& object)
{
    const int charWidth = CharMetrics().LcdCharWidth == 0 ? 8 : CharMetrics().LcdCharWidth;
    qsizetype widest = 0;
    for (const TLcdDText::State& s : object.States)
        widest = std::max(widest, (charWidth * s.Caption.size() + 7) / 8);
    return int(std::min<qsizetype>(widest, 0xFF));
}

std::optional<std::int64_t> readValue(const QByteArray& text, int hexValues)
{
    bool ok = false;
    if (hexValues == 0) {
        const qlonglong v = text.toLongLong(&ok, 10);
        return ok ? std::optional<std::int64_t>(v) : std::nullopt;
    }
    if (hexValues == 1) {
        const qulonglong v = text.toULongLong(&ok, 16);
        return ok && v <= 0xFFFFFFFFull ? std::optional<std::int64_t>(std::int64_t(v)) : std::nullopt;
    }
    if (text == "+" || text == "-")
        return 0;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::abs(v) > 1e15)
        return std::nullopt;
    return RoundHalfEven(v);
}

TDotImage textCaption(const TLCDBlockObj& owner, const QByteArray& caption)
{
    return TextDotImage(static_cast<const TLcdText&>(owner), caption);
}

} // namespace

TEncodedObject EncodeStateRecord(const TLcdDText& object, const TEncodeContext& context,
                                 TDotImage (*captionImage)(const TLCDBlockObj&, const QByteArray&),
                                 const TLCDBlockObj& owner)
{
    TRecordBytes record(4, object, context);
    record.u8(StyleCode(object.DoubleSize, object.Reverse));
    record.u8(widestCaptionBytes(object));
    PackAddressGroup(record, {true, 414, 2, object.Addr2, 2},
                     {object.StationNo, object.AddrType, object.Addr1, object.Addr2, object.Addr3});
    record.u8(object.HexValues);
    bool anyEntry = false;
    for (int i = 0; i < TLcdDText::StateCount; ++i) {
        const TLcdDText::State& s = object.States[i];
        const QByteArray valueText = s.ValueText.trimmed();
        if (valueText.isEmpty() || s.Caption.isEmpty())
            continue;
        const std::optional<std::int64_t> value = readValue(valueText, object.HexValues);
        if (!value)
            record.fail(QStringLiteral("value text \"%1\" of state %2 is not a number")
                            .arg(QString::fromLatin1(valueText))
                            .arg(i));
        record.int16(*value, "state value");
        const TDotImage image = captionImage(owner, s.Caption);
        if (image.bytes.isEmpty())
            record.fail(QStringLiteral("the caption of state %1 cannot be drawn").arg(i));
        record.u16(image.bytes.size() + 1);
        record.append(image.bytes);
        anyEntry = true;
    }
    if (!anyEntry)
        return {};
    record.u16(0xFFFF);
    record.u16(0xFFFF);
    return {{record.finish()}};
}

TEncodedObject EncodeStateText(const TLcdDText& object, const TEncodeContext& context)
{
    return EncodeStateRecord(object, context, textCaption, object);
}
