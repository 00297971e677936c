// A variable font's instances take the metrics and advances their point of
// the design space gives them (the tables that vary them put in a renamed
// Inter by known amounts), seen in the pixels of a printed title; damaged
// tables of those variations refuse the file with the cause.
#include <QFontDatabase>
#include <QRawFont>

#include "core_test.h"
#include "design/font_file.h"
#include "design/font_variation_check.h"
#include "design/text_picture.h"
#include "variable_font_files.h"

namespace {

// Inter's units per em and this pixel size: 16 units a pixel.
constexpr int unitsPerPixel = 16;
constexpr int pixelSize = 2816 / unitsPerPixel;

QImage printedAtPixelSize(const QString& family, const QString& title) {
  TextPicture text;
  text.setDotsPerInch(72);  // a point a pixel
  text.font = QFont(family);
  text.font.setPointSize(pixelSize);
  text.font.setHintingPreference(QFont::PreferNoHinting);
  text.print(title);
  return text.picture;
}

bool inkedRow(const QImage& picture, int y) {
  for (int x = 0; x < picture.width(); ++x)
    if (qGray(picture.pixel(x, y)) < 128) return true;
  return false;
}

bool inkedColumn(const QImage& picture, int x) {
  for (int y = 0; y < picture.height(); ++y)
    if (qGray(picture.pixel(x, y)) < 128) return true;
  return false;
}

// Where each run of inked rows (or columns) starts.
QList<int> inkStarts(int length, const std::function<bool(int)>& inked) {
  QList<int> starts;
  bool before = false;
  for (int at = 0; at < length; ++at) {
    const bool now = inked(at);
    if (now && !before) starts << at;
    before = now;
  }
  return starts;
}

// From the top of the first line's "I" to the second's.
int lineStep(const QString& family) {
  const QImage picture = printedAtPixelSize(family, u"I\nI"_qs);
  const QList<int> tops = inkStarts(picture.height(), [&](int y) { return inkedRow(picture, y); });
  return tops.size() == 2 ? tops[1] - tops[0] : -1;
}

// From the left of the first "l" to the second's: its advance.
int advanceOfL(const QString& family) {
  const QImage picture = printedAtPixelSize(family, u"ll"_qs);
  const QList<int> lefts =
      inkStarts(picture.width(), [&](int x) { return inkedColumn(picture, x); });
  return lefts.size() == 2 ? lefts[1] - lefts[0] : -1;
}

void addFont(const QByteArray& font) {
  const AddedFont added = addFontBytes(font);
  ASSERT_EQ(added.problem, QString());
}

quint16 glyphCount(const QByteArray& font) {
  return qFromBigEndian<quint16>(tablesOf(font)[QByteArray("maxp")].constData() + 4);
}

}  // namespace

// 480 units more above the line and 320 more below it at the heaviest end:
// 30 and 20 pixels, 50 between lines; Bold has three fifths of it.
TEST(InstanceMetrics, AnInstancesLineStepFollowsTheFontsMetricsVariations) {
  addFont(renamedVariableFont("Plain"));
  addFont(withTable(renamedVariableFont("Lofty"), "MVAR", metricVariations(480, -320)));
  const std::tuple<const char*, int, int> cases[] = {
      {"", 0, 0}, {" Thin", 0, 0}, {" Light", 0, 0}, {" Bold", 18, 12}, {" Black", 30, 20}};
  for (const auto& [instance, ascent, descent] : cases) {
    SCOPED_TRACE(instance);
    const QString lofty = u"Lofty"_qs + QLatin1String(instance);
    const QString plain = u"Plain"_qs + QLatin1String(instance);
    ASSERT_GT(lineStep(plain), 0);
    EXPECT_EQ(lineStep(lofty) - lineStep(plain), ascent + descent);
    QFont loftyFont(lofty), plainFont(plain);
    loftyFont.setPixelSize(pixelSize);
    plainFont.setPixelSize(pixelSize);
    EXPECT_EQ(QFontMetrics(loftyFont).ascent() - QFontMetrics(plainFont).ascent(), ascent);
    EXPECT_EQ(QFontMetrics(loftyFont).descent() - QFontMetrics(plainFont).descent(), descent);
  }
}

