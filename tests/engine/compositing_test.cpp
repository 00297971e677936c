#include <gtest/gtest.h>

#include <vector>

#include "layer_render.h"

namespace velloro::test {
namespace {

constexpr Bgr kBlue{255, 0, 0};

class Compositing : public ::testing::Test {
 protected:
  void SetUp() override {
    clearLayerSlots();
    // A profile of 0.5 everywhere shows the fill colour itself.
    flat.curveAxis = 9;
  }

  LayerSettings coloured(int32_t slot, const Bgr& colour) const {
    LayerSettings s = flat;
    s.layerSlot = slot;
    s.fillBlue = colour[0];
    s.fillGreen = colour[1];
    s.fillRed = colour[2];
    return s;
  }

  LayerSettings flat;
};

TEST_F(Compositing, SlotOneCoversTheOtherSlotsWhateverTheOrderOfRendering) {
  const Picture redMask = rectangleMask(200, 120, 40, 40, 70, 100);
  const Picture blueMask = rectangleMask(200, 120, 50, 80, 80, 140);
  for (bool slotOneFirst : {false, true}) {
    clearLayerSlots();
    Canvas canvas(200, 120);
    if (slotOneFirst) render(canvas, blueMask, coloured(1, kBlue));
    render(canvas, redMask, coloured(2, kRed));
    if (!slotOneFirst) render(canvas, blueMask, coloured(1, kBlue));
    EXPECT_EQ(canvas.at(60, 90), kBlue);
    EXPECT_EQ(canvas.at(45, 50), kRed);
    EXPECT_EQ(canvas.at(75, 130), kBlue);
    EXPECT_EQ(canvas.at(100, 170), kWhite);
  }
}

TEST_F(Compositing, RenderingSlotOneAgainReplacesOnlySlotOne) {
  Canvas canvas(200, 120);
  render(canvas, rectangleMask(200, 120, 40, 40, 70, 100), coloured(2, kRed));
  render(canvas, rectangleMask(200, 120, 50, 80, 80, 140), coloured(1, kBlue));
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
  LayerSettings s = coloured(1, kRed);
  s.columnOffset = 30;  // mask column = output column - 30
  s.rowOffset = -20;    // mask row = output row - 20 (same heights)
  render(canvas, rectangleMask(200, 120, 40, 40, 70, 100), s);
  EXPECT_EQ(canvas.at(65, 75), kRed);
  EXPECT_EQ(canvas.at(45, 45), kWhite);
}

TEST_F(Compositing, EmptyLayerSamplesKeepTheBackgroundExactly) {
  Canvas canvas(120, 100);
  for (size_t i = 0; i < canvas.background.bytes.size(); ++i) {
    canvas.background.bytes[i] = static_cast<uint8_t>(i * 37 % 251);
  }
  LayerSettings s = coloured(1, kRed);
  s.deformationType = toInt(DeformationType::Rotate);
  s.deformationAmount = 10;  // 35 degrees: samples between pixels
  render(canvas, rectangleMask(120, 100, 45, 50, 55, 70), s);
  for (int32_t r = 0; r < 100; ++r) {
    for (int32_t c = 0; c < 120; ++c) {
      if (r >= 25 && r <= 75 && c >= 30 && c <= 90) continue;
      ASSERT_EQ(canvas.at(r, c), canvas.backgroundAt(r, c)) << r << ", " << c;
    }
  }
  EXPECT_NE(canvas.at(50, 60), canvas.backgroundAt(50, 60));
}

// The output of a red rectangle layer deformed by `type` and `amount`.
std::vector<uint8_t> deformed(const Picture& mask, int32_t type, int32_t amount) {
  LayerSettings s;
  s.curveAxis = 9;
  s.fillBlue = s.fillGreen = 0;
  s.fillRed = 255;
  s.deformationType = type;
  s.deformationAmount = amount;
  Canvas canvas(120, 100);
  render(canvas, mask, s);
  return canvas.output.bytes;
}

TEST_F(Compositing, NeutralBendAmountsLeaveTheLayerUnbent) {
  const Picture mask = rectangleMask(120, 100, 30, 20, 50, 60);
  const std::vector<uint8_t> straight = deformed(mask, toInt(DeformationType::None), 0);
  for (int32_t amount : {49, 50, 51})
    EXPECT_EQ(deformed(mask, toInt(DeformationType::Curve), amount), straight) << amount;
  EXPECT_NE(deformed(mask, toInt(DeformationType::Curve), 80), straight);
}

TEST_F(Compositing, RotationByHalfAmountTurnsTheLayerHalfAround) {
  // Mask 120 x 100: the layer turns about row 50, column 60.
  const Picture mask = rectangleMask(120, 100, 20, 10, 40, 40);
  Canvas half(120, 100);
  half.output.bytes = deformed(mask, toInt(DeformationType::Rotate), 50);
  for (int32_t amount : {49, 51})
    EXPECT_EQ(deformed(mask, toInt(DeformationType::Rotate), amount), half.output.bytes) << amount;
  // Samples fall between pixels after the turn: red within rounding.
  EXPECT_EQ(half.at(70, 95)[0], 0);
  EXPECT_GE(half.at(70, 95)[2], 254);
  EXPECT_EQ(half.at(30, 25), kWhite);
}

class Shadows : public Compositing {
 protected:
  // A 21 x 21 square (rows 50..70, columns 70..90) whose only deepest
  // pixel is its centre (60, 80), on a grey picture 120 rows high.
  void renderShadow(int32_t amount, int32_t effectType = toInt(EffectType::DropShadow)) {
    LayerSettings s = coloured(1, kRed);
    s.effectType = effectType;
    s.effectAmount = amount;
    s.effectValue1 = 0;   // shadow 0.25 x 120 = 30 pixels to the left
    s.effectValue2 = 50;  // and none up or down
    render(canvas, rectangleMask(160, 120, 50, 70, 70, 90), s);
  }

