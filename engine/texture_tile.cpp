#include "texture_tile.h"

#include <algorithm>
#include <cstring>

namespace velloro {
namespace {

// Remainder in 0..divisor-1 also for negative dividends, so lookups left of
// or above the offsets stay inside the tile.
int64_t wrap(int64_t value, int64_t divisor) {
  const int64_t remainder = value % divisor;
  return remainder < 0 ? remainder + divisor : remainder;
}

int64_t floorDivide(int64_t value, int64_t divisor) {
  return value / divisor - (value % divisor < 0 ? 1 : 0);
}

}  // namespace

void TextureTile::install(const uint8_t* picture, int32_t rowOffset, int32_t columnOffset,
                          int32_t stride, int32_t rows) {
  release();
  rowOffset_ = rowOffset;
  columnOffset_ = columnOffset;
  stride_ = std::max(stride, 0);
  rows_ = std::max(rows, 0);
  bytes_.assign((static_cast<size_t>(stride_) + 1) * (static_cast<size_t>(rows_) + 1), 0);
  if (picture != nullptr && isSet()) {
    std::memcpy(bytes_.data(), picture, static_cast<size_t>(stride_) * static_cast<size_t>(rows_));
  }
}

void TextureTile::release() {
  std::vector<uint8_t>().swap(bytes_);
  stride_ = 0;
  rows_ = 0;
  rowOffset_ = 0;
  columnOffset_ = 0;
}

bool TextureTile::samplesAs(const TextureTile& other) const {
  if (!isSet() || !other.isSet()) return isSet() == other.isSet();
  return stride_ == other.stride_ && rows_ == other.rows_ && rowOffset_ == other.rowOffset_ &&
         columnOffset_ == other.columnOffset_ && bytes_ == other.bytes_;
}

Colour TextureTile::at(int64_t offset) const {
  if (bytes_.empty()) return {};
  const int64_t last = static_cast<int64_t>(bytes_.size()) - 1;
  auto byte = [&](int64_t index) {
    return static_cast<int32_t>(bytes_[std::clamp<int64_t>(index, 0, last)]);
  };
  return {byte(offset), byte(offset + 1), byte(offset + 2)};
}

Colour TextureTile::tiled(int32_t maskRows, int32_t row, int32_t column, int32_t density) const {
  if (!isSet()) return {};
  const int64_t scale = std::max(density, 1);
  // Rows from the top, the row itself the first: memory rows run bottom up.
  const int64_t fromTop = floorDivide(static_cast<int64_t>(maskRows) - row - 1, scale) + 1;
  // A one-pixel-wide texture has period 0; it repeats its only column.
  const int64_t period = std::max(stride_ / 3 - 1, 1);
  const int64_t textureRow = rows_ - wrap(fromTop - rowOffset_, rows_) - 1;
  const int64_t textureColumn = wrap(floorDivide(column, scale) - columnOffset_, period);
  return at(textureRow * stride_ + 3 * textureColumn);
}

Colour TextureTile::placed(int32_t maskRows, int32_t row, int32_t column) const {
  const int64_t textureRow = static_cast<int64_t>(row) - maskRows + rows_ + rowOffset_;
  const int64_t textureColumn = static_cast<int64_t>(column) - columnOffset_;
  return at(textureRow * stride_ + 3 * textureColumn);
}

}  // namespace velloro
