#include "coloured_blocks.h"

#include "render.h"

namespace velloro {

ColouredBlocks::ColouredBlocks(const PixelMap<int16_t>& colour, int64_t stride) {
  const int64_t size = static_cast<int64_t>(colour.size());
  if (stride < 3 || size < stride) return;
  rows_ = size / stride;
  columns_ = stride / 3;
  blockColumns_ = (columns_ >> kShift) + 1;
  set_.assign(static_cast<size_t>(((rows_ >> kShift) + 1) * blockColumns_), 0);
  const int16_t* entries = colour.data();
  for (int64_t r = 0; r < rows_; ++r) {
    const int16_t* row = entries + r * stride;
    for (int64_t c = 0; c < columns_; ++c) {
      if (row[3 * c] != kEmptyColour) markAround(r, c);
    }
  }
}

// A set cell is read by the samples starting on it, left of it, above it
// and above left of it.
void ColouredBlocks::markAround(int64_t row, int64_t column) {
  for (const int64_t r : {row - 1, row}) {
    if (r < 0) continue;
    const int64_t base = (r >> kShift) * blockColumns_;
    for (const int64_t c : {column - 1, column}) {
      if (c >= 0) set_[static_cast<size_t>(base + (c >> kShift))] = 1;
    }
  }
}

}  // namespace velloro
