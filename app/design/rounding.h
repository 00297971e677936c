// Conversion of a real to an integer the way the program's measures expect:
// to the nearest integer, halves to the even neighbour (2.5 gives 2).
#pragma once

#include <cmath>
#include <cstdint>

inline int32_t roundHalfEven(double value) { return int32_t(std::nearbyint(value)); }
