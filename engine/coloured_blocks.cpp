#include "coloured_blocks.h"

#include "render.h"

namespace velloro {

ColouredBlocks::ColouredBlocks(const PixelMap<int16_t>& colour, int64_t stride) {
  const int64_t size = static_cast<int64_t>(colour.size());
  if (stride < 3 || size < stride) return;
  rows_ = size / stride;
  columns_ = stride / 3;
  blockColumns_ = (columns_ >> kShift) + 2;
  const int64_t blockRows = (rows_ >> kShift) + 2;
  std::vector<uint8_t> holds(static_cast<size_t>(blockRows * blockColumns_), 0);
  const int16_t* entries = colour.data();
  for (int64_t r = 0; r < rows_; ++r) {
    const int16_t* row = entries + r * stride;
    uint8_t* blocks = holds.data() + (r >> kShift) * blockColumns_;
    for (int64_t c = 0; c < columns_; ++c) {
      // A block found set needs none of its other cells looked at.
      if (blocks[c >> kShift] != 0) {
        c |= (int64_t{1} << kShift) - 1;
      } else if (row[3 * c] != kEmptyColour) {
        blocks[c >> kShift] = 1;
      }
    }
  }
  // A sample reads the cell below and the one right of its own, which may
  // lie in the next block down or across.
  set_.assign(holds.size(), 0);
  for (int64_t b = 0; b + 1 < blockRows; ++b) {
    for (int64_t c = 0; c + 1 < blockColumns_; ++c) {
      const size_t at = static_cast<size_t>(b * blockColumns_ + c);
      const size_t below = at + static_cast<size_t>(blockColumns_);
      set_[at] = holds[at] | holds[at + 1] | holds[below] | holds[below + 1];
    }
  }
}

}  // namespace velloro
