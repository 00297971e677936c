// Inputs of the direction fields' window averages, laid out in a padded
// region. They belong to a render and keep their memory from one render to
// the next with the render's other working arrays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velloro {

inline constexpr size_t kBrightClass = 0;
inline constexpr size_t kDarkClass = 1;

// Per class, each pixel's values, or +0.0 where the pixel is of the other
// class or is padding: a window sums its own class's maps without any test.
// The background's light A and angle are never read, so it has none.
struct ClassMaps {
  std::vector<double> member;  // 1.0 or 0.0
  std::vector<double> sineA;
  std::vector<double> sineB;
  std::vector<double> angle;

  void reset(size_t size, bool ofElement) {
    member.assign(size, 0.0);
    sineA.assign(ofElement ? size : 0, 0.0);
    sineB.assign(size, 0.0);
    angle.assign(ofElement ? size : 0, 0.0);
  }
};

struct WindowInputs {
  std::vector<uint8_t> dark;
  std::vector<uint8_t> lightWanted;
  std::vector<double> count;  // same-class neighbours of each pixel, itself included
  ClassMaps classes[2];

  // The background's maps stay empty unless the background is averaged too.
  void reset(size_t size, bool withBackground) {
    dark.assign(size, 0);
    lightWanted.assign(size, 0);
    count.assign(size, 0.0);
    classes[kBrightClass].reset(withBackground ? size : 0, false);
    classes[kDarkClass].reset(size, true);
  }
};

}  // namespace velloro
