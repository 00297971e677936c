// A drawing tool's undo steps: each step is the drawing as it was before a
// stroke, kept as a BMP file in the temporary folder and named by the tool's
// prefix and the step's level ("Undop1" + level + ".tmp" for the shape tool,
// "Undopt1" + level + ".tmp" for the picture tool's mask). There is no redo:
// a stroke after an undo overwrites the file of its level.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

class UndoFiles {
 public:
  // `folder` ends in "/".
  UndoFiles(QString folder, QString prefix);

  // Steps that can still be taken back.
  int level() const { return level_; }
  // The highest level reached since the last reset.
  int top() const { return top_; }

  QString fileOfLevel(int level) const;

  // Keeps `drawing` as the step of the current level. Throws a Failure when
  // the file cannot be written; the levels stay as they were then.
  void save(const QImage& drawing);

  // The drawing of the step below the current level, which becomes the
  // current level; none at level 0. Throws a Failure when the step's file
  // is missing or unreadable, leaving the level where it was.
  std::optional<QImage> undo();

  // Deletes every step's file written since the last reset and starts again
  // at level 0.
  void reset();

 private:
  QString folder_;
  QString prefix_;
  // 16-bit like the counters they stand for, so a very long session wraps
  // the same way.
  int16_t level_ = 0;
  int16_t top_ = 0;
};
