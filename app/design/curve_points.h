// The six points of the profile curve: positions x1..x6 rising from 0 to 255
// across the design, values y1..y6 the brightness 0..255 there. Index 0 and 7
// are unused so that point i sits at index i.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int curvePointCount = 6;

struct CurvePoints {
  std::array<int32_t, 8> x{0, 0, 50, 100, 150, 200, 255, 0};
  std::array<int32_t, 8> y{0, 128, 128, 128, 128, 128, 128, 0};

  bool operator==(const CurvePoints&) const = default;
};
