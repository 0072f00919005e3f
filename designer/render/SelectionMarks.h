#pragma once

class QPainter;
class TLCDBlockObj;

// The selection marks of a selected object, drawn last by every Paint: a
// blue frame around the object's pixel rectangle (one pixel taller, so it
// closes on the bottom edge) and a handle circle at each corner; bar graphs,
// trend charts and bitmaps, which can be resized, get four more at the
// middles of the edges, where the hit test finds their handles. Nothing is
// drawn for an object that is not selected.
void DrawSelection(const TLCDBlockObj& object, QPainter& canvas);
