#include "state/undo_files.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "state/failure.h"

namespace {

QImage filled(Qt::GlobalColor colour) {
  QImage image(20, 10, QImage::Format_RGB888);
  image.fill(colour);
  return image;
}

}  // namespace

TEST(UndoFiles, StepsAreNamedByPrefixAndLevel) {
  const UndoFiles shapeSteps(QStringLiteral("/tmp/"), QStringLiteral("Undop1"));
  EXPECT_EQ(shapeSteps.fileOfLevel(0), QStringLiteral("/tmp/Undop10.tmp"));
  const UndoFiles maskSteps(QStringLiteral("/tmp/"), QStringLiteral("Undopt1"));
  EXPECT_EQ(maskSteps.fileOfLevel(12), QStringLiteral("/tmp/Undopt112.tmp"));
}

TEST(UndoFiles, UndoGivesBackTheStepsInReverse) {
  QTemporaryDir folder;
  UndoFiles undo(folder.path() + '/', QStringLiteral("Undop1"));
  undo.save(filled(Qt::white));
  undo.save(filled(Qt::black));
  EXPECT_EQ(undo.top(), 2);
  EXPECT_EQ(undo.undo(), filled(Qt::black));
  EXPECT_EQ(undo.undo(), filled(Qt::white));
  EXPECT_FALSE(undo.undo().has_value());
  EXPECT_EQ(undo.top(), 2);
}

TEST(UndoFiles, AStepThatCannotBeWrittenLeavesTheCounters) {
  UndoFiles undo(QStringLiteral("/nonexistent-folder/"), QStringLiteral("Undop1"));
  EXPECT_THROW(undo.save(filled(Qt::white)), Failure);
  EXPECT_EQ(undo.level(), 0);
  EXPECT_EQ(undo.top(), 0);
}

TEST(UndoFiles, ResetDeletesEveryStepWritten) {
  QTemporaryDir folder;
  UndoFiles undo(folder.path() + '/', QStringLiteral("Undop1"));
  undo.save(filled(Qt::white));
  undo.save(filled(Qt::white));
  undo.undo();
  undo.reset();
  EXPECT_FALSE(QFile::exists(undo.fileOfLevel(0)));
  EXPECT_FALSE(QFile::exists(undo.fileOfLevel(1)));
  EXPECT_EQ(undo.level(), 0);
  EXPECT_EQ(undo.top(), 0);
}

TEST(UndoFiles, ThreeStrokesAndFourUndosGiveBackTheFirstDrawingThenNothing) {
  QTemporaryDir folder;
  UndoFiles undo(folder.path() + '/', QStringLiteral("Undopt1"));
  EXPECT_FALSE(undo.undo().has_value());
  for (Qt::GlobalColor colour : {Qt::black, Qt::red, Qt::blue}) undo.save(filled(colour));
  EXPECT_EQ(undo.top(), 3);
  QImage last;
  for (int step = 0; step < 3; ++step) last = *undo.undo();
  EXPECT_EQ(last, filled(Qt::black));
  EXPECT_FALSE(undo.undo().has_value());
  undo.reset();
  EXPECT_FALSE(QFile::exists(undo.fileOfLevel(2)));
}
