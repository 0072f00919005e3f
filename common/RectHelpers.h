#pragma once

#include "TRect.h"

// Rectangle helpers for hit tests and overlaps; edges count as inside.

struct NormalizedRect
{
    TRect rect;
    bool changed = false; // whether left/right or top/bottom were swapped
};

struct RectIntersection
{
    TRect rect;              // the zero rectangle when empty
    bool intersects = false; // false when right < left or bottom < top
};

bool PointInRect(const TRect& rect, const TPoint& point);
NormalizedRect NormalizeRect(const TRect& rect);
RectIntersection IntersectRects(const TRect& a, const TRect& b);
// Whether point lies on the square of half-size round(4 x scale) around the handle.
bool HandleHit(const TPoint& handle, const TPoint& point, double scale);
