#include "state/kind_settings.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "desktop/scripted_platform.h"
#include "state/curve_file.h"
#include "state/design_state.h"
#include "state/source_kind_switch.h"

TEST(KindSettingsTable, EachEffectKeepsOnlyItsOwnSlidersAndColour) {
  KindRow row;
  storeEffectSliders(row, EffectType::CastShadow, {{11, 12, 13}, {1, 2, 3}});
  storeEffectSliders(row, EffectType::Raised, {{44, 45, 46}, {}});
  storeEffectSliders(row, EffectType::Glow, {{70, 0, 0}, {7, 8, 9}});
  storeEffectSliders(row, EffectType::Outline1, {{30, 0, 0}, {4, 5, 6}});
  EXPECT_EQ(loadEffectSliders(row, EffectType::CastShadow), (EffectSliders{{11, 12, 13}, {}}));
  EXPECT_EQ(loadEffectSliders(row, EffectType::Raised), (EffectSliders{{44, 0, 0}, {}}));
  EXPECT_EQ(loadEffectSliders(row, EffectType::Glow), (EffectSliders{{70, 0, 0}, {7, 8, 9}}));
  EXPECT_EQ(loadEffectSliders(row, EffectType::Outline2), (EffectSliders{{0, 0, 0}, {}}));
  EXPECT_EQ(loadEffectSliders(row, EffectType::DropShadow), EffectSliders{});
  EXPECT_EQ(loadEffectSliders(row, EffectType::NoContour), EffectSliders{});
  EXPECT_EQ(loadEffectSliders(row, EffectType{42}), EffectSliders{});  // read as "No contour"
}

TEST(KindSettingsTable, AKindOutsideTheThreeReadsAsText) {
  KindSettingsTable table = defaultKindSettings();
  table[SourceKind{9}].frameLeft = 77;
  EXPECT_EQ(table[SourceKind::Text].frameLeft, 77);
}

// What a switch to another kind and back restores is the window's test
// (the frame, the panels) and the styles' (every setting of a style). The
// curve is stored by kind and material group; a curves folder removed during
// the run is made again.
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
