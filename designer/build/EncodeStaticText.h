#pragma once

#include "TEncodeContext.h"
#include "TEncodedObject.h"

class TLcdText;

// The dot image record (block type 3) of a static text; no record for an
// empty text or a text that cannot be drawn.
TEncodedObject EncodeStaticText(const TLcdText& object, const TEncodeContext& context);
