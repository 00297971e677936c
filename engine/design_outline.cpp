// At a density above 1 the element is measured (distances, depth and light)
// from the outline of its design pixels, not from its own finer outline.
//
// A title drawn anew at each density has its edges up to half a design
// pixel apart between the densities: density 1 puts them on whole pixels.
// Shadings that swing steeply with the distance from the outline (gold's
// wave swings by two thirds of its range per design pixel) would turn that
// into another colour. Measured from the design pixels' outline, each
// block of pixels averages to what density 1 shades there, while the
// silhouette, the soft edge and the outside effects keep the finer outline.
//
// A title's mask is drawn with its edges in grey, each pixel as much darker
// as the letters cover it, so the average of a block's pixels is how much
// of its design pixel they cover: what density 1's pixel shows.
#include <algorithm>
#include <vector>

#include "geometry.h"

namespace velloro {
namespace {

// The mask of the design pixels, one per started block of density x
// density pixels.
struct DesignMask {
  int32_t width = 0;
  int32_t rows = 0;
  std::vector<uint8_t> bytes;  // three per pixel, rows back to back
  bool fromGreys = false;      // whether the element's mask has a pixel between black and white

  int32_t stride() const { return 3 * width; }
};

// Whether the design pixel at (row, column) is inside: whether the pixels
// of its block that lie in the mask are, on average, no lighter than middle
// grey (127.5). Density 1 puts a pixel inside when it is darker than 128,
// and its pixels round to whole levels: one covered exactly by half is 127.
// In a mask of black and white alone, a block half black is inside.
bool designPixelInside(const Render& render, int32_t row, int32_t column, bool& sawGrey) {
  const Geometry& g = render.geometry;
  const int32_t n = g.density;
  int64_t sum = 0;
  int64_t pixels = 0;
  for (int32_t r = row * n; r < std::min((row + 1) * n, g.height); ++r)
    for (int32_t c = column * n; c < std::min((column + 1) * n, g.width); ++c) {
      const uint8_t level = render.maskByte(r, c);
      sawGrey = sawGrey || (level != 0 && level != 255);
      sum += level;
      ++pixels;
    }
  return 2 * sum <= 255 * pixels;
}

DesignMask designMaskOf(const Render& render) {
  const Geometry& g = render.geometry;
  const int32_t n = g.density;
  DesignMask design;
  design.width = (g.width + n - 1) / n;
  design.rows = (g.height + n - 1) / n;
  design.bytes.assign(static_cast<size_t>(design.stride()) * static_cast<size_t>(design.rows), 255);
  for (int32_t row = 0; row < design.rows; ++row)
    for (int32_t column = 0; column < design.width; ++column) {
      if (!designPixelInside(render, row, column, design.fromGreys)) continue;
      const size_t at =
          static_cast<size_t>(row) * design.stride() + 3 * static_cast<size_t>(column);
      std::fill_n(design.bytes.begin() + static_cast<std::ptrdiff_t>(at), 3, uint8_t{0});
    }
  return design;
}

// The smoothed boundary points of the design mask, as a render of density
// 1 finds them.
Geometry designOutline(const Render& render, DesignMask& mask) {
  Render design;
  design.args = render.args;
  design.args.mask = mask.bytes.data();
  design.args.maskStride = mask.stride();
  design.args.maskRows = mask.rows;
  design.args.density = 1;
  // Only the outline is read: no direction fields are sized.
  design.args.material = Material::Profile;
  design.args.effectType = EffectType::NoContour;
  allocateGeometry(design);
  scanRows(design);
  scanColumns(design);
  smoothBoundary(design.geometry);
  return std::move(design.geometry);
}

// The design outline's points, each placed at the centre of its block of
// pixels, filed in a grid like the element's own.
PointGrid designPointGrid(const Geometry& dense, const Geometry& design) {
  const int32_t n = dense.density;
  const int32_t centring = dense.scale * (n - 1) / 2;
  std::vector<int32_t> rows(design.boundaryRows.begin(),
                            design.boundaryRows.begin() + design.pointCount + 1);
  std::vector<int32_t> columns(design.boundaryColumns.begin(),
                               design.boundaryColumns.begin() + design.pointCount + 1);
  for (size_t i = 1; i < rows.size(); ++i) {
    rows[i] = n * rows[i] + centring;
    columns[i] = n * columns[i] + centring;
  }
  PointGrid grid;
  grid.allocate(dense.width, dense.height, dense.grid.block());
  grid.build(rows, columns, design.pointCount, dense.scale);
  return grid;
}

// The design pixels inside, once the scan has filled the mask's gaps as
// density 1's scan fills them.
std::vector<uint8_t> insidePixels(const DesignMask& mask) {
  std::vector<uint8_t> inside(static_cast<size_t>(mask.width) * static_cast<size_t>(mask.rows));
  for (size_t i = 0; i < inside.size(); ++i) inside[i] = mask.bytes[3 * i] < 128 ? 1 : 0;
  return inside;
}

}  // namespace

void placeDesignOutline(Render& render) {
  Geometry& g = render.geometry;
  g.designOutline.reset();
  if (g.density <= 1) return;
  DesignMask mask = designMaskOf(render);
  if (mask.width < kMinimumMaskWidth) return;
  // In a mask of black and white alone, a block half black may lie on
  // either side of density 1's edge. At density 2 that is every straight
  // edge through the middle half of a design pixel, and the finer outline,
  // halfway between, is the nearer guess.
  if (g.density == 2 && !mask.fromGreys) return;
  const Geometry design = designOutline(render, mask);
  if (design.pointCount == 0) return;
  g.designOutline =
      DesignOutline{designPointGrid(g, design), g.density, mask.width, insidePixels(mask)};
}

}  // namespace velloro
