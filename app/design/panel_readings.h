// What the render reads from the window's panels at the moment of the render.
#pragma once

#include <cstdint>

#include "design/outside_effects.h"

struct PanelReadings {
  SliderReadings sliders = startReadings();  // the "Outside" panel's effect sliders
  int32_t deformSlider = 0;                  // `SliderDeform`
  bool textureOption = false;                // "Texture :" selected
  bool gradientOption = false;               // "Gradient :" selected
  int32_t smoothingSize = 75;                // the text font size, rounded, for every kind
};
