#pragma once

#include <cstdint>

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4,
// 4.5 -> 4). The panel tools have always rounded this way, so every place that
// rounds a coordinate, a size or a value goes through this one helper.
std::int64_t RoundHalfEven(double x);

// RoundHalfEven for values known to fit an int (pixel and dot coordinates).
int RoundInt(double x);
