#include "state/picture_loading.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <cerrno>

#include "state/failure.h"
#include "state/file_writing.h"
#include "state/picture_completeness.h"
#include "state/picture_limits.h"

namespace {

// Files beyond this length are refused unread: even the largest picture the
// program opens is far smaller in any of its formats.
constexpr qint64 largestPictureFile = qint64(1) << 30;
// The decoders' allocations for the largest picture, at 4 bytes a pixel.
constexpr int decoderMegabytes = int(largestPicturePixels * 4 / (1 << 20)) + 1;

Failure unreadable(const QString& why, const QString& path) {
  return Failure(errorNumber::UnreadablePicture,
                 QStringLiteral("Unreadable picture (%1): %2").arg(why, path));
}

QByteArray fileContent(const QString& path) {
  QFile file(path);
  openForReading(file);
  if (file.size() > largestPictureFile) throw unreadable(QStringLiteral("too large"), path);
  errno = 0;
  QByteArray bytes = file.readAll();
  if (bytes.size() != file.size()) throw fileFailure(file, errno);
  return bytes;
}

QImage decoded(const QByteArray& bytes, const QString& path) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAllocationLimit(decoderMegabytes);
  const QSize size = reader.size();
  if (size.isValid() && !withinPictureLimits(size.width(), size.height()))
    throw unreadable(QStringLiteral("larger than %1 pixels a side or %2 pixels")
                         .arg(largestPictureSide)
                         .arg(largestPicturePixels),
                     path);
  if (!isCompletePicture(bytes, reader.format()))
    throw unreadable(QStringLiteral("data ends early"), path);
  QImage picture = reader.read();
  if (picture.isNull()) throw unreadable(reader.errorString(), path);
  if (!withinPictureLimits(picture.width(), picture.height()))
    throw unreadable(QStringLiteral("too large"), path);
  return picture;
}

}  // namespace

QImage opaqueOnWhite(const QImage& picture) { return opaqueOn(picture, Qt::white); }

QImage opaqueOn(const QImage& picture, const QColor& background) {
  if (!picture.hasAlphaChannel()) return picture.convertToFormat(QImage::Format_RGB888);
  QImage canvas(picture.size(), QImage::Format_RGB888);
  canvas.fill(background);
  QPainter painter(&canvas);
  painter.drawImage(0, 0, picture);
  return canvas;
}

QImage loadPicture(const QString& path) { return loadPictureOver(path, Qt::white); }

QImage loadPictureOver(const QString& path, const QColor& background) {
  return opaqueOn(decoded(fileContent(path), path), background);
}
