// The design colour an outside effect paints with, as its row names it: the
// outline colour for the outlines, the glow colour for the glow. Style
// files, the panels and the render all take it from here.
#pragma once

#include "design/design_state.h"

// None for an effect that paints with no colour of its own.
Rgb* effectColour(DesignState& state, const OutsideEffect& effect);
const Rgb* effectColour(const DesignState& state, const OutsideEffect& effect);
