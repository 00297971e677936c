#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

#include "render_fixture.h"

namespace velloro::test {
namespace {

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

Render renderBeforeAveraging(Picture& mask, RenderOptions options) {
  Render render = renderBeforeDistances(mask, options);
  computeDistances(render);
  computeDirectionFields(render);
  return render;
}

TEST(DirectionFields, DirectionsFromAVerticalEdge) {
  Picture mask = rectangleMask(80, 60, 10, 10, 40, 60);
  Render render = renderBeforeAveraging(mask, {.material = 4});
  const Geometry& g = render.geometry;
  const size_t cell = g.cell(25, 12);  // three pixels right of the left edge
  EXPECT_DOUBLE_EQ(g.angle[cell], 0.5);
  EXPECT_DOUBLE_EQ(g.diagonalA[cell], std::numbers::pi / 4);
  EXPECT_DOUBLE_EQ(g.diagonalB[cell], -3 * std::numbers::pi / 4);

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
        renderBeforeAveraging(mask, {.layerSlot = slot, .effectType = effect, .material = 4});
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
