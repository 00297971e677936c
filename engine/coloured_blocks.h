// Which square blocks of a layer's colour map hold a set entry, so that a
// mapped pixel whose sample reads only empty entries is passed over before
// its weights and cells are worked out.
#pragma once

#include <cstdint>
#include <vector>

#include "pixel_maps.h"

namespace velloro {

class ColouredBlocks {
 public:
  // No blocks: every sample may colour.
  ColouredBlocks() = default;
  // `colour`: entries at row * stride + 3 * column.
  ColouredBlocks(const PixelMap<int16_t>& colour, int64_t stride);

  // Whether the sample at whole layer cell (row, column), which reads that
  // cell, the next one and the two below, may read a set colour entry.
  // Cells next to the map's edges always may: their samples are clamped or
  // run on into the next row.
  bool mayColour(int64_t row, int64_t column) const {
    if (row < 0 || column < 0 || row >= rows_ - 1 || column >= columns_ - 1) return true;
    return set_[static_cast<size_t>((row >> kShift) * blockColumns_ + (column >> kShift))] != 0;
  }

 private:
  static constexpr int kShift = 2;  // blocks of 4 x 4 cells

  int64_t rows_ = 0;
  int64_t columns_ = 0;
  int64_t blockColumns_ = 0;
  // Per block: 1 when a sample starting in it may read a set entry. Blocks
  // one past the last row and column stay 0.
  std::vector<uint8_t> set_;
};

}  // namespace velloro
