#include <gtest/gtest.h>

#include "engine.h"
#include "mask_picture.h"

namespace velloro::test {
namespace {

struct Keyed {
  Picture picture;
  Picture mask;
};

Keyed keyed(Picture picture, int32_t redMin, int32_t redMax, int32_t greenMin, int32_t greenMax,
            int32_t blueMin, int32_t blueMax) {
  Picture mask(picture.width, picture.rows, 77);
  FRONTIERE(picture.data(), mask.data(), picture.stride, picture.rows, 10, 20, 30, redMin, redMax,
            greenMin, greenMax, blueMin, blueMax);
  return {picture, mask};
}

Picture gradient() {
  Picture picture(7, 5);
  for (int32_t r = 0; r < 5; ++r)
    for (int32_t c = 0; c < 7; ++c)
      picture.setColour(r, c, static_cast<uint8_t>(40 * c), static_cast<uint8_t>(50 * r), 200);
  return picture;
}

TEST(ColourKeying, FullRangesKeepEveryPixelExceptTheKeyColour) {
  Picture picture = gradient();
  picture.setColour(2, 3, 30, 20, 10);  // blue, green, red of the key colour
  const Keyed result = keyed(picture, 0, 255, 0, 255, 0, 255);
  for (int32_t r = 0; r < 5; ++r)
    for (int32_t c = 0; c < 7; ++c) {
      const size_t at = result.mask.offset(r, c);
      const bool isKey = r == 2 && c == 3;
      EXPECT_EQ(result.mask.bytes[at], isKey ? 255 : 0);
      EXPECT_EQ(result.mask.bytes[at + 2], isKey ? 255 : 0);
      EXPECT_EQ(result.picture.bytes[at], picture.bytes[at]);
    }
}

TEST(ColourKeying, BoundsAreInclusiveAndOutsidePixelsTakeTheKeyColour) {
  // Blue runs 0, 40, 80, ... along the row: keep 40..120.
  const Keyed result = keyed(gradient(), 0, 255, 0, 255, 40, 120);
  for (int32_t c = 0; c < 7; ++c) {
    const size_t at = result.mask.offset(1, c);
    const bool inside = c >= 1 && c <= 3;
    EXPECT_EQ(result.mask.bytes[at + 1], inside ? 0 : 255) << c;
    if (!inside) {
      EXPECT_EQ(result.picture.bytes[at], 30);
      EXPECT_EQ(result.picture.bytes[at + 1], 20);
      EXPECT_EQ(result.picture.bytes[at + 2], 10);
    }
  }
}

TEST(ColourKeying, EachChannelHasItsOwnRange) {
  const Keyed redOut = keyed(gradient(), 0, 199, 0, 255, 0, 255);
  EXPECT_EQ(redOut.mask.bytes[redOut.mask.offset(0, 0)], 255);
  const Keyed greenOut = keyed(gradient(), 0, 255, 60, 255, 0, 255);
  EXPECT_EQ(greenOut.mask.bytes[greenOut.mask.offset(1, 0)], 255);  // green 50
  EXPECT_EQ(greenOut.mask.bytes[greenOut.mask.offset(2, 0)], 0);    // green 100
}

TEST(ColourKeying, WidthComesFromTheStrideAndBadSizesDoNothing) {
  Picture picture = gradient();  // 7 pixels: 21 bytes of a 24-byte row, keyed as 8
  Picture mask(7, 5, 77);
  FRONTIERE(picture.data(), mask.data(), picture.stride, picture.rows, 0, 0, 0, 0, 255, 0, 255, 0,
            255);
  EXPECT_EQ(mask.bytes[21], 0);
  EXPECT_EQ(mask.bytes[23], 0);
  FRONTIERE(nullptr, nullptr, 0, 0, 0, 0, 0, 0, 255, 0, 255, 0, 255);
  FRONTIERE(picture.data(), mask.data(), -3, 5, 0, 0, 0, 0, 255, 0, 255, 0, 255);
  EXPECT_EQ(mask.bytes[mask.offset(1, 1)], 0);
}

}  // namespace
}  // namespace velloro::test
