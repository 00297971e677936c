// A variable font handed as a file: its named instances join the run's
// fonts as families of their own and as the weights of its family, drawn
// with the outlines and advances of their point of the design space;
// damaged variation tables refuse the file with the cause.
#include <QFontDatabase>
#include <QtEndian>

#include "core_test.h"
#include "design/font_file.h"
#include "design/font_instances.h"
#include "design/font_variation_check.h"
#include "design/text_picture.h"
#include "test_fonts.h"

namespace {

const char* const installedVariableFont = "/usr/share/fonts/truetype/inter-vf/Inter-roman.var.ttf";

// Debian's Inter, a TrueType variable font with a weight axis, renamed
// "Flexo": a brand's font, not installed.
QByteArray variableFont() {
  QFile file(QString::fromLatin1(installedVariableFont));
  QByteArray font = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  font.replace(QByteArray("I\0n\0t\0e\0r", 10), QByteArray("F\0l\0e\0x\0o", 10));
  return font.replace("Inter", "Flexo");
}

// Where table `tag` of `font` starts, and where its length is written.
struct TablePlace {
  qsizetype at = -1;
  qsizetype lengthAt = -1;
};

TablePlace tablePlace(const QByteArray& font, const char* tag) {
  const int count = qFromBigEndian<quint16>(font.constData() + 4);
  for (int table = 0; table < count; ++table) {
    const qsizetype entry = 12 + 16 * table;
    if (font.mid(entry, 4) == tag)
      return {qsizetype(testFonts::read32(font, entry + 8)), entry + 12};
  }
  return {};
}

QImage printed(const QString& family, bool bold, const QString& title = u"Velloro"_qs,
               QFont::HintingPreference hinting = QFont::PreferDefaultHinting) {
  TextPicture text;
  text.font = QFont(family, 40);
  text.font.setBold(bold);
  text.font.setHintingPreference(hinting);
  text.print(title);
  return text.picture;
}

qint64 inkOf(const QImage& picture) {
  qint64 ink = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) ink += 255 - qGray(picture.pixel(x, y));
  return ink;
}

// From the first inked column to the last.
int inkWidth(const QImage& picture) {
  int first = picture.width(), last = -1;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qGray(picture.pixel(x, y)) < 128) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return last - first + 1;
}

}  // namespace

// Tables of one axis: the axes with one plain instance, the outlines'
// variations of two glyphs without data, the axis map of three points.
TEST(VariationTables, EachIsReadWithinItsLengthAndAgreesWithTheAxesAndGlyphs) {
  const QByteArray axis = QByteArray("wght") + testFonts::halves({0, 0, 1, 0, 2, 0, 0, 0});
  const QByteArray fvar =
      testFonts::halves({1, 0, 16, 2, 1, 20, 1, 8}) + axis + testFonts::halves({0, 0, 0, 0});
  const QByteArray gvar = testFonts::halves({1, 0, 1, 0, 0, 20, 2, 0, 0, 26, 0, 0, 0});
  const QByteArray longOffsetsGvar = testFonts::halves({1, 0, 1, 0, 0, 20, 2, 1, 0, 26, 0, 0, 0});
  const QByteArray avar = testFonts::halves({1, 0, 0, 1, 3, 0xC000, 0xC000, 0, 0, 0x4000, 0x4000});
  const QString fvarDamaged = u"the font's variation table 'fvar' is damaged"_qs;
  const QString gvarDamaged = u"the font's variation table 'gvar' is damaged"_qs;
  const QString avarDamaged = u"the font's variation table 'avar' is damaged"_qs;
  const std::pair<VariationTables, QString> cases[] = {
      {{{}, gvar, avar, 2}, {}},  // no variable font: its other tables are not read
      {{fvar, {}, {}, 2}, {}},
      {{fvar, gvar, avar, 2}, {}},
      {{fvar.left(fvar.size() - 1), gvar, avar, 2}, fvarDamaged},
      {{fvar.left(15), {}, {}, 2}, fvarDamaged},
      {{testFonts::halves({1, 0, 16, 2, 0, 20, 0, 4}), {}, {}, 2}, fvarDamaged},
      {{testFonts::halves({1, 0, 16, 2, 1, 20, 1, 12}) + axis + testFonts::halves({0, 0, 0, 0}),
        {},
        {},
        2},
       fvarDamaged},
      {{fvar, gvar, avar, 3}, gvarDamaged},
      {{fvar, gvar.left(25), avar, 2}, gvarDamaged},
      {{fvar, longOffsetsGvar, avar, 2}, gvarDamaged},
      {{fvar, longOffsetsGvar + testFonts::halves({0, 0, 0}), avar, 2}, {}},
      {{fvar, gvar, avar.left(avar.size() - 1), 2}, avarDamaged},
      {{fvar, gvar, avar.left(7), 2}, avarDamaged},
      {{fvar, gvar, testFonts::halves({1, 0, 0, 2}) + avar.mid(8), 2}, avarDamaged},
  };
  int row = 0;
  for (const auto& [tables, problem] : cases) {
    SCOPED_TRACE(row++);
    EXPECT_EQ(variationTablesProblem(tables), problem);
  }
}

