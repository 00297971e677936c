// Variable fonts for the tests: Debian's Inter (one weight axis from 100 to
// 900, its default 400) renamed so that it is not installed, with tables
// put in that vary its metrics and advances by known amounts.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <map>

#include "test_fonts.h"

inline const char* const installedVariableFont =
    "/usr/share/fonts/truetype/inter-vf/Inter-roman.var.ttf";

// Inter named `name` instead, which has five letters as "Inter" has.
inline QByteArray renamedVariableFont(const char* name) {
  QFile file(QString::fromLatin1(installedVariableFont));
  QByteArray font = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  QByteArray wide;
  for (const char* letter = name; *letter; ++letter) wide.append('\0').append(*letter);
  font.replace(QByteArray("\0I\0n\0t\0e\0r", 10), wide);
  return font.replace("Inter", name);
}

// The font's tables by tag, as its directory lists them.
inline std::map<QByteArray, QByteArray> tablesOf(const QByteArray& font) {
  std::map<QByteArray, QByteArray> tables;
  const int count = qFromBigEndian<quint16>(font.constData() + 4);
  for (int table = 0; table < count; ++table) {
    const qsizetype entry = 12 + 16 * table;
    tables[font.mid(entry, 4)] =
        font.mid(testFonts::read32(font, entry + 8), testFonts::read32(font, entry + 12));
  }
  return tables;
}

// The font with `table` as its table `tag`, in place of one it has. The
// checksums are left zero: neither FreeType nor Qt reads them.
inline QByteArray withTable(const QByteArray& font, const char* tag, const QByteArray& table) {
  using namespace testFonts;
  std::map<QByteArray, QByteArray> tables = tablesOf(font);
  tables[QByteArray(tag)] = table;
  QByteArray made = font.left(4);
  append16(made, quint16(tables.size()));
  append16(made, 0);  // the binary search hints: no reader needs them
  append16(made, 0);
  append16(made, 0);
  QByteArray body;
  quint32 at = 12 + 16 * quint32(tables.size());
  for (const auto& [name, bytes] : tables) {
    made += name;
    append32(made, 0);
    append32(made, at + quint32(body.size()));
    append32(made, quint32(bytes.size()));
    body += bytes + QByteArray(paddedTo4(bytes.size()) - bytes.size(), '\0');
  }
  return made + body;
}

// An item variation store of one region, the weight axis's heaviest end
// (peak 1.0: the Black instance takes the whole delta, Bold at 700 three
// fifths of it, the lighter ones none), and one delta set of these deltas.
inline QByteArray heaviestEndStore(const QList<qint16>& deltas) {
  using namespace testFonts;
  QByteArray store = halves({1}) + words({12}) + halves({1}) + words({22});
  store += halves({1, 1, 0, 0x4000, 0x4000});
  store += halves({quint16(deltas.size()), 1, 1, 0});
  for (const qint16 delta : deltas) append16(store, quint16(delta));
  return store;
}

// A metrics variations table moving the ascender and the descender.
inline QByteArray metricVariations(qint16 ascender, qint16 descender) {
  using namespace testFonts;
  return halves({1, 0, 0, 8, 2, 28}) + "hasc" + halves({0, 0}) + "hdsc" + halves({0, 1}) +
         heaviestEndStore({ascender, descender});
}

// An advances variations table: glyph N's advance moves by deltas[N].
inline QByteArray advanceVariations(const QList<qint16>& deltas) {
  using namespace testFonts;
  return halves({1, 0}) + words({20, 0, 0, 0}) + heaviestEndStore(deltas);
}

// A glyph definition table holding an item variation store alone.
inline QByteArray definitionsWithStore(const QByteArray& store) {
  return testFonts::halves({1, 3, 0, 0, 0, 0, 0}) + testFonts::words({18}) + store;
}

// A positioning table of one lookup, `subtable` (of `type`), that every
// script's default language uses as its kerning.
inline QByteArray positioningOf(int type, const QByteArray& subtable) {
  using testFonts::halves;
  return halves({1, 0, 10, 30, 44}) + halves({1}) + "DFLT" + halves({8}) + halves({4, 0}) +
         halves({0, 0xFFFF, 1, 0}) + halves({1}) + "kern" + halves({8}) + halves({0, 1, 0}) +
         halves({1, 4}) + halves({quint16(type), 0, 1, 8}) + subtable;
}

// A pair adjustment of the glyphs `first` and `second` (its first glyph's
// advance by `advance`) whose device table names item 0 of delta set 0.
inline QByteArray kerningPair(quint16 first, quint16 second, qint16 advance) {
  using testFonts::halves;
  return halves({1, 12, 0x0044, 0, 1, 18}) + halves({1, 1, first}) +
         halves({1, second, quint16(advance), 8}) + halves({0, 0, 0x8000});
}

// Inter named `name`, its axes sound but its outlines' variations damaged:
// the table claims the variations of seven glyphs.
inline QByteArray withDamagedOutlineVariations(const char* name) {
  QByteArray gvar = tablesOf(renamedVariableFont(name))[QByteArray("gvar")];
  qToBigEndian(quint16(7), gvar.data() + 12);
  return withTable(renamedVariableFont(name), "gvar", gvar);
}

// A font configuration that installs the fonts of folder `fonts` beside
// the system's, its cache kept in folder `cache`.
inline QByteArray fontConfigurationAdding(const QString& fonts, const QString& cache) {
  return QStringLiteral(
             "<?xml version=\"1.0\"?><fontconfig>"
             "<include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>"
             "<dir>%1</dir><cachedir>%2</cachedir></fontconfig>")
      .arg(fonts, cache)
      .toUtf8();
}
