#include "state/outside_effects.h"

#include <gtest/gtest.h>

// Drop shadow offsets run from -25 to +25 with their sign; the cast shadow
// shows its height and its orientation in steps of 5 degrees.
TEST(OutsideEffects, ShadowValueLabels) {
  struct Case {
    EffectType effect;
    int slider, value;
    const char* label;
  };
  const Case cases[] = {
      {EffectType::DropShadow, 2, 50, "0"},      {EffectType::DropShadow, 2, 60, "+ 5"},
      {EffectType::DropShadow, 3, 0, "- 25"},    {EffectType::DropShadow, 3, 100, "+ 25"},
      {EffectType::CastShadow, 3, 100, "360 °"}, {EffectType::CastShadow, 3, 3, "10 °"},
      {EffectType::CastShadow, 3, 25, "90 °"},   {EffectType::CastShadow, 3, 50, "180 °"},
      {EffectType::CastShadow, 3, 75, "270 °"},  {EffectType::CastShadow, 2, 61, "60"},
      {EffectType::Glow, 1, 51, "50 %"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(shadowLabels(c.slider, c.value, outsideEffect(c.effect))->value,
              QString::fromUtf8(c.label))
        << c.label;
}

TEST(OutsideEffects, StrengthIsAPercentForEveryEffectTheParametersOnlyForShadows) {
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
