#pragma once

#include "DriveTypes.h"

#include <array>
#include <cstdint>

// What the library reports about one address part (add1, add2, add3).
struct PartDescriptor
{
    std::uint8_t enabled = 0;
    std::uint8_t visible = 0;
    std::uint8_t hex = 0;
    std::int32_t max = 0; // read as unsigned where a range reaches 4294967295
    std::int32_t min = 0;
    std::int32_t def = 0;
    std::int32_t radix = 0; // 0 decimal or hexadecimal, 3 octal
    friend bool operator==(const PartDescriptor&, const PartDescriptor&) = default;
};

// The three part descriptors of an address type.
struct AddressDescriptor
{
    std::array<PartDescriptor, 3> parts{};
    friend bool operator==(const AddressDescriptor&, const AddressDescriptor&) = default;

    // From a catalogue type: add1 always enabled and visible; add2 and add3
    // from their Editable and Visible; hex when Radix is 1, radix code 3 when
    // Radix is 2.
    static AddressDescriptor fromType(const Tdriveitem& type);
    // The neutral answer: add1 enabled, visible, decimal, 0 to add1Max;
    // add2 and add3 hidden, all zero.
    static AddressDescriptor neutral(std::int32_t add1Max);
};

// The register count of a word type: editable 1 or fixed -1, default, maximum, minimum.
struct CountDescriptor
{
    std::int32_t editable = 1;
    std::int32_t def = 1;
    std::int32_t max = 2;
    std::int32_t min = 1;
    friend bool operator==(const CountDescriptor&, const CountDescriptor&) = default;
};
