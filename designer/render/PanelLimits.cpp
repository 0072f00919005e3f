#include "PanelLimits.h"

#include "TLCDBlockObj.h"

#include <algorithm>
#include <cstdint>

void PullInsidePanel(TLCDBlockObj& object)
{
    object.X = std::clamp(object.X, 0, std::max(0, TLCDBlockObj::PanelWidth - object.Width));
    object.Y = std::clamp(object.Y, 0, std::max(0, TLCDBlockObj::PanelHeight - object.Height));
}

void ApplyPanelLimits(TLCDBlockObj& object)
{
    object.Width = std::min(object.Width, TLCDBlockObj::PanelWidth);
    object.Height = std::min(object.Height, TLCDBlockObj::PanelHeight);
    if (std::int64_t(object.X) + object.Width >= TLCDBlockObj::PanelWidth)
        object.X = TLCDBlockObj::PanelWidth - object.Width;
    if (std::int64_t(object.Y) + object.Height >= TLCDBlockObj::PanelHeight)
        object.Y = TLCDBlockObj::PanelHeight - object.Height;
    object.X = std::max(object.X, 0);
}
