// Renders with arguments at and beyond the edges of their ranges; run under
// AddressSanitizer and UndefinedBehaviorSanitizer these catch any access
// outside a buffer or any undefined conversion.
#include <gtest/gtest.h>

#include "layer_render.h"

namespace velloro::test {
namespace {

Picture blobMask(int32_t width, int32_t rows) {
  Picture mask(width, rows);
  mask.fillRectangle(rows / 4, width / 4, rows * 3 / 4, width / 2);
  for (int32_t r = rows / 3; r < rows * 2 / 3; ++r)
    for (int32_t c = width / 2; c < width * 3 / 4 - (r % 7); ++c) mask.setDark(r, c);
  return mask;
}

class RenderBounds : public ::testing::Test {
 protected:
  void SetUp() override { clearLayerSlots(); }
};

TEST_F(RenderBounds, EveryDeformationAmountWithEveryShadow) {
  const Picture mask = blobMask(60, 40);
  Canvas canvas(70, 50);
  for (int32_t type : {toInt(DeformationType::None), toInt(DeformationType::Rotate),
                       toInt(DeformationType::Curve)}) {
    for (int32_t amount = 0; amount <= 100; ++amount) {
      LayerSettings s;
      s.deformationType = type;
      s.deformationAmount = amount;
      s.effectType = amount % 3 == 0   ? toInt(EffectType::NoContour)
                     : amount % 3 == 1 ? toInt(EffectType::DropShadow)
                                       : toInt(EffectType::CastShadow);
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
  for (int32_t offset : {-100000, -70, 70, 100000}) {
    for (int32_t effect :
         {toInt(EffectType::DropShadow), toInt(EffectType::CastShadow), toInt(EffectType::Glow)}) {
      clearLayerSlots();
      Canvas canvas(50, 30, 90);
      LayerSettings s;
      s.columnOffset = offset;
      s.rowOffset = -offset / 2;
      s.effectType = effect;
      s.effectAmount = 100;
      render(canvas, mask, s);
      EXPECT_EQ(canvas.output.bytes, canvas.background.bytes) << offset << " " << effect;
    }
  }
}

TEST_F(RenderBounds, TinyMasksAndCanvases) {
  for (int32_t maskWidth : {1, 3, 4, 5, 8}) {
    for (int32_t maskRows : {1, 2, 5}) {
      Picture mask(maskWidth, maskRows, 0);
      for (int32_t canvasSize : {1, 2, 7}) {
        Canvas canvas(canvasSize, canvasSize);
        for (int32_t slot = 1; slot <= 3; ++slot) {
          LayerSettings s;
          s.layerSlot = slot;
          s.effectType = toInt(EffectType::Outline1);
          s.deformationType = slot % 3;
          s.deformationAmount = 30;
          render(canvas, mask, s);
        }
      }
    }
  }
}

TEST_F(RenderBounds, ElementFillingTheWholeMask) {
  Picture mask(40, 30, 0);
  Canvas canvas(40, 30);
  for (int32_t effect = toInt(EffectType::NoContour); effect <= toInt(EffectType::Glow); ++effect) {
    for (int32_t slot = 1; slot <= 3; ++slot) {
      LayerSettings s;
      s.effectType = effect;
      s.effectAmount = 100;
      s.layerSlot = slot;
      s.material = slot == 3 ? 0 : 6;
      render(canvas, mask, s);
    }
  }
}

TEST_F(RenderBounds, EveryMaterialPatternAxisAndEffectWithTexturesInAllThreeSlots) {
  const Picture mask = blobMask(48, 36);
  Picture texture(5, 3);
  for (size_t i = 0; i < texture.bytes.size(); ++i) texture.bytes[i] = static_cast<uint8_t>(i * 53);
  Canvas canvas(40, 30);
  int32_t count = 0;
  for (int32_t material = -1; material <= 8; ++material) {
    for (int32_t pattern = 0; pattern <= 4; ++pattern) {
      for (int32_t axis = 0; axis <= 3; ++axis) {
        LayerSettings s;
        s.material = material;
        s.surfacePattern = pattern;
        s.curveAxis = axis;
        s.effectType = count % 8;
        s.effectAmount = 100 - count % 101;
        s.effectValue1 = count % 256;
        s.effectValue2 = (count * 7) % 101;
        s.effectValue3 = 255;
        s.layerSlot = 1 + count % 3;
        s.columnOffset = count % 17 - 8;
        s.rowOffset = count % 13 - 6;
        s.deformationType = count % 3;
        s.deformationAmount = count % 101;
        s.knotY = {255, 0, 255, 0, 255, 0};
        render(canvas, mask, s, count % 2 == 0 ? &texture : nullptr);
        ++count;
      }
    }
  }
}

}  // namespace
}  // namespace velloro::test
