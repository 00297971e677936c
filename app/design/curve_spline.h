// The natural cubic spline through the six profile curve points, as the curve
// box draws it.
#pragma once

#include <array>

#include "design/curve_points.h"

struct CurveSpline {
  std::array<double, 8> interval{};          // h(k) = x(k+1) - x(k), k = 1..5
  std::array<double, 8> secondDerivative{};  // d(1)..d(6); d(1) = d(6) = 0
};

CurveSpline computeSpline(const CurvePoints& points);

// The spline's value at position x on segment k (1..5), in single precision.
float curveValue(const CurvePoints& points, const CurveSpline& spline, int k, int x);
