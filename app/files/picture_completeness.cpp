#include "files/picture_completeness.h"

#include "files/jpeg_completeness.h"

#include <QtEndian>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr qsizetype bmpCoreHeaderEnd = 26;
constexpr qsizetype bmpInfoEnd = 54;
constexpr quint32 bmpCoreHeaderSize = 12;
constexpr quint32 bmpInfoHeaderSize = 40;
constexpr qint64 largestBmpSide = qint64(1) << 24;

const uchar* bytesOf(const QByteArray& bytes) {
  return reinterpret_cast<const uchar*>(bytes.constData());
}

bool holdsRows(const QByteArray& bytes, qint64 pixelOffset, qint64 width, qint64 rows,
               qint64 bitsPerPixel) {
  const qint64 columns = width < 0 ? -width : width;
  const qint64 rowCount = rows < 0 ? -rows : rows;
  // No file holds rows this long or this many; the sums below stay in range.
  if (columns > largestBmpSide || rowCount > largestBmpSide) return false;
  const qint64 rowBytes = (columns * bitsPerPixel + 31) / 32 * 4;
  return pixelOffset + rowBytes * rowCount <= bytes.size();
}

// An uncompressed BMP's rows end at its pixel offset plus rows x stride;
// compressed ones carry their data length in the header. The old core
// header (OS/2) has 16-bit sizes and no compression.
bool isCompleteBmp(const QByteArray& bytes) {
  if (bytes.size() < bmpCoreHeaderEnd) return false;
  const uchar* header = bytesOf(bytes);
  const qint64 pixelOffset = qFromLittleEndian<quint32>(header + 10);
  const quint32 infoSize = qFromLittleEndian<quint32>(header + 14);
  if (infoSize == bmpCoreHeaderSize)
    return holdsRows(bytes, pixelOffset, qFromLittleEndian<quint16>(header + 18),
                     qFromLittleEndian<quint16>(header + 20),
                     qFromLittleEndian<quint16>(header + 24));
  if (infoSize < bmpInfoHeaderSize || bytes.size() < bmpInfoEnd) return false;
  const quint32 compression = qFromLittleEndian<quint32>(header + 30);
  const bool uncompressed = compression == 0 || compression == 3;
  if (!uncompressed) return pixelOffset + qFromLittleEndian<quint32>(header + 34) <= bytes.size();
  return holdsRows(bytes, pixelOffset, qFromLittleEndian<qint32>(header + 18),
                   qFromLittleEndian<qint32>(header + 22), qFromLittleEndian<quint16>(header + 28));
}

// Walks the chunks after the signature: complete at an IEND chunk that
// follows image data, every chunk before it whole.
bool isCompletePng(const QByteArray& bytes) {
  constexpr qsizetype signatureLength = 8;
  constexpr qsizetype chunkFrame = 12;  // length, type, CRC
  const uchar* data = bytesOf(bytes);
  qsizetype at = signatureLength;
  bool imageData = false;
  while (at + chunkFrame <= bytes.size()) {
    const qint64 chunkLength = qFromBigEndian<quint32>(data + at);
    const QByteArrayView type(data + at + 4, 4);
    if (chunkLength > bytes.size() - at - chunkFrame) return false;
    if (type == "IEND") return imageData;
    imageData = imageData || type == "IDAT";
    at += chunkFrame + chunkLength;
  }
  return false;
}

// Where the data sub-blocks starting at `at` end, past their empty
// terminator; beyond `length` when the data ends first.
qsizetype afterSubBlocks(const uchar* data, qsizetype length, qsizetype at) {
  while (at < length) {
    const int blockLength = data[at];
    at += 1 + blockLength;
    if (blockLength == 0) return at;
  }
  return length + 1;
}

qsizetype colourTableLength(uchar flags) { return flags & 0x80 ? 3 << ((flags & 7) + 1) : 0; }

// The bits of an image's LZW data, read across its sub-blocks, lowest first.
class GifCodes {
 public:
  GifCodes(const uchar* data, qsizetype end, qsizetype at) : data_(data), end_(end), at_(at) {}