TEST(VariableFont, ItsNamedInstancesJoinTheListAsFamiliesOfTheirOwn) {
  const QByteArray font = variableFont();
  ASSERT_GT(font.size(), 100000) << installedVariableFont;
  ASSERT_FALSE(QFontDatabase::families().contains(u"Flexo Bold"_qs));
  const AddedFont added = addFontBytes(font);
  ASSERT_EQ(added.problem, QString());
  EXPECT_EQ(added.family, u"Flexo"_qs);
  // The font's own names, in its order; Regular is the face's default.
  const QStringList instances{u"Flexo Thin"_qs,       u"Flexo Extra Light"_qs, u"Flexo Light"_qs,
                              u"Flexo Medium"_qs,     u"Flexo Semi Bold"_qs,   u"Flexo Bold"_qs,
                              u"Flexo Extra Bold"_qs, u"Flexo Black"_qs};
  EXPECT_EQ(added.instanceFamilies, instances);
  EXPECT_EQ(added.instanceIds.size(), 2 * instances.size());
  const QStringList families = QFontDatabase::families();
  for (const QString& instance : instances)
    EXPECT_TRUE(families.contains(instance)) << instance.toStdString();
  EXPECT_TRUE(QFontDatabase::styles(u"Flexo"_qs).contains(u"Bold"_qs));
  EXPECT_EQ(addFontBytes(font).instanceIds, added.instanceIds);  // made once
}

// Each heavier instance lays more ink and is wider; the design's bold
// chooses the Bold instance.
TEST(VariableFont, AnInstanceIsDrawnWithTheOutlinesAndAdvancesOfItsWeight) {
  ASSERT_EQ(addFontBytes(variableFont()).problem, QString());
  const QImage regular = printed(u"Flexo"_qs, false);
  const QImage bold = printed(u"Flexo Bold"_qs, false);
  EXPECT_GT(inkWidth(bold), inkWidth(regular) + 4);
  EXPECT_EQ(printed(u"Flexo"_qs, true), bold);
  qint64 lighter = 0;
  for (const char* family :
       {"Flexo Thin", "Flexo Light", "Flexo", "Flexo Semi Bold", "Flexo Bold", "Flexo Black"}) {
    SCOPED_TRACE(family);
    const qint64 ink = inkOf(printed(QString::fromLatin1(family), false));
    EXPECT_GT(ink, lighter);
    lighter = ink;
  }
}

TEST(VariableFont, AFontWithoutVariationsIsAddedAsItIs) {
  const AddedFont added = addFontBytes(brandFontFile("Plainy"));
  ASSERT_EQ(added.problem, QString());
  EXPECT_TRUE(added.instanceFamilies.isEmpty());
  EXPECT_TRUE(added.instanceIds.isEmpty());
  EXPECT_EQ(printed(u"Plainy Sans"_qs, true), printed(u"DejaVu Sans"_qs, true));
}

