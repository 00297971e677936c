// The eight materials: each turns the profile value and the light and depth
// of an inside pixel into a brightness (roughly 0..1, clamped by the caller).
#pragma once

#include <cstdint>

namespace velloro {

struct ShadingPoint {
  double profile;  // V: profile curve value after the surface pattern
  double light;    // Y = (1 - light B) / 2
  double lightA;   // averaged sines of the two diagonal directions
  double lightB;
  double angle;             // averaged direction from the outline, 0..1
  double rootDepth;         // square root of the relative depth, 0 at the outline
  double depthTerm;         // 1 - rootDepth
  double edgeDistance;      // design pixels (pixels / density) from the nearest outline point
  double verticalFraction;  // 0 at the element's top row in memory, towards 1 at its last
  int32_t density;          // pixels per design pixel
};

using MaterialShader = double (*)(const ShadingPoint&);

// The shader of a material number; numbers outside 0..7 shade by depth alone.
MaterialShader materialShader(int32_t material);

}  // namespace velloro