// The advances' variations put in give "l" 1,600 units more at the
// heaviest end (100 pixels) and every other glyph none: the outlines'
// own advance points no longer count.
TEST(InstanceMetrics, AnInstancesAdvancesFollowTheFontsAdvanceVariations) {
  const QByteArray plain = renamedVariableFont("Broad");
  addFont(renamedVariableFont("Plain"));
  QFont plainFont(u"Plain"_qs);
  plainFont.setPixelSize(pixelSize);
  const QList<quint32> l = QRawFont::fromFont(plainFont).glyphIndexesForString(u"l"_qs);
  ASSERT_EQ(l.size(), 1);
  QList<qint16> deltas(glyphCount(plain), 0);
  deltas[l[0]] = 1600;
  addFont(withTable(plain, "HVAR", advanceVariations(deltas)));
  const int regular = advanceOfL(u"Broad"_qs);
  ASSERT_GT(regular, 0);
  const std::pair<const char*, int> cases[] = {
      {" Thin", 0}, {" Light", 0}, {" Semi Bold", 40}, {" Bold", 60}, {" Black", 100}};
  for (const auto& [instance, wider] : cases) {
    SCOPED_TRACE(instance);
    EXPECT_NEAR(advanceOfL(u"Broad"_qs + QLatin1String(instance)) - regular, wider, 1);
  }
}

// "l" before "l" is kerned 1,600 units apart, and as much closer again at
// the heaviest end (100 pixels), than by the same font's kerning without
// the delta.
TEST(InstanceMetrics, AnInstancesKerningFollowsTheFontsKerningVariations) {
  addFont(renamedVariableFont("Plain"));
  QFont plainFont(u"Plain"_qs);
  plainFont.setPixelSize(pixelSize);
  const QList<quint32> glyphs = QRawFont::fromFont(plainFont).glyphIndexesForString(u"ll"_qs);
  ASSERT_EQ(glyphs.size(), 2);
  const QByteArray kerning =
      positioningOf(2, kerningPair(quint16(glyphs[0]), quint16(glyphs[1]), 1600));
  for (const auto& [name, delta] :
       {std::pair{"Kernd", qint16(-1600)}, std::pair{"Kernz", qint16(0)}})
    addFont(withTable(withTable(renamedVariableFont(name), "GPOS", kerning), "GDEF",
                      definitionsWithStore(heaviestEndStore({delta}))));
  const std::pair<const char*, int> cases[] = {
      {"", 0}, {" Thin", 0}, {" Medium", -20}, {" Bold", -60}, {" Black", -100}};
  for (const auto& [instance, closer] : cases) {
    SCOPED_TRACE(instance);
    const int unvaried = advanceOfL(u"Kernz"_qs + QLatin1String(instance));
    ASSERT_GT(unvaried, 0);
    EXPECT_NEAR(advanceOfL(u"Kernd"_qs + QLatin1String(instance)) - unvaried, closer, 1);
  }
}

TEST(InstanceMetrics, DamagedMetricsOrAdvanceVariationsRefuseTheFile) {
  const QByteArray font = renamedVariableFont("Scrap");
  const QByteArray sound = metricVariations(480, -320);
  QByteArray recordPastItems = sound;
  qToBigEndian(quint16(2), recordPastItems.data() + 12 + 8 + 6);
  const std::tuple<const char*, const char*, QByteArray, QString> cases[] = {
      {"MVAR cut short", "MVAR", sound.chopped(1), u"MVAR"_qs},
      {"MVAR naming a third item", "MVAR", recordPastItems, u"MVAR"_qs},
      {"HVAR of no store", "HVAR", testFonts::halves({1, 0}) + testFonts::words({0, 0, 0, 0}),
       u"HVAR"_qs},
      {"HVAR cut short", "HVAR", advanceVariations({0, 0}).chopped(1), u"HVAR"_qs},
  };
  const int fontsBefore = int(QFontDatabase::families().size());
  for (const auto& [what, tag, table, damaged] : cases) {
    SCOPED_TRACE(what);
    const AddedFont added = addFontBytes(withTable(font, tag, table));
    EXPECT_EQ(added.problem, u"the font's variation table '%1' is damaged"_qs.arg(damaged));
    EXPECT_EQ(added.id, -1);
  }
  EXPECT_EQ(int(QFontDatabase::families().size()), fontsBefore);
}

