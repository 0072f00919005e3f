#pragma once

#include <cstdint>

// The address of the bit that one alarm row watches, from the list's base
// address (add1, add2) and the 0-based row. The word/bit pairs count bits
// from the base's bit part, 16 or 8 to a word; division truncates towards
// zero, so a negative bit count gives a negative bit part. The panel's
// addresses are 32-bit, so the pairs wrap at 32 bits while the plain address
// keeps 64.
struct AlarmRowAddress
{
    std::int64_t w = 0;   // add1 + row
    std::int32_t w16 = 0; // word of a 16-bit word address
    std::int32_t b16 = 0; // its bit, 0 to 15 for a non-negative bit count
    std::int32_t w8 = 0;  // word of an 8-bit word address
    std::int32_t b8 = 0;  // its bit

    static AlarmRowAddress at(std::int64_t add1, std::int64_t add2, std::int32_t row);
};
