#include "state/picture_loading.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include "state/failure.h"
#include "state/file_writing.h"

namespace {

QImage onWhite(const QImage& picture) {
  QImage canvas(picture.size(), QImage::Format_RGB888);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  painter.drawImage(0, 0, picture);
  return canvas;
}

}  // namespace

QImage loadPicture(const QString& path) {
  QFile file(path);
  openForReading(file);
  QImageReader reader(&file);
  const QImage picture = reader.read();
  if (picture.isNull())
    throw Failure(errorNumber::UnreadablePicture,
                  QStringLiteral("Unreadable picture (%1): %2").arg(reader.errorString(), path));
  if (picture.hasAlphaChannel()) return onWhite(picture);
  return picture.convertToFormat(QImage::Format_RGB888);
}
