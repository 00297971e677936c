// How the windows' fixed layouts come out on this screen. The layouts are
// measured for 15 twips a pixel; the screen's own twips per pixel scale them,
// and the control fonts grow by the same factor.
#pragma once

#include <cstdint>

struct ScreenScale {
  int32_t layoutUnitX = 15;
  int32_t layoutUnitY = 15;
  double fontScaleFactor = 1.0;

  int width(int layoutWidth) const { return layoutWidth * layoutUnitX / 15; }
  int height(int layoutHeight) const { return layoutHeight * layoutUnitY / 15; }
};
