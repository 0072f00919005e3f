#include "EncodeBitmap.h"

#include "ObjectDotImages.h"
#include "TLcdBitmap.h"
#include "TRecordBytes.h"

TEncodedObject EncodeBitmap(const TLcdBitmap& object, const TEncodeContext& context)
{
    const TDotImage image = BitmapDotImage(object);
    if (image.bytes.isEmpty())
        return {};
    TRecordBytes record(3, object, context);
    record.append(image.bytes);
    return {{record.finish()}};
}
