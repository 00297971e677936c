#include "materials.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "spline.h"

namespace velloro {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTenThirds = 3.3333333333333335;

double fourthPower(double value) { return value * value * value * value; }

// A wave of `frequency` radians per design pixel across the outline, seen
// in a block of density x density pixels, averages to this share of its
// swing: a pixel of density 1 shows the wave's value at its centre, so a
// denser wave swings wider by the inverse for its blocks to show the same.
double blockAverage(double frequency, int32_t density) {
  double sum = 0;
  for (int32_t i = 0; i < density; ++i) sum += std::cos(frequency * ((i + 0.5) / density - 0.5));
  return sum / density;
}

double plain(const ShadingPoint& p) { return p.profile; }

// Light level on a thin rim, blended into the profile over the second pixel.
double rimLit(const ShadingPoint& p) {
  const double d = p.edgeDistance;
  if (d < 1) return p.light;
  if (d < 2) return p.profile * (d - 1) + p.light * (2 - d);
  return p.profile;
}

// Light with a highlight on the outer bevel, profile further in.
double bevelHighlight(const ShadingPoint& p) {
  const double x = p.rootDepth;
  const double v = p.profile;
  double z = (p.light + 0.5) / 2;
  if (0.3 <= x && x < 0.5) z = (z * (0.5 - x) + v * (x - 0.3)) * 5;
  if (x >= 0.5) z = v;
  const double highlight = std::max(p.light - 0.7, 0.0);
  if (x < 0.3) return (z * (0.3 - x) + x * (highlight + z)) * kTenThirds;
  if (x < 0.5) return (z * (x - 0.3) + (0.5 - x) * (highlight + z)) * 5;
  return z;
}

// A ridge: lit rim, inverted band, then the profile.
double ridge(const ShadingPoint& p) {
  const double x = p.rootDepth;
  double w = std::clamp(p.light, 0.3, 0.7);
  if (0.2 <= x && x < 0.3) {
    w = (w * (0.3 - x) + (1 - w) * (x - 0.2)) * 10;
  } else if (0.3 <= x && x < 0.4) {
    w = (p.profile * (x - 0.3) + (1 - w) * (0.4 - x)) * 10;
  } else if (x >= 0.4) {
    w = p.profile;
  }
  if (x < 0.15) w = (0.15 - x) * kTenThirds + 6.666666666666667 * x * w;
  return w;
}

// Glossy rim whose reflections follow both diagonal light terms.
double glossy(const ShadingPoint& p) {
  const double s = std::min(p.depthTerm, 1.0);
  const double a = std::min(p.lightA, 0.0);
  const double b = p.lightB;
  const double pp = 1 - (2 * s * a + 0.84) * 0.575;
  const double qm = 1 - (1.71 * s * b + 0.9) * 0.575;
  const double soft = 1 - (s * b + 0.9) * 0.575;
  const double k = 0.35 + soft * soft / 2;
  const double sineP = std::sin(2 * kPi * pp - kPi / 2);
  const double sineQ = std::sin(2 * kPi * qm - kPi);
  const double g = 1 - std::sqrt((sineP * sineP + sineQ * sineQ) / 2);
  const double gloss = std::max(0.75 * fourthPower(g) * qm, 0.0);
  return s * (gloss + k) + p.profile * (1 - s);
}

// Where the chrome rim's slope ends. Pixels of density 1 lie whole pixels
// in along a straight outline, so the third shows the rim's end and the
// fourth the level beyond. A denser render carries the slope on to the
// third design pixel's far side: its pixels there then average to the
// slope's value at three, which is the level, where a kink in the middle of
// the block would lift them above it.
double rimEnd(int32_t density) { return density == 1 ? 3 : 3.5; }

// Reflections across the whole face, with a rim shaded by light and angle.
double chrome(const ShadingPoint& p) {
  const double x = p.rootDepth;
  const double d = p.edgeDistance;
  const double level = std::max(std::trunc(100 * p.light), std::trunc(100 * p.angle)) / 100;
  const double z = d >= rimEnd(p.density) ? level : (3 - d) * 0.13333333333333333 + level * d / 3;
  const double s = std::sin(2 * kPi * (x * p.lightA + 0.9) - kPi / 2);
  const double k = std::cos(2 * kPi * 0.575 * (0.84 - x * p.lightB) - kPi / 2);
  const double g = 1 - std::sqrt((k * k + s * s) / 2);
  return std::max(fourthPower(g), 0.0) + x * p.profile + (1 - x) * (1 - z);
}

// Where in the fade into the profile a pixel lies, 4 (none of the profile)
// to 5 (all of it). Along a straight outline the pixels of density 1 lie a
// whole number of pixels in, so their fade is a step between the fourth and
// the fifth pixel; a denser render takes the same step over one of its own
// pixels, for the block of each design pixel to average to density 1's
// value. Faded over a whole design pixel, the blocks on either side of the
// step would take in the neighbouring block's value.
double fadePosition(double designDistance, int32_t density) {
  // Taken through 4.5 and back, a distance could round to another double.
  if (density == 1) return designDistance;
  return 4.5 + (designDistance - 4.5) * density;
}

// Steel and gold end alike: a bright rim of two pixels and a fade into the
// profile between four and five pixels from the outline.
double metalTail(const ShadingPoint& p, double w) {
  const double d = p.edgeDistance;
  const double f = fadePosition(d, p.density);
  if (4 <= f && f < 5) w = w * (5 - f) + p.profile * (f - 4);
  if (f >= 5) w = p.profile;
  if (d < 2) w = (2 - d) / 4 + d * w / 2;
  return w;
}

double steel(const ShadingPoint& p) {
  const double d = p.edgeDistance;
  const double band = 0.4 + 0.05 * (std::sin(3 * kPi * p.verticalFraction) + 1);
  const double ripple =
      1 - (std::sin(0.6 * kPi * d - 1.2 * kPi) / blockAverage(0.6 * kPi, p.density) + 1) / 2;
  const double y = 1 - (p.lightB + 1) / 2 + 0.02 * d;
  double z = y <= 0.9 ? y : 1.8 - y;
  if (z < 0.6) z = 1.2 - z;
  if (z < 0.7) z = 1.4 - z;
  const double m = 0.4 * band + 0.35 * z;
  const double s = m * ripple + (m + 0.05) * (1 - ripple);
  double b = (std::sin(kPi * s - kPi / 2) + 1) / 2;
  if (d < 2) b = (2 - d) / 4 + d * b / 2;
  return metalTail(p, metalCurve()(b));
}

double gold(const ShadingPoint& p) {
  const double d = p.edgeDistance;
  const double e = (1 - p.lightB) / 2;
  double x = (std::sin(kPi * e - 0.8 * kPi * d) / blockAverage(0.8 * kPi, p.density) + 1) / 2;
  if (d < 2) x = (2 - d) / 4 + d * x / 2;
  const double k = (std::sin(2 * kPi * e - kPi / 2) + 1) / 2;
  return metalTail(p, (x + k * k) / 2);
}

double byDepth(const ShadingPoint& p) { return p.depthTerm; }

}  // namespace

MaterialShader materialShader(int32_t material) {
  static constexpr MaterialShader kShaders[] = {plain,  rimLit, bevelHighlight, ridge,
                                                glossy, chrome, steel,          gold};
  static_assert(std::size(kShaders) == materialCount);
  if (material < 0 || material >= static_cast<int32_t>(std::size(kShaders))) return byDepth;
  return kShaders[material];
}

}  // namespace velloro
