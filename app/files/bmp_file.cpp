#include "files/bmp_file.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "files/failure.h"
#include "files/file_writing.h"
#include "files/picture_limits.h"

namespace {

constexpr int32_t pixelsPerMetre = 3780;  // 96 dots per inch

void putInteger(QByteArray& bytes, int offset, uint32_t value) {
  qToLittleEndian(value, bytes.data() + offset);
}

void putShort(QByteArray& bytes, int offset, uint16_t value) {
  qToLittleEndian(value, bytes.data() + offset);
}

uint32_t integerAt(const QByteArray& bytes, int offset) {
  return qFromLittleEndian<uint32_t>(bytes.constData() + offset);
}

uint16_t shortAt(const QByteArray& bytes, int offset) {
  return qFromLittleEndian<uint16_t>(bytes.constData() + offset);
}

Failure unreadable(const QString& path, const char* why) {
  return Failure(errorNumber::UnreadablePicture,
                 QStringLiteral("Unreadable picture (%1): %2").arg(QLatin1String(why), path));
}

struct HeaderGeometry {
  int32_t width;
  int32_t rows;
};

HeaderGeometry checkedGeometry(const QByteArray& header, qint64 fileLength, const QString& path) {
  if (header.size() < bmpHeaderSize) throw unreadable(path, "truncated header");
  if (!header.startsWith("BM") || integerAt(header, 10) != bmpHeaderSize ||
      integerAt(header, 14) != 40 || shortAt(header, 28) != 24 || integerAt(header, 30) != 0)
    throw unreadable(path, "not a 24-bit BMP with a 54-byte header");
  const auto width = int32_t(integerAt(header, 18));
  const auto rows = int32_t(integerAt(header, 22));
  if (width <= 0 || rows <= 0) throw unreadable(path, "no bottom-up rows");
  if (!withinPictureLimits(width, rows)) throw unreadable(path, "too large");
  const qint64 pixelBytes = qint64(strideOf(width)) * rows;
  if (fileLength - bmpHeaderSize < pixelBytes) throw unreadable(path, "truncated rows");
  if (fileLength - bmpHeaderSize > pixelBytes + 4) throw unreadable(path, "longer than its rows");
  return {width, rows};
}

void checkBufferHolds(const QByteArray& buffer, int32_t width, int32_t rows) {
  if (!withinPictureLimits(width, rows) || buffer.size() < qsizetype(strideOf(width)) * rows)
    throw Failure(
        errorNumber::InvalidArgument,
        QStringLiteral("Picture buffer smaller than its %1 x %2 pixels").arg(width).arg(rows));
}

// The rows of `image` bottom-up, blue-green-red, each padded to the stride,
// and `extra` zero bytes after them.
QByteArray bufferRows(const QImage& image, qsizetype extra = 0) {
  const QImage rows = image.convertToFormat(QImage::Format_BGR888);
  const int32_t width = rows.width();
  const int32_t stride = strideOf(width);
  QByteArray bytes(qsizetype(stride) * rows.height() + extra, Qt::Uninitialized);
  for (int y = 0; y < rows.height(); ++y) {
    char* row = bytes.data() + qsizetype(stride) * (rows.height() - 1 - y);
    std::memcpy(row, rows.constScanLine(y), size_t(3) * width);
    std::memset(row + 3 * width, 0, size_t(stride - 3 * width));
  }
  std::memset(bytes.data() + bytes.size() - extra, 0, size_t(extra));
  return bytes;
}

}  // namespace

int32_t strideOf(int32_t width) { return int32_t((3 * int64_t(width) + 3) / 4 * 4); }

QByteArray bmpHeader(int32_t width, int32_t rows) {
  const uint32_t pixelBytes = uint32_t(strideOf(width)) * uint32_t(rows);
  QByteArray header(bmpHeaderSize, '\0');
  header[0] = 'B';
  header[1] = 'M';
  putInteger(header, 2, bmpHeaderSize + pixelBytes);
  putInteger(header, 10, bmpHeaderSize);
  putInteger(header, 14, 40);
  putInteger(header, 18, uint32_t(width));
  putInteger(header, 22, uint32_t(rows));
  putShort(header, 26, 1);
  putShort(header, 28, 24);
  putInteger(header, 34, pixelBytes);
  putInteger(header, 38, pixelsPerMetre);
  putInteger(header, 42, pixelsPerMetre);
  return header;
}

QByteArray bmpFileBytes(const QImage& image) {
  return bmpHeader(image.width(), image.height()) + bufferRows(image);
}

void saveBmp(const QImage& image, const QString& path) {
  writeFileReplacing(path, bmpFileBytes(image));
}

PictureBuffer readPictureBuffer(const QString& path) {
  QFile file(path);
  openForReading(file);
  const HeaderGeometry geometry = checkedGeometry(file.read(bmpHeaderSize), file.size(), path);
  errno = 0;
  QByteArray pixels = file.readAll();
  if (pixels.size() != file.size() - bmpHeaderSize) throw fileFailure(file, errno);
  pixels.append('\0');
  return {pixels, geometry.width, geometry.rows, strideOf(geometry.width)};
}

PictureBuffer pictureBufferOf(const QImage& image) {
  // One byte past the rows, as read pictures have.
  return {bufferRows(image, 1), image.width(), image.height(), strideOf(image.width())};
}

PictureBuffer plainPictureBuffer(QSize size, QColor colour) {
  const int32_t width = std::max(size.width(), 0);
  const int32_t rows = std::max(size.height(), 0);
  const int32_t stride = strideOf(width);
  std::vector<char> row(size_t(stride), '\0');
  for (int32_t x = 0; x < width; ++x) {
    row[size_t(3) * x] = char(colour.blue());
    row[size_t(3) * x + 1] = char(colour.green());
    row[size_t(3) * x + 2] = char(colour.red());
  }
  // One byte past the rows, as pictureBufferOf gives.
  QByteArray bytes(qsizetype(stride) * rows + 1, Qt::Uninitialized);
  for (int32_t y = 0; y < rows; ++y)
    std::memcpy(bytes.data() + qsizetype(stride) * y, row.data(), size_t(stride));
  bytes[bytes.size() - 1] = '\0';
  return {bytes, width, rows, stride};
}

QImage imageOfBuffer(const QByteArray& buffer, int32_t width, int32_t rows) {
  return imageOfBufferPart(buffer, width, rows, QRect(0, 0, width, rows));
}

QImage imageOfBufferPart(const QByteArray& buffer, int32_t width, int32_t rows, QRect area) {
  checkBufferHolds(buffer, width, rows);
  area &= QRect(0, 0, width, rows);
  const int32_t stride = strideOf(width);
  QImage image(area.size(), QImage::Format_BGR888);
  for (int y = 0; y < area.height(); ++y)
    std::memcpy(
        image.scanLine(y),
        buffer.constData() + qsizetype(stride) * (rows - 1 - area.top() - y) + 3 * area.left(),
        size_t(3) * area.width());
  image.convertTo(QImage::Format_RGB888);  // in place
  return image;
}

void writeBmpFromBuffer(const QString& path, int32_t width, int32_t rows,
                        const QByteArray& buffer) {
  checkBufferHolds(buffer, width, rows);
  writeFileReplacing(path, bmpHeader(width, rows) + buffer.left(qsizetype(strideOf(width)) * rows));
}
