#include "design/missing_glyphs.h"

#include <QFont>
#include <QGlyphRun>
#include <QSet>
#include <QTextLayout>
#include <algorithm>

#include "design/text_picture.h"

using namespace Qt::StringLiterals;

namespace {

// Where Qt finds no font for a character, after trying the fallbacks, it
// keeps the first font's glyph 0: the font's box for "no such glyph".
bool missesGlyph(const QList<QGlyphRun>& runs) {
  return std::ranges::any_of(runs, [](const QGlyphRun& run) {
    const QList<quint32> glyphs = run.glyphIndexes();
    return glyphs.contains(0);
  });
}

// A character and the number of UTF-16 units it takes at `at`.
struct CharacterAt {
  char32_t character;
  qsizetype length;
};

CharacterAt characterAt(const QString& line, qsizetype at) {
  if (line[at].isHighSurrogate() && at + 1 < line.size() && line[at + 1].isLowSurrogate())
    return {QChar::surrogateToUcs4(line[at], line[at + 1]), 2};
  return {line[at].unicode(), 1};
}

// The glyph runs of the whole line tell whether anything is missing; only
// then is each character asked for alone, within its line, so that it is
// shaped with its neighbours as it is printed.
void addMissingOfLine(const QFont& font, const QString& line, const QPaintDevice* device,
                      QList<char32_t>& missing) {
  QTextLayout layout(line, font, device);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  if (!missesGlyph(layout.glyphRuns())) return;
  QSet<char32_t> asked;
  for (qsizetype at = 0; at < line.size();) {
    const CharacterAt here = characterAt(line, at);
    if (inkedCharacter(here.character) && !asked.contains(here.character)) {
      asked.insert(here.character);
      if (missesGlyph(layout.glyphRuns(int(at), int(here.length))) &&
          !missing.contains(here.character))
        missing << here.character;
    }
    at += here.length;
  }
}

}  // namespace

QList<char32_t> charactersWithoutGlyph(const QFont& font, const QString& text,
                                       const QPaintDevice* device) {
  QList<char32_t> missing;
  for (const QString& line : titleLines(text)) addMissingOfLine(font, line, device, missing);
  return missing;
}

QString missingGlyphsText(const QList<char32_t>& characters) {
  QStringList named;
  for (const char32_t character : characters)
    named << u"'%1' (U+%2)"_s.arg(QString::fromUcs4(&character, 1),
                                  u"%1"_s.arg(uint(character), 4, 16, QChar(u'0')).toUpper());
  return u"no font draws "_s + named.join(u", "_s);
}
