// The element's geometry step by step: the scans that find its boundary,
// the smoothing that moves its points and the grid that holds them, the
// search for each pixel's nearest point and the direction fields drawn from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <random>
#include <tuple>
#include <vector>

#include "geometry.h"
#include "layer_render.h"
#include "render.h"
#include "workers.h"

namespace velloro::test {
namespace {

// Renders of a test mask built up to a chosen geometry step.
struct RenderOptions {
  int32_t layerSlot = 1;
  EffectType effectType = EffectType::NoContour;
  int32_t smoothingSize = 75;
  int32_t effectAmount = 100;
  int32_t material = 0;
};

Render allocatedRender(Picture& mask, RenderOptions options = {}) {
  Render render;
  render.args.mask = mask.data();
  render.args.maskStride = mask.stride;
  render.args.maskRows = mask.rows;
  render.args.layerSlot = options.layerSlot;
  render.args.effectType = options.effectType;
  render.args.smoothingSize = options.smoothingSize;
  render.args.effectAmount = options.effectAmount;
  render.args.material = static_cast<Material>(options.material);
  allocateWorkingArrays(render);
  return render;
}

Render scannedRender(Picture& mask, RenderOptions options = {}) {
  Render render = allocatedRender(mask, options);
  scanRows(render);
  scanColumns(render);
  return render;
}

// Geometry up to the nearest-point search: the state the search starts from.
Render renderBeforeDistances(Picture& mask, RenderOptions options = {}) {
  Render render = scannedRender(mask, options);
  smoothBoundary(render.geometry);
  buildPointGrid(render.geometry);
  setProcessedRegion(render.geometry, options.layerSlot);
  return render;
}

Render geometryRender(Picture& mask, RenderOptions options = {}) {
  Render render = allocatedRender(mask, options);
  buildGeometry(render);
  return render;
}

// Boundary points 1..n as (row, column) pairs.
using Points = std::vector<std::pair<int32_t, int32_t>>;
Points boundaryPoints(const Geometry& g) {
  Points points;
  for (int32_t i = 1; i <= g.pointCount; ++i)
    points.emplace_back(g.boundaryRows[i], g.boundaryColumns[i]);
  return points;
}

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

// The boundary points of a mask before smoothing, in pixels, and after, in
// steps of 1 / scale; and the scale.
std::tuple<Points, Points, int32_t> smoothed(Picture mask, int32_t smoothingSize) {
  Render render = scannedRender(mask, {.smoothingSize = smoothingSize});
  const auto before = boundaryPoints(render.geometry);
  smoothBoundary(render.geometry);
  return {before, boundaryPoints(render.geometry), render.geometry.scale};
}

TEST(BoundarySmoothing, PointsOnAStraightEdgeStayWhereTheyAre) {
  for (int32_t size : {50, 150, 250}) {
    const auto [before, after, scale] = smoothed(rectangleMask(80, 60, 10, 10, 40, 60), size);
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
  const auto [before, after, scale] = smoothed(mask, 75);
  for (size_t i = 0; i < before.size(); ++i) {
    const double rowMove = after[i].first - scale * before[i].first;
    const double columnMove = after[i].second - scale * before[i].second;
    EXPECT_LE(std::hypot(rowMove, columnMove), 0.45 * scale + 1) << i;
  }
}

TEST(BoundarySmoothing, MoveTowardsTheAverageUsesSinglePrecisionOffset) {
  Picture mask(12, 8);
  mask.setDark(4, 5);
  const Points points = std::get<1>(smoothed(mask, 10));
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

// The plain search: every pixel scans its block's 7 x 7 window row by row
// and keeps the first strictly nearer point.
void referenceSearch(Render& render, bool dark, int32_t& lastIdentifier) {
  Geometry& g = render.geometry;
  const Region& region = g.region;
  for (int32_t br = region.startRow; br < region.endRow; br += 10)
    for (int32_t bc = region.startColumn; bc < region.endColumn; bc += 10)
      for (int32_t r = br; r < std::min(br + 10, region.endRow); ++r)
        for (int32_t c = bc; c < std::min(bc + 10, region.endColumn); ++c) {
          if (render.isDark(r, c) != dark) continue;
          float best = 2140000000.0f;
          for (int32_t wr = br - 30; wr <= br + 30; wr += 10)
            for (int32_t wc = bc - 30; wc <= bc + 30; wc += 10) {
              if (wr < region.startRow || wr >= region.endRow) continue;
              if (wc < region.startColumn || wc >= region.endColumn) continue;
              const int32_t cell = g.grid.cellOfPixel(wr, wc);
              for (int32_t s = 1; s <= g.grid.count(cell); ++s) {
                const int32_t id = cell * 1000 + s;
                const int64_t dc = int64_t{g.scale} * c - g.grid.columnAt(id);
                const int64_t dr = int64_t{g.scale} * r - g.grid.rowAt(id);
                const float d = static_cast<float>(dc * dc + dr * dr);
                if (d < best) {
                  best = d;
                  lastIdentifier = cell * 1000 + s;
                }
              }
            }
          g.distance[g.cell(r, c)] = static_cast<uint32_t>(best);
          g.nearest[g.cell(r, c)] = lastIdentifier;
        }
}

Picture randomBlobs(uint32_t seed, int32_t width, int32_t rows) {
  Picture mask(width, rows);
  std::mt19937 random(seed);
  for (int blob = 0; blob < 12; ++blob) {
    const int32_t cr = 35 + static_cast<int32_t>(random() % (rows - 70));
    const int32_t cc = 35 + static_cast<int32_t>(random() % (width - 70));
    const int32_t radius = 3 + static_cast<int32_t>(random() % 25);
    for (int32_t r = cr - radius; r <= cr + radius; ++r)
      for (int32_t c = cc - radius; c <= cc + radius; ++c)
        if ((r - cr) * (r - cr) + (c - cc) * (c - cc) <= radius * radius) mask.setDark(r, c);
  }
  return mask;
}

// Also split between three threads by rows of blocks: pixels that find no
// point before their part's first find take the identifier of the parts
// before, as in one walk. Compared are the pixels an effect can read: the
// element, and background pixels within the largest reach of an outer
// effect (the square root of 1000 square pixels). The last masks are a
// rectangle whose middle finds no point and keeps the identifier found last.
TEST(DistanceSearch, MatchesThePlainWindowScanExactly) {
  for (int32_t seed = 1; seed <= 8; ++seed) {
    for (int32_t slot : {1, 2}) {
      Picture mask = seed > 6 ? rectangleMask(190, 150, 5, 5, 144, 184)
                              : randomBlobs(static_cast<uint32_t>(seed), 190, 150);
      RenderOptions options{.layerSlot = slot,
                            .effectType = EffectType::Glow,
                            .smoothingSize = 40 * seed,
                            .material = 4};
      Render fast = renderBeforeDistances(mask, options);
      fast.workers = seed % 2 == 0 ? WorkerPolicy{3, 1} : WorkerPolicy{1, 1};
      fast.args.effectAmount = 100;
      Render reference = fast;
      computeDistances(fast);
      int32_t lastIdentifier = 0;
      referenceSearch(reference, true, lastIdentifier);
      referenceSearch(reference, false, lastIdentifier);
      SCOPED_TRACE(testing::Message() << "seed " << seed << " slot " << slot);
      const Geometry& f = fast.geometry;
      const Geometry& g = reference.geometry;
      const uint32_t largestReach = 1000u * g.scale * g.scale;
      for (int32_t r = g.region.startRow; r < g.region.endRow; ++r)
        for (int32_t c = g.region.startColumn; c < g.region.endColumn; ++c) {
          const size_t cell = g.cell(r, c);
          if (!mask.isDark(r, c) && g.distance[cell] > largestReach) continue;
          ASSERT_EQ(f.distance[cell], g.distance[cell]) << r << "," << c;
          ASSERT_EQ(f.nearest[cell], g.nearest[cell]) << r << "," << c;
        }
    }
  }
}

TEST(DistanceSearch, BackgroundIsSearchedOnlyWithinTheEffectsReach) {
  Picture mask = rectangleMask(190, 150, 60, 60, 90, 130);
  for (const auto& [effect, amount, searched] : {std::tuple{EffectType::Engraved, 0, false},
                                                 {EffectType::Engraved, 10, false},
                                                 {EffectType::Engraved, 100, true},
                                                 {EffectType::Glow, 10, true}}) {
    Render render = renderBeforeDistances(mask, {.effectType = effect});
    render.args.effectAmount = amount;
    computeDistances(render);
    // 25 pixels below the element: beyond the reach of 10 percent of 31.6 pixels.
    const uint32_t distance = render.geometry.distance[render.geometry.cell(116, 90)];
    EXPECT_EQ(distance == 25u * 25u * 2500u, searched)
        << toInt(effect) << " " << amount << " " << distance;
  }
}

// Inside, the distance runs from the boundary point; an outer effect also
// measures the background, whose first pixel holds the point itself.
TEST(DistanceSearch, PixelsNearAStraightEdgeAreWholePixelsAway) {
  Picture mask = rectangleMask(80, 60, 10, 10, 40, 60);
  Render inner = geometryRender(mask);
  EXPECT_EQ(inner.geometry.distance[inner.geometry.cell(25, 10)], 2500u);
  EXPECT_EQ(inner.geometry.distance[inner.geometry.cell(25, 12)], 9u * 2500u);

  Render outer = renderBeforeDistances(mask, {.effectType = EffectType::Engraved});
  outer.args.effectAmount = 50;
  computeDistances(outer);
  EXPECT_EQ(outer.geometry.distance[outer.geometry.cell(25, 9)], 0u);
  EXPECT_EQ(outer.geometry.distance[outer.geometry.cell(25, 6)], 9u * 2500u);
}

// A 9 x 9 square's centre lies 5 pixels from each boundary row and column;
// the middle of a large one finds no point and its depth is capped.
TEST(DistanceSearch, DepthIsTheLargestFiniteSquaredDistanceOfAnElementPixelUpToACap) {
  Picture square = rectangleMask(40, 40, 10, 10, 18, 18);
  EXPECT_EQ(geometryRender(square, {.smoothingSize = 10}).geometry.maxSquaredDistance, 25.0 * 2500);
  Picture large = rectangleMask(200, 200, 20, 20, 179, 179);
  const Render render = geometryRender(large);
  EXPECT_EQ(render.geometry.distance[render.geometry.cell(100, 100)], kNoPointDistance);
  EXPECT_EQ(render.geometry.maxSquaredDistance, 1000.0 * 50 * 50);
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

// The plain direction fields of every pixel of the region.
void referenceDirections(Render& render) {
  Geometry& g = render.geometry;
  for (int32_t r = g.region.startRow; r < g.region.endRow; ++r)
    for (int32_t c = g.region.startColumn; c < g.region.endColumn; ++c) {
      const size_t cell = g.cell(r, c);
      const double dr = r - g.grid.rowAt(g.nearest[cell]) / static_cast<double>(g.scale);
      const double dc = c - g.grid.columnAt(g.nearest[cell]) / static_cast<double>(g.scale);
      g.angle[cell] = std::fabs(std::atan2(dc, dr)) / std::numbers::pi;
      g.diagonalA[cell] = std::atan2(dr + dc, dc - dr);
      g.diagonalB[cell] = std::atan2(dr - dc, -(dr + dc));
    }
}

// The plain averaging: the angle map is read and overwritten in place.
void referenceAveraging(Render& render) {
  Geometry& g = render.geometry;
  const Region& region = g.region;
  for (int32_t c = region.startColumn; c < region.endColumn; ++c)
    for (int32_t r = region.startRow; r < region.endRow; ++r) {
      const bool centre = render.isDark(r, c);
      double a = 0, b = 0, angle = 0;
      int n = 0;
      for (int32_t dc = -3; dc <= 3; ++dc)
        for (int32_t dr = -3; dr <= 3; ++dr) {
          const int32_t nr = r + dr, nc = c + dc;
          if (nr < region.startRow || nr >= region.endRow) continue;
          if (nc < region.startColumn || nc >= region.endColumn) continue;
          if (render.isDark(nr, nc) != centre) continue;
          a += std::sin(g.diagonalA[g.cell(nr, nc)]);
          b += std::sin(g.diagonalB[g.cell(nr, nc)]);
          angle += g.angle[g.cell(nr, nc)];
          ++n;
        }
      g.lightA[g.cell(r, c)] = a / n;
      g.lightB[g.cell(r, c)] = b / n;
      g.angle[g.cell(r, c)] = angle / n;
    }
}

TEST(DirectionFields, DirectionsFromAVerticalEdge) {
  Picture mask = rectangleMask(80, 60, 10, 10, 40, 60);
  Render render = renderBeforeDistances(mask, {.material = 4});
  computeDistances(render);
  computeDirectionFields(render);
  const Geometry& g = render.geometry;
  const size_t cell = g.cell(25, 12);  // three pixels right of the left edge
  EXPECT_DOUBLE_EQ(g.angle[cell], 0.5);
  averageDirectionFields(render);
  EXPECT_NEAR(g.lightA[cell], std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(g.lightB[cell], -std::sqrt(0.5), 1e-12);
  // Averaged in place, so the corners' angles trickle down the columns.
  EXPECT_NEAR(g.angle[cell], 0.5, 1e-3);
  EXPECT_NE(g.angle[cell], 0.5);
}

TEST(DirectionFields, AveragingMatchesThePlainInPlaceWalkExactly) {
  // The element's pixels see only each other. Raised also reads the light of
  // the background within its reach: 12.2 pixels at amount 100.
  const uint32_t raisedReach = 150u * 2500u;
  for (const auto& [slot, effect] : {std::pair{1, EffectType::Raised},
                                     {3, EffectType::Raised},
                                     {1, EffectType::NoContour},
                                     {2, EffectType::Glow}}) {
    Picture mask(120, 90);
    for (int32_t r = 35; r < 60; ++r)
      for (int32_t c = 35; c < 85; ++c)
        if ((r * 7 + c * 3) % 11 != 0 && (c - 60) * (c - 60) + (r - 47) * (r - 47) < 300)
          mask.setDark(r, c);
    Render fast =
        renderBeforeDistances(mask, {.layerSlot = slot, .effectType = effect, .material = 4});
    computeDistances(fast);
    computeDirectionFields(fast);
    Render reference = fast;
    referenceDirections(reference);
    averageDirectionFields(fast);
    referenceAveraging(reference);
    const Geometry& f = fast.geometry;
    const Geometry& g = reference.geometry;
    for (int32_t r = f.region.startRow; r < f.region.endRow; ++r)
      for (int32_t c = f.region.startColumn; c < f.region.endColumn; ++c) {
        const size_t cell = f.cell(r, c);
        const bool dark = mask.isDark(r, c);
        if (!dark && !(effect == EffectType::Raised && g.distance[cell] <= raisedReach)) continue;
        ASSERT_EQ(f.lightB[cell], g.lightB[cell]) << slot << " " << r << "," << c;
        if (dark) {  // the background's light A and angle are never read
          ASSERT_EQ(f.lightA[cell], g.lightA[cell]) << slot << " " << r << "," << c;
          ASSERT_EQ(f.angle[cell], g.angle[cell]) << slot << " " << r << "," << c;
        }
      }
  }
}

std::array<int32_t, 4> rowsAndColumnsOf(const Region& region) {
  return {region.startRow, region.endRow, region.startColumn, region.endColumn};
}

// The widened box reaches 32 pixels past the element, within the mask.
TEST(ProcessedRegion, SlotOneCoversTheMaskAndOtherSlotsTheWidenedBox) {
  Picture mask = rectangleMask(200, 120, 40, 50, 70, 120);
  EXPECT_EQ(rowsAndColumnsOf(geometryRender(mask, {.layerSlot = 1}).geometry.region),
            (std::array{1, 120, 0, 197}));
  EXPECT_EQ(rowsAndColumnsOf(geometryRender(mask, {.layerSlot = 2}).geometry.region),
            (std::array{40 - 32, 71 + 32, 50 - 32, 121 + 32}));
  Picture nearTheEdges = rectangleMask(40, 30, 3, 3, 25, 35);
  const RenderOptions slotThree{.layerSlot = 3, .effectType = EffectType::Glow};
  EXPECT_EQ(rowsAndColumnsOf(geometryRender(nearTheEdges, slotThree).geometry.region),
            (std::array{0, 30, 0, 40}));
}

}  // namespace
}  // namespace velloro::test
