#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "layer_render.h"

namespace velloro::test {
namespace {

constexpr Bgr kBlue{255, 0, 0};

// A profile of 0.5 everywhere shows the fill colour itself.
LayerSettings coloured(int32_t slot, const Bgr& colour, LayerSettings s = {}) {
  s.curveAxis = 9;
  std::tie(s.fillBlue, s.fillGreen, s.fillRed, s.layerSlot) =
      std::tuple(colour[0], colour[1], colour[2], slot);
  return s;
}

class Compositing : public LayerTest {};

TEST_F(Compositing, SlotOneCoversTheOtherSlotsWhateverTheOrderAndRenderingItAgainReplacesIt) {
  const Picture redMask = rectangleMask(200, 120, 40, 40, 70, 100);
  const Picture blueMask = rectangleMask(200, 120, 50, 80, 80, 140);
  Canvas canvas(200, 120);
  for (bool slotOneFirst : {true, false}) {
    clearLayerSlots();
    canvas = Canvas(200, 120);
    if (slotOneFirst) render(canvas, blueMask, coloured(1, kBlue));
    render(canvas, redMask, coloured(2, kRed));
    if (!slotOneFirst) render(canvas, blueMask, coloured(1, kBlue));
    EXPECT_EQ(canvas.at(60, 90), kBlue) << slotOneFirst;
    EXPECT_EQ(canvas.at(45, 50), kRed);
    EXPECT_EQ(canvas.at(75, 130), kBlue);
    EXPECT_EQ(canvas.at(100, 170), kWhite);
  }
  render(canvas, rectangleMask(200, 120, 90, 150, 110, 190), coloured(1, kBlue));
  EXPECT_EQ(canvas.at(60, 90), kRed);
  EXPECT_EQ(canvas.at(75, 130), kWhite);
  EXPECT_EQ(canvas.at(100, 170), kBlue);
  // A mask without any element leaves slot 1 empty.
  render(canvas, Picture(200, 120), coloured(1, kBlue));
  EXPECT_EQ(canvas.at(100, 170), kWhite);
  EXPECT_EQ(canvas.at(45, 50), kRed);
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

// The output of a red rectangle layer deformed by `type` and `amount`.
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
  const int32_t darkest = static_cast<int32_t>(200 * (1 - 2 * 1.0 * 0.4));
  EXPECT_EQ(full.at(60, 50), (Bgr{darkest, darkest, darkest}));
  EXPECT_EQ(full.at(60, 80), kRed);
  EXPECT_EQ(full.at(60, 30), (Bgr{200, 200, 200}));
  EXPECT_EQ(shadowed(EffectType::DropShadow, 0, 0, 50).output.bytes,
            shadowed(EffectType::NoContour, 0, 0, 0).output.bytes);
}

// Output row i shows the shadow of layer row i^1.1, straight along the
// columns: row 41 shows rows 59..60, half way down the layer, its darkening
// of 0.8 halved.
TEST_F(Compositing, CastShadowFadesAlongItsLength) {
  const Canvas canvas = shadowed(EffectType::CastShadow, 100, 60, 0);
  const Bgr shaded = canvas.at(41, 80);
  EXPECT_EQ(shaded[0], shaded[2]);
  EXPECT_GE(shaded[0], 100);
  EXPECT_LT(shaded[0], 200);
  EXPECT_EQ(canvas.at(41, 60), (Bgr{200, 200, 200}));
}

}  // namespace
}  // namespace velloro::test
