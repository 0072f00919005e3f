#pragma once

#include <cstdint>
#include <map>
#include <optional>

// Panel addresses of the screens by screen number, for the fields that point
// at a screen.
class TScreenAddresses
{
public:
    void set(std::int32_t screenNo, std::uint16_t address) { addresses_[screenNo] = address; }
    std::optional<std::uint16_t> find(std::int32_t screenNo) const;
    // The address of screenNo, or fallback when no screen has that number.
    std::uint16_t orElse(std::int32_t screenNo, std::uint16_t fallback) const;

private:
    std::map<std::int32_t, std::uint16_t> addresses_;
};
