// Outside effects: the values each keeps per source kind and their labels.
#include "state/curve_file.h"
#include "state/design_state.h"
#include "state/kind_settings.h"
#include "state/outside_effects.h"
#include "state/source_kind_switch.h"
#include "state_test.h"

// The values an effect does not keep come back as zero.
TEST(KindSettingsTable, EachEffectKeepsItsOwnSlidersAndStrayKindsReadAsText) {
  KindRow row;
  storeEffectSliders(row, EffectType::CastShadow, {{11, 12, 13}, {1, 2, 3}});
  storeEffectSliders(row, EffectType::Raised, {{44, 45, 46}, {}});
  EXPECT_EQ(loadEffectSliders(row, EffectType::CastShadow), (EffectSliders{{11, 12, 13}, {}}));
  EXPECT_EQ(loadEffectSliders(row, EffectType::Raised), (EffectSliders{{44, 0, 0}, {}}));
  // 42 reads as "No contour".
  for (EffectType other :
       {EffectType::Outline2, EffectType::DropShadow, EffectType::NoContour, EffectType{42}})
    EXPECT_EQ(loadEffectSliders(row, other), (EffectSliders{{0, 0, 0}, {}})) << int(other);
  KindSettingsTable table = defaultKindSettings();  // a kind outside the three reads as text
  table[SourceKind{9}].frameLeft = 77;
  EXPECT_EQ(table[SourceKind::Text].frameLeft, 77);
}

// The curve is stored by kind and material group, in a curves folder made
// again if it was removed.
TEST(SourceKindSwitch, StoresTheCurveOfKindAndMaterialGroup) {
  QTemporaryDir curves;
  DesignState state;
  state.material = Material::Gold;
  state.curve.y = {0, 1, 2, 3, 4, 5, 6, 0};
  storeSourceKind(state, SourceKind::Text, curves.path());
  ScriptedPlatform platform;
  EXPECT_EQ(readCurveFile(curves.filePath("temp13.txt"), platform), state.curve);
  state.material = Material::Profile;
  state.curve.y = {0, 9, 8, 7, 6, 5, 4, 0};
  storeSourceKind(state, SourceKind::Shape, curves.filePath("curves"));
  EXPECT_EQ(readCurveFile(curves.filePath("curves/temp21.txt"), platform), state.curve);
  EXPECT_TRUE(platform.messages.empty());
}

// Drop shadow offsets run from -25 to +25 with their sign; the cast shadow
// shows its height and its orientation in steps of 5 degrees.
TEST(OutsideEffects, ShadowStrengthAndDeformationLabels) {
  // The effect, the slider and its position, and the label shown.
  const std::tuple<EffectType, int, int, const char*> cases[] = {
      {EffectType::DropShadow, 2, 50, "0"},      {EffectType::DropShadow, 2, 60, "+ 5"},
      {EffectType::DropShadow, 3, 0, "- 25"},    {EffectType::DropShadow, 3, 100, "+ 25"},
      {EffectType::CastShadow, 3, 100, "360 °"}, {EffectType::CastShadow, 3, 3, "10 °"},
      {EffectType::CastShadow, 3, 25, "90 °"},   {EffectType::CastShadow, 3, 50, "180 °"},
      {EffectType::CastShadow, 3, 75, "270 °"},  {EffectType::CastShadow, 2, 61, "60"},
      {EffectType::Glow, 1, 51, "50 %"},
  };
  for (const auto& [effect, slider, value, label] : cases)
    EXPECT_EQ(shadowLabels(slider, value, outsideEffect(effect))->value, QString::fromUtf8(label))
        << label;
  // The strength is a percent for every effect, the parameters only for shadows.
  EXPECT_FALSE(shadowLabels(1, 51, outsideEffect(EffectType::Glow))->first);
  EXPECT_FALSE(shadowLabels(2, 60, outsideEffect(EffectType::Engraved)));
  EXPECT_FALSE(shadowLabels(3, 60, outsideEffect(EffectType::NoContour)));
  using velloro::DeformationType;
  EXPECT_EQ(*deformationLabel(DeformationType::Curve, 100), QStringLiteral("180 °"));
  EXPECT_EQ(*deformationLabel(DeformationType::Rotate, 100), QStringLiteral("360 °"));
  EXPECT_EQ(*deformationLabel(DeformationType::Rotate, 3), QStringLiteral("10 °"));
  EXPECT_FALSE(deformationLabel(DeformationType::None, 50));
}
