#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "layer_render.h"

namespace velloro::test {
namespace {

// The rectangle of rows 40..60, columns 40..80 on a 120 x 100 mask leaves 39
// pixels of room, so effects may reach 1000 square pixels; an amount of 10
// then reaches 10 pixels. Row 39 - k of column 60 lies k pixels above its
// top edge.
constexpr int32_t kTopOutline = 39;
constexpr int32_t kColumn = 60;
constexpr Bgr kHalfRed{127, 127, 255};

Picture elementMask(int32_t firstColumn = 40) {
  return rectangleMask(120, 100, 40, firstColumn, 60, 80);
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

class OuterEffects : public LayerTest {
 protected:
  void renderEffect(EffectType type, int32_t amount, const Picture& mask = elementMask()) {
    settings.effectType = toInt(type);
    settings.effectAmount = amount;
    render(canvas, mask, settings);
  }
  Bgr above(int32_t k) const { return canvas.at(kTopOutline - k, kColumn); }

  Canvas canvas{120, 100};
  LayerSettings settings{.effectValue1 = 255};  // red
};

TEST_F(OuterEffects, OutlineOneCoversFullyUpToTwoPixelsBeforeItsReach) {
  renderEffect(EffectType::Outline1, 10);
  expectLine(1, "RRRRRRRRhWWWWWWWWWWWWWWWWWWWWWWWWWWW", [this](int32_t k) { return above(k); });
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

TEST_F(OuterEffects, RaisedBorderIsLitAndFadesOverItsLastTwoPixels) {
  renderEffect(EffectType::Raised, 100);  // reach sqrt(150) pixels
  EXPECT_NE(above(1), kWhite);
  EXPECT_NE(above(12), kWhite);
  EXPECT_EQ(above(13), kWhite);
}

TEST_F(OuterEffects, EngravingNeverBrightens) {
  canvas = Canvas(120, 100, 128);
  renderEffect(EffectType::Engraved, 100);
  for (int32_t r = 0; r < 100; ++r)
    for (int32_t c = 0; c < 120; ++c) {
      if (r >= kTopOutline - 1 && r <= 62 && c >= 38 && c <= 82) continue;  // near the element
      for (int32_t channel : canvas.at(r, c)) ASSERT_LE(channel, 128) << r << ", " << c;
    }
  EXPECT_LT(above(1)[0], 128);
  EXPECT_EQ(canvas.at(2, 2), (Bgr{128, 128, 128}));
}

// An element touching the mask's border leaves no room for an effect, and
// an amount of zero reaches nowhere.
TEST_F(OuterEffects, NoRoomOrNoAmountPaintsNothing) {
  for (const auto& [firstColumn, amount] : {std::pair{0, 100}, {40, 0}}) {
    Canvas plain(120, 100);
    render(plain, elementMask(firstColumn), LayerSettings{});
    for (EffectType type : {EffectType::Engraved, EffectType::Raised, EffectType::Outline1,
                            EffectType::Outline2, EffectType::Glow}) {
      clearLayerSlots();
      renderEffect(type, amount, elementMask(firstColumn));
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

// An outline reaches R = sqrt(G a / 100) pixels, G = min(m^2, 1000); a pixel
// farther than R from the outline is left alone. Where a notch is wider than
// 2 R its middle stays unpainted: the light sliver between two letters; an
// outline with the reach of the notch fills it.
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

}  // namespace
}  // namespace velloro::test
