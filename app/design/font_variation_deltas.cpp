#include "design/font_variation_deltas.h"

#include "design/font_tables.h"

using fontBytes::read16;

namespace {

qint64 read32(const QByteArray& bytes, qint64 at) {
  return qint64(read16(bytes, at)) << 16 | read16(bytes, at + 2);
}

bool fits(const QByteArray& table, qint64 end) { return end <= table.size(); }

double f2dot14(const QByteArray& table, qint64 at) { return qint16(read16(table, at)) / 16384.0; }

constexpr quint16 longWords = 0x8000;

// How much one axis lets a region count at `coordinate`: all of it at the
// peak, falling to none at its start and end.
double axisFactor(double start, double peak, double end, double coordinate) {
  if (peak == 0 || start > peak || peak > end || (start < 0 && end > 0)) return 1;
  if (coordinate == peak) return 1;
  if (coordinate <= start || coordinate >= end) return 0;
  return coordinate < peak ? (coordinate - start) / (peak - start)
                           : (end - coordinate) / (end - peak);
}

// The delta of column `column` of a row: words first, then bytes (or
// long words, then words).
double rowDelta(const QByteArray& table, qint64 row, qint64 column, qint64 words, bool wide) {
  if (column < words)
    return wide ? double(qint32(quint32(read32(table, row + 4 * column))))
                : double(qint16(read16(table, row + 2 * column)));
  const qint64 at = row + (wide ? 4 : 2) * words + (wide ? 2 : 1) * (column - words);
  return wide ? double(qint16(read16(table, at))) : double(qint8(table[at]));
}

}  // namespace

VariationDeltas::VariationDeltas(const QByteArray& table, qint64 at,
                                 std::vector<double> coordinates)
    : table_(table), at_(at), coordinates_(std::move(coordinates)) {}

double VariationDeltas::regionScalar(qint64 region) const {
  const qint64 list = at_ + read32(table_, at_ + 2);
  const qint64 axes = read16(table_, list);
  if (axes != qint64(coordinates_.size())) return 0;
  const qint64 at = list + 4 + region * axes * 6;
  double scalar = 1;
  for (qint64 axis = 0; axis < axes && scalar != 0; ++axis) {
    const qint64 record = at + axis * 6;
    scalar *= axisFactor(f2dot14(table_, record), f2dot14(table_, record + 2),
                         f2dot14(table_, record + 4), coordinates_[size_t(axis)]);
  }
  return scalar;
}

std::optional<double> VariationDeltas::delta(int outer, int inner) {
  const quint32 key = quint32(outer) << 16 | quint32(inner);
  if (const auto found = known_.constFind(key); found != known_.constEnd()) return *found;
  return known_[key] = deltaOf(outer, inner);
}

std::optional<double> VariationDeltas::deltaOf(int outer, int inner) const {
  if (at_ <= 0 || !fits(table_, at_ + 8) || outer >= read16(table_, at_ + 6)) return std::nullopt;
  const qint64 list = at_ + read32(table_, at_ + 2);
  if (!fits(table_, list + 4)) return std::nullopt;
  const qint64 regions = read16(table_, list + 2);
  if (!fits(table_, list + 4 + regions * qint64(coordinates_.size()) * 6) ||
      !fits(table_, at_ + 8 + 4 * qint64(outer) + 4))
    return std::nullopt;
  const qint64 data = at_ + read32(table_, at_ + 8 + 4 * qint64(outer));
  if (!fits(table_, data + 6) || inner >= read16(table_, data)) return std::nullopt;
  const quint16 wordField = read16(table_, data + 2);
  const qint64 words = wordField & ~longWords;
  const qint64 indexes = read16(table_, data + 4);
  const bool wide = wordField & longWords;
  const qint64 rowSize = wide ? 4 * words + 2 * (indexes - words) : 2 * words + (indexes - words);
  const qint64 row = data + 6 + 2 * indexes + qint64(inner) * rowSize;
  if (words > indexes || !fits(table_, row + rowSize)) return std::nullopt;
  double delta = 0;
  for (qint64 column = 0; column < indexes; ++column) {
    const qint64 region = read16(table_, data + 6 + 2 * column);
    if (region >= regions) return std::nullopt;
    delta += regionScalar(region) * rowDelta(table_, row, column, words, wide);
  }
  return delta;
}
