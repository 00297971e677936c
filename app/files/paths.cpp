#include "files/paths.h"

#include <QFile>
#include <QFileInfo>

int16_t pathKindOf(const QString& path) {
  if (path.trimmed().isEmpty()) return pathKind::Nothing;
  const QFileInfo info(path);
  if (info.isDir()) return pathKind::Folder;
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? pathKind::File : pathKind::Nothing;
}

QString fileNamePart(const QString& path) {
  const qsizetype slash = path.lastIndexOf('/');
  return slash < 0 ? path : path.mid(slash + 1);
}

QString folderPart(const QString& path) {
  const qsizetype slash = path.lastIndexOf('/');
  return slash < 0 ? path : path.left(slash + 1);
}

QString nameWithoutExtension(const QString& path) {
  const qsizetype nameStart = path.lastIndexOf('/') + 1;
  const qsizetype dot = path.indexOf('.', nameStart + 1);
  return dot < 0 ? path : path.left(dot);
}
