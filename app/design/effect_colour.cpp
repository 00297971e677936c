#include "design/effect_colour.h"

namespace {

template <typename State>
auto* colourOf(State& state, const OutsideEffect& effect) {
  switch (effect.colour) {
    case EffectColour::Outline: return &state.outlineColour;
    case EffectColour::Glow: return &state.glowColour;
    case EffectColour::None: break;
  }
  return decltype(&state.outlineColour){};
}

}  // namespace

Rgb* effectColour(DesignState& state, const OutsideEffect& effect) {
  return colourOf(state, effect);
}

const Rgb* effectColour(const DesignState& state, const OutsideEffect& effect) {
  return colourOf(state, effect);
}
