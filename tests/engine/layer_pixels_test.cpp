// The pixels of a layer: its surface, its effects, its place and its slot.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <tuple>
#include <vector>

#include "layer_render.h"

namespace velloro::test {
namespace {

// A 41 x 21 rectangle (rows 40..60, columns 40..80) on a 120 x 100 mask with
// 39 pixels of room on every side, so outer effects may reach 1000 square
// pixels; an amount of 10 then reaches 10 pixels. Its middle row lies 11
// pixels from the top and bottom edges and is the deepest. Row 39 - k of
// column 60 lies k pixels above its top edge.
constexpr int32_t kTop = 40;
constexpr int32_t kTopOutline = kTop - 1;
constexpr int32_t kMiddleRow = 50;
constexpr int32_t kMiddleColumn = 60;
constexpr Bgr kHalfRed{127, 127, 255};

Picture elementMask(int32_t firstColumn = 40) {
  return rectangleMask(120, 100, kTop, firstColumn, 60, 80);
}

// The profile curve is read at 0.5 for curve axes other than 0..2: a flat
// profile that shows the fill colour itself.
constexpr int32_t kMiddleOfCurve = 9;

class ElementLayer : public LayerTest {
 protected:
  Bgr middlePixel(const Picture* texture = nullptr) {
    render(canvas, elementMask(), settings, texture);
    return canvas.at(kMiddleRow, kMiddleColumn);
  }
  void renderEffect(EffectType type, int32_t amount, const Picture& mask = elementMask()) {
    settings.effectType = toInt(type);
    settings.effectAmount = amount;
    settings.effectValue1 = 255;  // red
    render(canvas, mask, settings);
  }
  Bgr above(int32_t k) const { return canvas.at(kTopOutline - k, kMiddleColumn); }

