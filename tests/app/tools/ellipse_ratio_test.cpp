#include "tools/ellipse_ratio.h"

#include <gtest/gtest.h>

// Hundredths up to 100, then steps of 5 hundredths.
TEST(EllipseRatio, SliderPositionsGiveTheirRatio) {
  const std::pair<int, double> cases[] = {{20, 0.2},   {57, 0.57}, {100, 1.0},
                                          {101, 1.05}, {130, 2.5}, {180, 5.0}};
  for (const auto& [slider, ratio] : cases)
    EXPECT_NEAR(ellipseRatioOfSlider(slider), ratio, 1e-12) << slider;
}

TEST(EllipseRatio, TheInverseFindsTheSliderAgain) {
  for (int slider = 20; slider <= 180; ++slider)
    EXPECT_EQ(sliderOfEllipseRatio(ellipseRatioOfSlider(slider)), slider);
  EXPECT_EQ(sliderOfEllipseRatio(2.5), 130);
}
