#pragma once

#include "TEncodeContext.h"
#include "TEncodedObject.h"

class TLcdBZTU;

// The bar graph record (block type 6): 26 bytes and the scale's dot image.
TEncodedObject EncodeBarGraph(const TLcdBZTU& object, const TEncodeContext& context);
