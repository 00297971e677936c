#include <gtest/gtest.h>

#include "main_window/effect_labels.h"
#include "state/kind_settings.h"

namespace {

QString shadowValue(int k, int value, int effect) { return shadowLabels(k, value, effect)->value; }

}  // namespace

TEST(EffectLabels, DropShadowOffsetsRunFromMinus25ToPlus25WithTheirSign) {
  EXPECT_EQ(shadowValue(2, 50, effectType::DropShadow), QStringLiteral("0"));
  EXPECT_EQ(shadowValue(2, 60, effectType::DropShadow), QStringLiteral("+ 5"));
  EXPECT_EQ(shadowValue(3, 0, effectType::DropShadow), QStringLiteral("- 25"));
  EXPECT_EQ(shadowValue(3, 100, effectType::DropShadow), QStringLiteral("+ 25"));
  const ShadowLabels labels = *shadowLabels(2, 0, effectType::DropShadow);
  EXPECT_EQ(*labels.first, QStringLiteral("S. offset X :"));
  EXPECT_EQ(*labels.second, QStringLiteral("S. offset Y :"));
}

TEST(EffectLabels, CastShadowShowsHeightAndOrientationInStepsOf5Degrees) {
  EXPECT_EQ(shadowValue(3, 100, effectType::CastShadow), QStringLiteral("360 °"));
  EXPECT_EQ(shadowValue(3, 3, effectType::CastShadow), QStringLiteral("10 °"));
  EXPECT_EQ(shadowValue(3, 25, effectType::CastShadow), QStringLiteral("90 °"));
  EXPECT_EQ(shadowValue(3, 50, effectType::CastShadow), QStringLiteral("180 °"));
  EXPECT_EQ(shadowValue(3, 75, effectType::CastShadow), QStringLiteral("270 °"));
  EXPECT_EQ(shadowValue(2, 61, effectType::CastShadow), QStringLiteral("60"));
  EXPECT_EQ(*shadowLabels(3, 0, effectType::CastShadow)->first, QStringLiteral("S. height :"));
  EXPECT_EQ(*shadowLabels(3, 0, effectType::CastShadow)->second, QStringLiteral("S. orient. :"));
}

TEST(EffectLabels, OpacityIsAPercentForEveryEffectTheOffsetsOnlyForShadows) {
  EXPECT_EQ(shadowValue(1, 51, effectType::Glow), QStringLiteral("50 %"));
  EXPECT_FALSE(shadowLabels(1, 51, effectType::Glow)->first);
  EXPECT_FALSE(shadowLabels(2, 60, effectType::Engraved));
  EXPECT_FALSE(shadowLabels(3, 60, effectType::NoContour));
  EXPECT_EQ(percentLabel(100), QStringLiteral("100 %"));
  EXPECT_EQ(percentLabel(0), QStringLiteral("0 %"));
}

TEST(EffectLabels, CurveBendsAround49AndRoundsTowardsMinusInfinity) {
  EXPECT_EQ(*deformationLabel(2, 49), QStringLiteral("0 °"));
  EXPECT_EQ(*deformationLabel(2, 0), QStringLiteral("-180 °"));
  EXPECT_EQ(*deformationLabel(2, 100), QStringLiteral("180 °"));
  EXPECT_EQ(*deformationLabel(1, 100), QStringLiteral("360 °"));
  EXPECT_EQ(*deformationLabel(1, 3), QStringLiteral("10 °"));
  EXPECT_FALSE(deformationLabel(0, 50));
}
