// Where a layer's colour map holds set entries: the box around them, and
// which square blocks hold one, so that a mapped pixel whose sample reads
// only empty entries is passed over before its weights and cells are worked
// out. Both are kept with the layer while its maps stay, so the frames of a
// drag that only moves, turns or bends it do not look for them again.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "pixel_maps.h"

namespace velloro {

// Rows and columns of the colour map's set entries.
struct ContentBox {
  int64_t firstRow = std::numeric_limits<int64_t>::max();
  int64_t lastRow = -1;
  int64_t firstColumn = std::numeric_limits<int64_t>::max();
  int64_t lastColumn = -1;

  bool empty() const { return lastRow < 0; }
};

// `colour`: entries at row * stride + 3 * column.
ContentBox contentOf(const PixelMap<int16_t>& colour, int64_t stride);

class ColouredBlocks {
 public:
  // No blocks: every sample may colour.
  ColouredBlocks() = default;
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

// The box and the blocks of one colour map, each found when first asked
// for and kept until forgotten, which the map's owner does whenever the
// map changes.
class ColourSummary {
 public:
  const ContentBox& content(const PixelMap<int16_t>& colour, int64_t stride) {
    if (!content_) content_ = contentOf(colour, stride);
    return *content_;
  }
  const ColouredBlocks& blocks(const PixelMap<int16_t>& colour, int64_t stride) {
    if (!blocks_) blocks_.emplace(colour, stride);
    return *blocks_;
  }
  void forget() {
    content_.reset();
    blocks_.reset();
  }

 private:
  std::optional<ContentBox> content_;
  std::optional<ColouredBlocks> blocks_;
};

}  // namespace velloro
