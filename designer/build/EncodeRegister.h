#pragma once

#include "TEncodeContext.h"
#include "TEncodedObject.h"

class TLcdFText;

// The register record (block type 5, 39 bytes), followed with HasUnits by a
// state text record of its unit texts.
TEncodedObject EncodeRegister(const TLcdFText& object, const TEncodeContext& context);
