// Renders with arguments at and beyond the edges of their ranges: the engine
// takes each as the nearest end of its range, or renders a defined picture.
// Run under AddressSanitizer and UndefinedBehaviorSanitizer these also catch
// any access outside a buffer, any overflow or division by zero.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "layer_render.h"
#include "spline.h"

namespace velloro::test {
namespace {

Picture blobMask(int32_t width, int32_t rows) {
  Picture mask(width, rows);
  mask.fillRectangle(rows / 4, width / 4, rows * 3 / 4, width / 2);
  for (int32_t r = rows / 3; r < rows * 2 / 3; ++r)
    for (int32_t c = width / 2; c < width * 3 / 4 - (r % 7); ++c) mask.setDark(r, c);
  return mask;
}

class RenderBounds : public LayerTest {};

TEST_F(RenderBounds, EveryDeformationAmountWithEveryShadow) {
  const Picture mask = blobMask(60, 40);
  Canvas canvas(70, 50);
  for (DeformationType type :
       {DeformationType::None, DeformationType::Rotate, DeformationType::Curve}) {
    for (int32_t amount = 0; amount <= 100; ++amount) {
      LayerSettings s;
      s.deformationType = toInt(type);
      s.deformationAmount = amount;
      s.effectType = amount % 3;  // none, drop shadow, cast shadow
      s.effectAmount = 100 - amount;
      // Shadow parameters up to 255 throw shadows out of the picture.
      s.effectValue1 = (amount * 53) % 256;
      s.effectValue2 = (amount * 37) % 256;
      s.layerSlot = 1 + amount % 3;
      render(canvas, mask, s);
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
  Canvas canvas(631, 331);
  render(canvas, blobMask(2000, 600), {.effectType = toInt(EffectType::Outline1)});
  render(canvas, blobMask(2000, 600), {.effectType = toInt(EffectType::Glow), .layerSlot = 3});
  const Picture whole(40, 30, 0);
  canvas = Canvas(40, 30);
  for (int32_t effect = toInt(EffectType::NoContour); effect <= toInt(EffectType::Glow); ++effect)
    for (int32_t slot = 1; slot <= 3; ++slot)
      render(canvas, whole,
             {.material = slot == 3 ? 0 : 6,
              .effectType = effect,
              .effectAmount = 100,
              .layerSlot = slot});
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

LayerSettings filled(int32_t fill) {
  return {.fillRed = fill, .fillGreen = fill, .fillBlue = fill};
}

LayerSettings curved(int32_t amount) {
  return {.deformationType = toInt(DeformationType::Curve), .deformationAmount = amount};
}

TEST(HostileArguments, OutOfRangeValuesRenderAsTheNearestEnd) {
  struct Case {
    const char* what;
    LayerSettings hostile;
    LayerSettings nearest;
  };
  const Case cases[] = {
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
  };
  for (const Case& c : cases) EXPECT_EQ(rendered(c.hostile), rendered(c.nearest)) << c.what;
}

TEST(HostileArguments, SurfacePatternOutsideItsRangeShadesWithAFlatZeroCurve) {
  // No profile is built for such a pattern: every lookup gives zero, the
  // same picture for any such value.
  const std::vector<uint8_t> beyond = rendered({.surfacePattern = 4});
  EXPECT_EQ(rendered({.surfacePattern = INT_MIN}), beyond);
  EXPECT_EQ(rendered({.surfacePattern = INT_MAX}), beyond);
  EXPECT_NE(rendered({.surfacePattern = 0}), beyond);
}

TEST(CubicSplineEdges, SplineNeverBuiltIsZeroEverywhere) {
  const CubicSpline unbuilt;
  for (double p : {0.0, 0.3, 1.0}) EXPECT_EQ(unbuilt(p), 0.0) << p;
}

TEST(CubicSplineEdges, CoincidingKnotsGiveFiniteValuesThroughTheKnots) {
  const double positions[] = {0, 0, 0, 255, 255, 255};
  const double values[] = {0, 40, 80, 120, 200, 255};
  const CubicSpline spline(positions, values, 6);
  for (int step = 0; step <= 20; ++step) EXPECT_TRUE(std::isfinite(spline(step / 20.0))) << step;
  // Knots 0, 1, 2 and 255, 256, 257: the value at 255 is the fourth knot's.
  EXPECT_DOUBLE_EQ(spline(1.0), 120.0 / 255);
}

}  // namespace
}  // namespace velloro::test
