#pragma once

#include "TEncodeContext.h"
#include "TEncodedObject.h"

class TLcdTimepiece;

// The time display record (block type 10, 20 bytes).
TEncodedObject EncodeTimeDisplay(const TLcdTimepiece& object, const TEncodeContext& context);
