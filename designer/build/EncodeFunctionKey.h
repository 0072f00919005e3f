#pragma once

#include "TEncodeContext.h"
#include "TEncodedObject.h"

class TLcdKey;

// The function key record (block type 2): 21 bytes to set a coil, 15 to jump
// (the target screen number, or 0xFFFF for the alarm list, until the image
// assembly puts in an address), 23 to write a register, the 12-byte head for
// any other action.
TEncodedObject EncodeFunctionKey(const TLcdKey& object, const TEncodeContext& context);
