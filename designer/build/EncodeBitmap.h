#pragma once

#include "TEncodeContext.h"
#include "TEncodedObject.h"

class TLcdBitmap;

// The dot image record (block type 3) of a bitmap; no record when its picture
// cannot be packed.
TEncodedObject EncodeBitmap(const TLcdBitmap& object, const TEncodeContext& context);
