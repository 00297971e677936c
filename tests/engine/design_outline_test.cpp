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

constexpr int32_t kDensity = 2;

struct BlockCase {
  std::string name;
  std::array<uint8_t, 4> greys;  // the block's pixels, row by row
  bool inside;
};

// A black square of design rows 4..11 and columns 4..11, and beside it
// design column 12 of the same rows with every block in the case's greys.
Picture squareWithGreyColumn(const std::array<uint8_t, 4>& greys) {
  Picture mask(24 * kDensity, 16 * kDensity);
  mask.fillRectangle(4 * kDensity, 4 * kDensity, 12 * kDensity - 1, 12 * kDensity - 1);
  for (int32_t row = 4 * kDensity; row < 12 * kDensity; ++row)
    for (int32_t column = 12 * kDensity; column < 13 * kDensity; ++column) {
      const uint8_t grey = greys[static_cast<size_t>(2 * (row % 2) + column % 2)];
      mask.setColour(row, column, grey, grey, grey);
    }
  return mask;
}

// The right-most design column the outline's points lie on, rounded.
int32_t rightMostDesignColumn(const Render& render) {
  const Geometry& g = render.geometry;
  const PointGrid& grid = g.designGrid.value();
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
    Picture mask = squareWithGreyColumn(c.greys);
    Render render;
    render.args.mask = mask.data();
    render.args.maskStride = mask.stride;
    render.args.maskRows = mask.rows;
    render.args.smoothingSize = 75;
    render.args.density = kDensity;
    allocateWorkingArrays(render);
    buildOutline(render);
    // The outline runs along the background's pixels next to the element.
    EXPECT_EQ(rightMostDesignColumn(render), c.inside ? 13 : 12) << c.name;
  }
}

TEST(DesignOutline, DensityOneIsMeasuredFromItsOwnOutline) {
  Picture mask(24, 16);
  mask.fillRectangle(4, 4, 11, 11);
  Render render;
  render.args.mask = mask.data();
  render.args.maskStride = mask.stride;
  render.args.maskRows = mask.rows;
  render.args.smoothingSize = 75;
  allocateWorkingArrays(render);
  buildOutline(render);
  EXPECT_FALSE(render.geometry.designGrid.has_value());
}

}  // namespace
}  // namespace velloro::test
