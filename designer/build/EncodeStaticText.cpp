#include "EncodeStaticText.h"

#include "ObjectDotImages.h"
#include "TLcdText.h"
#include "TRecordBytes.h"

#include <algorithm>

TEncodedObject EncodeStaticText(const TLcdText& object, const TEncodeContext& context)
{
    if (object.Text.isEmpty())
        return {};
    const TDotImage image = TextDotImage(object, object.Text);
    if (image.bytes.isEmpty())
        return {};
    TRecordBytes record(3, object, context);
    // A static text's position is kept on the panel even when the object sits off it.
    record.setU8(3, std::clamp(object.Y, 0, TLCDBlockObj::PanelHeight - 1));
    record.setU8(4, std::clamp(object.X, 0, TLCDBlockObj::PanelWidth - 1));
    record.append(image.bytes);
    return {{record.finish()}};
}
