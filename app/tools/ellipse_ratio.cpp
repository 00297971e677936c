#include "tools/ellipse_ratio.h"

#include "design/rounding.h"

double ellipseRatioOfSlider(int sliderValue) {
  const double v = sliderValue / 100.0;
  return v <= 1 ? v : 1 + (v - 1) * 5;
}

int sliderOfEllipseRatio(double ratio) {
  return roundHalfEven(ratio <= 1 ? 100 * ratio : 100 * ((ratio - 1) / 5 + 1));
}
