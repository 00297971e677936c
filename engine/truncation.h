// Conversions of computed values into stored integers. Results outside the
// stored range (only reachable with arguments outside their documented
// ranges) are clamped, and a NaN never reaches an integer conversion.
#pragma once

#include <cstdint>

namespace velloro {

// Truncates toward zero, clamped into low..high; NaN gives `low`.
inline int32_t truncateInto(double value, int32_t low, int32_t high) {
  if (!(value >= low)) return low;
  if (value >= high) return high;
  return static_cast<int32_t>(value);
}

inline uint8_t truncateToByte(double value) {
  return static_cast<uint8_t>(truncateInto(value, 0, 255));
}

// Clamps into 0..1; NaN gives 0.
inline double clampUnit(double value) { return value > 0 ? (value < 1 ? value : 1) : 0; }

}  // namespace velloro
