#include "files/webp_mark.h"

#include <QIODevice>
#include <QtEndian>

namespace {

constexpr char xmpMark[] =
    "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
    "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><rdf:Description "
    "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" xmp:CreatorTool=\"Velloro\"/></rdf:RDF>"
    "</x:xmpmeta>";

constexpr int riffHeaderSize = 12;  // "RIFF", the size of what follows, "WEBP"
constexpr int chunkHeaderSize = 8;  // its name and the size of its data
// The flags of the extended header.
constexpr uint8_t alphaFlag = 0x10;
constexpr uint8_t xmpFlag = 0x04;
// Bit 28 of a lossless image's header after its signature byte.
constexpr uint32_t losslessAlphaBit = 1u << 28;
// The most a chunk the mark is looked for in may hold.
constexpr quint32 largestMarkChunk = 64 * 1024;

quint32 sizeAt(const char* bytes) { return qFromLittleEndian<quint32>(bytes); }

void appendSize(QByteArray& bytes, quint32 size) {
  char word[4];
  qToLittleEndian(size, word);
  bytes.append(word, 4);
}

void appendChunk(QByteArray& bytes, const char* name, const QByteArray& data) {
  bytes.append(name, 4);
  appendSize(bytes, quint32(data.size()));
  bytes.append(data);
  if (data.size() % 2) bytes.append('\0');
}

void append24(QByteArray& bytes, int value) {
  for (int shift = 0; shift < 24; shift += 8) bytes.append(char((value >> shift) & 0xff));
}

bool isWebp(const QByteArray& bytes) {
  return bytes.size() >= riffHeaderSize + chunkHeaderSize && bytes.startsWith("RIFF") &&
         bytes.mid(8, 4) == "WEBP";
}

// The extended header of a simple file: its canvas, and whether a lossless
// image uses alpha (a lossy simple file has none).
QByteArray extendedHeader(const QByteArray& image, QSize size) {
  uint8_t flags = xmpFlag;
  if (image.startsWith("VP8L") && image.size() >= chunkHeaderSize + 5 &&
      (qFromLittleEndian<quint32>(image.constData() + chunkHeaderSize + 1) & losslessAlphaBit))
    flags |= alphaFlag;
  QByteArray data;
  data.append(char(flags));
  data.append(3, '\0');
  append24(data, size.width() - 1);
  append24(data, size.height() - 1);
  QByteArray chunk;
  appendChunk(chunk, "VP8X", data);
  return chunk;
}

}  // namespace

QByteArray markedWebp(const QByteArray& webp, QSize size) {
  if (!isWebp(webp) || size.isEmpty()) return webp;
  QByteArray body = webp.mid(riffHeaderSize);
  if (body.startsWith("VP8X")) {
    body[chunkHeaderSize] = char(uint8_t(body[chunkHeaderSize]) | xmpFlag);
  } else if (body.startsWith("VP8 ") || body.startsWith("VP8L")) {
    body.prepend(extendedHeader(body, size));
  } else {
    return webp;
  }
  appendChunk(body, "XMP ", QByteArray(xmpMark));
  QByteArray marked("RIFF");
  appendSize(marked, quint32(body.size() + 4));
  marked.append("WEBP");
  return marked + body;
}

bool webpCarriesMark(QIODevice& file) {
  const QByteArray header = file.read(riffHeaderSize);
  if (header.size() != riffHeaderSize || !header.startsWith("RIFF") || header.mid(8) != "WEBP")
    return false;
  for (;;) {
    const QByteArray chunk = file.read(chunkHeaderSize);
    if (chunk.size() != chunkHeaderSize) return false;
    const quint32 size = sizeAt(chunk.constData() + 4);
    if (chunk.startsWith("XMP ")) {
      if (size > largestMarkChunk) return false;
      return file.read(size).contains(QByteArray(xmpMark));
    }
    const qint64 next = file.pos() + qint64(size) + qint64(size % 2);
    if (next > file.size() || !file.seek(next)) return false;
  }
}
