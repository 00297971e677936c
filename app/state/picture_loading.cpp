#include "state/picture_loading.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include "state/failure.h"
#include "state/file_writing.h"

QImage opaqueOnWhite(const QImage& picture) {
  if (!picture.hasAlphaChannel()) return picture.convertToFormat(QImage::Format_RGB888);
  QImage canvas(picture.size(), QImage::Format_RGB888);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  painter.drawImage(0, 0, picture);
  return canvas;
}

QImage loadPicture(const QString& path) {
  QFile file(path);
  openForReading(file);
  QImageReader reader(&file);
  const QImage picture = reader.read();
  if (picture.isNull())
    throw Failure(errorNumber::UnreadablePicture,
                  QStringLiteral("Unreadable picture (%1): %2").arg(reader.errorString(), path));
  return opaqueOnWhite(picture);
}
