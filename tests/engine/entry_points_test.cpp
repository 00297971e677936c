#include <gtest/gtest.h>

#include "layer_render.h"

namespace velloro::test {
namespace {

TEST(Action, MaskNarrowerThanFourPixelsGivesThePlainCopyAndInvalidatesTheSlot) {
  Picture mask(3, 10, 0);  // stride 12 would be W = 4; pass 9 bytes for W = 3
  Canvas canvas(20, 10);
  paintPattern(canvas.background);
  engineState().slots.find(2)->valid = true;
  ACTION(mask.data(), canvas.background.data(), canvas.output.data(), 9, mask.rows,
         canvas.output.stride, canvas.output.rows, 0, 0, 75, 0, 2, 0, 0, 3, 50, 50, 0, 0, 0, 0, 0,
         0, 2, 0, 50, 100, 150, 200, 255, 0, 50, 100, 150, 200, 255);
  EXPECT_EQ(canvas.output.bytes, canvas.background.bytes);
  EXPECT_FALSE(engineState().slots.find(2)->valid);
  EXPECT_EQ(engineState().render, nullptr);
  DESTRUCTION();
}

TEST(Action, PaddedStrideOfAThreePixelMaskCountsAsFourPixels) {
  Picture mask(3, 10);  // stride 12: W = 4, one column scanned
  mask.setDark(5, 0);
  Canvas canvas(20, 10);
  startRender(canvas, mask, {});
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
  Canvas canvas(40, 30);
  startRender(canvas, mask, {});
  EXPECT_NE(engineState().render, nullptr);
  DESTRUCTION();
  EXPECT_EQ(engineState().render, nullptr);
  DESTRUCTION();
}

}  // namespace
}  // namespace velloro::test
