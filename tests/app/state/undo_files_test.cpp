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

TEST(UndoFiles, AStepThatCannotBeWrittenLeavesTheCounters) {
  UndoFiles undo(QStringLiteral("/nonexistent-folder/"), QStringLiteral("Undop1"));
  EXPECT_THROW(undo.save(filled(Qt::white)), Failure);
  EXPECT_EQ(undo.level(), 0);
  EXPECT_EQ(undo.top(), 0);
}

TEST(UndoFiles, ThreeStrokesAndFourUndosGiveBackTheFirstDrawingThenNothing) {
  QTemporaryDir folder;
  UndoFiles undo(folder.path() + '/', QStringLiteral("Undopt1"));
  EXPECT_FALSE(undo.undo().has_value());
  for (Qt::GlobalColor colour : {Qt::black, Qt::red, Qt::blue}) undo.save(filled(colour));
  EXPECT_EQ(undo.top(), 3);
  for (Qt::GlobalColor colour : {Qt::blue, Qt::red, Qt::black})
    EXPECT_EQ(undo.undo(), filled(colour));
  EXPECT_FALSE(undo.undo().has_value());
  EXPECT_EQ(undo.top(), 3);
  undo.reset();
  for (int level = 0; level < 3; ++level) EXPECT_FALSE(QFile::exists(undo.fileOfLevel(level)));
  EXPECT_EQ(undo.level(), 0);
  EXPECT_EQ(undo.top(), 0);
}
