#include "state/mask_undo.h"

#include <QFile>

#include "state/bmp_file.h"
#include "state/picture_loading.h"

QString MaskUndo::fileOf(int level) const {
  return folder_ + QStringLiteral("Undopt1") + QString::number(level) + QStringLiteral(".tmp");
}

void MaskUndo::Save_Undo(const QImage& canvas) {
  saveBmp(canvas, fileOf(UndoLevel));
  ++UndoLevel;
  if (UndoTop < UndoLevel) UndoTop = UndoLevel;
}

std::optional<QImage> MaskUndo::undo() {
  if (UndoLevel == 0) return std::nullopt;
  QImage canvas = loadPicture(fileOf(UndoLevel - 1));
  --UndoLevel;
  return canvas;
}

void MaskUndo::Reset_Undo() {
  for (int level = 0; level < UndoTop; ++level) QFile::remove(fileOf(level));
  UndoLevel = 0;
  UndoTop = 0;
}
