#pragma once

#include "TEncodeContext.h"
#include "TEncodedObject.h"

class QByteArray;
class TLCDBlockObj;
class TLcdDText;
struct TDotImage;

// The state text record (block type 4): the captions whose value text and
// caption are both set, each with its value and dot image; no record when
// there is none. A value text that is not a number, or does not fit 16 bits,
// is an error.
TEncodedObject EncodeStateText(const TLcdDText& object, const TEncodeContext& context);

// The state text record with the captions drawn by captionImage (a
// register's unit texts use the panel's characters whatever the font).
TEncodedObject EncodeStateRecord(const TLcdDText& object, const TEncodeContext& context,
                                 TDotImage (*captionImage)(const TLCDBlockObj& owner,
                                                           const QByteArray& caption),
                                 const TLCDBlockObj& owner);
