#include "state/style_defaults.h"

#include "state/outside_effects.h"

EffectDefaults effectDefaults(EffectType effectType) {
  const OutsideEffect& effect = outsideEffect(effectType);
  const Rgb& colour = effect.startColour;
  return {effect.startPositions, {colour.red, colour.green, colour.blue}};
}
