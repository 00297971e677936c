// The element's geometry step by step: scans, smoothing, point grid, nearest
// points and direction fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

#include "geometry.h"
#include "layer_render.h"
#include "render.h"
#include "workers.h"

namespace velloro::test {
namespace {

// Renders of a test mask built up to a chosen geometry step.
Render allocatedRender(Picture& mask, int32_t layerSlot = 1,
                       EffectType effectType = EffectType::NoContour) {
  Render render;
  render.args.mask = mask.data();
  render.args.maskStride = mask.stride;
  render.args.maskRows = mask.rows;
  render.args.layerSlot = layerSlot;
  render.args.effectType = effectType;
  render.args.smoothingSize = 75;
  render.args.effectAmount = 100;
  allocateWorkingArrays(render);
  return render;
}

Render scannedRender(Picture& mask) {
  Render render = allocatedRender(mask);
  scanRows(render);
  scanColumns(render);
  return render;
}

int32_t markAt(const Render& render, int32_t row, int32_t column) {
  return render.geometry.edgeMark[render.geometry.cell(row, column)];
}

// A one-pixel gap between two dark runs is filled and not listed; a
// two-pixel gap stays bright and marked. Row 0 is never scanned, though a
// dark pixel of it is marked as a boundary; an empty mask keeps the initial
// box. Marks, order and count of the points of text are pinned by the hashes.
TEST(BoundaryScan, OnlyAOnePixelGapIsFilledRowZeroIsMarkedAndAnEmptyMaskHasNoBox) {
  Picture mask(20, 8);
  mask.fillRectangle(3, 4, 3, 6);
  mask.fillRectangle(3, 8, 3, 10);
  mask.fillRectangle(5, 4, 5, 5);
  mask.fillRectangle(5, 8, 5, 10);
  Render render = allocatedRender(mask);
  scanRows(render);
  EXPECT_TRUE(mask.isDark(3, 7));
  EXPECT_EQ(markAt(render, 3, 7), 0);
  scanColumns(render);
  std::vector<std::pair<int32_t, int32_t>> points;  // boundary points 1..n
  for (int32_t i = 1; i <= render.geometry.pointCount; ++i)
    points.emplace_back(render.geometry.boundaryRows[i], render.geometry.boundaryColumns[i]);
  // The row scan lists only the outer ends of the joined run.
  for (const auto& [point, times] : {std::pair{std::pair{3, 7}, 0}, {{3, 3}, 1}, {{3, 11}, 1}})
    EXPECT_EQ(std::count(points.begin(), points.end(), point), times) << point.second;
  for (int32_t column : {6, 7}) {
    EXPECT_FALSE(mask.isDark(5, column));
    EXPECT_EQ(markAt(render, 5, column), 1);
  }
  Picture top = rectangleMask(10, 5, 0, 2, 2, 4);
  render = scannedRender(top);
  EXPECT_EQ(render.geometry.box.minRow, 1);
  EXPECT_EQ(markAt(render, 0, 3), 1);
  Picture empty(10, 5);
  render = scannedRender(empty);
  EXPECT_EQ(render.geometry.pointCount, 0);
  const BoundingBox& box = render.geometry.box;
  EXPECT_EQ((std::array{box.minRow, box.maxRow, box.minColumn, box.maxColumn}),
            (std::array{999999, 0, 999999, 0}));
}

// Identifiers without a point read as zero, like those of a full table; a
// cell holds at most 999 points.
TEST(PointGrid, EmptyIdentifiersReadZeroAndACellHoldsAtMost999Points) {
  PointGrid grid;
  grid.allocate(35, 24, 10);
  grid.build({0, 150, 199}, {0, 200, 460}, 2, 50);
  EXPECT_EQ(grid.rowAt(0), 2);  // the count entry
  EXPECT_EQ(grid.columnAt(0), 0);
  for (int32_t empty : {3, 666, 5000, 99000, -7}) EXPECT_EQ(grid.rowAt(empty), 0) << empty;
  EXPECT_EQ(grid.columnAt(1 << 30), 0);
  grid.allocate(20, 20, 10);
  std::vector<int32_t> rows(1201), columns(1201);
  for (int32_t i = 1; i <= 1200; ++i) std::tie(rows[i], columns[i]) = std::tuple(i % 400, i % 450);
  grid.build(rows, columns, 1200, 50);
  EXPECT_EQ(grid.count(0), 999);
  EXPECT_EQ(grid.columnAt(999), 999 % 450);
  EXPECT_EQ(grid.rowAt(1000), 0);  // the next cell's count
}

TEST(Workers, BalancedPartsShareTheWorkNotTheItems) {
  // Weights, parts, and the first item of each part and the end.
  const std::tuple<std::vector<int64_t>, int32_t, std::vector<int64_t>> cases[] = {
      {{5, 5, 5, 5}, 2, {0, 2, 4}},
      {{9, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 2, {0, 1, 10}},
      {{1, 1, 1, 1, 1, 1, 1, 1, 1, 9}, 2, {0, 9, 10}},
      {{0, 0, 0, 0, 0, 0}, 3, {0, 2, 4, 6}},  // no work known: equal rows
      {{-4, 2, 2}, 2, {0, 2, 3}},             // a negative weight counts as none
      {{7}, 3, {0, 1, 1, 1}},                 // more parts than items: the last ones idle
      {{}, 2, {0, 0, 0}},
      {{3, 3}, 1, {0, 2}},
  };
  for (const auto& [weights, parts, starts] : cases)
    EXPECT_EQ(balancedStarts(weights, parts), starts) << parts;
}

// The box widened for slots 2 and 3 never reaches outside the mask.
TEST(ProcessedRegion, TheWidenedBoxStaysInsideTheMask) {
  Picture nearTheEdges = rectangleMask(40, 30, 3, 3, 25, 35);
  Render render = allocatedRender(nearTheEdges, 3, EffectType::Glow);
  buildGeometry(render);
  const Region& region = render.geometry.region;
  EXPECT_EQ((std::array{region.startRow, region.endRow, region.startColumn, region.endColumn}),
            (std::array{0, 30, 0, 40}));
}

}  // namespace
}  // namespace velloro::test
