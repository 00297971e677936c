// Addressing of a layer's colour map: three entries (blue, green, red) per
// pixel at row * stride + 3 * column.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "pixel_maps.h"

namespace velloro {

// The blue entry of mask pixel (row, column), clamped so that all three
// entries lie inside the map; the map holds at least one pixel.
inline size_t colourEntry(const PixelMap<int16_t>& colour, int64_t stride, int64_t row,
                          int64_t column) {
  const int64_t entry = row * stride + 3 * column;
  return static_cast<size_t>(
      std::clamp<int64_t>(entry, 0, static_cast<int64_t>(colour.size()) - 3));
}

}  // namespace velloro
