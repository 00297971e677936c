// Arguments beyond their documented ranges: the engine takes each as the
// nearest end of its range, or renders a defined picture, and never
// overflows or divides by zero (the sanitizer builds see the latter).
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "engine.h"
#include "mask_picture.h"
#include "spline.h"

namespace velloro::test {
namespace {

struct Settings {
  int32_t surfacePattern = 0;
  int32_t deformationType = 0;
  int32_t deformationAmount = 50;
  int32_t effectType = 4;  // "Raised" shades its edge from the fill colour too
  int32_t fill = 120;
  std::array<int32_t, 6> knotX{0, 50, 100, 150, 200, 255};
};

std::vector<uint8_t> rendered(const Settings& s) {
  Picture mask = rectangleMask(40, 30, 6, 6, 22, 30);
  Picture source(48, 36, 200);
  Picture output(48, 36, 0);
  const auto& x = s.knotX;
  ACTION(mask.data(), source.data(), output.data(), mask.stride, mask.rows, output.stride,
         output.rows, 2, 2, 75, s.surfacePattern, 2, 0, s.deformationType, s.effectType,
         s.deformationAmount, 40, 0, 0, 0, s.fill, s.fill, s.fill, 1, x[0], x[1], x[2], x[3], x[4],
         x[5], 30, 200, 90, 250, 10, 160);
  DESTRUCTION();
  return output.bytes;
}

TEST(HostileArguments, OutOfRangeValuesRenderAsTheNearestEnd) {
  struct Case {
    const char* what;
    Settings hostile;
    Settings nearest;
  };
  const Case cases[] = {
      {"fill far above a byte", {.fill = 100000}, {.fill = 255}},
      {"fill at the 32-bit maximum", {.fill = INT_MAX}, {.fill = 255}},
      {"fill far below zero", {.fill = -100000}, {.fill = 0}},
      {"fill at the 32-bit minimum", {.fill = INT_MIN}, {.fill = 0}},
      {"curve amount 2^29",
       {.deformationType = 2, .deformationAmount = 1 << 29},
       {.deformationType = 2, .deformationAmount = 100}},
      {"curve amount at the 32-bit maximum",
       {.deformationType = 2, .deformationAmount = INT_MAX},
       {.deformationType = 2, .deformationAmount = 100}},
      {"curve amount near the 32-bit minimum",
       {.deformationType = 2, .deformationAmount = INT_MIN + 1},
       {.deformationType = 2, .deformationAmount = 0}},
      {"coinciding knots",
       {.knotX = {0, 0, 100, 150, 150, 255}},
       {.knotX = {0, 1, 100, 150, 151, 255}}},
      {"falling knots",
       {.knotX = {0, 50, 40, 150, 200, 255}},
       {.knotX = {0, 50, 51, 150, 200, 255}}},
  };
  for (const Case& c : cases) EXPECT_EQ(rendered(c.hostile), rendered(c.nearest)) << c.what;
}

TEST(HostileArguments, SurfacePatternOutsideItsRangeShadesWithAFlatZeroCurve) {
  // No profile is built for such a pattern: every lookup gives zero, the
  // same picture for any such value.
  const std::vector<uint8_t> beyond = rendered({.surfacePattern = 4});
  EXPECT_EQ(rendered({.surfacePattern = INT_MIN}), beyond);
  EXPECT_EQ(rendered({.surfacePattern = INT_MAX}), beyond);
  EXPECT_NE(rendered({.surfacePattern = 0}), beyond);
}

TEST(CubicSplineEdges, SplineNeverBuiltIsZeroEverywhere) {
  const CubicSpline unbuilt;
  for (double p : {0.0, 0.3, 1.0}) EXPECT_EQ(unbuilt(p), 0.0) << p;
}

TEST(CubicSplineEdges, CoincidingKnotsGiveFiniteValuesThroughTheKnots) {
  const double positions[] = {0, 0, 0, 255, 255, 255};
  const double values[] = {0, 40, 80, 120, 200, 255};
  const CubicSpline spline(positions, values, 6);
  for (int step = 0; step <= 20; ++step) EXPECT_TRUE(std::isfinite(spline(step / 20.0))) << step;
  // Knots 0, 1, 2 and 255, 256, 257: the value at 255 is the fourth knot's.
  EXPECT_DOUBLE_EQ(spline(1.0), 120.0 / 255);
}

}  // namespace
}  // namespace velloro::test
