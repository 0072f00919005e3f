#pragma once

class TLCDBlockObj;

// Keeping objects on the 192 x 64 dot panel after drawing changed their size.

// X and Y pulled back so that the object lies inside the panel (0 at least),
// as keys and lamps do after a size change.
void PullInsidePanel(TLCDBlockObj& object);

// The panel limits of a text object's Fit without its text rule: the size is
// cut to 192 x 64; an object reaching the right (bottom) edge is placed to
// end there; X is at least 0.
void ApplyPanelLimits(TLCDBlockObj& object);
