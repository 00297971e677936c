#include "tools/undo_files.h"

#include <QFile>

#include "state/bmp_file.h"
#include "state/picture_loading.h"

UndoFiles::UndoFiles(QString folder, QString prefix)
    : folder_(std::move(folder)), prefix_(std::move(prefix)) {}

QString UndoFiles::fileOfLevel(int level) const {
  return folder_ + prefix_ + QString::number(level) + QStringLiteral(".tmp");
}

void UndoFiles::save(const QImage& drawing) {
  saveBmp(drawing, fileOfLevel(UndoLevel));
  ++UndoLevel;
  if (UndoTop < UndoLevel) UndoTop = UndoLevel;
}

std::optional<QImage> UndoFiles::undo() {
  if (UndoLevel == 0) return std::nullopt;
  QImage drawing = loadPicture(fileOfLevel(UndoLevel - 1));
  --UndoLevel;
  return drawing;
}

void UndoFiles::reset() {
  for (int level = 0; level < UndoTop; ++level) QFile::remove(fileOfLevel(level));
  UndoLevel = 0;
  UndoTop = 0;
}
