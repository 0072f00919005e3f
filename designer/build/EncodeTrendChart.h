#pragma once

#include "TEncodeContext.h"
#include "TEncodedObject.h"

class Tlcdqushitu;

// The trend chart record (block type 7): 29 bytes and the frame's dot image.
TEncodedObject EncodeTrendChart(const Tlcdqushitu& object, const TEncodeContext& context);