  Canvas canvas{160, 120, 200};
};

TEST_F(Shadows, DropShadowOfFullStrengthDarkensTheDeepestPixelToOneFifth) {
  renderShadow(100);
  const int32_t darkest = static_cast<int32_t>(200 * (1 - 2 * 1.0 * 0.4));
  EXPECT_EQ(canvas.at(60, 50), (Bgr{darkest, darkest, darkest}));
  EXPECT_EQ(canvas.at(60, 80), kRed);
  EXPECT_EQ(canvas.at(60, 30), (Bgr{200, 200, 200}));
}

TEST_F(Shadows, DropShadowOfNoStrengthLeavesThePictureUnchanged) {
  Canvas plain(160, 120, 200);
  render(plain, rectangleMask(160, 120, 50, 70, 70, 90), coloured(1, kRed));
  renderShadow(0);
  EXPECT_EQ(canvas.output.bytes, plain.output.bytes);
}

TEST_F(Shadows, CastShadowFadesAlongItsLength) {
  LayerSettings s = coloured(1, kRed);
  s.effectType = toInt(EffectType::CastShadow);
  s.effectAmount = 100;
  s.effectValue1 = 60;  // output row i shows the shadow of layer row i^1.1
  s.effectValue2 = 0;   // straight along the columns
  render(canvas, rectangleMask(160, 120, 50, 70, 70, 90), s);
  // Row 41 shows the shadow of rows 59..60, half way down the layer:
  // its darkening of 0.8 is halved.
  const Bgr shaded = canvas.at(41, 80);
  EXPECT_EQ(shaded[0], shaded[2]);
  EXPECT_GE(shaded[0], 100);
  EXPECT_LT(shaded[0], 200);
  EXPECT_EQ(canvas.at(41, 60), (Bgr{200, 200, 200}));
}

}  // namespace
}  // namespace velloro::test
