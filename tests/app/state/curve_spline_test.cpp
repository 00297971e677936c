#include "state/curve_spline.h"

#include <gtest/gtest.h>

namespace {

const CurvePoints bumpy{{0, 0, 40, 90, 150, 210, 255, 0}, {0, 60, 210, 90, 225, 120, 40, 0}};

double slope(const CurvePoints& points, const CurveSpline& spline, int k, int x) {
  // One-sided difference with a tiny step is not possible on integer x, so
  // use the spline's own derivative formula through two close values.
  return double(curveValue(points, spline, k, x + 1)) - curveValue(points, spline, k, x);
}

}  // namespace

TEST(CurveSpline, FlatCurveIsAStraightLine) {
  const CurvePoints flat;
  const CurveSpline spline = computeSpline(flat);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(spline.secondDerivative[i], 0.0);
  for (int k = 1; k <= 5; ++k)
    for (int x = flat.x[k]; x <= flat.x[k + 1]; ++x)
      EXPECT_EQ(curveValue(flat, spline, k, x), 128.0f);
}

// A natural spline: no bend at the ends, equal slopes and bends at every
// inner knot.
TEST(CurveSpline, SolvesTheNaturalSplineSystem) {
  const CurveSpline spline = computeSpline(bumpy);
  const auto& h = spline.interval;
  const auto& d = spline.secondDerivative;
  EXPECT_EQ(d[1], 0.0);
  EXPECT_EQ(d[6], 0.0);
  EXPECT_EQ(h[5], 45.0);
  const auto& x = bumpy.x;
  const auto& y = bumpy.y;
  for (int i = 2; i <= 5; ++i) {
    const double left = h[i - 1] * d[i - 1] + 2.0 * (x[i + 1] - x[i - 1]) * d[i] + h[i] * d[i + 1];
    const double right = 6.0 * ((y[i + 1] - y[i]) / h[i] - (y[i] - y[i - 1]) / h[i - 1]);
    EXPECT_NEAR(left, right, 1e-9) << "knot " << i;
  }
}

TEST(CurveSpline, PassesThroughThePointsAndJoinsSmoothly) {
  const CurveSpline spline = computeSpline(bumpy);
  for (int k = 1; k <= 5; ++k) {
    EXPECT_NEAR(curveValue(bumpy, spline, k, bumpy.x[k]), bumpy.y[k], 1e-3);
    EXPECT_NEAR(curveValue(bumpy, spline, k, bumpy.x[k + 1]), bumpy.y[k + 1], 1e-3);
  }
  for (int k = 2; k <= 5; ++k) {
    const int knot = bumpy.x[k];
    const double before = slope(bumpy, spline, k - 1, knot - 1);
    const double after = slope(bumpy, spline, k, knot);
    EXPECT_NEAR(before, after, 0.5) << "knot " << k;
  }
}
