// The ellipse ratio (height over width) and the ellipse ratio dialog's
// slider: 20..100 give 0.2..1.0 in steps of 0.01, 101..180 give 1.05..5.0
// in steps of 0.05.
#pragma once

double ellipseRatioOfSlider(int sliderValue);
int sliderOfEllipseRatio(double ratio);
