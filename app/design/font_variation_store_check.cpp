#include "design/font_variation_store_check.h"

#include "design/font_tables.h"

using fontBytes::read16;

namespace {

qint64 read32(const QByteArray& bytes, qint64 at) {
  return qint64(read16(bytes, at)) << 16 | read16(bytes, at + 2);
}

bool fits(const QByteArray& table, qint64 end) { return end <= table.size(); }

constexpr qint64 regionAxisSize = 6;  // start, peak and end of one axis
constexpr quint16 longWords = 0x8000;

// The region list's number of regions, or nothing when it is damaged.
std::optional<int> regionCount(const QByteArray& table, qint64 at, int axes) {
  if (!fits(table, at + 4) || read16(table, at) != axes) return std::nullopt;
  const qint64 regions = read16(table, at + 2);
  if (!fits(table, at + 4 + regions * axes * regionAxisSize)) return std::nullopt;
  return int(regions);
}

// One delta set's number of items, or nothing when it is damaged.
std::optional<int> deltaSetItems(const QByteArray& table, qint64 at, int regions) {
  if (!fits(table, at + 6)) return std::nullopt;
  const qint64 items = read16(table, at);
  const quint16 wordField = read16(table, at + 2);
  const qint64 words = wordField & ~longWords;
  const qint64 indexes = read16(table, at + 4);
  if (words > indexes || !fits(table, at + 6 + 2 * indexes)) return std::nullopt;
  for (qint64 index = 0; index < indexes; ++index)
    if (read16(table, at + 6 + 2 * index) >= regions) return std::nullopt;
  const qint64 row =
      (wordField & longWords) ? 4 * words + 2 * (indexes - words) : 2 * words + (indexes - words);
  if (!fits(table, at + 6 + 2 * indexes + items * row)) return std::nullopt;
  return int(items);
}

}  // namespace

std::optional<std::vector<int>> variationStoreItems(const QByteArray& table, qint64 at, int axes) {
  if (at <= 0 || !fits(table, at + 8) || read16(table, at) != 1) return std::nullopt;
  const std::optional<int> regions = regionCount(table, at + read32(table, at + 2), axes);
  const qint64 sets = read16(table, at + 6);
  if (!regions || !fits(table, at + 8 + 4 * sets)) return std::nullopt;
  std::vector<int> items;
  for (qint64 set = 0; set < sets; ++set) {
    const std::optional<int> count =
        deltaSetItems(table, at + read32(table, at + 8 + 4 * set), *regions);
    if (!count) return std::nullopt;
    items.push_back(*count);
  }
  return items;
}

bool soundDeltaSetIndexMap(const QByteArray& table, qint64 at) {
  if (!fits(table, at + 4)) return false;
  const int format = quint8(table[at]);
  const qint64 entrySize = ((quint8(table[at + 1]) >> 4) & 3) + 1;
  if (format == 0) return fits(table, at + 4 + read16(table, at + 2) * entrySize);
  return format == 1 && fits(table, at + 6) &&
         fits(table, at + 6 + read32(table, at + 2) * entrySize);
}
