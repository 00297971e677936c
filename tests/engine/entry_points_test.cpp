#include <gtest/gtest.h>

#include "engine.h"
#include "engine_state.h"
#include "mask_picture.h"

namespace velloro::test {
namespace {

struct Call {
  int32_t columnOffset = 0;
  int32_t rowOffset = 0;
  int32_t effectType = toInt(EffectType::Engraved);
  int32_t layerSlot = 1;
  int32_t smoothingSize = 75;
};

void action(Picture& mask, Picture& source, Picture& output, const Call& call) {
  ACTION(mask.data(), source.data(), output.data(), mask.stride, mask.rows, output.stride,
         output.rows, call.columnOffset, call.rowOffset, call.smoothingSize, 0, 2, 0, 0,
         call.effectType, 50, 50, 255, 0, 0, 40, 90, 200, call.layerSlot, 0, 50, 100, 150, 200, 255,
         0, 50, 100, 150, 200, 255);
}

Picture background(int32_t width, int32_t rows) {
  Picture picture(width, rows);
  for (size_t i = 0; i < picture.bytes.size(); ++i)
    picture.bytes[i] = static_cast<uint8_t>(i * 31 % 251);
  return picture;
}

TEST(Action, MaskNarrowerThanFourPixelsGivesThePlainCopyAndInvalidatesTheSlot) {
  Picture mask(3, 10, 0);  // stride 12 would be W = 4; pass 9 bytes for W = 3
  Picture source = background(20, 10);
  Picture output(20, 10, 1);
  engineState().slots.find(2)->valid = true;
  ACTION(mask.data(), source.data(), output.data(), 9, mask.rows, output.stride, output.rows, 0, 0,
         75, 0, 2, 0, 0, 3, 50, 50, 0, 0, 0, 0, 0, 0, 2, 0, 50, 100, 150, 200, 255, 0, 50, 100, 150,
         200, 255);
  EXPECT_EQ(output.bytes, source.bytes);
  EXPECT_FALSE(engineState().slots.find(2)->valid);
  EXPECT_EQ(engineState().render, nullptr);
  DESTRUCTION();
}

TEST(Action, PaddedStrideOfAThreePixelMaskCountsAsFourPixels) {
  Picture mask(3, 10);  // stride 12: W = 4, one column scanned
  mask.setDark(5, 0);
  Picture source = background(20, 10);
  Picture output(20, 10);
  action(mask, source, output, {});
  ASSERT_NE(engineState().render, nullptr);
  EXPECT_EQ(engineState().render->geometry.width, 4);
  // Left of column 0 (the previous row's last cell), above and below.
  EXPECT_EQ(engineState().render->geometry.pointCount, 3);
  DESTRUCTION();
}

TEST(Destruction, IsHarmlessTwiceOrWithoutAction) {
  DESTRUCTION();
  DESTRUCTION();
  Picture mask = rectangleMask(30, 20, 5, 5, 12, 20);
  Picture source = background(40, 30);
  Picture output(40, 30);
  action(mask, source, output, {});
  EXPECT_NE(engineState().render, nullptr);
  DESTRUCTION();
  EXPECT_EQ(engineState().render, nullptr);
  DESTRUCTION();
}

// The layers now land on the output, so what these catch are accesses
// outside a buffer, under the sanitizers.
TEST(Action, OddSizesAndFarOffsetsStayInsideTheBuffers) {
  struct Case {
    int32_t maskWidth, maskRows, outputWidth, outputRows;
    Call call;
  };
  const Case cases[] = {
      {1, 1, 1, 1, {}},
      {4, 1, 1, 1, {.layerSlot = 2}},
      {5, 2, 3, 3, {.effectType = toInt(EffectType::Glow), .layerSlot = 3}},
      {2000, 600, 631, 331, {.effectType = toInt(EffectType::Outline1)}},
      {200, 120, 631, 331, {.columnOffset = 100000, .rowOffset = -100000, .layerSlot = 2}},
      {200,
       120,
       64,
       48,
       {.columnOffset = -5000,
        .rowOffset = 5000,
        .effectType = toInt(EffectType::Glow),
        .layerSlot = 3}},
      {120,
       80,
       631,
       331,
       {.effectType = toInt(EffectType::Raised), .layerSlot = 1, .smoothingSize = 300}},
  };
  for (const Case& c : cases) {
    Picture mask(c.maskWidth, c.maskRows);
    for (int32_t r = 0; r < c.maskRows; ++r)
      for (int32_t col = 0; col < c.maskWidth; ++col)
        if ((r / 7 + col / 5) % 3 == 0) mask.setDark(r, col);
    Picture source = background(c.outputWidth, c.outputRows);
    Picture output(c.outputWidth, c.outputRows);
    Picture texture = background(9, 5);
    TEXTURE(texture.data(), 30, 30, texture.stride, texture.rows);
    action(mask, source, output, c.call);
    DESTRUCTION();
  }
}

}  // namespace
}  // namespace velloro::test
