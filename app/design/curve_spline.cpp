#include "design/curve_spline.h"

CurveSpline computeSpline(const CurvePoints& points) {
  CurveSpline spline;
  const auto& x = points.x;
  const auto& y = points.y;
  auto& h = spline.interval;
  auto& d = spline.secondDerivative;
  constexpr int last = curvePointCount - 1;
  for (int k = 0; k < last; ++k) h[k] = double(x[k + 1] - x[k]);

  // Rows i = 1..4 of the tridiagonal system, solved by forward elimination
  // and back substitution; the natural ends keep d(0) = d(5) = 0.
  std::array<double, curvePointCount> diagonal{};
  std::array<double, curvePointCount> rightSide{};
  for (int i = 1; i < last; ++i) {
    diagonal[i] = 2.0 * double(x[i + 1] - x[i - 1]);
    rightSide[i] = 6.0 * ((y[i + 1] - y[i]) / h[i] - (y[i] - y[i - 1]) / h[i - 1]);
  }
  for (int i = 2; i < last; ++i) {
    const double factor = h[i - 1] / diagonal[i - 1];
    diagonal[i] -= factor * h[i - 1];
    rightSide[i] -= factor * rightSide[i - 1];
  }
  for (int i = last - 1; i >= 1; --i) d[i] = (rightSide[i] - h[i] * d[i + 1]) / diagonal[i];
  return spline;
}

float curveValue(const CurvePoints& points, const CurveSpline& spline, int k, int x) {
  const float h = float(spline.interval[k]);
  const float dk = float(spline.secondDerivative[k]);
  const float dNext = float(spline.secondDerivative[k + 1]);
  const float t = float(x - points.x[k]) / h;
  const float u = 1.0f - t;
  return u * float(points.y[k]) + t * float(points.y[k + 1]) +
         ((u * u * u - u) * dk + (t * t * t - t) * dNext) * h * h / 6.0f;
}
