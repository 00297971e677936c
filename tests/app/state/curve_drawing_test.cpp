#include "state/curve_drawing.h"

#include <gtest/gtest.h>

#include "state/curve_spline.h"

namespace {

const QRgb red = qRgb(255, 0, 0);
const QRgb black = qRgb(0, 0, 0);
const QColor background(90, 90, 120);

QImage curveBox() { return QImage(150, 70, QImage::Format_RGB888); }

}  // namespace

TEST(CurveDrawing, PointPositionsInTheBox) {
  EXPECT_EQ(curveBoxPosition(0, 255), QPointF(6, 7));
  EXPECT_EQ(curveBoxPosition(255, 0), QPointF(133.5, 58));
  EXPECT_EQ(curveBoxPosition(100, 130), QPointF(56, 32));
}

TEST(CurveDrawing, FrameHasAxesArrowsPointCirclesAndLightGreyLabels) {
  QImage box = curveBox();
  drawCurveFrame(box, CurvePoints{}, background);
  EXPECT_EQ(box.pixel(6, 45), black);    // vertical axis
  EXPECT_EQ(box.pixel(100, 58), black);  // horizontal axis
  EXPECT_EQ(box.pixel(138, 58), black);  // arrow tip
  EXPECT_EQ(box.pixel(145, 5), background.rgb());
  // The circle around point 3 (100, 128) at (56, 32.4) has radius 3.
  EXPECT_EQ(box.pixel(59, 32), black);
  EXPECT_EQ(box.pixel(53, 32), black);
  EXPECT_NE(box.pixel(56, 32), black);
  int grey = 0;  // the labels are light grey
  for (int y = 0; y < 30; ++y)
    for (int x = 20; x < 120; ++x) grey += box.pixel(x, y) == qRgb(240, 240, 240);
  EXPECT_GT(grey, 30);
}

TEST(CurveDrawing, FlatCurvePlotsOneRedRow) {
  QImage box = curveBox();
  box.fill(background);
  plotCurve(box, CurvePoints{});
  for (int x = 6; x <= 133; ++x) EXPECT_EQ(box.pixel(x, 32), red) << x;
  int reds = 0;
  for (int y = 0; y < box.height(); ++y)
    for (int x = 0; x < box.width(); ++x) reds += box.pixel(x, y) == red;
  EXPECT_EQ(reds, 134 - 6 + 1);
}

TEST(CurveDrawing, PlotFollowsTheSpline) {
  QImage box = curveBox();
  box.fill(background);
  const CurvePoints rising{{0, 0, 50, 100, 150, 200, 255, 0}, {0, 0, 50, 100, 150, 200, 255, 0}};
  plotCurve(box, rising);
  EXPECT_EQ(box.pixel(6, 58), red);   // (0, 0)
  EXPECT_EQ(box.pixel(56, 38), red);  // (100, 100)
  EXPECT_EQ(box.pixel(134, 7), red);  // (255, 255)
}

namespace {

const CurvePoints bumpy{{0, 0, 40, 90, 150, 210, 255, 0}, {0, 60, 210, 90, 225, 120, 40, 0}};

// The slope over one step of x, the finest the integer positions allow.
double slope(const CurvePoints& points, const CurveSpline& spline, int k, int x) {
  return double(curveValue(points, spline, k, x + 1)) - curveValue(points, spline, k, x);
}

}  // namespace

// A natural spline: no bend at the ends, equal slopes and bends at every
// inner knot. The flat curve, a straight row, is the plot's test.
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
