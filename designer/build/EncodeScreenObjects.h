#pragma once

#include "ProjectProgress.h"
#include "TEncodeContext.h"
#include "TEncodedObject.h"

class Tpageobj;

// The object records of one screen in the order the panel reads them: lamps,
// registers, state texts, bar graphs, trend charts, function keys, bitmaps,
// static texts, message displays, time displays; within a kind in the
// screen's order. Each object is encoded from a copy placed at X, Y >= 0, so
// the screen itself never changes. Bitmaps and static texts become one
// merged picture when the panel could not hold them apart. One progress step
// per object; the end record is the caller's.
TEncodedObject EncodeScreenObjects(const Tpageobj& screen, const TEncodeContext& context,
                                   const ProjectProgress& progress);
