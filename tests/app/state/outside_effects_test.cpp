#include "state/outside_effects.h"

#include <gtest/gtest.h>

namespace {

QString shadowValue(int k, int value, EffectType effect) {
  return shadowLabels(k, value, outsideEffect(effect))->value;
}

}  // namespace

TEST(OutsideEffects, DropShadowOffsetsRunFromMinus25ToPlus25WithTheirSign) {
  EXPECT_EQ(shadowValue(2, 50, EffectType::DropShadow), QStringLiteral("0"));
  EXPECT_EQ(shadowValue(2, 60, EffectType::DropShadow), QStringLiteral("+ 5"));
  EXPECT_EQ(shadowValue(3, 0, EffectType::DropShadow), QStringLiteral("- 25"));
  EXPECT_EQ(shadowValue(3, 100, EffectType::DropShadow), QStringLiteral("+ 25"));
}

TEST(OutsideEffects, CastShadowShowsHeightAndOrientationInStepsOf5Degrees) {
  EXPECT_EQ(shadowValue(3, 100, EffectType::CastShadow), QStringLiteral("360 °"));
  EXPECT_EQ(shadowValue(3, 3, EffectType::CastShadow), QStringLiteral("10 °"));
  EXPECT_EQ(shadowValue(3, 25, EffectType::CastShadow), QStringLiteral("90 °"));
  EXPECT_EQ(shadowValue(3, 50, EffectType::CastShadow), QStringLiteral("180 °"));
  EXPECT_EQ(shadowValue(3, 75, EffectType::CastShadow), QStringLiteral("270 °"));
  EXPECT_EQ(shadowValue(2, 61, EffectType::CastShadow), QStringLiteral("60"));
}

TEST(OutsideEffects, StrengthIsAPercentForEveryEffectTheParametersOnlyForShadows) {
  EXPECT_EQ(shadowValue(1, 51, EffectType::Glow), QStringLiteral("50 %"));
  EXPECT_FALSE(shadowLabels(1, 51, outsideEffect(EffectType::Glow))->first);
  EXPECT_FALSE(shadowLabels(2, 60, outsideEffect(EffectType::Engraved)));
  EXPECT_FALSE(shadowLabels(3, 60, outsideEffect(EffectType::NoContour)));
  EXPECT_EQ(percentLabel(100), QStringLiteral("100 %"));
  EXPECT_EQ(percentLabel(0), QStringLiteral("0 %"));
}

TEST(OutsideEffects, CurveBendsAround49AndRoundsTowardsMinusInfinity) {
  using velloro::DeformationType;
  EXPECT_EQ(*deformationLabel(DeformationType::Curve, 49), QStringLiteral("0 °"));
  EXPECT_EQ(*deformationLabel(DeformationType::Curve, 0), QStringLiteral("-180 °"));
  EXPECT_EQ(*deformationLabel(DeformationType::Curve, 100), QStringLiteral("180 °"));
  EXPECT_EQ(*deformationLabel(DeformationType::Rotate, 100), QStringLiteral("360 °"));
  EXPECT_EQ(*deformationLabel(DeformationType::Rotate, 3), QStringLiteral("10 °"));
  EXPECT_FALSE(deformationLabel(DeformationType::None, 50));
}
