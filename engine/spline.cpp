#include "spline.h"

#include <algorithm>

namespace velloro {

CubicSpline::CubicSpline(const double* positions, const double* values, int32_t count)
    : count_(std::clamp(count, 2, kMaximumKnots)) {
  const int32_t n = count_;
  std::copy_n(positions, n, x_.begin());
  std::copy_n(values, n, y_.begin());
  // Each knot at least one step past the one before: no interval is empty,
  // so nothing below divides by zero. Rising integer positions stay as given.
  for (int32_t i = 1; i < n; ++i) x_[i] = std::max(x_[i], x_[i - 1] + 1);
  for (int32_t i = 0; i + 1 < n; ++i) h_[i] = x_[i + 1] - x_[i];

  // Tridiagonal system for the inner second derivatives, solved by forward
  // elimination and back substitution; both ends stay at zero.
  std::array<double, kMaximumKnots> d{};
  std::array<double, kMaximumKnots> e{};
  for (int32_t i = 1; i + 1 < n; ++i) {
    d[i] = 2 * (x_[i + 1] - x_[i - 1]);
    e[i] = 6 * ((y_[i + 1] - y_[i]) / h_[i] - (y_[i] - y_[i - 1]) / h_[i - 1]);
  }
  for (int32_t i = 2; i + 1 < n; ++i) {
    e[i] -= h_[i - 1] * e[i - 1] / d[i - 1];
    d[i] -= h_[i - 1] * h_[i - 1] / d[i - 1];
  }
  for (int32_t i = n - 2; i >= 1; --i) m_[i] = (e[i] - m_[i + 1] * h_[i]) / d[i];
}

// The last knot before the position; positions past the last knot use the
// last interval.
int32_t CubicSpline::intervalOf(double position) const {
  int32_t g = 0;
  for (int32_t i = 0; i < count_; ++i) {
    if (x_[i] < position) g = i;
  }
  return std::min(g, count_ - 2);
}

double CubicSpline::operator()(double p) const {
  const double position = std::max(p, 0.01) * 255;
  const int32_t g = intervalOf(position);
  const double h = h_[g];
  // A spline never built has only zero knots: its value is zero throughout.
  if (h <= 0) return y_[g] / 255;
  const double t = (position - x_[g]) / h;
  const double u = 1 - t;
  return (u * y_[g] + t * y_[g + 1] +
          ((t * t * t - t) * m_[g + 1] + (u * u * u - u) * m_[g]) * (h * h) / 6) /
         255;
}

CubicSpline profileSpline(const ActionArguments& args) {
  std::array<double, 6> positions{};
  std::array<double, 6> values{};
  for (size_t i = 0; i < positions.size(); ++i) {
    positions[i] = args.knotX[i];
    values[i] = args.knotY[i];
  }
  return CubicSpline(positions.data(), values.data(), 6);
}

const CubicSpline& metalCurve() {
  static constexpr double kPositions[] = {0, 31, 63, 92, 147, 224, 236, 247, 255};
  static constexpr double kValues[] = {129, 95, 63, 247, 60, 161, 141, 188, 255};
  static const CubicSpline curve(kPositions, kValues, 9);
  return curve;
}

}  // namespace velloro
