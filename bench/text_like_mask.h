// A mask shaped like a line of bold text, drawn from strokes and rings so the
// benchmarks need no font: six glyph-sized figures across a 440 x 160 mask.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace velloro::bench {

struct BenchPicture {
  int32_t width;
  int32_t rows;
  int32_t stride;
  std::vector<uint8_t> bytes;

  BenchPicture(int32_t pictureWidth, int32_t pictureRows, uint8_t fill)
      : width(pictureWidth),
        rows(pictureRows),
        stride((3 * pictureWidth + 3) / 4 * 4),
        bytes(static_cast<size_t>(stride) * pictureRows, fill) {}

  void setDark(int32_t row, int32_t column) {
    const size_t at = static_cast<size_t>(row) * stride + 3 * static_cast<size_t>(column);
    bytes[at] = bytes[at + 1] = bytes[at + 2] = 0;
  }
};

inline void stroke(BenchPicture& mask, double r0, double c0, double r1, double c1,
                   double halfWidth) {
  const double length2 = (r1 - r0) * (r1 - r0) + (c1 - c0) * (c1 - c0);
  for (int32_t r = 0; r < mask.rows; ++r)
    for (int32_t c = 0; c < mask.width; ++c) {
      const double t =
          std::clamp(((r - r0) * (r1 - r0) + (c - c0) * (c1 - c0)) / length2, 0.0, 1.0);
      const double dr = r - (r0 + t * (r1 - r0)), dc = c - (c0 + t * (c1 - c0));
      if (dr * dr + dc * dc <= halfWidth * halfWidth) mask.setDark(r, c);
    }
}

inline void ring(BenchPicture& mask, double cr, double cc, double radiusRows, double radiusColumns,
                 double width) {
  for (int32_t r = 0; r < mask.rows; ++r)
    for (int32_t c = 0; c < mask.width; ++c) {
      const double outer =
          std::pow((r - cr) / radiusRows, 2) + std::pow((c - cc) / radiusColumns, 2);
      const double inner = std::pow((r - cr) / (radiusRows - width), 2) +
                           std::pow((c - cc) / (radiusColumns - width), 2);
      if (outer <= 1 && inner >= 1) mask.setDark(r, c);
    }
}

// Rows run bottom-up, so glyph baselines sit near row 40 and tops near 120.
inline BenchPicture textLikeMask() {
  BenchPicture mask(440, 160, 255);
  stroke(mask, 120, 40, 40, 75, 9);  // V
  stroke(mask, 40, 75, 120, 110, 9);
  ring(mask, 66, 150, 27, 30, 15);  // e
  stroke(mask, 66, 125, 66, 175, 5);
  stroke(mask, 40, 200, 125, 200, 9);  // l
  stroke(mask, 40, 235, 125, 235, 9);  // l
  ring(mask, 66, 290, 27, 32, 16);     // o
  stroke(mask, 40, 340, 92, 340, 9);   // r
  stroke(mask, 82, 342, 92, 372, 8);
  ring(mask, 66, 405, 27, 30, 16);  // o
  return mask;
}

}  // namespace velloro::bench
