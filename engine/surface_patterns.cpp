#include "surface_patterns.h"

#include <cmath>
#include <numbers>

namespace velloro {
namespace {

constexpr int32_t kRipplePeriod = 11;

int32_t wrap(int32_t value, int32_t period) {
  const int32_t remainder = value % period;
  return remainder < 0 ? remainder + period : remainder;
}

double rippleOfCell(int32_t a, int32_t b) {
  constexpr double kPi = std::numbers::pi;
  const double h = std::log((a - 5) * (a - 5) + (b - 5) * (b - 5) + 1) / std::log(61);
  const double l = h * kPi / 2;
  return (std::cos(l + (1 - h) * (l + (1 - h) * std::atan2(a + b - 10, b - a)) + kPi) + 1) / 2;
}

using RippleTable = std::array<std::array<double, kRipplePeriod>, kRipplePeriod>;

const RippleTable& rippleTable() {
  static const RippleTable table = [] {
    RippleTable cells{};
    for (int32_t a = 0; a < kRipplePeriod; ++a)
      for (int32_t b = 0; b < kRipplePeriod; ++b) cells[a][b] = rippleOfCell(a, b);
    return cells;
  }();
  return table;
}

}  // namespace

double ripple(int32_t row, int32_t column) {
  return rippleTable()[wrap(row, kRipplePeriod)][wrap(column, kRipplePeriod)];
}

SurfacePattern::SurfacePattern(SurfacePatternType pattern) : pattern_(pattern) {}

int32_t SurfacePattern::randomBetween(int32_t low, int32_t high) {
  return low + static_cast<int32_t>(random_() % static_cast<uint32_t>(high - low + 1));
}

double SurfacePattern::valueAt(int32_t row, int32_t column) {
  switch (pattern_) {
    case SurfacePatternType::Streaks: {
      int32_t& entry =
          streaks_[static_cast<size_t>(wrap(column, static_cast<int32_t>(streaks_.size())))];
      streakSum_ -= entry;
      entry = randomBetween(0, 1);
      streakSum_ += entry;
      return 0.025 * streakSum_;
    }
    case SurfacePatternType::Grain: return randomBetween(0, 40) * 0.01 + 0.3;
    default: {
      const double w =
          ripple(row, column) + ripple(row + 5, column + 5) + ripple(row + 7, column + 7) - 0.75;
      return w > 1 ? 2 - w : w;
    }
  }
}

double SurfacePattern::apply(double profile, int32_t row, int32_t column) {
  if (pattern_ != SurfacePatternType::Streaks && pattern_ != SurfacePatternType::Grain &&
      pattern_ != SurfacePatternType::Ripples)
    return profile;
  const double w = valueAt(row, column);
  if (w < 0.5) return 2 * w * profile;
  return 1 - 2 * (1 - w) * (1 - profile);
}

}  // namespace velloro
