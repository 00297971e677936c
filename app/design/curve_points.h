// The six points of the profile curve, counted from 0: positions rising
// from 0 to 255 across the design, values the brightness 0..255 there.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int curvePointCount = 6;

struct CurvePoints {
  std::array<int32_t, curvePointCount> x{0, 50, 100, 150, 200, 255};
  std::array<int32_t, curvePointCount> y{128, 128, 128, 128, 128, 128};

  bool operator==(const CurvePoints&) const = default;
};
