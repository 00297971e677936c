// A colour as a style keeps it: three parts of 0 to 255.
#pragma once

#include <cstdint>

struct StyleColour {
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  bool operator==(const StyleColour&) const = default;
};
