// Surface patterns that roughen the profile: streaks, grain and ripples.
#pragma once

#include <array>
#include <cstdint>
#include <random>

#include "design_kinds.h"

namespace velloro {

class SurfacePattern {
 public:
  explicit SurfacePattern(SurfacePatternType pattern);

  // Overlays the pattern's value at mask pixel (row, column) on the
  // profile value; the pixels come row by row, left to right.
  double apply(double profile, int32_t row, int32_t column);

 private:
  double valueAt(int32_t row, int32_t column);
  int32_t randomBetween(int32_t low, int32_t high);

  SurfacePatternType pattern_;
  std::minstd_rand random_;
  std::array<int32_t, 40> streaks_{};  // shared by all rows, one entry per column mod 40
  int32_t streakSum_ = 0;
};

// Ripple value of pixel (row, column); repeats every 11 pixels both ways.
double ripple(int32_t row, int32_t column);

}  // namespace velloro
