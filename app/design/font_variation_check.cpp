#include "design/font_variation_check.h"

#include "design/font_tables.h"
#include "design/font_variation_store_check.h"

using namespace Qt::StringLiterals;
using fontBytes::read16;

namespace {

quint32 read32(const QByteArray& bytes, qsizetype at) {
  return quint32(read16(bytes, at)) << 16 | read16(bytes, at + 2);
}

bool fits(const QByteArray& table, qint64 end) { return end <= table.size(); }

constexpr int axisRecordSize = 20;

// The header's axes and instances lie within the table, in records of the
// sizes the format gives them.
bool soundAxes(const QByteArray& fvar) {
  if (!fits(fvar, 16)) return false;
  const qint64 axesAt = read16(fvar, 4);
  const qint64 axes = read16(fvar, 8);
  const qint64 axisSize = read16(fvar, 10);
  const qint64 instances = read16(fvar, 12);
  const qint64 instanceSize = read16(fvar, 14);
  const qint64 plainInstance = 4 + 4 * axes;
  return axes > 0 && axisSize == axisRecordSize &&
         (instanceSize == plainInstance || instanceSize == plainInstance + 2) &&
         fits(fvar, axesAt + axes * axisSize + instances * instanceSize);
}

bool soundOutlineVariations(const QByteArray& gvar, int axes, int glyphCount) {
  if (!fits(gvar, 20)) return false;
  const qint64 sharedTuples = read16(gvar, 6);
  const qint64 glyphs = read16(gvar, 12);
  const qint64 offsetSize = (read16(gvar, 14) & 1) ? 4 : 2;
  return read16(gvar, 4) == axes && glyphs == glyphCount &&
         fits(gvar, qint64(read32(gvar, 8)) + sharedTuples * axes * 2) &&
         fits(gvar, 20 + (glyphs + 1) * offsetSize) && fits(gvar, read32(gvar, 16));
}

bool soundAxisMaps(const QByteArray& avar, int axes) {
  if (!fits(avar, 8) || read16(avar, 6) != axes) return false;
  qint64 at = 8;
  for (int axis = 0; axis < axes; ++axis) {
    if (!fits(avar, at + 2)) return false;
    at += 2 + 4 * qint64(read16(avar, at));
  }
  return fits(avar, at);
}

constexpr qint64 metricRecordsAt = 12;
constexpr qint64 smallestMetricRecord = 8;  // tag, delta set, item

// Each metric's record names an item of the table's variation store.
bool soundMetricVariations(const QByteArray& mvar, int axes) {
  if (!fits(mvar, metricRecordsAt)) return false;
  const qint64 recordSize = read16(mvar, 6);
  const qint64 records = read16(mvar, 8);
  if (records == 0) return true;
  if (recordSize < smallestMetricRecord || !fits(mvar, metricRecordsAt + records * recordSize))
    return false;
  const std::optional<std::vector<int>> items = variationStoreItems(mvar, read16(mvar, 10), axes);
  if (!items) return false;
  for (qint64 record = 0; record < records; ++record) {
    const qint64 at = metricRecordsAt + record * recordSize;
    const size_t set = read16(mvar, at + 4);
    if (set >= items->size() || read16(mvar, at + 6) >= (*items)[set]) return false;
  }
  return true;
}

constexpr qint64 advanceHeaderSize = 20;

bool soundAdvanceVariations(const QByteArray& hvar, int axes) {
  if (!fits(hvar, advanceHeaderSize) || !variationStoreItems(hvar, read32(hvar, 4), axes))
    return false;
  for (const qint64 mapAt : {8, 12, 16})  // advances, left and right sides
    if (const qint64 map = read32(hvar, mapAt); map != 0 && !soundDeltaSetIndexMap(hvar, map))
      return false;
  return true;
}

QString damaged(const char* tag) {
  return u"the font's variation table '%1' is damaged"_s.arg(tag);
}

}  // namespace

QString variationTablesProblem(const VariationTables& tables) {
  if (!tables.fvar) return {};
  if (!soundAxes(*tables.fvar)) return damaged("fvar");
  const int axes = read16(*tables.fvar, 8);
  if (tables.gvar && !soundOutlineVariations(*tables.gvar, axes, tables.glyphCount))
    return damaged("gvar");
  if (tables.avar && !soundAxisMaps(*tables.avar, axes)) return damaged("avar");
  if (tables.mvar && !soundMetricVariations(*tables.mvar, axes)) return damaged("MVAR");
  if (tables.hvar && !soundAdvanceVariations(*tables.hvar, axes)) return damaged("HVAR");
  return {};
}
