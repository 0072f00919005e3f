#include "TickCount.h"

#include <ctime>

std::uint32_t GetTickCount()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms = std::uint64_t(now.tv_sec) * 1000u + std::uint64_t(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}
