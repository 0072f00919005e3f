#include "AlarmRowAddress.h"

namespace {

// Sums in unsigned arithmetic: extreme inputs wrap instead of overflowing.
std::int64_t add64(std::int64_t a, std::int64_t b)
{
    return std::int64_t(std::uint64_t(a) + std::uint64_t(b));
}

std::int32_t add32(std::int32_t a, std::int32_t b)
{
    return std::int32_t(std::uint32_t(a) + std::uint32_t(b));
}

std::int32_t low32(std::int64_t value)
{
    return std::int32_t(std::uint32_t(std::uint64_t(value)));
}

} // namespace

AlarmRowAddress AlarmRowAddress::at(std::int64_t add1, std::int64_t add2, std::int32_t row)
{
    AlarmRowAddress a;
    a.w = add64(add1, row);
    const std::int32_t base = low32(add1);
    const std::int32_t bits = add32(low32(add2), row);
    a.w16 = add32(base, bits / 16);
    a.b16 = bits % 16;
    a.w8 = add32(base, bits / 8);
    a.b8 = bits % 8;
    return a;
}
