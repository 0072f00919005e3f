#include "TScreenAddresses.h"

std::optional<std::uint16_t> TScreenAddresses::find(std::int32_t screenNo) const
{
    const auto it = addresses_.find(screenNo);
    if (it == addresses_.end())
        return std::nullopt;
    return it->second;
}

std::uint16_t TScreenAddresses::orElse(std::int32_t screenNo, std::uint16_t fallback) const
{
    return find(screenNo).value_or(fallback);
}