// The item variation store both tables hold, each of its parts within the
// table and of the font's one axis.
TEST(VariationTables, MetricsAndAdvanceVariationsAreReadWithinTheirLength) {
  using testFonts::halves;
  using testFonts::words;
  const QByteArray fvar = halves({1, 0, 16, 1, 1, 20, 0, 8}) + QByteArray("wght") +
                          halves({100, 0, 400, 0, 900, 0, 0, 0});
  const QByteArray mvar = metricVariations(1, 2);
  const QByteArray hvar = advanceVariations({5, 6});
  // At the store's place in the metrics table, 28, and in the advances', 20.
  const auto changed = [](QByteArray table, qsizetype at, quint16 value) {
    qToBigEndian(value, table.data() + at);
    return table;
  };
  const QByteArray withMaps = halves({1, 0}) + words({20, 0, 0, 0}).left(4) +
                              words({quint32(hvar.size()), 0, 0}) + hvar.mid(20) +
                              halves({0x0010, 2, 0, 1});
  const QString mvarDamaged = u"the font's variation table 'MVAR' is damaged"_qs;
  const QString hvarDamaged = u"the font's variation table 'HVAR' is damaged"_qs;
  const std::tuple<const char*, QByteArray, QByteArray, QString> cases[] = {
      {"both sound", mvar, hvar, {}},
      {"no metric records, no store", halves({1, 0, 0, 8, 0, 0}), hvar, {}},
      {"metric records of six bytes", changed(mvar, 6, 6), hvar, mvarDamaged},
      {"metric records past the end", changed(mvar, 8, 40), hvar, mvarDamaged},
      {"a record of a second delta set", changed(mvar, 12 + 4, 1), hvar, mvarDamaged},
      {"a store of another format", changed(mvar, 28, 2), hvar, mvarDamaged},
      {"regions of two axes", changed(mvar, 28 + 12, 2), hvar, mvarDamaged},
      {"regions past the end", changed(mvar, 28 + 14, 900), hvar, mvarDamaged},
      {"a second region named", changed(mvar, 28 + 22 + 6, 1), hvar, mvarDamaged},
      {"more word deltas than regions", changed(mvar, 28 + 22 + 2, 2), hvar, mvarDamaged},
      {"long words past the end", changed(mvar, 28 + 22 + 2, 0x8001), hvar, mvarDamaged},
      {"items past the end", changed(mvar, 28 + 22, 3), hvar, mvarDamaged},
      {"delta sets past the end", changed(mvar, 28 + 6, 40), hvar, mvarDamaged},
      {"advances of no store", mvar, changed(hvar, 6, 0), hvarDamaged},
      {"advances cut short", mvar, hvar.left(19), hvarDamaged},
      {"advance store past the end", mvar, changed(hvar, 6, 900), hvarDamaged},
      {"an advance map within", mvar, withMaps, {}},
      {"an advance map cut short", mvar, withMaps.chopped(1), hvarDamaged},
      {"an advance map of a third format", mvar, changed(withMaps, withMaps.size() - 8, 0x0210),
       hvarDamaged},
  };
  for (const auto& [what, metrics, advances, problem] : cases) {
    SCOPED_TRACE(what);
    EXPECT_EQ(variationTablesProblem({fvar, {}, {}, 2, metrics, advances}), problem);
  }
}
