#include "state/design_state.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "platform/run_folder.h"
#include "state/font_choices.h"

TEST(DesignState, StartsWithTheStartUpDefaults) {
  const DesignState state;
  EXPECT_EQ(state.sourceKind, SourceKind::Text);
  EXPECT_EQ(state.designFrame.left, 5);
  EXPECT_EQ(state.designFrame.top, 5);
  EXPECT_EQ(state.effectType, EffectType::Engraved);
  EXPECT_EQ(state.fillColour, (Rgb{0, 0, 200}));
  EXPECT_EQ(state.outlineColour, (Rgb{0, 0, 0}));
  EXPECT_EQ(state.glowColour, (Rgb{0, 255, 0}));
  EXPECT_EQ(state.curve.x, (std::array<int32_t, 8>{0, 0, 50, 100, 150, 200, 255, 0}));
  EXPECT_EQ(state.undo.counters.position, 0);
  EXPECT_EQ(state.ellipseRatio, 0.0);
}

TEST(DesignState, ScreenMetricsGiveLayoutUnitsAndFontScale) {
  DesignState state;
  applyScreenMetrics(state, 96, 96);
  EXPECT_EQ(state.layoutUnitX, 15);
  EXPECT_DOUBLE_EQ(state.fontScaleFactor, 1.0);
  applyScreenMetrics(state, 120, 144);
  EXPECT_EQ(state.layoutUnitX, 12);
  EXPECT_EQ(state.layoutUnitY, 10);
  EXPECT_DOUBLE_EQ(state.fontScaleFactor, 0.8);
}

TEST(DesignState, WorkingFilesAreMadeEmptyAndDeletedAtTheEnd) {
  WorkingFiles files;
  createStartupWorkingFiles(files);
  for (const QString& made : {files.render, files.canvas}) {
    const QFileInfo info(made);
    EXPECT_TRUE(info.isFile()) << made.toStdString();
    EXPECT_EQ(info.size(), 0);
    EXPECT_EQ(info.absolutePath() + '/', runFolder());
  }
  EXPECT_NE(files.render, files.canvas);
  EXPECT_TRUE(files.spare.isEmpty());
  deleteWorkingFiles(files);
  EXPECT_FALSE(QFileInfo::exists(files.render));
  EXPECT_FALSE(QFileInfo::exists(files.canvas));
}

TEST(FontChoices, TwentyTwoSizesWithoutGaps) {
  const QStringList sizes = fontSizeChoices();
  ASSERT_EQ(sizes.size(), 22);
  EXPECT_EQ(sizes.first(), QStringLiteral("20"));
  EXPECT_EQ(sizes[16], QStringLiteral("100"));
  EXPECT_EQ(sizes[17], QStringLiteral("120"));
  EXPECT_EQ(sizes.last(), QStringLiteral("200"));
  EXPECT_FALSE(sizes.contains(QStringLiteral("105")));
  EXPECT_FALSE(sizes.contains(QStringLiteral("110")));
}
