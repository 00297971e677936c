// Natural cubic splines through a handful of knots: the user's profile curve
// and the fixed curve the steel material maps its brightness through.
#pragma once

#include <array>
#include <cstdint>

#include "action_arguments.h"

namespace velloro {

class CubicSpline {
 public:
  static constexpr int32_t kMaximumKnots = 9;

  // A spline with every knot at zero, as when none was built.
  CubicSpline() = default;
  // Natural spline (zero second derivative at both ends) through `count`
  // knots whose positions increase.
  CubicSpline(const double* positions, const double* values, int32_t count);

  // Curve value over 0..1 at parameter p in 0..1, p being a fraction of the
  // 0..255 knot range.
  double operator()(double p) const;

 private:
  int32_t intervalOf(double position) const;

  int32_t count_ = 2;
  std::array<double, kMaximumKnots> x_{};
  std::array<double, kMaximumKnots> y_{};
  std::array<double, kMaximumKnots> h_{};  // knot intervals
  std::array<double, kMaximumKnots> m_{};  // second derivatives
};

// The user's six-knot profile curve of a render.
CubicSpline profileSpline(const ActionArguments& args);
// The fixed nine-knot curve of the steel material.
const CubicSpline& metalCurve();

}  // namespace velloro
