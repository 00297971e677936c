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
  // Pixels per design pixel of the mask and canvas: a denser copy of the
  // design (the web's 2x and 3x pictures) is drawn with its measures
  // (font size, positions) those of density 1.
  int32_t density = 1;
};
