#include "design/font_tables.h"

#include <QtEndian>
#include <bit>

#include "design/font_face.h"

namespace fontBytes {

void append16(QByteArray& bytes, quint16 value) {
  char half[2];
  qToBigEndian(value, half);
  bytes.append(half, 2);
}

void append32(QByteArray& bytes, quint32 value) {
  char word[4];
  qToBigEndian(value, word);
  bytes.append(word, 4);
}

void put16(QByteArray& bytes, qsizetype at, quint16 value) {
  if (at >= 0 && at + 2 <= bytes.size()) qToBigEndian(value, bytes.data() + at);
}

void put32(QByteArray& bytes, qsizetype at, quint32 value) {
  if (at >= 0 && at + 4 <= bytes.size()) qToBigEndian(value, bytes.data() + at);
}

quint16 read16(const QByteArray& bytes, qsizetype at) {
  if (at < 0 || at + 2 > bytes.size()) return 0;
  return qFromBigEndian<quint16>(bytes.constData() + at);
}

}  // namespace fontBytes

using namespace fontBytes;

namespace {

quint32 checksum(const QByteArray& table) {
  quint32 sum = 0;
  QByteArray padded = table;
  padded.append(QByteArray((4 - padded.size() % 4) % 4, '\0'));
  for (qsizetype at = 0; at < padded.size(); at += 4)
    sum += qFromBigEndian<quint32>(padded.constData() + at);
  return sum;
}

constexpr quint32 headAdjustmentAt = 8;
constexpr qsizetype longestName = 255;

}  // namespace

QByteArray nameTable(const std::vector<std::pair<int, QString>>& names) {
  QByteArray strings;
  QByteArray records;
  for (const auto& [nameId, text] : names) {
    QByteArray encoded;
    // A name far longer than any font's: the table's offsets stay within range.
    for (const char16_t unit : text.left(longestName).toStdU16String()) append16(encoded, unit);
    append16(records, 3);       // Windows
    append16(records, 1);       // Unicode BMP
    append16(records, 0x0409);  // English
    append16(records, quint16(nameId));
    append16(records, quint16(encoded.size()));
    append16(records, quint16(strings.size()));
    strings += encoded;
  }
  QByteArray table;
  append16(table, 0);
  append16(table, quint16(names.size()));
  append16(table, quint16(6 + records.size()));
  return table + records + strings;
}

QByteArray trueTypeFontOf(const std::map<quint32, QByteArray>& tables) {
  const auto count = quint16(tables.size());
  const quint16 entrySelector = quint16(std::bit_width(count) - 1);
  const quint16 searchRange = quint16(16u << entrySelector);
  QByteArray font;
  append32(font, 0x00010000);
  append16(font, count);
  append16(font, searchRange);
  append16(font, entrySelector);
  append16(font, quint16(count * 16 - searchRange));
  QByteArray body;
  qsizetype headAt = -1;
  const qsizetype bodyStart = 12 + 16 * qsizetype(count);
  for (const auto& [tag, table] : tables) {
    if (tag == tableTag("head")) headAt = bodyStart + body.size();
    append32(font, tag);
    append32(font, checksum(table));
    append32(font, quint32(bodyStart + body.size()));
    append32(font, quint32(table.size()));
    body += table;
    body.append(QByteArray((4 - table.size() % 4) % 4, '\0'));
  }
  font += body;
  if (headAt >= 0) put32(font, headAt + headAdjustmentAt, 0xB1B0AFBA - checksum(font));
  return font;
}
