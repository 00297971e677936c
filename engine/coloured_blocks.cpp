#include "coloured_blocks.h"

#include <algorithm>

#include "render.h"

namespace velloro {

// The rows holding a set entry are found from either end; between them only
// the columns outside the box found so far need looking at.
ContentBox contentOf(const PixelMap<int16_t>& colour, int64_t stride) {
  ContentBox box;
  const int64_t size = static_cast<int64_t>(colour.size());
  if (stride <= 0 || size == 0) return box;
  const int64_t rows = (size + stride - 1) / stride;
  const auto columnsIn = [&](int64_t r) {
    return std::min((stride + 2) / 3, (size - r * stride + 2) / 3);
  };
  const auto isSet = [&](int64_t r, int64_t c) {
    return colour[static_cast<size_t>(r * stride + 3 * c)] != kEmptyColour;
  };
  const auto anySet = [&](int64_t r) {
    for (int64_t c = 0; c < columnsIn(r); ++c)
      if (isSet(r, c)) return true;
    return false;
  };
  int64_t top = 0;
  while (top < rows && !anySet(top)) ++top;
  if (top == rows) return box;
  int64_t bottom = rows - 1;
  while (!anySet(bottom)) --bottom;
  box.firstRow = top;
  box.lastRow = bottom;
  for (int64_t r = top; r <= bottom; ++r) {
    const int64_t columns = columnsIn(r);
    for (int64_t c = 0; c < std::min(box.firstColumn, columns); ++c) {
      if (isSet(r, c)) {
        box.firstColumn = c;
        break;
      }
    }
    for (int64_t c = columns - 1; c > box.lastColumn; --c) {
      if (isSet(r, c)) {
        box.lastColumn = c;
        break;
      }
    }
  }
  return box;
}

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
