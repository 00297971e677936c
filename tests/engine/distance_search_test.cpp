#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

#include "render_fixture.h"
#include "workers.h"

namespace velloro::test {
namespace {

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

TEST(DistanceSearch, FarPixelsKeepTheNoPointDistanceAndDepthIsCapped) {
  Picture mask = rectangleMask(200, 200, 20, 20, 179, 179);
  Render render = geometryRender(mask);
  const Geometry& g = render.geometry;
  EXPECT_EQ(g.distance[g.cell(100, 100)], kNoPointDistance);
  EXPECT_EQ(g.maxSquaredDistance, 1000.0 * 50 * 50);
}

TEST(DistanceSearch, DepthIsTheLargestFiniteSquaredDistanceOfAnElementPixel) {
  Picture mask(40, 40);
  mask.fillRectangle(10, 10, 18, 18);  // 9 x 9: centre 5 pixels from each boundary row/column
  Render render = geometryRender(mask, {.smoothingSize = 10});
  EXPECT_EQ(render.geometry.maxSquaredDistance, 25.0 * 2500);
}

TEST(Workers, BalancedPartsShareTheWorkNotTheItems) {
  struct Case {
    std::vector<int64_t> weights;
    int32_t parts;
    std::vector<int64_t> starts;
  };
  const Case cases[] = {
      {{5, 5, 5, 5}, 2, {0, 2, 4}},
      {{9, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 2, {0, 1, 10}},
      {{1, 1, 1, 1, 1, 1, 1, 1, 1, 9}, 2, {0, 9, 10}},
      {{0, 0, 0, 0, 0, 0}, 3, {0, 2, 4, 6}},  // no work known: equal rows
      {{-4, 2, 2}, 2, {0, 2, 3}},             // a negative weight counts as none
      {{7}, 3, {0, 1, 1, 1}},                 // more parts than items: the last ones idle
      {{}, 2, {0, 0, 0}},
      {{3, 3}, 1, {0, 2}},
  };
  for (const Case& c : cases) EXPECT_EQ(balancedStarts(c.weights, c.parts), c.starts);
}

}  // namespace
}  // namespace velloro::test
