#include "files/picture_loading.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

#include "files/bounded_read.h"
#include "files/failure.h"
#include "files/file_writing.h"
#include "files/picture_completeness.h"
#include "files/picture_formats.h"

namespace {

// Files beyond this length are refused: the largest picture the program
// opens takes 400 MB even as a 32-bit BMP.
constexpr qint64 largestPictureFile = qint64(512) << 20;
// Enough of a file to tell its format.
constexpr qint64 headLength = 16;

Failure unreadable(const QString& why, const QString& path) {
  return Failure(errorNumber::UnreadablePicture,
                 QStringLiteral("Unreadable picture (%1): %2").arg(why, path));
}

Failure tooLarge(const PictureLimits& limits, const QString& path) {
  return unreadable(QStringLiteral("larger than %1 pixels a side or %2 pixels")
                        .arg(limits.side)
                        .arg(limits.pixels),
                    path);
}

struct PictureFile {
  QByteArray format;
  QByteArray bytes;
};

// Content that is no picture of an offered format is refused from its
// first bytes, before the rest is read.
PictureFile fileContent(const QString& path) {
  QFile file(path);
  openForReading(file);
  const QByteArray head = readUpTo(file, headLength);
  const QByteArray format = offeredFormatOf(head);
  if (format.isEmpty())
    throw unreadable(QStringLiteral("not a BMP, JPEG, GIF, PNG or WebP picture"), path);
  const std::optional<QByteArray> rest = readRestWithin(file, largestPictureFile - head.size());
  if (!rest) throw unreadable(QStringLiteral("too large"), path);
  return {format, head + *rest};
}

// Qt draws a GIF's images on its logical screen, allocated whole whatever
// the images' sizes: the screen is the picture's size.
bool gifScreenWithin(const PictureLimits& limits, const PictureFile& file) {
  constexpr qsizetype screenEnd = 10;
  if (file.format != "gif" || file.bytes.size() < screenEnd) return true;
  const auto* header = reinterpret_cast<const uchar*>(file.bytes.constData());
  const qint64 width = qFromLittleEndian<quint16>(header + 6);
  const qint64 rows = qFromLittleEndian<quint16>(header + 8);
  return width <= limits.side && rows <= limits.side && width * rows <= limits.pixels;
}

QImage decoded(const PictureFile& file, const PictureLimits& limits, const QString& path) {
  QBuffer buffer;
  buffer.setData(file.bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, file.format);
  reader.setAutoDetectImageFormat(false);
  // The decoders' allocations for the largest picture, at 4 bytes a pixel.
  reader.setAllocationLimit(int(limits.pixels * 4 / (1 << 20)) + 1);
  const QSize size = reader.size();
  if ((size.isValid() && !withinLimits(limits, size.width(), size.height())) ||
      !gifScreenWithin(limits, file))
    throw tooLarge(limits, path);
  if (!isCompletePicture(file.bytes, file.format))
    throw unreadable(QStringLiteral("data ends early"), path);
  QImage picture = reader.read();
  if (picture.isNull()) throw unreadable(reader.errorString(), path);
  if (!withinLimits(limits, picture.width(), picture.height())) throw tooLarge(limits, path);
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

QImage loadPicture(const QString& path, const PictureLimits& limits) {
  return opaqueOn(decoded(fileContent(path), limits, path), Qt::white);
}

QImage loadPictureOver(const QString& path, const QColor& background) {
  return opaqueOn(decoded(fileContent(path), PictureLimits{}, path), background);
}

bool hasDeepChannels(const QString& path) {
  if (!QFileInfo(path).isFile()) return false;
  switch (QImageReader(path).imageFormat()) {
    case QImage::Format_RGBA64:
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_Grayscale16: return true;
    default: return false;
  }
}
