#include <gtest/gtest.h>

#include <cmath>

#include "layer_render.h"

namespace velloro::test {
namespace {

// A 41 x 21 rectangle (rows 40..60, columns 40..80) on a 120 x 100 mask with
// 39 pixels of room on every side. Its middle row lies 11 pixels from the
// top and bottom edges and is the deepest.
constexpr int32_t kTop = 40;
constexpr int32_t kMiddleRow = 50;
constexpr int32_t kMiddleColumn = 60;

Picture elementMask() { return rectangleMask(120, 100, kTop, 40, 60, 80); }

// The profile curve is read at 0.5 for curve axes other than 0..2.
constexpr int32_t kMiddleOfCurve = 9;

class SurfaceShading : public LayerTest {
 protected:
  Bgr middlePixel(const Picture* texture = nullptr) {
    render(canvas, elementMask(), settings, texture);
    return canvas.at(kMiddleRow, kMiddleColumn);
  }

  Canvas canvas{120, 100};
  LayerSettings settings{.curveAxis = kMiddleOfCurve};
};

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
    bool rimDiffers = false;
    for (int32_t k = 0; k <= kMiddleRow - kTop; ++k) {
      const Bgr value = canvas.at(kTop + k, kMiddleColumn);
      if (k + 1 >= 5) {
        EXPECT_EQ(value, (Bgr{128, 128, 128})) << toInt(metal) << " row " << kTop + k;
      } else {
        rimDiffers = rimDiffers || value != Bgr{128, 128, 128};
      }
    }
    EXPECT_TRUE(rimDiffers) << toInt(metal);
  }
}

}  // namespace
}  // namespace velloro::test