  Canvas canvas{120, 100};
  LayerSettings settings{.curveAxis = kMiddleOfCurve};
};
using SurfaceShading = ElementLayer;
using OuterEffects = ElementLayer;

// Knots of a flat profile curve at `v`.
std::array<int32_t, 6> flatCurve(int32_t v) { return {v, v, v, v, v, v}; }

TEST_F(SurfaceShading, MaterialZeroDarkensBelowOneHalfAndLightensAbove) {
  settings.fillBlue = 0;
  settings.fillGreen = 128;
  settings.fillRed = 255;
  for (const auto& [knots, expected] : {std::pair{flatCurve(0), Bgr{0, 0, 0}},
                                        {LayerSettings{}.knotY, Bgr{0, 128, 255}},
                                        {flatCurve(255), kWhite}}) {
    settings.knotY = knots;
    EXPECT_EQ(middlePixel(), expected) << knots[0];
  }
}

TEST_F(SurfaceShading, LookupPastTheLastKnotExtendsTheLastInterval) {
  settings.knotX = {0, 20, 40, 60, 80, 100};
  settings.knotY = flatCurve(255);
  EXPECT_GE(middlePixel()[0], 254);
}

TEST_F(SurfaceShading, TiledTextureReplacesTheFillColour) {
  Picture texture(4, 4);  // rows of 12 bytes: no padding
  for (size_t i = 0; i < texture.bytes.size(); ++i) texture.bytes[i] = 10 * (1 + i % 3);
  EXPECT_EQ(middlePixel(&texture), (Bgr{10, 20, 30}));
}

TEST_F(SurfaceShading, PictureLayerOfMaterialZeroShowsThePictureItself) {
  Picture picture(120, 100);
  picture.setColour(kMiddleRow, kMiddleColumn, 7, 77, 177);
  settings.layerSlot = 3;
  EXPECT_EQ(middlePixel(&picture), (Bgr{7, 77, 177}));
  EXPECT_EQ(canvas.at(kMiddleRow, kMiddleColumn + 1), kWhite);
}

TEST_F(SurfaceShading, MetalsFadeToTheProfileBetweenFourAndFivePixelsFromTheOutline) {
  for (Material metal : {Material::Steel, Material::Gold}) {
    settings.material = toInt(metal);
    render(canvas, elementMask(), settings);
    EXPECT_NE(canvas.at(kTop, kMiddleColumn), (Bgr{128, 128, 128})) << toInt(metal);
    for (int32_t k = 4; k <= kMiddleRow - kTop; ++k)
      EXPECT_EQ(canvas.at(kTop + k, kMiddleColumn), (Bgr{128, 128, 128}))
          << toInt(metal) << " row " << kTop + k;
  }
}

// A notch 23 pixels wide and 16 deep cut into the top of the rectangle:
// walls end at columns 49 and 73, its floor starts at row 56.
Picture notchedMask() {
  Picture mask = elementMask();
  for (int32_t r = 40; r <= 55; ++r)
    for (int32_t c = 50; c <= 72; ++c) mask.setColour(r, c, 255, 255, 255);
  return mask;
}
constexpr int32_t kNotchRow = 44;     // 12 rows above the floor
constexpr int32_t kNotchMiddle = 61;  // 12 columns from either wall

// One letter a pixel along a line from `first` on: R red, h half red, W white.
template <typename PixelAt>
void expectLine(int32_t first, std::string_view letters, PixelAt pixelAt) {
  for (const char letter : letters) {
    EXPECT_EQ(pixelAt(first), letter == 'R' ? kRed : letter == 'h' ? kHalfRed : kWhite) << first;
    ++first;
  }
}

TEST_F(OuterEffects, OutlineTwoDrawsARingAtItsReachAndNoneBelowFourPixels) {
  renderEffect(EffectType::Outline2, 10);
  expectLine(1, "WWWWhRRRhWW", [this](int32_t k) { return above(k); });
  renderEffect(EffectType::Outline2, 1);  // reach sqrt(10) pixels
  expectLine(1, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", [this](int32_t k) { return above(k); });
}

TEST_F(OuterEffects, GlowFadesLinearlyToItsReach) {
  renderEffect(EffectType::Glow, 10);
  for (int32_t k = 1; k <= 12; ++k) {
    const int32_t blue = static_cast<int32_t>(255 * (std::min(k, 10) * 10 * 0.01));
    EXPECT_EQ(above(k), (Bgr{blue, blue, 255})) << k;
  }
}

// Raised at 100 % reaches sqrt(150) = 12.247 pixels and fades over the last
// two: d pixels out, 100 (1 - (12.247 - d) / 2) percent shows, truncated.
TEST(RaisedBorder, FadesOverTheLastTwoPixelsOfItsReach) {
  LayerSettings raised;
  raised.effectType = toInt(EffectType::Raised);
  raised.effectAmount = 100;
  Canvas canvas(60, 60);
  render(canvas, rectangleMask(60, 60, 20, 25, 39, 44), raised);
  const PixelMap<uint8_t>& transparency = engineState().slots.find(1)->maps.transparency;
  const std::pair<int32_t, int> kByDistance[] = {{10, 0}, {11, 37}, {12, 87}, {13, 222}};
  for (const auto& [distance, percent] : kByDistance)
    EXPECT_EQ(transparency[30 * 60 + 24 - distance], percent) << distance;
}

// An element touching the mask's border leaves no room for an effect.
TEST_F(OuterEffects, NoRoomOrNoAmountPaintsNothing) {
  for (const auto& [firstColumn, amount] : {std::pair{0, 100}, {40, 0}}) {
    Canvas plain(120, 100);
    render(plain, elementMask(firstColumn), {.curveAxis = kMiddleOfCurve});
    for (EffectType type : {EffectType::Engraved, EffectType::Raised, EffectType::Outline1,
                            EffectType::Outline2, EffectType::Glow}) {
      clearLayerSlots();
      renderEffect(type, amount, elementMask(firstColumn));
      EXPECT_EQ(canvas.output.bytes, plain.output.bytes) << toInt(type) << " " << amount;
    }
  }
}

TEST_F(OuterEffects, StraightEdgePixelsShowTheBackgroundHalfThrough) {
  settings.fillBlue = settings.fillGreen = settings.fillRed = 0;
  render(canvas, elementMask(), settings);
  // The outline pixel's point sits at its centre: the row below is the layer,
  // the row above and the next outline pixel are empty, half the weight in all.
  EXPECT_EQ(above(0), (Bgr{127, 127, 127}));
  EXPECT_EQ(above(1), kWhite);
  EXPECT_EQ(canvas.at(kTopOutline + 1, kMiddleColumn), (Bgr{0, 0, 0}));
}

// An outline reaches R = sqrt(G a / 100) pixels, G = min(m^2, 1000): a notch
// wider than 2 R keeps its middle unpainted, one within reach is filled.
TEST_F(OuterEffects, OutlineFillsANotchOnlyUpToItsReach) {
  const auto across = [this](int32_t column) { return canvas.at(kNotchRow, column); };
  const auto down = [this](int32_t row) { return canvas.at(row, kNotchMiddle); };
  renderEffect(EffectType::Outline1, 10, notchedMask());  // R = 10
  expectLine(51, "RRRRRRRRhWWWhRRRRRRRR", across);
  expectLine(26, "WWWWWWWWWWWWWWWWWWWWhRRRRRRRR", down);
  renderEffect(EffectType::Outline1, 20, notchedMask());  // R = sqrt(200), a little over 14
  expectLine(51, "RRRRRRRRRRRRRRRRRRRRR", across);
  expectLine(38, "RRRRRRRRRRRRRRRRR", down);
}

constexpr Bgr kBlue{255, 0, 0};

LayerSettings coloured(int32_t slot, const Bgr& colour, LayerSettings s = {}) {
  s.curveAxis = kMiddleOfCurve;
  std::tie(s.fillBlue, s.fillGreen, s.fillRed, s.layerSlot) =
      std::tuple(colour[0], colour[1], colour[2], slot);
  return s;
}

using Compositing = LayerTest;

TEST_F(Compositing, SlotOneCoversTheOtherSlotsWhateverTheOrderAndRenderingItAgainReplacesIt) {
  const Picture redMask = rectangleMask(200, 120, 40, 40, 70, 100);
  const Picture blueMask = rectangleMask(200, 120, 50, 80, 80, 140);
  Canvas canvas(200, 120);
  const auto pixels = [&canvas] {
    return std::array{canvas.at(60, 90), canvas.at(45, 50), canvas.at(75, 130),
                      canvas.at(100, 170)};
  };
  for (bool slotOneFirst : {true, false}) {
    clearLayerSlots();
    canvas = Canvas(200, 120);
    if (slotOneFirst) render(canvas, blueMask, coloured(1, kBlue));
    render(canvas, redMask, coloured(2, kRed));
    if (!slotOneFirst) render(canvas, blueMask, coloured(1, kBlue));
    EXPECT_EQ(pixels(), (std::array{kBlue, kRed, kBlue, kWhite})) << slotOneFirst;
  }
  render(canvas, rectangleMask(200, 120, 90, 150, 110, 190), coloured(1, kBlue));
  EXPECT_EQ(pixels(), (std::array{kRed, kRed, kWhite, kBlue}));
  // A mask without any element leaves slot 1 empty.
  render(canvas, Picture(200, 120), coloured(1, kBlue));
  EXPECT_EQ(pixels(), (std::array{kRed, kRed, kWhite, kWhite}));
}

TEST_F(Compositing, OffsetsPlaceTheLayer) {
  Canvas canvas(200, 120);
  // Mask column = output column - 30, mask row = output row - 20 (same heights).
  const LayerSettings s{.columnOffset = 30, .rowOffset = -20};
  render(canvas, rectangleMask(200, 120, 40, 40, 70, 100), coloured(1, kRed, s));
  EXPECT_EQ(canvas.at(65, 75), kRed);
  EXPECT_EQ(canvas.at(45, 45), kWhite);
}

TEST_F(Compositing, EmptyLayerSamplesKeepTheBackgroundExactly) {
  Canvas canvas(120, 100);
  paintPattern(canvas.background);
  // An amount of 10 turns the layer by 35 degrees: samples fall between pixels.
  const LayerSettings s{.deformationType = toInt(DeformationType::Rotate), .deformationAmount = 10};
  render(canvas, rectangleMask(120, 100, 45, 50, 55, 70), coloured(1, kRed, s));
  for (int32_t r = 0; r < 100; ++r)
    for (int32_t c = 0; c < 120; ++c) {
      if (r >= 25 && r <= 75 && c >= 30 && c <= 90) continue;
      ASSERT_EQ(canvas.at(r, c), canvas.background.at(r, c)) << r << ", " << c;
    }
  EXPECT_NE(canvas.at(50, 60), canvas.background.at(50, 60));
}

Canvas deformed(const Picture& mask, DeformationType type, int32_t amount) {
  Canvas canvas(120, 100);
  render(canvas, mask,
         coloured(1, kRed, {.deformationType = toInt(type), .deformationAmount = amount}));
  return canvas;
}

// Mask 120 x 100: the layer turns about row 50, column 60.
TEST_F(Compositing, AmountsNearHalfNeitherBendTheLayerNorTurnItOtherThanHalfAround) {
  const Picture mask = rectangleMask(120, 100, 20, 10, 40, 40);
  const std::vector<uint8_t> straight = deformed(mask, DeformationType::None, 0).output.bytes;
  const Canvas half = deformed(mask, DeformationType::Rotate, 50);
  for (int32_t amount : {49, 50, 51}) {
    EXPECT_EQ(deformed(mask, DeformationType::Curve, amount).output.bytes, straight) << amount;
    EXPECT_EQ(deformed(mask, DeformationType::Rotate, amount).output.bytes, half.output.bytes);
  }
  EXPECT_NE(deformed(mask, DeformationType::Curve, 80).output.bytes, straight);
  // Samples fall between pixels after the turn: red within rounding.
  EXPECT_EQ(half.at(70, 95)[0], 0);
  EXPECT_GE(half.at(70, 95)[2], 254);
  EXPECT_EQ(half.at(30, 25), kWhite);
}

// A 21 x 21 square (rows 50..70, columns 70..90) whose only deepest pixel is
// its centre (60, 80), on a grey picture 120 rows high.
Canvas shadowed(EffectType type, int32_t amount, int32_t value1, int32_t value2) {
  const LayerSettings s{.effectType = toInt(type),
                        .effectAmount = amount,
                        .effectValue1 = value1,
                        .effectValue2 = value2};
  Canvas canvas(160, 120, 200);
  render(canvas, rectangleMask(160, 120, 50, 70, 70, 90), coloured(1, kRed, s));
  return canvas;
}

// Shadow 0.25 x 120 = 30 pixels to the left, none up or down.
TEST_F(Compositing, DropShadowDarkensTheDeepestPixelToOneFifthAtFullStrengthAndNothingAtNone) {
  const Canvas full = shadowed(EffectType::DropShadow, 100, 0, 50);
  EXPECT_EQ(full.at(60, 50), (Bgr{39, 39, 39}));  // a fifth of 200, below 40 in floating point
  EXPECT_EQ(full.at(60, 80), kRed);
  EXPECT_EQ(full.at(60, 30), (Bgr{200, 200, 200}));
  EXPECT_EQ(shadowed(EffectType::DropShadow, 0, 0, 50).output.bytes,
            shadowed(EffectType::NoContour, 0, 0, 0).output.bytes);
}

}  // namespace
}  // namespace velloro::test