TEST(VariableFont, DamagedVariationTablesRefuseTheFileWithTheCause) {
  const QByteArray font = variableFont();
  const TablePlace fvar = tablePlace(font, "fvar");
  const TablePlace gvar = tablePlace(font, "gvar");
  ASSERT_GE(fvar.at, 0);
  ASSERT_GE(gvar.at, 0);
  const QString fvarDamaged = u"the font's variation table 'fvar' is damaged"_qs;
  const QString gvarDamaged = u"the font's variation table 'gvar' is damaged"_qs;
  const struct {
    const char* what;
    qsizetype at;
    quint32 value;
    int size;
    QString problem;
  } cases[] = {
      {"fvar cut short", fvar.lengthAt, 20, 4, fvarDamaged},
      {"axes past its end", fvar.at + 8, 0x7FFF, 2, fvarDamaged},
      {"instances past its end", fvar.at + 12, 0xFFFF, 2, fvarDamaged},
      {"odd axis records", fvar.at + 10, 24, 2, fvarDamaged},
      {"gvar cut short", gvar.lengthAt, 24, 4, gvarDamaged},
      {"gvar of other axes", gvar.at + 4, 3, 2, gvarDamaged},
      {"shared tuples past its end", gvar.at + 8, 0xFFFFFF00, 4, gvarDamaged},
      {"gvar of other glyphs", gvar.at + 12, 7, 2, gvarDamaged},
  };
  const int fontsBefore = int(QFontDatabase::families().size());
  for (const auto& damage : cases) {
    SCOPED_TRACE(damage.what);
    QByteArray damaged = font;
    if (damage.size == 4)
      qToBigEndian(damage.value, damaged.data() + damage.at);
    else
      qToBigEndian(quint16(damage.value), damaged.data() + damage.at);
    const AddedFont added = addFontBytes(damaged);
    EXPECT_EQ(added.problem, damage.problem);
    EXPECT_EQ(added.id, -1);
  }
  EXPECT_EQ(int(QFontDatabase::families().size()), fontsBefore);
}

// A PostScript font's cubic curves become quadratic ones within a quarter
// of a font unit: made a TrueType font, Debian's Cantarell draws as it
// does itself, both unhinted (a PostScript font's hints are not kept):
// the same advances and shapes, only the edges' shading differs.
TEST(VariableFont, APostScriptFontMadeTrueTypeDrawsAsItself) {
  QFile file(u"/usr/share/fonts/opentype/cantarell/Cantarell-Regular.otf"_qs);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray font = file.readAll();
  ASSERT_EQ(font.left(4), QByteArray("OTTO"));
  const auto made = staticFontOf(font, 0, 0, {u"Cubist"_qs, u"Regular"_qs});
  ASSERT_TRUE(std::holds_alternative<QByteArray>(made)) << std::get<QString>(made).toStdString();
  const QByteArray trueType = std::get<QByteArray>(made);
  EXPECT_EQ(testFonts::read32(trueType, tablePlace(trueType, "maxp").lengthAt), 32u);
  EXPECT_EQ(tablePlace(trueType, "CFF ").at, -1);
  ASSERT_GE(QFontDatabase::addApplicationFontFromData(trueType), 0);
  const QString title = u"Sousaphone"_qs;
  const QImage original = printed(u"Cantarell"_qs, false, title, QFont::PreferNoHinting);
  const QImage cubist = printed(u"Cubist"_qs, false, title, QFont::PreferNoHinting);
  ASSERT_EQ(cubist.size(), original.size());
  int unlike = 0;
  for (int y = 0; y < original.height(); ++y)
    for (int x = 0; x < original.width(); ++x)
      unlike += std::abs(qGray(original.pixel(x, y)) - qGray(cubist.pixel(x, y))) > 96;
  EXPECT_LT(unlike, 20);
  EXPECT_EQ(inkWidth(cubist), inkWidth(original));
}

// The work of making the instances is bounded: a file whose instances hold
// more glyphs than are left to draw is refused before any is drawn.
TEST(VariableFont, InstancesOfMoreGlyphsThanAreLeftAreRefused) {
  const QByteArray font = variableFont();
  qint64 left = 8 * 2548 - 1;  // the test font's instances but the default, and its glyphs
  const InstanceFonts refused = instanceFontsOf(font, 0, u"Flexo"_qs, left);
  EXPECT_EQ(refused.problem, u"the font's instances are more than 524288 glyphs to draw"_qs);
  EXPECT_TRUE(refused.fonts.empty());
  EXPECT_EQ(left, 8 * 2548 - 1);
  qint64 enough = 8 * 2548;
  EXPECT_EQ(instanceFontsOf(font, 0, u"Flexo"_qs, enough).fonts.size(), 16u);
  EXPECT_EQ(enough, 0);
}
