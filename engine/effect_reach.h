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

// The 7 x 7 light window reaches this far beyond its centre pixel.
inline constexpr double kLightWindowReach = 3 * 1.4142135623730951;

}  // namespace velloro
