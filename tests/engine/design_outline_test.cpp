// Which design pixels a denser mask puts inside the outline the element is
// measured from: a block whose pixels are, on average, no lighter than
// middle grey.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "geometry.h"
#include "layer_render.h"
#include "render.h"

namespace velloro::test {
namespace {

constexpr int32_t kDensity = 4;

struct BlockCase {
  std::string name;
  std::array<uint8_t, 4> greys;  // the block's quarters, row by row
  bool inside;
};

// A black square of design rows 4..11 and columns 4..11, and beside it
// design column 12 of the same rows with every block in the case's greys.
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

// The right-most design column the outline's points lie on, rounded.
int32_t rightMostDesignColumn(const Render& render) {
  const Geometry& g = render.geometry;
  const PointGrid& grid = g.designOutline.value().grid;
  int32_t rightMost = 0;
  for (int32_t cell = 0; cell < grid.cellCount(); ++cell)
    for (int32_t i = 0; i < grid.count(cell); ++i)
      rightMost = std::max(rightMost, grid.columnsOf(cell)[i]);
  const double centre = (kDensity - 1) / 2.0;
  return static_cast<int32_t>((rightMost / double(g.scale) - centre) / kDensity + 0.5);
}

TEST(DesignOutline, ABlockIsInsideWhenItsPixelsAverageNoLighterThanMiddleGrey) {
  const BlockCase cases[] = {
      {"black", {0, 0, 0, 0}, true},
      {"three quarters black", {0, 0, 0, 255}, true},
      {"half black, half white", {0, 255, 0, 255}, true},
      {"covered by exactly half, in grey", {127, 127, 128, 128}, true},
      {"a level lighter than half", {128, 128, 128, 128}, false},
      {"a quarter black", {0, 255, 255, 255}, false},
      {"white", {255, 255, 255, 255}, false},
  };
  for (const BlockCase& c : cases) {
    Picture mask = squareWithGreyColumn(c.greys, kDensity);
    const Render render = outlinedRender(mask, kDensity);
    // The outline runs along the background's pixels next to the element.
    EXPECT_EQ(rightMostDesignColumn(render), c.inside ? 13 : 12) << c.name;
  }
}

// Density 1 has no design pixels to speak of. At density 2 a black and
// white mask cannot tell on which side of a half black block density 1's
// edge lies, and keeps its own outline; with greys it can.
TEST(DesignOutline, OnlyADenserMaskWithGreysAtDensityTwoIsMeasuredFromItsDesignPixels) {
  const struct {
    int32_t density;
    std::array<uint8_t, 4> greys;
    bool measured;
  } cases[] = {
      {1, {0, 0, 0, 0}, false},     {1, {90, 90, 90, 90}, false}, {2, {0, 255, 0, 255}, false},
      {2, {0, 0, 255, 255}, false}, {2, {90, 90, 90, 90}, true},  {2, {0, 255, 0, 254}, true},
      {3, {0, 255, 0, 255}, true},  {4, {0, 255, 0, 255}, true},
  };
  for (const auto& c : cases) {
    Picture mask = squareWithGreyColumn(c.greys, c.density);
    const Render render = outlinedRender(mask, c.density);
    EXPECT_EQ(render.geometry.designOutline.has_value(), c.measured)
        << "density " << c.density << ", first grey " << int32_t{c.greys[0]};
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
