// The entry points at the edges of their contract; under the sanitizers these
// also catch any access outside a buffer, any overflow or division by zero.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <tuple>

#include "layer_render.h"
#include "spline.h"
#include "texture_tile.h"

namespace velloro::test {
namespace {

TEST(Action, MaskNarrowerThanFourPixelsGivesThePlainCopyButItsPaddedStrideCounts) {
  Picture mask(3, 10, 0);  // stride 12 would be W = 4; pass 9 bytes for W = 3
  Canvas canvas(20, 10);
  paintPattern(canvas.background);
  engineState().slots.find(2)->valid = true;
  ACTION(mask.data(), canvas.background.data(), canvas.output.data(), 9, mask.rows,
         canvas.output.stride, canvas.output.rows, 0, 0, 75, 0, 2, 0, 0, 3, 50, 50, 0, 0, 0, 0, 0,
         0, 2, 0, 50, 100, 150, 200, 255, 0, 50, 100, 150, 200, 255);
  EXPECT_EQ(canvas.output.bytes, canvas.background.bytes);
  EXPECT_FALSE(engineState().slots.find(2)->valid);
  EXPECT_EQ(engineState().render, nullptr);
  DESTRUCTION();
  // With its padded stride the three-pixel mask counts as four pixels.
  mask = Picture(3, 10);  // stride 12: W = 4, one column scanned
  mask.setDark(5, 0);
  startRender(canvas, mask, {});
  ASSERT_NE(engineState().render, nullptr);
  EXPECT_EQ(engineState().render->geometry.width, 4);
  // Left of column 0 (the previous row's last cell), above and below.
  EXPECT_EQ(engineState().render->geometry.pointCount, 3);
  DESTRUCTION();
}

// A texture whose every pixel tells its own place: blue = column, green = row.
Picture numberedTexture(int32_t width, int32_t rows) {
  Picture texture(width, rows);
  for (int32_t r = 0; r < rows; ++r)
    for (int32_t c = 0; c < width; ++c)
      texture.setColour(r, c, static_cast<uint8_t>(c), static_cast<uint8_t>(r), 7);
  return texture;
}

TextureTile numberedTile(int32_t width, int32_t rows, int32_t offsets = 0) {
  const Picture texture = numberedTexture(width, rows);
  TextureTile tile;
  tile.install(texture.bytes.data(), offsets, offsets, texture.stride, texture.rows);
  return tile;
}

// Offsets wrap to places inside the tile; a one-pixel texture's period of 0
// columns becomes 1; without rows or without any texture, pixels are black.
TEST(TextureTiles, OffsetsWrapAndNarrowRowlessOrMissingTexturesAreSafe) {
  const TextureTile wrapped = numberedTile(6, 5, 30);
  for (int32_t r : {-1000, -1, 0, 7, 5000})
    for (int32_t c : {-1000, -31, -1, 0, 29, 5000}) {
      const Colour place = wrapped.tiled(40, r, c);  // green is the row, blue the column
      EXPECT_TRUE(place.green >= 0 && place.green < 5 && place.blue >= 0 && place.blue < 5)
          << r << ", " << c;
    }
  TextureTile tile = numberedTile(1, 3);
  EXPECT_TRUE(tile.isSet());
  EXPECT_EQ(tile.tiled(5, 2, 17).blue, 0);
  const Picture texture = numberedTexture(1, 3);
  tile.install(texture.bytes.data(), 0, 0, texture.stride, 0);
  EXPECT_FALSE(tile.isSet());
  EXPECT_EQ(tile.placed(5, 2, 17).blue, 0);
  tile.install(nullptr, 0, 0, 0, 0);
  EXPECT_FALSE(tile.isSet());
  const Colour colour = tile.placed(100, 50, 50);
  EXPECT_EQ(colour.blue + colour.green + colour.red, 0);
  tile.release();
  EXPECT_EQ(tile.placed(100, -5, 1 << 30).red, 0);
}

TEST(Destruction, FreesTheRenderAndACopyOfTheTileAndIsHarmlessTwiceOrWithoutAction) {
  DESTRUCTION();
  DESTRUCTION();
  Picture texture = numberedTexture(4, 4);
  Picture mask = rectangleMask(30, 20, 5, 5, 12, 20);
  Canvas canvas(40, 30);
  startRender(canvas, mask, {}, &texture);
  texture.setColour(0, 0, 99, 99, 99);  // the engine keeps its own copy
  EXPECT_EQ(engineState().texture.tiled(4, 3, 0).blue, 0);
  EXPECT_NE(engineState().render, nullptr);
  DESTRUCTION();
  EXPECT_EQ(engineState().render, nullptr);
  EXPECT_FALSE(engineState().texture.isSet());
  DESTRUCTION();
}

// Blue runs 0, 40, 80, ... along the rows and green 0, 50, 100, ... down the
// columns; red is 200 but at (2, 3), which holds the key colour.
constexpr Bgr kKey{30, 20, 10};
Picture gradient() {
  Picture picture(7, 5);
  for (int32_t r = 0; r < 5; ++r)
    for (int32_t c = 0; c < 7; ++c)
      picture.setColour(r, c, static_cast<uint8_t>(40 * c), static_cast<uint8_t>(50 * r), 200);
  picture.setColour(2, 3, kKey[0], kKey[1], kKey[2]);
  return picture;
}

TEST(ColourKeying, EachChannelHasItsOwnInclusiveRangeWidthComesFromTheStride) {
  // Least and most red, green and blue kept.
  constexpr int32_t kRanges[][6] = {{0, 255, 0, 255, 0, 255},     {0, 255, 0, 255, 40, 120},
                                    {0, 199, 0, 255, 0, 255},     {0, 255, 60, 255, 0, 255},
                                    {200, 255, 50, 150, 41, 160}, {0, 255, 0, 255, 0, 0}};
  for (const auto& [redMin, redMax, greenMin, greenMax, blueMin, blueMax] : kRanges) {
    SCOPED_TRACE(testing::Message()
                 << "least red, green, blue " << redMin << ", " << greenMin << ", " << blueMin);
    const Picture original = gradient();
    Picture picture = original;
    Picture mask(7, 5, 77);
    FRONTIERE(picture.data(), mask.data(), picture.stride, picture.rows, 10, 20, 30, redMin, redMax,
              greenMin, greenMax, blueMin, blueMax);
    for (int32_t r = 0; r < 5; ++r)
      for (int32_t c = 0; c < 7; ++c) {
        const auto [blue, green, red] = original.at(r, c);
        const bool kept = std::clamp(red, redMin, redMax) == red &&
                          std::clamp(green, greenMin, greenMax) == green &&
                          std::clamp(blue, blueMin, blueMax) == blue && original.at(r, c) != kKey;
        EXPECT_EQ(mask.at(r, c), kept ? Bgr{} : kWhite) << r << ", " << c;
        EXPECT_EQ(picture.at(r, c), kept ? original.at(r, c) : kKey);
      }
  }
  // The width comes from the stride; bad sizes do nothing.
  Picture picture = gradient();  // 7 pixels: 21 bytes of a 24-byte row, keyed as 8
  Picture mask(7, 5, 77);
  FRONTIERE(picture.data(), mask.data(), picture.stride, picture.rows, 0, 0, 0, 0, 255, 0, 255, 0,
            255);
  EXPECT_EQ(mask.bytes[21], 0);
  EXPECT_EQ(mask.bytes[23], 0);
  FRONTIERE(nullptr, nullptr, 0, 0, 0, 0, 0, 0, 255, 0, 255, 0, 255);
  FRONTIERE(picture.data(), mask.data(), -3, 5, 0, 0, 0, 0, 255, 0, 255, 0, 255);
  EXPECT_EQ(mask.bytes[mask.offset(1, 1)], 0);
}

Picture blobMask(int32_t width, int32_t rows) {
  Picture mask(width, rows);
  mask.fillRectangle(rows / 4, width / 4, rows * 3 / 4, width / 2);
  for (int32_t r = rows / 3; r < rows * 2 / 3; ++r)
    for (int32_t c = width / 2; c < width * 3 / 4 - (r % 7); ++c) mask.setDark(r, c);
  return mask;
}

class RenderBounds : public LayerTest {};

// Bytes past the end of every buffer the engine is handed, which it must
// leave as they are.
constexpr size_t kGuardSize = 64;
constexpr uint8_t kGuardByte = 0xA5;

void addGuard(Picture& picture) {
  picture.bytes.resize(picture.bytes.size() + kGuardSize, kGuardByte);
}

bool guardKept(const Picture& picture) {
  return std::all_of(picture.bytes.end() - kGuardSize, picture.bytes.end(),
                     [](uint8_t byte) { return byte == kGuardByte; });
}

// Renders `mask` on a fresh white canvas of `width` x `rows` whose buffers,
// and the mask's, are followed by guard bytes: the engine writes inside the
// output only, and never into the background.
Canvas renderedInBounds(int32_t width, int32_t rows, const Picture& mask, const LayerSettings& s) {
  Canvas canvas(width, rows);
  Picture guardedMask = mask;
  for (Picture* picture : {&canvas.background, &canvas.output, &guardedMask}) addGuard(*picture);
  startRender(canvas, guardedMask, s);
  DESTRUCTION();
  EXPECT_TRUE(guardKept(canvas.output)) << "written past the output";
  EXPECT_TRUE(guardKept(guardedMask)) << "written past the mask";
  Picture untouched(width, rows);
  addGuard(untouched);
  EXPECT_EQ(canvas.background.bytes, untouched.bytes) << "the background changed";
  return canvas;
}

// A design with an edge is drawn, inside the canvas.
void expectDrawnInBounds(int32_t width, int32_t rows, const Picture& mask, const LayerSettings& s) {
  const Canvas canvas = renderedInBounds(width, rows, mask, s);
  EXPECT_NE(canvas.output.bytes, canvas.background.bytes) << "nothing drawn";
}

TEST_F(RenderBounds, EveryDeformationAmountWithEveryShadow) {
  const Picture mask = blobMask(60, 40);
  for (DeformationType type :
       {DeformationType::None, DeformationType::Rotate, DeformationType::Curve}) {
    for (int32_t amount = 0; amount <= 100; ++amount) {
      SCOPED_TRACE(testing::Message() << "deformation " << toInt(type) << ", amount " << amount);
      // None, drop shadow, cast shadow; shadow parameters up to 255 throw
      // shadows out of the picture.
      expectDrawnInBounds(70, 50, mask,
                          {.deformationType = toInt(type),
                           .effectType = amount % 3,
                           .deformationAmount = amount,
                           .effectAmount = 100 - amount,
                           .effectValue1 = (amount * 53) % 256,
                           .effectValue2 = (amount * 37) % 256,
                           .layerSlot = 1 + amount % 3});
    }
  }
}

TEST_F(RenderBounds, ShadowsAndOffsetsFarOutsideThePictureLeaveItUnchanged) {
  const Picture mask = blobMask(60, 40);
  const Picture texture = blobMask(9, 5);
  for (int32_t offset : {-100000, -5000, -70, 70, 5000, 100000}) {
    for (EffectType effect : {EffectType::DropShadow, EffectType::CastShadow, EffectType::Glow}) {
      for (int32_t slot = 1; slot <= 3; ++slot) {
        clearLayerSlots();
        Canvas canvas(50, 30, 90);
        const LayerSettings s{.columnOffset = offset,
                              .rowOffset = -offset / 2,
                              .effectType = toInt(effect),
                              .effectAmount = 100,
                              .layerSlot = slot};
        render(canvas, mask, s, &texture, 30);
        EXPECT_EQ(canvas.output.bytes, canvas.background.bytes) << offset << " " << slot;
      }
    }
  }
}

// A mask larger than the canvas, and a mask that is all element (small
// masks meet every argument in the engine's fuzz target).
TEST_F(RenderBounds, MasksLargerThanTheCanvasOrAllElement) {
  expectDrawnInBounds(631, 331, blobMask(2000, 600), {.effectType = toInt(EffectType::Outline1)});
  expectDrawnInBounds(631, 331, blobMask(2000, 600),
                      {.effectType = toInt(EffectType::Glow), .layerSlot = 3});
  // All element, the mask has no edge to shade from and no element is
  // found: nothing is drawn, in any slot, with any effect, and the render
  // keeps to its buffers.
  const Picture whole(40, 30, 0);
  for (int32_t effect = toInt(EffectType::NoContour); effect <= toInt(EffectType::Glow); ++effect)
    for (int32_t slot = 1; slot <= 3; ++slot) {
      SCOPED_TRACE(testing::Message() << "effect " << effect << ", slot " << slot);
      const Canvas canvas = renderedInBounds(40, 30, whole,
                                             {.material = slot == 3 ? 0 : 6,
                                              .effectType = effect,
                                              .effectAmount = 100,
                                              .layerSlot = slot});
      EXPECT_EQ(canvas.output.bytes, canvas.background.bytes) << "drawn from an all-element mask";
    }
}

// A raised rectangle: Raised shades its edge from the fill colour too.
std::vector<uint8_t> rendered(LayerSettings s) {
  s.columnOffset = s.rowOffset = 2;
  s.effectType = toInt(EffectType::Raised);
  s.effectAmount = 40;
  s.knotY = {30, 200, 90, 250, 10, 160};
  Canvas canvas(48, 36, 200);
  render(canvas, rectangleMask(40, 30, 6, 6, 22, 30), s);
  return canvas.output.bytes;
}

LayerSettings filled(int32_t v) { return {.fillRed = v, .fillGreen = v, .fillBlue = v}; }

LayerSettings curved(int32_t amount) {
  return {.deformationType = toInt(DeformationType::Curve), .deformationAmount = amount};
}

TEST(HostileArguments, OutOfRangeValuesRenderAsTheNearestEnd) {
  const std::tuple<const char*, LayerSettings, LayerSettings> cases[] = {
      {"fill far above a byte", filled(100000), filled(255)},
      {"fill at the 32-bit maximum", filled(INT_MAX), filled(255)},
      {"fill far below zero", filled(-100000), filled(0)},
      {"fill at the 32-bit minimum", filled(INT_MIN), filled(0)},
      {"curve amount 2^29", curved(1 << 29), curved(100)},
      {"curve amount at the 32-bit maximum", curved(INT_MAX), curved(100)},
      {"curve amount near the 32-bit minimum", curved(INT_MIN + 1), curved(0)},
      {"coinciding knots",
       {.knotX = {0, 0, 100, 150, 150, 255}},
       {.knotX = {0, 1, 100, 150, 151, 255}}},
      {"falling knots",
       {.knotX = {0, 50, 40, 150, 200, 255}},
       {.knotX = {0, 50, 51, 150, 200, 255}}},
      // No profile is built for a pattern beyond the range: every lookup
      // gives zero, the same picture for any such value.
      {"pattern at the 32-bit minimum", {.surfacePattern = INT_MIN}, {.surfacePattern = 4}},
      {"pattern at the 32-bit maximum", {.surfacePattern = INT_MAX}, {.surfacePattern = 4}},
  };
  for (const auto& [what, hostile, nearest] : cases)
    EXPECT_EQ(rendered(hostile), rendered(nearest)) << what;
  EXPECT_NE(rendered({.surfacePattern = 0}), rendered({.surfacePattern = 4}));
}

TEST(CubicSplineEdges, NeverBuiltIsZeroAndCoincidingKnotsGiveFiniteValuesThroughTheKnots) {
  for (double p : {0.0, 0.3, 1.0}) EXPECT_EQ(CubicSpline()(p), 0.0) << p;
  const double positions[] = {0, 0, 0, 255, 255, 255};
  const double values[] = {0, 40, 80, 120, 200, 255};
  const CubicSpline spline(positions, values, 6);
  for (int step = 0; step <= 20; ++step) EXPECT_TRUE(std::isfinite(spline(step / 20.0))) << step;
  // Knots 0, 1, 2 and 255, 256, 257: the value at 255 is the fourth knot's.
  EXPECT_DOUBLE_EQ(spline(1.0), 120.0 / 255);
}

}  // namespace
}  // namespace velloro::test
