#include "files/png_encoding.h"

#include <zlib.h>

#include <QtEndian>
#include <cstring>
#include <vector>

#include "files/failure.h"
#include "files/velloro_mark.h"

using namespace Qt::StringLiterals;

namespace {

constexpr char signature[] = "\x89PNG\r\n\x1a\n";
// Rows go unfiltered, deflated by the fast method: the deflate window still
// finds what repeats from one row to the next, and for titles (plain
// grounds, shaded letters) this is smaller than the up filter at the
// default level, in about half the time. Matches are searched further than
// level 3 does by itself, up to the longest match deflate knows: the plain
// ground of a large canvas then packs into long matches, at a quarter more
// time. A hash table of a quarter the default size is cleared and slid
// along the window in a fraction of the time, and for titles finds as much.
constexpr uchar noFilter = 0;
constexpr uchar rgbColour = 2;
constexpr uchar rgbaColour = 6;
constexpr int compressionLevel = 3;
constexpr int windowBits = 15;  // the largest window: rows of wide pictures still match
constexpr int hashMemoryLevel = 6;
constexpr int goodMatch = 8;       // a match this long shortens the search
constexpr int longestInsert = 32;  // longer matches are not put into the hash table
constexpr int niceMatch = 258;     // the search stops at a match this long
constexpr int longestChain = 128;  // hash chain entries searched at most
constexpr int outputPiece = 1 << 16;

[[noreturn]] void refuse(const QString& problem) {
  throw Failure(errorNumber::InvalidArgument, u"cannot encode a png picture: "_s + problem);
}

void appendBigEndian(QByteArray& bytes, quint32 value) {
  char word[4];
  qToBigEndian(value, word);
  bytes.append(word, 4);
}

// Length, type, data and the CRC of type and data.
void appendChunk(QByteArray& file, const char* type, const QByteArray& data) {
  appendBigEndian(file, quint32(data.size()));
  const qsizetype typeAt = file.size();
  file.append(type, 4);
  file.append(data);
  const auto* checked = reinterpret_cast<const Bytef*>(file.constData() + typeAt);
  appendBigEndian(file, quint32(crc32(crc32(0, nullptr, 0), checked, uInt(4 + data.size()))));
}

QByteArray header(const QImage& picture, uchar colourType) {
  QByteArray data;
  appendBigEndian(data, quint32(picture.width()));
  appendBigEndian(data, quint32(picture.height()));
  const char rest[] = {8, char(colourType), 0, 0,
                       0};  // depth, colour, deflate, filter, no interlace
  data.append(rest, sizeof rest);
  return data;
}

// Deflates the rows, each led by its filter byte, as they are made: no copy
// of the whole picture is held besides the picture itself.
class RowDeflater {
 public:
  RowDeflater() {
    if (deflateInit2(&stream_, compressionLevel, Z_DEFLATED, windowBits, hashMemoryLevel,
                     Z_DEFAULT_STRATEGY) != Z_OK)
      refuse(u"zlib cannot start"_s);
    // Fails only on a stream that did not start.
    deflateTune(&stream_, goodMatch, longestInsert, niceMatch, longestChain);
  }
  ~RowDeflater() { deflateEnd(&stream_); }
  RowDeflater(const RowDeflater&) = delete;
  RowDeflater& operator=(const RowDeflater&) = delete;

  void add(const std::vector<uchar>& row) { run(row.data(), row.size(), Z_NO_FLUSH); }
  QByteArray finish() {
    run(nullptr, 0, Z_FINISH);
    return std::move(deflated_);
  }

 private:
  void run(const uchar* bytes, size_t size, int flush) {
    stream_.next_in = const_cast<uchar*>(bytes);
    stream_.avail_in = uInt(size);
    int status = Z_OK;
    do {
      const qsizetype before = deflated_.size();
      deflated_.resize(before + outputPiece);
      stream_.next_out = reinterpret_cast<Bytef*>(deflated_.data() + before);
      stream_.avail_out = outputPiece;
      status = deflate(&stream_, flush);
      deflated_.resize(before + outputPiece - qsizetype(stream_.avail_out));
      if (status == Z_STREAM_ERROR) refuse(u"zlib failed"_s);
    } while (stream_.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
  }

  z_stream stream_{};
  QByteArray deflated_;
};

}  // namespace

QByteArray pngFileBytes(const QImage& picture) {
  if (picture.isNull()) refuse(u"the picture is empty"_s);
  const bool alpha = picture.hasAlphaChannel();
  const QImage rows =
      picture.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
  const size_t rowBytes = size_t(rows.width()) * (alpha ? 4 : 3);
  RowDeflater deflater;
  std::vector<uchar> filtered(rowBytes + 1);
  filtered[0] = noFilter;
  for (int y = 0; y < rows.height(); ++y) {
    std::memcpy(filtered.data() + 1, rows.constScanLine(y), rowBytes);
    deflater.add(filtered);
  }
  QByteArray file(signature, 8);
  appendChunk(file, "IHDR", header(rows, alpha ? rgbaColour : rgbColour));
  appendChunk(file, "tEXt", QByteArray(velloroMarkKey) + '\0' + velloroMarkValue);
  appendChunk(file, "IDAT", deflater.finish());
  appendChunk(file, "IEND", {});
  return file;
}
