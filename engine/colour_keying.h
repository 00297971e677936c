#pragma once

#include <cstdint>

namespace velloro {

struct ColourKey {
  int32_t red = 0, green = 0, blue = 0;
  int32_t redMin = 0, redMax = 255;
  int32_t greenMin = 0, greenMax = 255;
  int32_t blueMin = 0, blueMax = 255;
};

// Pixels outside the key's colour box, or of the key colour itself, become
// background (255) in the mask and take the key colour; the rest become
// inside (0) and keep their colour.
void keyColours(uint8_t* picture, uint8_t* mask, int32_t stride, int32_t rows,
                const ColourKey& key);

}  // namespace velloro
