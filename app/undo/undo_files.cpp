#include "undo/undo_files.h"

#include <QFile>

#include "files/bmp_file.h"
#include "files/picture_loading.h"

UndoFiles::UndoFiles(QString folder, QString prefix)
    : folder_(std::move(folder)), prefix_(std::move(prefix)) {}

QString UndoFiles::fileOfLevel(int level) const {
  return folder_ + prefix_ + QString::number(level) + QStringLiteral(".tmp");
}

void UndoFiles::save(const QImage& drawing) {
  saveBmp(drawing, fileOfLevel(level_));
  ++level_;
  if (top_ < level_) top_ = level_;
}

std::optional<QImage> UndoFiles::undo() {
  if (level_ == 0) return std::nullopt;
  QImage drawing = loadPicture(fileOfLevel(level_ - 1));
  --level_;
  return drawing;
}

void UndoFiles::reset() {
  for (int level = 0; level < top_; ++level) QFile::remove(fileOfLevel(level));
  level_ = 0;
  top_ = 0;
}