  // The next code of `bits` bits; none when the data ends first.
  std::optional<int> next(int bits) {
    while (held_ < bits) {
      if (blockLeft_ == 0) {
        if (at_ >= end_ || data_[at_] == 0) return std::nullopt;
        blockLeft_ = data_[at_++];
      }
      if (at_ >= end_) return std::nullopt;
      buffer_ |= quint32(data_[at_++]) << held_;
      held_ += 8;
      --blockLeft_;
    }
    const int code = int(buffer_ & ((1u << bits) - 1));
    buffer_ >>= bits;
    held_ -= bits;
    return code;
  }

 private:
  const uchar* data_;
  qsizetype end_;
  qsizetype at_;
  int blockLeft_ = 0;
  quint32 buffer_ = 0;
  int held_ = 0;
};

// How many pixels the LZW data at `at` decodes to: the decoder pads an
// image whose codes end before its last pixel, so the codes are counted
// here, each by the length of the string it stands for.
qint64 gifPixelsCoded(const uchar* data, qsizetype length, qsizetype at) {
  constexpr int largestCode = 4096;
  const int rootBits = std::clamp(int(data[at]), 2, 11);
  const int clear = 1 << rootBits;
  std::vector<qint64> stringLength(largestCode, 1);
  GifCodes codes(data, length, at + 1);
  qint64 pixels = 0;
  int bits = rootBits + 1;
  int nextCode = clear + 2;
  int previous = -1;
  while (const std::optional<int> code = codes.next(bits)) {
    if (*code == clear) {
      bits = rootBits + 1;
      nextCode = clear + 2;
      previous = -1;
      continue;
    }
    if (*code == clear + 1 || *code > nextCode || (previous < 0 && *code >= clear)) break;
    if (previous >= 0 && nextCode < largestCode)
      stringLength[nextCode++] = stringLength[previous] + 1;
    pixels += stringLength[*code];
    previous = *code;
    if (nextCode == 1 << bits && bits < 12) ++bits;
  }
  return pixels;
}

// Walks the blocks after the screen descriptor: extensions and images with
// their sub-blocks, each whole, to the trailer ';'. Complete when an image
// whose codes fill all its pixels came before the trailer; what writers pad
// after it is not looked at.
bool isCompleteGif(const QByteArray& bytes) {
  constexpr qsizetype screenEnd = 13;
  constexpr qsizetype imageDescriptor = 9;
  const uchar* data = bytesOf(bytes);
  const qsizetype length = bytes.size();
  if (length < screenEnd) return false;
  qsizetype at = screenEnd + colourTableLength(data[10]);
  bool imaged = false;
  while (at < length) {
    const uchar block = data[at++];
    if (block == ';') return imaged;
    if (block == '!') {
      at = afterSubBlocks(data, length, at + 1);
    } else if (block == ',' && at + imageDescriptor <= length) {
      const qint64 pixels = qint64(qFromLittleEndian<quint16>(data + at + 4)) *
                            qFromLittleEndian<quint16>(data + at + 6);
      at += imageDescriptor + colourTableLength(data[at + imageDescriptor - 1]);
      if (at >= length) return false;
      // The first image is the one the program shows.
      if (!imaged && gifPixelsCoded(data, length, at) < pixels) return false;
      at = afterSubBlocks(data, length, at + 1);  // after the LZW code size
      imaged = true;
    } else {
      return false;
    }
  }
  return false;
}

// A RIFF file announces its length after "RIFF".
bool isCompleteWebp(const QByteArray& bytes) {
  constexpr qsizetype riffHeader = 8;
  if (bytes.size() < riffHeader + 4) return false;
  return riffHeader + qint64(qFromLittleEndian<quint32>(bytesOf(bytes) + 4)) <= bytes.size();
}

}  // namespace

bool isCompletePicture(const QByteArray& bytes, const QByteArray& format) {
  if (format == "bmp") return isCompleteBmp(bytes);
  if (format == "jpeg" || format == "jpg") return isCompleteJpeg(bytes);
  if (format == "png") return isCompletePng(bytes);
  if (format == "gif") return isCompleteGif(bytes);
  if (format == "webp") return isCompleteWebp(bytes);
  return false;
}
