// A drag's frames lay a layer through its draft texels: each sample is the
// exact blend of its cells' colours and transparencies over the background
// its engraving shades, give or take the rounding of its weights.
#include "draft_texels.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <vector>

namespace velloro::test {
namespace {

using Pixel = std::array<uint8_t, 3>;

constexpr int16_t kEmpty = 666;
constexpr uint8_t kCovers = 222;  // transparency unset: the layer covers fully

struct Cell {
  uint8_t transparency;
  std::array<int16_t, 3> colour;
};

// Maps of 4 x 4 cells, all empty but those given as (row, column, cell).
struct PlacedCell {
  int32_t row;
  int32_t column;
  Cell cell;
};

constexpr uint8_t kNeutral = 50;

// Engraving percent at (row, column).
struct PlacedShade {
  int32_t row;
  int32_t column;
  uint8_t percent;
};

// Maps of `side` x `side` cells.
LayerMaps mapsWith(const std::vector<PlacedCell>& cells,
                   const std::vector<PlacedShade>& shades = {}, int32_t side = 4) {
  LayerMaps maps;
  const auto cellCount = static_cast<size_t>(side * side);
  maps.transparency.assign(cellCount, kCovers);
  maps.engraving.assign(cellCount, kNeutral);
  maps.colour.assign(3 * cellCount, kEmpty);
  for (const PlacedCell& placed : cells) {
    const size_t at = static_cast<size_t>(placed.row * side + placed.column);
    maps.transparency[at] = placed.cell.transparency;
    for (size_t channel = 0; channel < 3; ++channel)
      maps.colour[3 * at + channel] = placed.cell.colour[channel];
  }
  for (const PlacedShade& shade : shades)
    maps.engraving[static_cast<size_t>(shade.row * side + shade.column)] = shade.percent;
  return maps;
}

// Samples starting in rows 0..2 and columns 0..2.
constexpr Region kSampled{0, 3, 0, 2};
constexpr Pixel kBackground{100, 100, 100};

TEST(DraftTexels, ASampleIsTheBlendOfItsCells) {
  const Cell red{kCovers, {0, 0, 200}};
  struct Case {
    const char* name;
    std::vector<PlacedCell> cells;
    LayerPoint point;
    Pixel expected;
  };
  const Case cases[] = {
      {"a covering cell", {{1, 1, red}}, {1, 1}, {0, 0, 200}},
      {"an empty cell", {{1, 2, red}}, {1, 1}, kBackground},
      {"half the background through", {{1, 1, {50, {200, 100, 0}}}}, {1, 1}, {150, 100, 50}},
      {"all the background through", {{1, 1, {100, {200, 100, 0}}}}, {1, 1}, kBackground},
      {"midway to an empty cell", {{1, 1, red}}, {1, 1.5}, {50, 50, 150}},
      {"midway to the cell below", {{2, 1, red}}, {1.5, 1}, {50, 50, 150}},
      {"a quarter of four cells", {{1, 1, red}}, {0.5, 0.5}, {75, 75, 125}},
      {"colours beyond a byte clamped",
       {{1, 1, {kCovers, {-40, 300, 255}}}},
       {1, 1},
       {0, 255, 255}},
      {"a cell with an empty channel", {{1, 1, {kCovers, {10, kEmpty, 10}}}}, {1, 1}, kBackground},
      {"the spare column read", {{1, 3, red}}, {1, 2.5}, {50, 50, 150}},
      {"beyond the sampled rows", {{3, 1, red}}, {3, 1}, kBackground},
      {"before the sampled columns", {{1, 0, red}}, {1, -0.5}, kBackground},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DraftTexels texels(mapsWith(c.cells), 12, kSampled);
    Pixel pixel = kBackground;
    ASSERT_TRUE(texels.layAlong(pixel.data(), 1, {c.point, c.point}));
    EXPECT_EQ(pixel, c.expected);
  }
}

// An engraving layer darkens the background below one half and lightens it
// above, by the shading its sample weighs from its cells, and lays its
// colours over the shaded background.
TEST(DraftTexels, AnEngravingSampleShadesTheBackgroundUnderItsColours) {
  const Cell red{kCovers, {0, 0, 200}};
  struct Case {
    const char* name;
    std::vector<PlacedCell> cells;
    std::vector<PlacedShade> shades;
    LayerPoint point;
    Pixel expected;
  };
  const Case cases[] = {
      {"neutral shading", {}, {}, {1, 1}, kBackground},
      {"darkened to a half", {}, {{1, 1, 25}}, {1, 1}, {50, 50, 50}},
      {"darkened to black", {}, {{1, 1, 0}}, {1, 1}, {0, 0, 0}},
      // 255 - 2 x 0.25 x 155 = 177.5
      {"lightened", {}, {{1, 1, 75}}, {1, 1}, {177, 177, 177}},
      {"lightened to white", {}, {{1, 1, 100}}, {1, 1}, {255, 255, 255}},
      {"shading past a whole clamped", {}, {{1, 1, 200}}, {1, 1}, {255, 255, 255}},
      {"midway to a neutral cell", {}, {{1, 1, 0}}, {1, 1.5}, {50, 50, 50}},
      {"a quarter of four cells", {}, {{1, 1, 0}}, {0.5, 0.5}, {75, 75, 75}},
      {"a covering colour over the shading", {{1, 1, red}}, {{1, 1, 0}}, {1, 1}, {0, 0, 200}},
      {"half the shaded background through",
       {{1, 1, {50, {200, 100, 0}}}},
       {{1, 1, 25}},
       {1, 1},
       {125, 75, 25}},
      {"shading beyond the sampled rows", {}, {{3, 1, 0}}, {3, 1}, kBackground},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DraftTexels texels(mapsWith(c.cells, c.shades), 12, kSampled, true);
    Pixel pixel = kBackground;
    ASSERT_TRUE(texels.layAlong(pixel.data(), 1, {c.point, c.point}));
    EXPECT_EQ(pixel, c.expected);
  }
  // A layer that does not engrave leaves its engraving map unread.
  const DraftTexels plain(mapsWith({}, {{1, 1, 0}}), 12, kSampled, false);
  Pixel pixel = kBackground;
  ASSERT_TRUE(plain.layAlong(pixel.data(), 1, {{1, 1}, {1, 1}}));
  EXPECT_EQ(pixel, kBackground);
}

// A stretch is passed over only where every block its samples read, a
// cell either side included, holds neither colour nor, in an engraving
// layer, shading.
TEST(DraftTexels, AStretchChangesPixelsNearSetOrShadedCellsOnly) {
  constexpr int32_t kSide = 24;
  const Region sampled{0, kSide - 1, 0, kSide - 2};
  const LayerMaps maps = mapsWith({{18, 18, {kCovers, {0, 0, 200}}}}, {{3, 3, 20}}, kSide);
  const DraftTexels engraving(maps, 3 * kSide, sampled, true);
  const DraftTexels plain(maps, 3 * kSide, sampled, false);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    LayerLine line;
    bool engravingChanges;
    bool plainChanges;
  };
  const Case cases[] = {
      {"far from both", {{10, 1}, {10, 9}}, false, false},
      {"through the coloured cell", {{18, 12}, {18, 20}}, true, true},
      {"a cell before the coloured one", {{17, 14}, {17, 17}}, true, true},
      {"across the shaded cell", {{1, 3}, {6, 3}}, true, false},
      {"a few cells past the shaded one", {{12, 12}, {12, 14}}, false, false},
      {"no point at all", {{nan, nan}, {1, 1}}, true, true},
      {"outside every cell", {{-9, -9}, {-5, -5}}, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(engraving.mayChangeAlong(c.line), c.engravingChanges);
    EXPECT_EQ(plain.mayChangeAlong(c.line), c.plainChanges);
  }
  EXPECT_FALSE(DraftTexels(LayerMaps{}, 12, kSampled).mayChangeAlong({{1, 1}, {1, 1}}));
}

// Pixels between a line's ends take the points evenly spaced between them.
TEST(DraftTexels, AStretchWalksItsLineEvenly) {
  const DraftTexels texels(mapsWith({{1, 0, {kCovers, {10, 10, 10}}},
                                     {1, 1, {kCovers, {20, 20, 20}}},
                                     {1, 2, {kCovers, {40, 40, 40}}},
                                     {2, 2, {kCovers, {80, 80, 80}}}}),
                           12, kSampled);
  std::array<Pixel, 4> pixels;
  pixels.fill(kBackground);
  ASSERT_TRUE(texels.layAlong(pixels[0].data(), 4, {{1, 0}, {1, 3}}));
  // Column 3 lies past the sampled columns: left as it was.
  const std::array<Pixel, 4> across{{{10, 10, 10}, {20, 20, 20}, {40, 40, 40}, kBackground}};
  EXPECT_EQ(pixels, across);
  pixels.fill(kBackground);
  ASSERT_TRUE(texels.layAlong(pixels[0].data(), 2, {{1, 2}, {2, 2}}));
  const std::array<Pixel, 4> down{{{40, 40, 40}, {80, 80, 80}, kBackground, kBackground}};
  EXPECT_EQ(pixels, down);
}

// A line beyond fixed point's reach is left to the caller; layers without
// cells to sample change nothing.
TEST(DraftTexels, FarLinesAndEmptyLayersLeaveThePixels) {
  const LayerMaps maps = mapsWith({{1, 1, {kCovers, {0, 0, 200}}}});
  const DraftTexels texels(maps, 12, kSampled);
  const double far = 1e7;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    LayerLine line;
  };
  const Case cases[] = {{"first point far below", {{far, 1}, {1, 1}}},
                        {"last point far left", {{1, 1}, {1, -far}}},
                        {"no point at all", {{nan, nan}, {1, 1}}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Pixel pixel = kBackground;
    EXPECT_FALSE(texels.layAlong(pixel.data(), 1, c.line));
    EXPECT_EQ(pixel, kBackground);
  }
  struct Layer {
    const char* name;
    LayerMaps maps;
    int64_t stride;
    Region sampled;
  };
  const Layer layers[] = {{"no maps", LayerMaps{}, 12, kSampled},
                          {"no rows sampled", maps, 12, {2, 2, 0, 2}},
                          {"no columns sampled", maps, 12, {0, 3, 2, 1}},
                          {"a stride below a pixel", maps, 2, kSampled}};
  for (const Layer& layer : layers) {
    SCOPED_TRACE(layer.name);
    Pixel pixel = kBackground;
    EXPECT_TRUE(DraftTexels(layer.maps, layer.stride, layer.sampled)
                    .layAlong(pixel.data(), 1, {{1, 1}, {1, 1}}));
    EXPECT_EQ(pixel, kBackground);
  }
}

// A line passes the cells by when both its ends lie beyond one edge of
// the sample starts (rows 0..2, columns 0..2 here).
TEST(DraftTexels, ALinePassesByWhenBothEndsLieBeyondOneEdge) {
  const DraftTexels texels(mapsWith({{1, 1, {kCovers, {0, 0, 200}}}}), 12, kSampled);
  struct Case {
    const char* name;
    LayerLine line;
    bool passesBy;
  };
  const Case cases[] = {
      {"above", {{-0.01, -5}, {-3, 9}}, true},
      {"below", {{3, 0}, {7, 2}}, true},
      {"left", {{-4, -0.01}, {9, -2}}, true},
      {"right", {{1, 3}, {2, 8}}, true},
      {"crossing the top", {{-1, 1}, {0, 1}}, false},
      {"crossing the last row", {{2.99, 1}, {5, 1}}, false},
      {"inside", {{1, 1}, {2, 2}}, false},
      {"corner to corner across", {{-1, -1}, {4, 4}}, false},
      {"beyond two edges, each end another", {{-1, 1}, {1, 4}}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(texels.passesBy(c.line), c.passesBy) << c.name;
  EXPECT_TRUE(DraftTexels(LayerMaps{}, 12, kSampled).passesBy({{1, 1}, {1, 1}}));
}

// Samples next to the maps' ends read clamped cells, never past the maps.
TEST(DraftTexels, SamplesAtTheMapsEndStayInside) {
  const LayerMaps maps = mapsWith({{3, 3, {kCovers, {0, 0, 200}}}});
  // Sampled rows and columns run past the maps' four.
  const DraftTexels texels(maps, 12, {2, 6, 2, 6});
  Pixel pixel = kBackground;
  ASSERT_TRUE(texels.layAlong(pixel.data(), 1, {{3, 3}, {3, 3}}));
  EXPECT_EQ(pixel, (Pixel{0, 0, 200}));
}

}  // namespace
}  // namespace velloro::test
