#include "SelectionMarks.h"

#include "DrawHelpers.h"
#include "TLCDBlockObj.h"

void DrawSelection(const TLCDBlockObj& object, QPainter& canvas)
{
    if (!object.Selected)
        return;
    const TRect r = object.PixelRect();
    FrameRectColour({r.Left, r.Top, r.Right, r.Bottom + 1}, canvas, QColor(0, 0, 255));
    const TPoint corners[] = {{r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}};
    for (const TPoint& p : corners)
        DrawHandleMark(p, canvas);
    if (!object.HasResizeHandles())
        return;
    // The same middles as the hit test: sums halved, truncated.
    const int midX = (r.Left + r.Right) / 2;
    const int midY = (r.Top + r.Bottom) / 2;
    const TPoint middles[] = {{midX, r.Top}, {r.Right, midY}, {midX, r.Bottom}, {r.Left, midY}};
    for (const TPoint& p : middles)
        DrawHandleMark(p, canvas);
}
