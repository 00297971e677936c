// A mask shaped like the word "Velloro" in bold type, drawn from strokes and
// rings so benchmarks and tests need no font. The glyphs are laid out on a
// 440 x 160 design and stretched to any mask size, inside a bright margin.
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

// Maps the 440 x 160 design onto a mask, leaving `margin` pixels around it.
struct GlyphLayout {
  double rowScale;
  double columnScale;
  double margin;

  GlyphLayout(const BenchPicture& mask, int32_t marginPixels)
      : rowScale((mask.rows - 2.0 * marginPixels) / 160),
        columnScale((mask.width - 2.0 * marginPixels) / 440),
        margin(marginPixels) {}

  double row(double designRow) const { return margin + designRow * rowScale; }
  double column(double designColumn) const { return margin + designColumn * columnScale; }
};

// A stroke from (r0, c0) to (r1, c1) of the design, `halfWidth` design
// pixels on each side.
inline void stroke(BenchPicture& mask, const GlyphLayout& at, double r0, double c0, double r1,
                   double c1, double halfWidth) {
  const double scale = std::sqrt(at.rowScale * at.columnScale);
  const double ar = at.row(r0), ac = at.column(c0), br = at.row(r1), bc = at.column(c1);
  const double half = halfWidth * scale;
  const double length2 = (br - ar) * (br - ar) + (bc - ac) * (bc - ac);
  const int32_t firstRow = std::max(0, static_cast<int32_t>(std::min(ar, br) - half - 1));
  const int32_t lastRow =
      std::min(mask.rows - 1, static_cast<int32_t>(std::max(ar, br) + half + 1));
  for (int32_t r = firstRow; r <= lastRow; ++r)
    for (int32_t c = 0; c < mask.width; ++c) {
      const double t =
          std::clamp(((r - ar) * (br - ar) + (c - ac) * (bc - ac)) / length2, 0.0, 1.0);
      const double dr = r - (ar + t * (br - ar)), dc = c - (ac + t * (bc - ac));
      if (dr * dr + dc * dc <= half * half) mask.setDark(r, c);
    }
}

// An elliptic ring around (cr, cc) of the design.
inline void ring(BenchPicture& mask, const GlyphLayout& at, double cr, double cc, double radiusRows,
                 double radiusColumns, double width) {
  const double rowCentre = at.row(cr), columnCentre = at.column(cc);
  const double outerRows = radiusRows * at.rowScale, outerColumns = radiusColumns * at.columnScale;
  const double innerRows = (radiusRows - width) * at.rowScale;
  const double innerColumns = (radiusColumns - width) * at.columnScale;
  for (int32_t r = 0; r < mask.rows; ++r)
    for (int32_t c = 0; c < mask.width; ++c) {
      const double outer =
          std::pow((r - rowCentre) / outerRows, 2) + std::pow((c - columnCentre) / outerColumns, 2);
      const double inner =
          std::pow((r - rowCentre) / innerRows, 2) + std::pow((c - columnCentre) / innerColumns, 2);
      if (outer <= 1 && inner >= 1) mask.setDark(r, c);
    }
}

// Rows run bottom-up, so glyph baselines sit near design row 40 and tops
// near 120. At 440 x 160 without margin this is the default title's mask.
inline BenchPicture textLikeMask(int32_t width = 440, int32_t rows = 160, int32_t margin = 0) {
  BenchPicture mask(width, rows, 255);
  const GlyphLayout at(mask, margin);
  stroke(mask, at, 120, 40, 40, 75, 9);  // V
  stroke(mask, at, 40, 75, 120, 110, 9);
  ring(mask, at, 66, 150, 27, 30, 15);  // e
  stroke(mask, at, 66, 125, 66, 175, 5);
  stroke(mask, at, 40, 200, 125, 200, 9);  // l
  stroke(mask, at, 40, 235, 125, 235, 9);  // l
  ring(mask, at, 66, 290, 27, 32, 16);     // o
  stroke(mask, at, 40, 340, 92, 340, 9);   // r
  stroke(mask, at, 82, 342, 92, 372, 8);
  ring(mask, at, 66, 405, 27, 30, 16);  // o
  return mask;
}

}  // namespace velloro::bench
