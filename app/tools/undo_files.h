// A drawing tool's undo steps: each step is the drawing as it was before a
// press, kept as a BMP file in the temporary folder, named by the tool's
// prefix and the step's level ("Undop1" + level + ".tmp").
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

class UndoFiles {
 public:
  UndoFiles(QString folder, QString prefix);

  int16_t UndoLevel = 0;
  int16_t UndoTop = 0;

  QString fileOfLevel(int level) const;

  // Keeps `drawing` as the step of the current level. Throws a Failure when
  // the file cannot be written; the counters stay as they were then.
  void save(const QImage& drawing);

  // The drawing of the step below the current level, which becomes the
  // current level; none at level 0. Throws a Failure when the step's file
  // is missing or unreadable, leaving the level where it was.
  std::optional<QImage> undo();

  // Deletes every step's file and starts again at level 0.
  void reset();

 private:
  QString folder_;
  QString prefix_;
};
