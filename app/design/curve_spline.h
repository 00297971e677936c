// The natural cubic spline through the six profile curve points, as the curve
// box draws it.
#pragma once

#include <array>

#include "design/curve_points.h"

struct CurveSpline {
  std::array<double, curvePointCount - 1> interval{};      // h(k) = x(k+1) - x(k), k = 0..4
  std::array<double, curvePointCount> secondDerivative{};  // d(0)..d(5); d(0) = d(5) = 0
};

CurveSpline computeSpline(const CurvePoints& points);

// The spline's value at position x on segment k (0..4), in single precision.
float curveValue(const CurvePoints& points, const CurveSpline& spline, int k, int x);
