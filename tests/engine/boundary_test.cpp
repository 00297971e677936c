// The element's boundary: the scans that find it, the smoothing that moves
// its points and the grid that holds them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "render_fixture.h"

namespace velloro::test {
namespace {

int32_t markAt(const Render& render, int32_t row, int32_t column) {
  return render.geometry.edgeMark[render.geometry.cell(row, column)];
}

std::array<int32_t, 4> rowsAndColumnsOf(const BoundingBox& box) {
  return {box.minRow, box.maxRow, box.minColumn, box.maxColumn};
}

TEST(BoundaryScan, OneBrightPixelBetweenTwoDarkRunsIsFilledAndNotListed) {
  Picture mask(20, 6);
  mask.fillRectangle(3, 4, 3, 6);
  mask.fillRectangle(3, 8, 3, 10);  // column 7 is the gap
  Render render = allocatedRender(mask);
  scanRows(render);
  EXPECT_TRUE(mask.isDark(3, 7));
  EXPECT_EQ(markAt(render, 3, 7), 0);
  scanColumns(render);
  const auto points = boundaryPoints(render.geometry);
  // The row scan lists only the outer ends of the joined run.
  for (const auto& [point, times] : {std::pair{std::pair{3, 7}, 0}, {{3, 3}, 1}, {{3, 11}, 1}})
    EXPECT_EQ(std::count(points.begin(), points.end(), point), times) << point.second;
}

TEST(BoundaryScan, TwoPixelGapStaysBright) {
  Picture mask(20, 6);
  mask.fillRectangle(3, 4, 3, 6);
  mask.fillRectangle(3, 9, 3, 10);
  Render render = scannedRender(mask);
  for (int32_t column : {7, 8}) {
    EXPECT_FALSE(mask.isDark(3, column));
    EXPECT_EQ(markAt(render, 3, column), 1);
  }
}

TEST(BoundaryScan, MarksBoundaryAndInsideNeighboursOfARectangle) {
  Picture mask = rectangleMask(16, 10, 3, 4, 6, 8);
  Render render = scannedRender(mask);
  // Corners are not on any scan line.
  constexpr int32_t kMarks[][3] = {{4, 3, 1}, {4, 4, 2}, {4, 9, 1}, {4, 8, 2},
                                   {2, 6, 1}, {7, 6, 1}, {5, 6, 0}, {2, 3, 0}};
  for (const auto& [row, column, mark] : kMarks)
    EXPECT_EQ(markAt(render, row, column), mark) << row << ", " << column;
  // 4 rows x 2 vertical edges + 5 columns x 2 horizontal edges.
  EXPECT_EQ(render.geometry.pointCount, 18);
  // The last row is the first bright row after the element.
  EXPECT_EQ(rowsAndColumnsOf(render.geometry.box), (std::array{3, 7, 4, 9}));
  // Row scan first, rows upwards, then the column scan column by column.
  const auto points = boundaryPoints(render.geometry);
  EXPECT_EQ(points.front(), (std::pair{3, 3}));
  EXPECT_EQ(points[1], (std::pair{3, 9}));
  EXPECT_EQ(points[8], (std::pair{2, 4}));
  EXPECT_EQ(points[9], (std::pair{7, 4}));
}

TEST(BoundaryScan, LastThreeColumnsAreNeverScanned) {
  Picture mask(12, 8);  // W = 12: columns 0..8 are scanned
  mask.fillRectangle(2, 6, 5, 11);
  Render render = scannedRender(mask);
  for (const auto& [row, column] : boundaryPoints(render.geometry)) EXPECT_LE(column, 8) << row;
  // The run never ends inside the scanned columns.
  EXPECT_EQ(render.geometry.box.maxColumn, 0);
  EXPECT_EQ(render.geometry.box.minColumn, 6);
}

TEST(BoundaryScan, RowZeroIsNeverScannedButCanBeABoundary) {
  Picture mask = rectangleMask(10, 5, 0, 2, 2, 4);
  Render render = scannedRender(mask);
  EXPECT_EQ(render.geometry.box.minRow, 1);
  EXPECT_EQ(markAt(render, 0, 3), 1);  // the dark row 0 pixel above the first scanned row
}

TEST(BoundaryScan, EmptyMaskKeepsInitialBoundingBox) {
  Picture mask(10, 5);
  Render render = scannedRender(mask);
  EXPECT_EQ(render.geometry.pointCount, 0);
  EXPECT_EQ(rowsAndColumnsOf(render.geometry.box), (std::array{999999, 0, 999999, 0}));
}

Render smoothedRender(Picture& mask, int32_t smoothingSize) {
  Render render = scannedRender(mask, {.smoothingSize = smoothingSize});
  smoothBoundary(render.geometry);
  return render;
}

TEST(BoundarySmoothing, PointsOnAStraightEdgeStayWhereTheyAre) {
  for (int32_t size : {50, 150, 250}) {
    Picture mask = rectangleMask(80, 60, 10, 10, 40, 60);
    const auto before = boundaryPoints(scannedRender(mask, {.smoothingSize = size}).geometry);
    Picture copy = mask;
    Render render = smoothedRender(copy, size);
    const int32_t scale = render.geometry.scale;
    const auto after = boundaryPoints(render.geometry);
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
      const auto [row, column] = before[i];
      const bool onVerticalEdgeMiddle = (column == 9 || column == 61) && row > 15 && row < 36;
      const bool onHorizontalEdgeMiddle = (row == 9 || row == 41) && column > 15 && column < 56;
      if (!onVerticalEdgeMiddle && !onHorizontalEdgeMiddle) continue;
      EXPECT_EQ(after[i], (std::pair{row * scale, column * scale}))
          << "size " << size << " point " << i;
    }
  }
}

TEST(BoundarySmoothing, NoPointMovesFartherThanTheLimit) {
  Picture mask(60, 60);
  for (int32_t r = 5; r < 55; ++r)
    for (int32_t c = 5; c < 55; ++c)
      if ((r - 30) * (r - 30) + (c - 30) * (c - 30) < 400 && (r + c) % 7 != 0) mask.setDark(r, c);
  const auto before = boundaryPoints(scannedRender(mask).geometry);
  Render render = smoothedRender(mask, 75);
  const auto after = boundaryPoints(render.geometry);
  const double scale = render.geometry.scale;
  for (size_t i = 0; i < before.size(); ++i) {
    const double rowMove = after[i].first - scale * before[i].first;
    const double columnMove = after[i].second - scale * before[i].second;
    EXPECT_LE(std::hypot(rowMove, columnMove), 0.45 * scale + 1) << i;
  }
}

TEST(BoundarySmoothing, MoveTowardsTheAverageUsesSinglePrecisionOffset) {
  Picture mask(12, 8);
  mask.setDark(4, 5);
  Render render = smoothedRender(mask, 10);
  const auto points = boundaryPoints(render.geometry);
  ASSERT_EQ(points.size(), 4u);
  // Point (4, 4) walks to (3, 5), (4, 6) and (5, 5), (4, 6): its average lies
  // 1.2 pixels to the right. The move of 0.45 pixel lands just below 223
  // because the offset 1.2 is a float, and truncates to 222.
  EXPECT_EQ(points[0], (std::pair{200, 222}));
}

TEST(PointGrid, IdentifiersWithoutAPointReadLikeTheFullTable) {
  PointGrid grid;
  grid.allocate(35, 24);
  grid.build({0, 150, 199}, {0, 200, 460}, 2, 50);
  EXPECT_EQ(grid.rowAt(0), 2);  // the count entry
  EXPECT_EQ(grid.columnAt(0), 0);
  for (int32_t empty : {3, 666, 5000, 99000, -7}) EXPECT_EQ(grid.rowAt(empty), 0) << empty;
  EXPECT_EQ(grid.columnAt(1 << 30), 0);
}

TEST(PointGrid, ACellHoldsAtMost999Points) {
  PointGrid grid;
  grid.allocate(20, 20);
  std::vector<int32_t> rows(1201), columns(1201);
  for (int32_t i = 1; i <= 1200; ++i) {
    rows[i] = i % 400;
    columns[i] = i % 450;
  }
  grid.build(rows, columns, 1200, 50);
  EXPECT_EQ(grid.count(0), 999);
  EXPECT_EQ(grid.columnAt(999), 999 % 450);
  EXPECT_EQ(grid.rowAt(1000), 0);  // the next cell's count
}

}  // namespace
}  // namespace velloro::test
