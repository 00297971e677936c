#include "design/font_instance_kerning.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "design/font_tables.h"
#include "design/font_variation_deltas.h"

using fontBytes::put16;
using fontBytes::read16;

namespace {

qint64 read32(const QByteArray& bytes, qint64 at) {
  return qint64(read16(bytes, at)) << 16 | read16(bytes, at + 2);
}

bool fits(const QByteArray& table, qint64 end) { return end <= table.size(); }

constexpr int pairAdjustment = 2, extension = 9;
constexpr quint16 variationIndexFormat = 0x8000;
// A value record's placements and advances, each with its device table
// further on in the record.
constexpr int valueFields = 4;

// The item variation store of a GDEF table of version 1.3 on.
constexpr qint64 gdefStoreAt = 14;

class PairValues {
 public:
  PairValues(QByteArray& gpos, VariationDeltas& deltas) : gpos_(gpos), deltas_(deltas) {}

  void subtable(qint64 at, int type) {
    if (!fits(gpos_, at + 10)) return;
    if (type == extension && read16(gpos_, at) == 1 && read16(gpos_, at + 2) != extension)
      return subtable(at + read32(gpos_, at + 4), read16(gpos_, at + 2));
    if (type != pairAdjustment) return;
    if (read16(gpos_, at) == 1) pairSets(at);
    if (read16(gpos_, at) == 2) classPairs(at);
  }

 private:
  static qint64 recordSize(quint16 format) { return 2 * std::popcount(format); }

  static qint64 fieldAt(qint64 record, quint16 format, int bit) {
    return record + 2 * std::popcount(quint16(format & ((1u << bit) - 1)));
  }

  // The values of a record whose device tables (from `base`) name deltas.
  void valueRecord(qint64 base, qint64 at, quint16 format) {
    if (recordsLeft_ <= 0 || !fits(gpos_, at + recordSize(format))) return;
    --recordsLeft_;
    for (int value = 0; value < valueFields; ++value) {
      const int device = value + valueFields;
      if (!(format & (1u << value)) || !(format & (1u << device))) continue;
      if (const quint16 offset = read16(gpos_, fieldAt(at, format, device)); offset != 0)
        vary(fieldAt(at, format, value), base + offset);
    }
  }

  void vary(qint64 valueAt, qint64 device) {
    if (!fits(gpos_, device + 6) || read16(gpos_, device + 4) != variationIndexFormat) return;
    const std::optional<double> delta =
        deltas_.delta(read16(gpos_, device), read16(gpos_, device + 2));
    if (!delta) return;
    const double value = qint16(read16(gpos_, valueAt)) + std::round(*delta);
    put16(gpos_, valueAt, quint16(qint16(std::clamp(value, -32768.0, 32767.0))));
  }

  void pairSets(qint64 at) {
    const quint16 first = read16(gpos_, at + 4), second = read16(gpos_, at + 6);
    const qint64 sets = read16(gpos_, at + 8);
    const qint64 pairSize = 2 + recordSize(first) + recordSize(second);
    for (qint64 set = 0; set < sets && fits(gpos_, at + 12 + 2 * set); ++set) {
      const qint64 setAt = at + read16(gpos_, at + 10 + 2 * set);
      if (!fits(gpos_, setAt + 2)) continue;
      const qint64 pairs = read16(gpos_, setAt);
      for (qint64 pair = 0; pair < pairs && fits(gpos_, setAt + 2 + (pair + 1) * pairSize);
           ++pair) {
        const qint64 record = setAt + 2 + pair * pairSize + 2;
        valueRecord(setAt, record, first);
        valueRecord(setAt, record + recordSize(first), second);
      }
    }
  }

  void classPairs(qint64 at) {
    if (!fits(gpos_, at + 16)) return;
    const quint16 first = read16(gpos_, at + 4), second = read16(gpos_, at + 6);
    const qint64 classes1 = read16(gpos_, at + 12), classes2 = read16(gpos_, at + 14);
    const qint64 pairSize = recordSize(first) + recordSize(second);
    for (qint64 pair = 0; pair < classes1 * classes2; ++pair) {
      const qint64 record = at + 16 + pair * pairSize;
      if (!fits(gpos_, record + pairSize)) return;
      valueRecord(at, record, first);
      valueRecord(at, record + recordSize(first), second);
    }
  }

  QByteArray& gpos_;
  VariationDeltas& deltas_;
  // Subtables that many lookups share are read again for each: a record
  // for every two bytes of the table bounds the work of a hostile one.
  qint64 recordsLeft_ = gpos_.size() / 2;
};

// Where the GDEF table's variation store starts; 0 when it has none.
qint64 storeOf(const QByteArray& gdef) {
  if (!fits(gdef, gdefStoreAt + 4) || read16(gdef, 0) != 1 || read16(gdef, 2) < 3) return 0;
  return read32(gdef, gdefStoreAt);
}

}  // namespace

QByteArray positioningAt(QByteArray gpos, const QByteArray& gdef,
                         const std::vector<double>& coordinates) {
  const qint64 store = storeOf(gdef);
  if (store == 0 || !fits(gpos, 10)) return gpos;
  VariationDeltas deltas(gdef, store, coordinates);
  PairValues values(gpos, deltas);
  const qint64 lookups = read16(gpos, 8);
  const qint64 count = fits(gpos, lookups + 2) ? read16(gpos, lookups) : 0;
  for (qint64 lookup = 0; lookup < count && fits(gpos, lookups + 4 + 2 * lookup); ++lookup) {
    const qint64 at = lookups + read16(gpos, lookups + 2 + 2 * lookup);
    if (!fits(gpos, at + 6)) continue;
    const int type = read16(gpos, at);
    const qint64 subtables = read16(gpos, at + 4);
    for (qint64 sub = 0; sub < subtables && fits(gpos, at + 8 + 2 * sub); ++sub)
      values.subtable(at + read16(gpos, at + 6 + 2 * sub), type);
  }
  return gpos;
}
