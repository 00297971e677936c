// FRONTIERE: derives a mask from the pixels whose colour lies in a box.
#include "colour_keying.h"

#include <cstddef>

namespace velloro {
namespace {

bool within(int32_t value, int32_t minimum, int32_t maximum) {
  return value >= minimum && value <= maximum;
}

}  // namespace

void keyColours(uint8_t* picture, uint8_t* mask, int32_t stride, int32_t rows,
                const ColourKey& key) {
  if (picture == nullptr || mask == nullptr || stride <= 0 || rows <= 0) return;
  const int32_t width = stride / 3;
  for (int32_t c = 0; c < width; ++c) {
    for (int32_t row = 0; row < rows; ++row) {
      const size_t offset = static_cast<size_t>(row) * stride + 3 * static_cast<size_t>(c);
      uint8_t* pixel = picture + offset;
      const int32_t blue = pixel[0], green = pixel[1], red = pixel[2];
      const bool isKey = blue == key.blue && green == key.green && red == key.red;
      const bool out = !within(blue, key.blueMin, key.blueMax) ||
                       !within(green, key.greenMin, key.greenMax) ||
                       !within(red, key.redMin, key.redMax) || isKey;
      uint8_t* maskPixel = mask + offset;
      if (out) {
        pixel[0] = static_cast<uint8_t>(key.blue);
        pixel[1] = static_cast<uint8_t>(key.green);
        pixel[2] = static_cast<uint8_t>(key.red);
      }
      const uint8_t maskValue = out ? 255 : 0;
      maskPixel[0] = maskPixel[1] = maskPixel[2] = maskValue;
    }
  }
}

}  // namespace velloro
