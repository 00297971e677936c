#include "design/font_file_check.h"

#include <QtEndian>
#include <cstdint>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A collection holds no more faces than this; more is a damaged header.
constexpr uint32_t mostFaces = 256;

std::optional<uint32_t> bigEndian32(const QByteArray& bytes, qint64 at) {
  if (at < 0 || at + 4 > bytes.size()) return std::nullopt;
  return qFromBigEndian<uint32_t>(bytes.constData() + at);
}

std::optional<uint16_t> bigEndian16(const QByteArray& bytes, qint64 at) {
  if (at < 0 || at + 2 > bytes.size()) return std::nullopt;
  return qFromBigEndian<uint16_t>(bytes.constData() + at);
}

const QString truncated = u"the file is truncated"_s;

// A face's table directory, at `at`: every table it lists lies inside the file.
QString faceProblem(const QByteArray& bytes, qint64 at) {
  const std::optional<uint32_t> version = bigEndian32(bytes, at);
  const std::optional<uint16_t> tableCount = bigEndian16(bytes, at + 4);
  if (!version || !tableCount) return truncated;
  if (*version != 0x00010000 && *version != 0x4F54544F && *version != 0x74727565)
    return u"a face of the collection is no font"_s;
  if (*tableCount == 0) return u"the font holds no tables"_s;
  for (qint64 table = 0; table < *tableCount; ++table) {
    const qint64 entry = at + 12 + 16 * table;
    const std::optional<uint32_t> offset = bigEndian32(bytes, entry + 8);
    const std::optional<uint32_t> length = bigEndian32(bytes, entry + 12);
    if (!offset || !length || qint64(*offset) + qint64(*length) > bytes.size()) return truncated;
  }
  return {};
}

FontFileShape collectionShape(const QByteArray& bytes) {
  const std::optional<uint32_t> count = bigEndian32(bytes, 8);
  if (!count) return {truncated};
  if (*count == 0 || *count > mostFaces) return {u"the collection's header is damaged"_s};
  for (qint64 face = 0; face < qint64(*count); ++face) {
    const std::optional<uint32_t> offset = bigEndian32(bytes, 12 + 4 * face);
    if (!offset) return {truncated};
    if (QString problem = faceProblem(bytes, *offset); !problem.isEmpty()) return {problem};
  }
  return {{}, int(*count)};
}

// A web font says its own length in its header.
FontFileShape webFontShape(const QByteArray& bytes) {
  const std::optional<uint32_t> length = bigEndian32(bytes, 8);
  if (!length || *length > uint32_t(bytes.size())) return {truncated};
  if (*length < uint32_t(bytes.size())) return {u"the file holds more than its font"_s};
  return {{}, 1};
}

}  // namespace

FontFileShape fontFileShape(const QByteArray& bytes) {
  if (bytes.isEmpty()) return {u"the file is empty"_s};
  const std::optional<uint32_t> tag = bigEndian32(bytes, 0);
  if (!tag) return {u"the file is no font (TTF, OTF, WOFF or WOFF2)"_s};
  switch (*tag) {
    case 0x00010000:  // TrueType outlines
    case 0x4F54544F:  // "OTTO": OpenType with PostScript outlines
    case 0x74727565:  // "true": older TrueType
      if (QString problem = faceProblem(bytes, 0); !problem.isEmpty()) return {problem};
      return {{}, 1};
    case 0x74746366: return collectionShape(bytes);  // "ttcf"
    case 0x774F4646:                                 // "wOFF"
    case 0x774F4632: return webFontShape(bytes);     // "wOF2"
    default: break;
  }
  return {u"the file is no font (TTF, OTF, WOFF or WOFF2)"_s};
}
