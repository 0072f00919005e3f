#pragma once

#include "TEncodeContext.h"
#include "TEncodedObject.h"

class TLcdLight;

// The lamp record (block type 1, 16 bytes).
TEncodedObject EncodeLamp(const TLcdLight& object, const TEncodeContext& context);
