// The picture tool's undo files: before every stroke on the mask the canvas
// is saved as "Undopt1" + level + ".tmp" in the temporary folder; undo loads
// the file of the level below. There is no redo: a stroke after an undo
// overwrites the file of its level.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

class MaskUndo {
 public:
  // `folder` ends in "/".
  explicit MaskUndo(QString folder) : folder_(std::move(folder)) {}

  int16_t UndoLevel = 0;  // steps that can still be taken back
  int16_t UndoTop = 0;    // highest level reached since the last reset

  QString fileOf(int level) const;

  // Saves `canvas` at the current level and rises one level. Throws a
  // Failure, levels unchanged, when the file cannot be written.
  void Save_Undo(const QImage& canvas);
  // Falls one level and returns the canvas saved there; none at level 0.
  // Throws a Failure, level unchanged, when that file cannot be read.
  std::optional<QImage> undo();
  // Deletes every file written since the last reset; both levels become 0.
  void Reset_Undo();

 private:
  QString folder_;
};
