// A layer of one rectangle: the shading of its surface and the effects
// painted around it.
#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

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

int32_t lighten(double w, int32_t base) {
  return static_cast<int32_t>(w < 0.5 ? 2 * w * base : 255 - 2 * (1 - w) * (255 - base));
}

TEST_F(SurfaceShading, StraightCurveAlongDepthIsBrightAtTheOutlineAndDarkInTheMiddle) {
  settings.curveAxis = toInt(CurveAxis::CentreToEdge);
  render(canvas, elementMask(), settings);
  int32_t previous = 256;
  for (int32_t k = 0; k <= kMiddleRow - kTop; ++k) {
    // k + 1 pixels from the top edge, the deepest pixel being 11 away.
    const double depthTerm = 1 - (k + 1) / 11.0;
    const int32_t value = canvas.at(kTop + k, kMiddleColumn)[0];
    EXPECT_NEAR(value, lighten(std::max(depthTerm, 0.01), 128), 1) << "row " << kTop + k;
    EXPECT_LT(value, previous);
    previous = value;
  }
}

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
  Picture texture(4, 4);
  for (int32_t r = 0; r < 4; ++r)
    for (int32_t c = 0; c < 4; ++c) texture.setColour(r, c, 10, 20, 30);
  EXPECT_EQ(middlePixel(&texture), (Bgr{10, 20, 30}));
}

TEST_F(SurfaceShading, PictureLayerOfMaterialZeroShowsThePictureItself) {
  Picture picture(120, 100);
  picture.setColour(kMiddleRow, kMiddleColumn, 7, 77, 177);
  settings.layerSlot = 3;
  EXPECT_EQ(middlePixel(&picture), (Bgr{7, 77, 177}));
  EXPECT_EQ(canvas.at(kMiddleRow, kMiddleColumn + 1), kWhite);
}

TEST_F(SurfaceShading, RipplesRepeatEveryElevenPixels) {
  settings.surfacePattern = toInt(SurfacePatternType::Ripples);
  render(canvas, elementMask(), settings);
  bool varies = false;
  for (int32_t r = 42; r < 47; ++r) {
    for (int32_t c = 44; c < 55; ++c) {
      EXPECT_EQ(canvas.at(r, c), canvas.at(r + 11, c));
      EXPECT_EQ(canvas.at(r, c), canvas.at(r, c + 11));
      varies = varies || canvas.at(r, c) != canvas.at(r, c + 1);
    }
  }
  EXPECT_TRUE(varies);
}

TEST_F(SurfaceShading, GrainStaysWithinItsRange) {
  settings.surfacePattern = toInt(SurfacePatternType::Grain);
  render(canvas, elementMask(), settings);
  // W = 0.3..0.7 blended into V = 0.5 gives 0.3..0.7.
  for (int32_t c = 42; c < 79; ++c) {
    EXPECT_GE(canvas.at(kMiddleRow, c)[1], lighten(0.3, 128));
    EXPECT_LE(canvas.at(kMiddleRow, c)[1], lighten(0.7, 128));
  }
}

TEST_F(SurfaceShading, StreaksStartFromAnEmptyRing) {
  settings.surfacePattern = toInt(SurfacePatternType::Streaks);
  render(canvas, elementMask(), settings);
  // The first pixel sees at most one streak of 40: W <= 0.025.
  EXPECT_LE(canvas.at(kTop, 40)[1], lighten(0.025, 128));
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
  // The outline pixel's point sits at its centre: the row below is the
  // layer, the row above and the next outline pixel are empty, half the
  // weight in all.
  EXPECT_EQ(above(0), (Bgr{127, 127, 127}));
  EXPECT_EQ(above(1), kWhite);
  EXPECT_EQ(canvas.at(kTopOutline + 1, kMiddleColumn), (Bgr{0, 0, 0}));
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
