// Font files for the tests, made from a font every test machine has: a
// brand's own font is one that is not installed, so the installed one is
// given another family name; and the same font as a web font.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <initializer_list>

// DejaVu Sans Bold, the face the fresh-start design draws in on Debian.
inline QByteArray installedBoldFace() {
  QFile file(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The face renamed "<brand> Sans" in its name table, in its single-byte and
// its UTF-16 names alike; its glyphs stay as they were. `brand` has six
// letters, as "DejaVu" has.
inline QByteArray brandFontFile(const char* brand = "Brandy") {
  QByteArray font = installedBoldFace();
  font.replace(QByteArray("DejaVu"), QByteArray(brand));
  QByteArray wide;
  for (const char* letter = brand; *letter; ++letter) wide.append('\0').append(*letter);
  font.replace(QByteArray("\0D\0e\0j\0a\0V\0u", 12), wide);
  return font;
}

// The face whose family names are a tab and then a zero character, which
// the font library reads as a tab alone.
inline QByteArray blankFamilyFontFile() {
  QByteArray font = installedBoldFace();
  font.replace(QByteArray("DejaVu"), QByteArray("\t\0jaVu", 6));
  font.replace(QByteArray("\0D\0e\0j\0a\0V\0u", 12), QByteArray("\0\t\0\0\0j\0a\0V\0u", 12));
  return font;
}

namespace testFonts {

inline void append32(QByteArray& bytes, quint32 value) {
  char word[4];
  qToBigEndian(value, word);
  bytes.append(word, 4);
}

inline void append16(QByteArray& bytes, quint16 value) {
  char half[2];
  qToBigEndian(value, half);
  bytes.append(half, 2);
}

// Big-endian 16-bit and 32-bit numbers, one after another.
inline QByteArray halves(std::initializer_list<quint16> values) {
  QByteArray bytes;
  for (const quint16 value : values) append16(bytes, value);
  return bytes;
}

inline QByteArray words(std::initializer_list<quint32> values) {
  QByteArray bytes;
  for (const quint32 value : values) append32(bytes, value);
  return bytes;
}

inline quint32 read32(const QByteArray& bytes, qsizetype at) {
  return qFromBigEndian<quint32>(bytes.constData() + at);
}

inline qsizetype paddedTo4(qsizetype size) { return (size + 3) & ~qsizetype(3); }

}  // namespace testFonts

// The faces as one collection: its header, then each face, whose table
// offsets count from the start of the collection.
inline QByteArray collectionOf(const QList<QByteArray>& faces) {
  using namespace testFonts;
  QByteArray header("ttcf");
  append32(header, 0x00010000);
  append32(header, quint32(faces.size()));
  quint32 at = 12 + 4 * quint32(faces.size());
  QByteArray body;
  for (QByteArray face : faces) {
    append32(header, at + quint32(body.size()));
    const quint16 tableCount = qFromBigEndian<quint16>(face.constData() + 4);
    for (int i = 0; i < tableCount; ++i)
      qToBigEndian(read32(face, 12 + 16 * i + 8) + at + quint32(body.size()),
                   face.data() + 12 + 16 * i + 8);
    body += face;
  }
  return header + body;
}

// `sfnt` as a WOFF 1.0 file: each table compressed with zlib where that
// makes it smaller, as the format allows.
inline QByteArray webFontOf(const QByteArray& sfnt) {
  using namespace testFonts;
  const quint16 tableCount = qFromBigEndian<quint16>(sfnt.constData() + 4);
  QByteArray directory;
  QByteArray tables;
  const qsizetype headerSize = 44 + 20 * qsizetype(tableCount);
  quint32 sfntSize = 12 + 16 * quint32(tableCount);
  for (int i = 0; i < tableCount; ++i) {
    const qsizetype entry = 12 + 16 * i;
    const QByteArray original = sfnt.mid(read32(sfnt, entry + 8), read32(sfnt, entry + 12));
    QByteArray stored = qCompress(original, 9).mid(4);
    if (stored.size() >= original.size()) stored = original;
    directory.append(sfnt.mid(entry, 4));
    append32(directory, quint32(headerSize + tables.size()));
    append32(directory, quint32(stored.size()));
    append32(directory, quint32(original.size()));
    append32(directory, read32(sfnt, entry + 4));
    tables.append(stored);
    tables.append(QByteArray(paddedTo4(stored.size()) - stored.size(), '\0'));
    sfntSize += quint32(paddedTo4(original.size()));
  }
  QByteArray web("wOFF");
  append32(web, read32(sfnt, 0));
  append32(web, quint32(headerSize + tables.size()));
  append16(web, tableCount);
  append16(web, 0);
  append32(web, sfntSize);
  append16(web, 1);
  append16(web, 0);
  for (int i = 0; i < 5; ++i) append32(web, 0);
  return web + directory + tables;
}
