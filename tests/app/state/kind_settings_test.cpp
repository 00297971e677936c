#include "state/kind_settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/scripted_platform.h"
#include "state/curve_file.h"
#include "state/design_state.h"
#include "state/failure.h"
#include "state/source_kind_switch.h"

TEST(KindSettingsTable, DefaultsPerRow) {
  const KindSettingsTable table = defaultKindSettings();
  const KindRow expectedText{1,  5,  5, 0, 0, 0,   0, 0, 0, 50, 60, 60,  50, 60, 7, 20,
                             50, 50, 0, 0, 0, 100, 0, 0, 0, 20, 0,  255, 0,  1,  0, 0};
  EXPECT_EQ(table[1], expectedText);
  KindRow expectedOther = expectedText;
  expectedOther[kindColumn::Available] = 0;
  expectedOther[7] = 200;
  EXPECT_EQ(table[2], expectedOther);
  EXPECT_EQ(table[3], expectedOther);
  EXPECT_EQ(table[0], KindRow{});
  EXPECT_EQ(table[4], KindRow{});
}

TEST(KindSettingsTable, EachEffectKeepsItsOwnColumns) {
  KindRow row{};
  storeEffectSliders(row, effectType::CastShadow, {{11, 12, 13}, {1, 2, 3}});
  storeEffectSliders(row, effectType::Raised, {{44, 0, 0}, {}});
  storeEffectSliders(row, effectType::Glow, {{70, 0, 0}, {7, 8, 9}});
  EXPECT_EQ(row[12], 11);
  EXPECT_EQ(row[14], 13);
  EXPECT_EQ(row[16], 44);
  EXPECT_EQ(row[25], 70);
  EXPECT_EQ(loadColour(row, 26), (Rgb{7, 8, 9}));
  EXPECT_EQ(row[9], 0);
  EXPECT_EQ(loadEffectSliders(row, effectType::CastShadow), (EffectSliders{{11, 12, 13}, {}}));
  EXPECT_EQ(loadEffectSliders(row, effectType::NoContour), EffectSliders{});
  EXPECT_EQ(loadEffectSliders(row, effectType::Glow), (EffectSliders{{70, 0, 0}, {7, 8, 9}}));
}

TEST(SourceKindSwitch, MaterialGroupsAndStoredCurveNames) {
  EXPECT_EQ(materialGroup(0), 1);
  EXPECT_EQ(materialGroup(5), 1);
  EXPECT_EQ(materialGroup(6), 2);
  EXPECT_EQ(materialGroup(7), 3);
  EXPECT_EQ(storedCurveName(1, 2), QStringLiteral("temp12.txt"));
}

class SourceKindSwitchTest : public testing::Test {
 protected:
  QTemporaryDir curves;
  DesignState state;
};

TEST_F(SourceKindSwitchTest, TextToShapeAndBackRestoresTheText) {
  state.designFrame = {40, 30, 0, 0};
  state.surfacePattern = 2;
  state.material = 6;
  state.fillKind = 1;
  state.effectType = effectType::Glow;
  state.deformationType = 2;
  state.deformationAmount = 70;
  state.curveAxis = 1;

  storeSourceKind(state, sourceKind::Text, curves.path());
  const KindControls shape = loadSourceKind(state, sourceKind::Shape);
  EXPECT_EQ(state.designFrame.left, 5);
  EXPECT_EQ(state.material, 0);
  // A kind never visited shows "Rotate" and "No contour".
  EXPECT_EQ(shape.deformationType, 1);
  EXPECT_EQ(shape.effectType, effectType::NoContour);

  state.designFrame = {9, 9, 0, 0};
  storeSourceKind(state, sourceKind::Shape, curves.path());
  const KindControls text = loadSourceKind(state, sourceKind::Text);
  EXPECT_EQ(state.designFrame.left, 40);
  EXPECT_EQ(state.designFrame.top, 30);
  EXPECT_EQ(state.surfacePattern, 2);
  EXPECT_EQ(state.material, 6);
  EXPECT_EQ(text.fillKind, 1);
  EXPECT_EQ(text.effectType, effectType::Glow);
  EXPECT_EQ(text.deformationType, 2);
  EXPECT_EQ(text.deformationAmount, 70);
  EXPECT_EQ(state.curveAxisTable[1][2], 1);
}

TEST_F(SourceKindSwitchTest, StoresTheCurveOfKindAndGroupAndLeavesTheKindsOwnFillColour) {
  state.material = 7;
  state.curve.y = {0, 1, 2, 3, 4, 5, 6, 0};
  state.fillColour = {10, 20, 30};
  storeSourceKind(state, sourceKind::Text, curves.path());
  ScriptedPlatform platform;
  EXPECT_EQ(readCurveFile(curves.filePath("temp13.txt"), platform), state.curve);
  loadSourceKind(state, sourceKind::Picture);
  EXPECT_EQ(loadColour(state.kindSettings[3], kindColumn::FillRed), (Rgb{0, 0, 200}));
}

TEST_F(SourceKindSwitchTest, UnwritableCurveFolderFailsAfterStoringTheSettings) {
  QFile blocker(curves.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  state.designFrame.left = 77;
  EXPECT_THROW(storeSourceKind(state, sourceKind::Text, blocker.fileName()), Failure);
  EXPECT_EQ(state.kindSettings[1][kindColumn::FrameLeft], 77);
}
