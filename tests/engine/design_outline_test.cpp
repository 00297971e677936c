// Which design pixels a denser mask puts inside the outline the element is
// measured from: a block whose pixels are, on average, no lighter than
// middle grey.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "geometry.h"
#include "layer_render.h"
#include "render.h"

namespace velloro::test {
namespace {

// A black square of design rows 4..11 and columns 4..11, and beside it
// design column 12 of the same rows with every block in the greys given,
// its quarters row by row.
Picture squareWithGreyColumn(const std::array<uint8_t, 4>& greys, int32_t density) {
  Picture mask(24 * density, 16 * density);
  mask.fillRectangle(4 * density, 4 * density, 12 * density - 1, 12 * density - 1);
  const int32_t half = density / 2;
  for (int32_t row = 4 * density; row < 12 * density; ++row)
    for (int32_t column = 12 * density; column < 13 * density; ++column) {
      const bool lower = row % density >= half;
      const bool right = column % density >= half;
      const uint8_t grey = greys[static_cast<size_t>(2 * lower + right)];
      mask.setColour(row, column, grey, grey, grey);
    }
  return mask;
}

Render outlinedRender(Picture& mask, int32_t density) {
  Render render;
  render.args.mask = mask.data();
  render.args.maskStride = mask.stride;
  render.args.maskRows = mask.rows;
  render.args.smoothingSize = 75;
  render.args.density = density;
  allocateWorkingArrays(render);
  buildOutline(render);
  return render;
}

// The right-most design column the design outline's points lie on,
// rounded; none when the element is measured from its own outline.
std::optional<int32_t> rightMostDesignColumn(const Render& render) {
  const Geometry& g = render.geometry;
  if (!g.designOutline) return std::nullopt;
  const PointGrid& grid = g.designOutline->grid;
  int32_t rightMost = 0;
  for (int32_t cell = 0; cell < grid.cellCount(); ++cell)
    for (int32_t i = 0; i < grid.count(cell); ++i)
      rightMost = std::max(rightMost, grid.columnsOf(cell)[i]);
  const double centre = (g.density - 1) / 2.0;
  return static_cast<int32_t>((rightMost / double(g.scale) - centre) / g.density + 0.5);
}

// A design pixel is inside when its block's pixels average no lighter than
// middle grey; the outline then runs along the background's design pixels
// next to the element, column 13 with the grey column inside, 12 without.
// Density 1 has no design pixels to speak of. At density 2 a black and
// white mask cannot tell on which side of a half black block density 1's
// edge lies, and keeps its own outline; with greys it can.
TEST(DesignOutline, ADesignPixelIsInsideWhenItsBlockAveragesNoLighterThanMiddleGrey) {
  const struct {
    std::string name;
    int32_t density;
    std::array<uint8_t, 4> greys;
    std::optional<int32_t> rightMost;
  } cases[] = {
      {"black", 4, {0, 0, 0, 0}, 13},
      {"three quarters black", 4, {0, 0, 0, 255}, 13},
      {"half black, half white", 4, {0, 255, 0, 255}, 13},
      {"covered by exactly half, in grey", 4, {127, 127, 128, 128}, 13},
      {"a level lighter than half", 4, {128, 128, 128, 128}, 12},
      {"a quarter black", 4, {0, 255, 255, 255}, 12},
      {"white", 4, {255, 255, 255, 255}, 12},
      {"a third black at density 3", 3, {0, 255, 0, 255}, 12},
      {"grey at density 2", 2, {90, 90, 90, 90}, 13},
      {"half black, a grey level in it, at density 2", 2, {0, 255, 0, 254}, 13},
      {"half black at density 2", 2, {0, 255, 0, 255}, std::nullopt},
      {"upper half black at density 2", 2, {0, 0, 255, 255}, std::nullopt},
      {"black at density 1", 1, {0, 0, 0, 0}, std::nullopt},
      {"grey at density 1", 1, {90, 90, 90, 90}, std::nullopt},
  };
  for (const auto& c : cases) {
    Picture mask = squareWithGreyColumn(c.greys, c.density);
    EXPECT_EQ(rightMostDesignColumn(outlinedRender(mask, c.density)), c.rightMost) << c.name;
  }
}

// A hairline finer than half a design pixel lies in no design pixel inside:
// however far from the outline its pixels lie, the element's deepest point
// stays the design's.
TEST(DesignOutline, AHairlineOutsideTheDesignPixelsLeavesTheDeepestPointAlone) {
  constexpr int32_t density = 3;
  Picture square(40 * density, 16 * density);
  square.fillRectangle(4 * density, 4 * density, 12 * density - 1, 12 * density - 1);
  Picture withHairline = square;
  withHairline.fillRectangle(8 * density, 12 * density, 8 * density, 36 * density);
  const Render plain = outlinedRender(square, density);
  const Render haired = outlinedRender(withHairline, density);
  ASSERT_GT(plain.geometry.maxSquaredDistance, 0);
  EXPECT_EQ(haired.geometry.maxSquaredDistance, plain.geometry.maxSquaredDistance);
}

}  // namespace
}  // namespace velloro::test
