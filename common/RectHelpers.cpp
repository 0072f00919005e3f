#include "RectHelpers.h"

#include "Rounding.h"

#include <algorithm>

bool PointInRect(const TRect& rect, const TPoint& point)
{
    const TRect r = NormalizeRect(rect).rect;
    return point.X >= r.Left && point.X <= r.Right && point.Y >= r.Top && point.Y <= r.Bottom;
}

NormalizedRect NormalizeRect(const TRect& rect)
{
    NormalizedRect n{rect, false};
    if (n.rect.Left > n.rect.Right) {
        std::swap(n.rect.Left, n.rect.Right);
        n.changed = true;
    }
    if (n.rect.Top > n.rect.Bottom) {
        std::swap(n.rect.Top, n.rect.Bottom);
        n.changed = true;
    }
    return n;
}

RectIntersection IntersectRects(const TRect& a, const TRect& b)
{
    const TRect ra = NormalizeRect(a).rect;
    const TRect rb = NormalizeRect(b).rect;
    const TRect r{std::max(ra.Left, rb.Left), std::max(ra.Top, rb.Top), std::min(ra.Right, rb.Right),
                  std::min(ra.Bottom, rb.Bottom)};
    if (r.Right < r.Left || r.Bottom < r.Top)
        return {};
    return {r, true};
}

bool HandleHit(const TPoint& handle, const TPoint& point, double scale)
{
    const int half = RoundInt(4 * scale);
    return PointInRect({handle.X - half, handle.Y - half, handle.X + half, handle.Y + half}, point);
}
