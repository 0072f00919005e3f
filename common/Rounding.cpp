#include "Rounding.h"

#include <cmath>
#include <limits>

std::int64_t RoundHalfEven(double x)
{
    if (std::isnan(x))
        return 0;
    constexpr double limit = 9.2e18;
    if (x >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (x <= -limit)
        return std::numeric_limits<std::int64_t>::min();
    const double whole = std::floor(x);
    const double fraction = x - whole;
    auto result = static_cast<std::int64_t>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && (result % 2 != 0)))
        ++result;
    return result;
}

int RoundInt(double x)
{
    const std::int64_t r = RoundHalfEven(x);
    if (r > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (r < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}
