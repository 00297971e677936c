#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "layer_render.h"

namespace velloro::test {
namespace {

// The rectangle of rows 40..60, columns 40..80 on a 120 x 100 mask leaves 39
// pixels of room, so effects may reach 1000 square pixels; an amount of 10
// then reaches 10 pixels. Row 39 - k of column 60 lies k pixels above its
// top edge.
constexpr int32_t kTopOutline = 39;
constexpr int32_t kColumn = 60;

Picture elementMask(int32_t firstColumn = 40) {
  return rectangleMask(120, 100, 40, firstColumn, 60, 80);
}

class OuterEffects : public ::testing::Test {
 protected:
  void SetUp() override {
    clearLayerSlots();
    settings.effectAmount = 10;
    settings.effectValue1 = 255;  // red
  }

  Bgr above(int32_t k) const { return canvas.at(kTopOutline - k, kColumn); }

  Canvas canvas{120, 100};
  LayerSettings settings;
};

constexpr Bgr kHalfRed{127, 127, 255};

TEST_F(OuterEffects, OutlineOneCoversFullyUpToTwoPixelsBeforeItsReach) {
  settings.effectType = toInt(EffectType::Outline1);
  render(canvas, elementMask(), settings);
  for (int32_t k = 1; k <= 8; ++k) EXPECT_EQ(above(k), kRed) << k;
  EXPECT_EQ(above(9), kHalfRed);
  for (int32_t k = 10; k <= 36; ++k) EXPECT_EQ(above(k), kWhite) << k;
}

TEST_F(OuterEffects, GlowFadesLinearlyToItsReach) {
  settings.effectType = toInt(EffectType::Glow);
  render(canvas, elementMask(), settings);
  for (int32_t k = 1; k <= 12; ++k) {
    const double transparency = std::min(k, 10) * 10 * 0.01;
    const int32_t blue = static_cast<int32_t>(255 * transparency);
    EXPECT_EQ(above(k), (Bgr{blue, blue, 255})) << k;
  }
}

TEST_F(OuterEffects, OutlineTwoDrawsARingAtItsReach) {
  settings.effectType = toInt(EffectType::Outline2);
  render(canvas, elementMask(), settings);
  const std::vector<Bgr> expected{kWhite, kWhite, kWhite,   kWhite, kHalfRed, kRed,
                                  kRed,   kRed,   kHalfRed, kWhite, kWhite};
  for (int32_t k = 1; k <= 11; ++k) EXPECT_EQ(above(k), expected[k - 1]) << k;
}

TEST_F(OuterEffects, OutlineTwoBelowFourPixelsLeavesNoRing) {
  settings.effectType = toInt(EffectType::Outline2);
  settings.effectAmount = 1;  // reach sqrt(10) pixels
  render(canvas, elementMask(), settings);
  for (int32_t k = 1; k <= 36; ++k) EXPECT_EQ(above(k), kWhite) << k;
}

TEST_F(OuterEffects, RaisedBorderIsLitAndFadesOverItsLastTwoPixels) {
  settings.effectType = toInt(EffectType::Raised);
  settings.effectAmount = 100;  // reach sqrt(150) pixels
  render(canvas, elementMask(), settings);
  EXPECT_NE(above(1), kWhite);
  EXPECT_NE(above(12), kWhite);
  EXPECT_EQ(above(13), kWhite);
}

TEST_F(OuterEffects, EngravingNeverBrightens) {
  Canvas grey(120, 100, 128);
  settings.effectType = toInt(EffectType::Engraved);
  settings.effectAmount = 100;
  render(grey, elementMask(), settings);
  for (int32_t r = 0; r < 100; ++r) {
    for (int32_t c = 0; c < 120; ++c) {
      const bool nearElement = r >= kTopOutline - 1 && r <= 62 && c >= 38 && c <= 82;
      if (nearElement) continue;
      for (int32_t channel : grey.at(r, c)) ASSERT_LE(channel, 128) << r << ", " << c;
    }
  }
  EXPECT_LT(grey.at(kTopOutline - 1, kColumn)[0], 128);
  EXPECT_EQ(grey.at(2, 2), (Bgr{128, 128, 128}));
}

// An element touching the mask's border leaves no room for an effect, and
// an amount of zero reaches nowhere.
TEST_F(OuterEffects, NoRoomOrNoAmountPaintsNothing) {
  const LayerSettings none = settings;
  for (const auto& [firstColumn, amount] : {std::pair{0, 100}, {40, 0}}) {
    Canvas plain(120, 100);
    render(plain, elementMask(firstColumn), none);
    for (EffectType type : {EffectType::Engraved, EffectType::Raised, EffectType::Outline1,
                            EffectType::Outline2, EffectType::Glow}) {
      clearLayerSlots();
      settings.effectType = toInt(type);
      settings.effectAmount = amount;
      render(canvas, elementMask(firstColumn), settings);
      EXPECT_EQ(canvas.output.bytes, plain.output.bytes) << toInt(type) << " " << amount;
    }
  }
}

TEST_F(OuterEffects, StraightEdgePixelsShowTheBackgroundHalfThrough) {
  settings.curveAxis = 9;  // flat profile of 0.5: the fill colour itself
  settings.fillBlue = settings.fillGreen = settings.fillRed = 0;
  render(canvas, elementMask(), settings);
  // The outline pixel's point sits at its centre: the row below is the
  // layer, the row above and the next outline pixel are empty, half the
  // weight in all.
  EXPECT_EQ(above(0), (Bgr{127, 127, 127}));
  EXPECT_EQ(above(1), kWhite);
  EXPECT_EQ(canvas.at(kTopOutline + 1, kColumn), (Bgr{0, 0, 0}));
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

// An outline reaches R = sqrt(G a / 100) pixels, G = min(m^2, 1000); a pixel
// farther than R from the outline is left alone. Where a notch is wider than
// 2 R its middle stays unpainted: the light sliver between two letters.
TEST_F(OuterEffects, OutlineLeavesTheMiddleOfANotchWiderThanTwiceItsReach) {
  settings.effectType = toInt(EffectType::Outline1);
  render(canvas, notchedMask(), settings);  // R = 10
  for (int32_t c = 51; c <= 58; ++c) EXPECT_EQ(canvas.at(kNotchRow, c), kRed) << c;
  EXPECT_EQ(canvas.at(kNotchRow, 59), kHalfRed);
  for (int32_t c = 60; c <= 62; ++c) EXPECT_EQ(canvas.at(kNotchRow, c), kWhite) << c;
  EXPECT_EQ(canvas.at(kNotchRow, 63), kHalfRed);
  for (int32_t c = 64; c <= 71; ++c) EXPECT_EQ(canvas.at(kNotchRow, c), kRed) << c;
  // Down the middle: open above, painted within the reach of the floor.
  for (int32_t r = 26; r <= 45; ++r) EXPECT_EQ(canvas.at(r, kNotchMiddle), kWhite) << r;
  EXPECT_EQ(canvas.at(46, kNotchMiddle), kHalfRed);
  for (int32_t r = 47; r <= 54; ++r) EXPECT_EQ(canvas.at(r, kNotchMiddle), kRed) << r;
}

TEST_F(OuterEffects, OutlineWithTheReachOfTheNotchFillsIt) {
  settings.effectType = toInt(EffectType::Outline1);
  settings.effectAmount = 20;  // R = sqrt(200), a little over 14
  render(canvas, notchedMask(), settings);
  for (int32_t c = 51; c <= 71; ++c) EXPECT_EQ(canvas.at(kNotchRow, c), kRed) << c;
  for (int32_t r = 38; r <= 54; ++r) EXPECT_EQ(canvas.at(r, kNotchMiddle), kRed) << r;
}

}  // namespace
}  // namespace velloro::test
