#include "tools/ellipse_ratio.h"

#include <gtest/gtest.h>

TEST(EllipseRatio, SliderUpTo100GivesHundredths) {
  EXPECT_DOUBLE_EQ(ellipseRatioOfSlider(20), 0.2);
  EXPECT_DOUBLE_EQ(ellipseRatioOfSlider(57), 0.57);
  EXPECT_DOUBLE_EQ(ellipseRatioOfSlider(100), 1.0);
}

TEST(EllipseRatio, SliderAbove100GivesSteps0f5Hundredths) {
  EXPECT_NEAR(ellipseRatioOfSlider(101), 1.05, 1e-12);
  EXPECT_NEAR(ellipseRatioOfSlider(130), 2.5, 1e-12);
  EXPECT_NEAR(ellipseRatioOfSlider(180), 5.0, 1e-12);
}

TEST(EllipseRatio, TheInverseFindsTheSliderAgain) {
  for (int slider = 20; slider <= 180; ++slider)
    EXPECT_EQ(sliderOfEllipseRatio(ellipseRatioOfSlider(slider)), slider);
  EXPECT_EQ(sliderOfEllipseRatio(2.5), 130);
}
