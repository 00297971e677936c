#include "tools/undo_files.h"

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
  UndoFiles undo(QStringLiteral("/tmp/"), QStringLiteral("Undop1"));
  EXPECT_EQ(undo.fileOfLevel(0), QStringLiteral("/tmp/Undop10.tmp"));
}

TEST(UndoFiles, UndoGivesBackTheStepsInReverse) {
  QTemporaryDir folder;
  UndoFiles undo(folder.path() + '/', QStringLiteral("Undop1"));
  undo.save(filled(Qt::white));
  undo.save(filled(Qt::black));
  EXPECT_EQ(undo.UndoTop, 2);
  EXPECT_EQ(undo.undo(), filled(Qt::black));
  EXPECT_EQ(undo.undo(), filled(Qt::white));
  EXPECT_FALSE(undo.undo().has_value());
  EXPECT_EQ(undo.UndoTop, 2);
}

TEST(UndoFiles, AStepThatCannotBeWrittenLeavesTheCounters) {
  UndoFiles undo(QStringLiteral("/nonexistent-folder/"), QStringLiteral("Undop1"));
  EXPECT_THROW(undo.save(filled(Qt::white)), Failure);
  EXPECT_EQ(undo.UndoLevel, 0);
  EXPECT_EQ(undo.UndoTop, 0);
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
  EXPECT_EQ(undo.UndoLevel, 0);
  EXPECT_EQ(undo.UndoTop, 0);
}
