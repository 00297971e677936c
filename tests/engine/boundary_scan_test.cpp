#include <gtest/gtest.h>

#include <algorithm>

#include "render_fixture.h"

namespace velloro::test {
namespace {

TEST(BoundaryScan, OneBrightPixelBetweenTwoDarkRunsIsFilledAndNotListed) {
  Picture mask(20, 6);
  mask.fillRectangle(3, 4, 3, 6);
  mask.fillRectangle(3, 8, 3, 10);  // column 7 is the gap
  Render render = allocatedRender(mask);
  scanRows(render);
  const Geometry& g = render.geometry;

  EXPECT_TRUE(mask.isDark(3, 7));
  EXPECT_EQ(g.edgeMark[g.cell(3, 7)], 0);
  scanColumns(render);
  const auto points = boundaryPoints(g);
  EXPECT_EQ(std::count(points.begin(), points.end(), std::pair{3, 7}), 0);
  // The row scan lists only the outer ends of the joined run.
  EXPECT_EQ(std::count(points.begin(), points.end(), std::pair{3, 3}), 1);
  EXPECT_EQ(std::count(points.begin(), points.end(), std::pair{3, 11}), 1);
}

TEST(BoundaryScan, TwoPixelGapStaysBright) {
  Picture mask(20, 6);
  mask.fillRectangle(3, 4, 3, 6);
  mask.fillRectangle(3, 9, 3, 10);
  Render render = scannedRender(mask);
  EXPECT_FALSE(mask.isDark(3, 7));
  EXPECT_FALSE(mask.isDark(3, 8));
  EXPECT_EQ(render.geometry.edgeMark[render.geometry.cell(3, 7)], 1);
  EXPECT_EQ(render.geometry.edgeMark[render.geometry.cell(3, 8)], 1);
}

TEST(BoundaryScan, MarksBoundaryAndInsideNeighboursOfARectangle) {
  Picture mask = rectangleMask(16, 10, 3, 4, 6, 8);
  Render render = scannedRender(mask);
  const Geometry& g = render.geometry;

  EXPECT_EQ(g.edgeMark[g.cell(4, 3)], 1);
  EXPECT_EQ(g.edgeMark[g.cell(4, 4)], 2);
  EXPECT_EQ(g.edgeMark[g.cell(4, 9)], 1);
  EXPECT_EQ(g.edgeMark[g.cell(4, 8)], 2);
  EXPECT_EQ(g.edgeMark[g.cell(2, 6)], 1);
  EXPECT_EQ(g.edgeMark[g.cell(7, 6)], 1);
  EXPECT_EQ(g.edgeMark[g.cell(5, 6)], 0);
  EXPECT_EQ(g.edgeMark[g.cell(2, 3)], 0);  // corners are not on any scan line
  // 4 rows x 2 vertical edges + 5 columns x 2 horizontal edges.
  EXPECT_EQ(g.pointCount, 18);
  EXPECT_EQ(g.box.minRow, 3);
  EXPECT_EQ(g.box.maxRow, 7);  // the first bright row after the element
  EXPECT_EQ(g.box.minColumn, 4);
  EXPECT_EQ(g.box.maxColumn, 9);
  // Row scan first, rows upwards, then the column scan column by column.
  const auto points = boundaryPoints(g);
  EXPECT_EQ(points.front(), (std::pair{3, 3}));
  EXPECT_EQ(points[1], (std::pair{3, 9}));
  EXPECT_EQ(points[8], (std::pair{2, 4}));
  EXPECT_EQ(points[9], (std::pair{7, 4}));
}

TEST(BoundaryScan, LastThreeColumnsAreNeverScanned) {
  Picture mask(12, 8);  // W = 12: columns 0..8 are scanned
  mask.fillRectangle(2, 6, 5, 11);
  Render render = scannedRender(mask);
  const Geometry& g = render.geometry;
  for (const auto& [row, column] : boundaryPoints(g)) EXPECT_LE(column, 8) << row;
  EXPECT_EQ(g.box.maxColumn, 0);  // the run never ends inside the scanned columns
  EXPECT_EQ(g.box.minColumn, 6);
}

TEST(BoundaryScan, RowZeroIsNeverScannedButCanBeABoundary) {
  Picture mask = rectangleMask(10, 5, 0, 2, 2, 4);
  Render render = scannedRender(mask);
  const Geometry& g = render.geometry;
  EXPECT_EQ(g.box.minRow, 1);
  EXPECT_EQ(g.edgeMark[g.cell(0, 3)], 1);  // the dark row 0 pixel above the first scanned row
}

TEST(BoundaryScan, EmptyMaskKeepsInitialBoundingBox) {
  Picture mask(10, 5);
  Render render = scannedRender(mask);
  const BoundingBox box = render.geometry.box;
  EXPECT_EQ(render.geometry.pointCount, 0);
  EXPECT_EQ(box.minRow, 999999);
  EXPECT_EQ(box.maxRow, 0);
  EXPECT_EQ(box.minColumn, 999999);
  EXPECT_EQ(box.maxColumn, 0);
}

}  // namespace
}  // namespace velloro::test
