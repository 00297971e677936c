// The kerning of an instance: pair adjustments whose device tables name
// deltas of the variation store take them at the instance's point of the
// design space; whatever of either table lies outside it is passed over.
#include "design/font_instance_kerning.h"
#include "core_test.h"
#include "design/font_variation_deltas.h"
#include "variable_font_files.h"

namespace {

using testFonts::halves;
using testFonts::words;

qint16 valueAt(const QByteArray& table, qsizetype at) {
  return qFromBigEndian<qint16>(table.constData() + at);
}

QByteArray changed(QByteArray table, qsizetype at, quint16 value) {
  qToBigEndian(value, table.data() + at);
  return table;
}

// The pair's subtable starts 56 bytes into the positioning table; its pair
// set 18 bytes further, whose first record's advance is 4 bytes in.
constexpr qsizetype pairAdvanceAt = 56 + 18 + 4;

// A store of one region over one axis, from `start` through `peak` to
// `end` (in 1/16384ths), of one item; in long words when `wide`.
QByteArray oneRegionStore(qint16 start, qint16 peak, qint16 end, qint32 delta, bool wide) {
  QByteArray store = halves({1}) + words({12}) + halves({1}) + words({22});
  store += halves({1, 1, quint16(start), quint16(peak), quint16(end)});
  store += halves({1, quint16(wide ? 0x8001 : 1), 1, 0});
  return store + (wide ? words({quint32(delta)}) : halves({quint16(qint16(delta))}));
}

}  // namespace

TEST(InstanceKerning, PairAdjustmentsTakeTheirDeltasAtThePoint) {
  const QByteArray pair = positioningOf(2, kerningPair(5, 7, 100));
  const QByteArray gdef = definitionsWithStore(heaviestEndStore({-40}));
  const QByteArray extension =
      positioningOf(9, halves({1, 2}) + words({8}) + kerningPair(5, 7, 100));
  const QByteArray classes =
      positioningOf(2, halves({2, 26, 0x44, 0, 32, 32, 1, 1}) + halves({100, 20}) +
                           halves({0, 0, 0x8000}) + halves({1, 1, 5}) + halves({1, 0, 0}));
  const QByteArray selfExtension = positioningOf(9, halves({1, 9}) + words({0}));
  const struct {
    const char* what;
    QByteArray gpos, gdef;
    double point;
    qsizetype at;
    qint16 advance;
  } cases[] = {
      {"at the peak", pair, gdef, 1, pairAdvanceAt, 60},
      {"half way", pair, gdef, 0.5, pairAdvanceAt, 80},
      {"three tenths rounded", pair, definitionsWithStore(heaviestEndStore({-5})), 0.3,
       pairAdvanceAt, 98},
      {"the other side of the default", pair, gdef, -1, pairAdvanceAt, 100},
      {"at the default", pair, gdef, 0, pairAdvanceAt, 100},
      {"a device table of sizes", changed(pair, 56 + 26 + 4, 1), gdef, 1, pairAdvanceAt, 100},
      {"an item the store lacks", changed(pair, 56 + 26 + 2, 1), gdef, 1, pairAdvanceAt, 100},
      {"a delta set the store lacks", changed(pair, 56 + 26, 1), gdef, 1, pairAdvanceAt, 100},
      {"a definitions table of no store", pair, changed(gdef, 2, 2), 1, pairAdvanceAt, 100},
      {"a store cut short", pair, gdef.chopped(1), 1, pairAdvanceAt, 100},
      {"a store of another axis count", pair, changed(gdef, 18 + 12, 2), 1, pairAdvanceAt, 100},
      {"more pairs than the table holds", changed(pair, 56 + 18, 0xFFFF), gdef, 1, pairAdvanceAt,
       60},
      {"through an extension", extension, gdef, 1, 56 + 8 + 18 + 4, 60},
      {"by classes", classes, gdef, 1, 56 + 16, 60},
      {"an extension of an extension", selfExtension, gdef, 1, 56 + 2, 9},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.what);
    const QByteArray made = positioningAt(row.gpos, row.gdef, {row.point});
    ASSERT_EQ(made.size(), row.gpos.size());
    EXPECT_EQ(valueAt(made, row.at), row.advance);
    EXPECT_EQ(made.left(row.at) + made.mid(row.at + 2),
              row.gpos.left(row.at) + row.gpos.mid(row.at + 2));
  }
}

// A region counts in full at its peak and not at all at its ends and past
// them; an axis whose peak is zero, or whose region is out of order or
// across the default, does not narrow it.
TEST(InstanceKerning, ARegionCountsFromItsStartToItsPeakAndDownToItsEnd) {
  constexpr qint16 tenth = 1638;  // 0.1 in 1/16384ths, a shade under
  const struct {
    const char* what;
    qint16 start, peak, end;
    double point;
    double delta;
  } cases[] = {
      {"at the peak", 2 * tenth, 6 * tenth, 10 * tenth, 6 * tenth / 16384.0, 1000},
      {"half way up", 0, 16384, 16384, 0.5, 500},
      {"half way down", -16384, -16384, 0, -0.5, 500},
      {"at the start", 2 * tenth, 6 * tenth, 10 * tenth, 2 * tenth / 16384.0, 0},
      {"before the start", 0, 16384, 16384, -0.25, 0},
      {"past the end", -16384, -8192, 0, 0.5, 0},
      {"a peak of zero", 0, 0, 16384, 0.7, 1000},
      {"out of order", 8192, 4096, 16384, -1, 1000},
      {"across the default", -8192, 8192, 16384, -1, 1000},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.what);
    for (const bool wide : {false, true}) {
      const QByteArray store = oneRegionStore(row.start, row.peak, row.end, 1000, wide);
      VariationDeltas deltas(store, 0, {row.point});
      EXPECT_EQ(deltas.delta(0, 0), std::nullopt);  // a store at the table's start is none
      const QByteArray placed = QByteArray(4, '\0') + store;
      VariationDeltas placedDeltas(placed, 4, {row.point});
      ASSERT_TRUE(placedDeltas.delta(0, 0).has_value());
      EXPECT_NEAR(*placedDeltas.delta(0, 0), row.delta, 0.5) << wide;
      EXPECT_EQ(placedDeltas.delta(0, 1), std::nullopt);
      EXPECT_EQ(placedDeltas.delta(1, 0), std::nullopt);
    }
  }
}
