// The pixels of a layer: its surface, its effects, its place and its slot.
#include <gtest/gtest.h>

#include <string_view>

#include "layer_render.h"

namespace velloro::test {
namespace {

// A 41 x 21 rectangle (rows 40..60, columns 40..80) on a 120 x 100 mask with
// 39 pixels of room on every side, so outer effects may reach 1000 square
// pixels; an amount of 10 then reaches 10 pixels. Row 39 - k of column 60
// lies k pixels above its top edge.
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

TEST_F(SurfaceShading, LookupPastTheLastKnotExtendsTheLastInterval) {
  settings.knotX = {0, 20, 40, 60, 80, 100};
  settings.knotY = {255, 255, 255, 255, 255, 255};
  EXPECT_GE(middlePixel()[0], 254);
}

TEST_F(SurfaceShading, PictureLayerOfMaterialZeroShowsThePictureItself) {
  Picture picture(120, 100);
  picture.setColour(kMiddleRow, kMiddleColumn, 7, 77, 177);
  settings.layerSlot = 3;
  EXPECT_EQ(middlePixel(&picture), (Bgr{7, 77, 177}));
  EXPECT_EQ(canvas.at(kMiddleRow, kMiddleColumn + 1), kWhite);
}

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

constexpr Bgr kBlue{255, 0, 0};

LayerSettings coloured(int32_t slot, const Bgr& colour) {
  return {.curveAxis = kMiddleOfCurve,
          .fillRed = colour[2],
          .fillGreen = colour[1],
          .fillBlue = colour[0],
          .layerSlot = slot};
}

using Compositing = LayerTest;

// Slots 1, 2 and 3 in any order are the "three slots" hashes; here slot 1
// rendered again at another place, or from an empty mask, replaces its layer.
TEST_F(Compositing, SlotOneCoversSlotTwoAndRenderingItAgainOrEmptyReplacesIt) {
  Canvas canvas(200, 120);
  const auto pixels = [&canvas] {
    return std::array{canvas.at(60, 90), canvas.at(45, 50), canvas.at(100, 170)};
  };
  render(canvas, rectangleMask(200, 120, 40, 40, 70, 100), coloured(2, kRed));
  render(canvas, rectangleMask(200, 120, 50, 80, 80, 140), coloured(1, kBlue));
  EXPECT_EQ(pixels(), (std::array{kBlue, kRed, kWhite}));
  render(canvas, rectangleMask(200, 120, 90, 150, 110, 190), coloured(1, kBlue));
  EXPECT_EQ(pixels(), (std::array{kRed, kRed, kBlue}));
  render(canvas, Picture(200, 120), coloured(1, kBlue));
  EXPECT_EQ(pixels(), (std::array{kRed, kRed, kWhite}));
}

}  // namespace
}  // namespace velloro::test
