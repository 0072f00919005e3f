#pragma once

#include "TEncodeContext.h"
#include "TEncodedObject.h"

class TLcdLightDtext;

// The message display record (block type 9) with its ON and OFF captions.
// A caption that is blank becomes "ON" or "OFF" in the object first, as
// the panel cannot show an empty state.
TEncodedObject EncodeMessageDisplay(TLcdLightDtext& object, const TEncodeContext& context);
