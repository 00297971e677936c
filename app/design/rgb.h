// A colour as the engine and the kind settings keep it: three 0..255 values.
#pragma once

#include <cstdint>

struct Rgb {
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  bool operator==(const Rgb&) const = default;
};
