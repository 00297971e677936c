// How far from the element the outer effects read the geometry of the
// background, so the geometry is worked out only that far.
#pragma once

#include "action_arguments.h"

namespace velloro {

// Farthest a background pixel can lie from the element, in pixels, and
// still have its distance read by the outer effect; below 0 when none is.
double outerEffectReach(const ActionArguments& args);

// Farthest a background pixel can lie from the element, in pixels, and still
// have its light read (by Raised); below 0 when none is.
double backgroundLightReach(const ActionArguments& args);

// Pixels the light window, 7 x 7 design pixels, reaches beyond its centre
// pixel each way: 3 at density 1; at a higher density the window covers
// the same design pixels, so when 7 density is even its outermost pixels lie
// half inside it.
constexpr int32_t lightWindowPixels(int32_t density) { return 7 * density / 2; }

// How far the light window reaches beyond its centre pixel, diagonally.
constexpr double lightWindowReach(int32_t density) {
  return lightWindowPixels(density) * 1.4142135623730951;
}

}  // namespace velloro
