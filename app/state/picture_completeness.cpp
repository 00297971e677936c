#include "state/picture_completeness.h"

#include <QtEndian>

namespace {

constexpr qsizetype bmpInfoEnd = 54;
constexpr qint64 largestBmpSide = qint64(1) << 24;

// An uncompressed BMP's rows end at its pixel offset plus rows x stride;
// compressed ones carry their data length in the header.
bool isCompleteBmp(const QByteArray& bytes) {
  if (bytes.size() < bmpInfoEnd) return false;
  const auto* header = reinterpret_cast<const uchar*>(bytes.constData());
  const quint32 pixelOffset = qFromLittleEndian<quint32>(header + 10);
  const quint32 infoSize = qFromLittleEndian<quint32>(header + 14);
  if (infoSize < 40) return true;  // the old core header: left to the decoder
  const qint64 width = qFromLittleEndian<qint32>(header + 18);
  const qint64 rows = qFromLittleEndian<qint32>(header + 22);
  const qint64 bitsPerPixel = qFromLittleEndian<quint16>(header + 28);
  const quint32 compression = qFromLittleEndian<quint32>(header + 30);
  const qint64 dataSize = qFromLittleEndian<quint32>(header + 34);
  const bool uncompressed = compression == 0 || compression == 3;
  const qint64 columns = width < 0 ? -width : width;
  const qint64 rowCount = rows < 0 ? -rows : rows;
  // No file holds rows this long or this many; the sums below stay in range.
  if (columns > largestBmpSide || rowCount > largestBmpSide) return false;
  const qint64 rowBytes = (columns * bitsPerPixel + 31) / 32 * 4;
  const qint64 pixelBytes = uncompressed ? rowBytes * rowCount : dataSize;
  return qint64(pixelOffset) + pixelBytes <= bytes.size();
}

// JPEG data ends with the end-of-image marker.
bool isCompleteJpeg(const QByteArray& bytes) { return bytes.lastIndexOf("\xFF\xD9") > 2; }

// PNG data ends with its IEND chunk.
bool isCompletePng(const QByteArray& bytes) { return bytes.lastIndexOf("IEND") > 8; }

// GIF data ends with the trailer byte ';'; some writers pad after it.
bool isCompleteGif(const QByteArray& bytes) {
  qsizetype end = bytes.size();
  while (end > 0 && bytes[end - 1] == '\0') --end;
  return end > 13 && bytes[end - 1] == ';';
}

}  // namespace

bool isCompletePicture(const QByteArray& bytes, const QByteArray& format) {
  if (format == "bmp") return isCompleteBmp(bytes);
  if (format == "jpeg" || format == "jpg") return isCompleteJpeg(bytes);
  if (format == "png") return isCompletePng(bytes);
  if (format == "gif") return isCompleteGif(bytes);
  return true;
}
