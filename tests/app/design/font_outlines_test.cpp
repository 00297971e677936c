// A glyph outline as FreeType gives it, written as a TrueType glyph, and
// the tables bound into a TrueType font: their bytes exactly.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <QtEndian>

#include "core_test.h"
#include "design/font_outlines.h"
#include "design/font_tables.h"

namespace {

struct OutlinePoint {
  long x, y;  // font units
  char tag;   // FT_CURVE_TAG_ON, _CONIC or _CUBIC
};

std::variant<TrueTypeGlyph, QString> glyphOf(const std::vector<std::vector<OutlinePoint>>& shape) {
  std::vector<FT_Vector> points;
  std::vector<char> tags;
  std::vector<short> ends;
  for (const auto& contour : shape) {
    for (const OutlinePoint& point : contour) {
      points.push_back({point.x * 64, point.y * 64});
      tags.push_back(point.tag);
    }
    ends.push_back(short(points.size() - 1));
  }
  FT_Outline outline{};
  outline.n_contours = short(ends.size());
  outline.n_points = short(points.size());
  outline.points = points.data();
  outline.tags = tags.data();
  outline.contours = ends.data();
  return trueTypeGlyph(outline);
}

QByteArray hex(const char* digits) { return QByteArray::fromHex(digits); }

constexpr char on = FT_CURVE_TAG_ON, conic = FT_CURVE_TAG_CONIC;

}  // namespace

TEST(TrueTypeGlyph, OutlinesAreWrittenPointByPointWithTheShortestSteps) {
  const struct {
    const char* what;
    std::vector<std::vector<OutlinePoint>> shape;
    QByteArray record;
  } cases[] = {
      {"blank", {}, {}},
      // Steps of 0 need no byte, up to 255 one byte with the sign in the flag.
      {"square",
       {{{0, 0, on}, {0, 100, on}, {100, 100, on}, {100, 0, on}}},
       hex("0001 0000 0000 0064 0064 0003 0000 31353315 64 6464 000000")},
      // A step past 255 takes two bytes, and a negative one its sign.
      {"wide bar",
       {{{-300, 0, on}, {700, 0, on}, {700, 50, on}}},
       hex("0001 fed4 0000 02bc 0032 0002 0000 21 21 35 fed4 03e8 32 0000")},
      {"arch",
       {{{0, 0, on}, {50, 100, conic}, {100, 0, on}}},
       hex("0001 0000 0000 0064 0064 0002 0000 31 36 17 3232 64 64 000000")},
      {"two contours",
       {{{0, 0, on}, {10, 0, on}, {10, 10, on}}, {{20, 20, on}, {30, 20, on}, {30, 30, on}}},
       hex("0002 0000 0000 001e 001e 0002 0005 0000 31 33 35 37 33 35 0a 0a 0a 0a 0a 0a")},
  };
  for (const auto& glyph : cases) {
    SCOPED_TRACE(glyph.what);
    const auto made = glyphOf(glyph.shape);
    ASSERT_TRUE(std::holds_alternative<TrueTypeGlyph>(made));
    EXPECT_EQ(std::get<TrueTypeGlyph>(made).record.toHex().toStdString(),
              glyph.record.toHex().toStdString());
  }
}

TEST(TrueTypeGlyph, APointFarOutsideTheFontIsRefused) {
  const auto far = glyphOf({{{0, 0, on}, {20000, 0, on}, {0, 100, on}}});
  ASSERT_TRUE(std::holds_alternative<QString>(far));
  EXPECT_EQ(std::get<QString>(far), u"a glyph reaches past the font's coordinates"_qs);
  EXPECT_TRUE(std::holds_alternative<TrueTypeGlyph>(glyphOf({{{-16384, 16383, on}}})));
}

TEST(TrueTypeFont, TablesAreBoundInTagOrderWithTheirChecksums) {
  const QByteArray head = QByteArray(54, '\0');
  const QByteArray font = trueTypeFontOf({{0x7a7a7a7a, "abcde"}, {0x68656164, head}});
  EXPECT_EQ(font.left(12).toHex().toStdString(),
            hex("00010000 0002 0020 0001 0000").toHex().toStdString());
  // "head" before "zzzz"; each table starts on a word, "abcde" padded with zeros.
  EXPECT_EQ(font.mid(12, 32).toHex().toStdString(),
            hex("68656164 00000000 0000002c 00000036 7a7a7a7a c6626364 00000064 00000005")
                .toHex()
                .toStdString());
  EXPECT_EQ(font.mid(100).toHex().toStdString(), hex("6162636465000000").toHex().toStdString());
  quint32 sum = 0;
  for (qsizetype at = 0; at < font.size(); at += 4)
    sum += qFromBigEndian<quint32>(font.data() + at);
  EXPECT_EQ(sum, 0xB1B0AFBAu);
  EXPECT_EQ(nameTable({{1, u"Ab"_qs}}).toHex(),
            hex("0000 0001 0012 0003 0001 0409 0001 0004 0000 00410062").toHex());
}
