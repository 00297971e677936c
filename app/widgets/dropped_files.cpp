#include "widgets/dropped_files.h"

#include <QMimeData>
#include <QUrl>

QStringList droppedFiles(const QMimeData& data) {
  QStringList files;
  for (const QUrl& url : data.urls())
    if (url.isLocalFile()) files.append(url.toLocalFile());
  return files;
}

bool isStyleFile(const QString& path) {
  return path.endsWith(QStringLiteral(".vstyle"), Qt::CaseInsensitive);
}
