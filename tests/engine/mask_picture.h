// Pictures in the engine's layout for tests: 3 bytes per pixel, rows at a
// stride rounded up to 4 bytes, row 0 first in memory.
#pragma once

#include <cstdint>
#include <vector>

namespace velloro::test {

struct Picture {
  int32_t width = 0;
  int32_t rows = 0;
  int32_t stride = 0;
  std::vector<uint8_t> bytes;

  Picture(int32_t pictureWidth, int32_t pictureRows, uint8_t fill = 255)
      : width(pictureWidth),
        rows(pictureRows),
        stride((3 * pictureWidth + 3) / 4 * 4),
        bytes(static_cast<size_t>(stride) * pictureRows, fill) {}

  uint8_t* data() { return bytes.data(); }
  size_t offset(int32_t row, int32_t column) const {
    return static_cast<size_t>(row) * stride + 3 * static_cast<size_t>(column);
  }
  bool isDark(int32_t row, int32_t column) const { return bytes[offset(row, column)] < 128; }
  void setDark(int32_t row, int32_t column) { setColour(row, column, 0, 0, 0); }
  void setColour(int32_t row, int32_t column, uint8_t blue, uint8_t green, uint8_t red) {
    const size_t at = offset(row, column);
    bytes[at] = blue;
    bytes[at + 1] = green;
    bytes[at + 2] = red;
  }
  void fillRectangle(int32_t firstRow, int32_t firstColumn, int32_t lastRow, int32_t lastColumn) {
    for (int32_t r = firstRow; r <= lastRow; ++r)
      for (int32_t c = firstColumn; c <= lastColumn; ++c) setDark(r, c);
  }
};

// A white mask with one dark rectangle, its corners included.
inline Picture rectangleMask(int32_t width, int32_t rows, int32_t top, int32_t left, int32_t bottom,
                             int32_t right) {
  Picture mask(width, rows);
  mask.fillRectangle(top, left, bottom, right);
  return mask;
}

// Bytes unlike their neighbours', so that every copy and blend shows.
inline void paintPattern(Picture& picture) {
  for (size_t i = 0; i < picture.bytes.size(); ++i)
    picture.bytes[i] = static_cast<uint8_t>(i * 31 % 251);
}

}  // namespace velloro::test
