#include "state/design_state.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "platform/run_folder.h"
#include "state/font_choices.h"

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
