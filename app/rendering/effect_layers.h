// The outside effects a render lays, one engine layer each: the design's
// effects as the engine receives them, bottom first, the top one laid with
// the element and every other one under it.
#pragma once

#include <vector>

#include "action_arguments.h"
#include "design/outside_effects.h"

struct Style;

struct EffectLayer {
  EffectType type = EffectType::NoContour;
  EffectArguments arguments;
};

// The style's switched-on effects, bottom first; one "No contour" when
// there is none.
std::vector<EffectLayer> effectLayers(const Style& style);

// Whether any of `layers` lays a shadow, which may fall anywhere around
// the design.
bool anyCastsShadow(const std::vector<EffectLayer>& layers);

// `arguments` with the effect of `layer`.
velloro::ActionArguments withEffect(velloro::ActionArguments arguments, const EffectLayer& layer);
