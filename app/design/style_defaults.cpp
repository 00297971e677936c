#include "design/style_defaults.h"

#include "design/outside_effects.h"

EffectDefaults effectDefaults(EffectType effectType) {
  const OutsideEffect& effect = outsideEffect(effectType);
  const Rgb& colour = effect.startColour;
  return {effect.startPositions, {colour.red, colour.green, colour.blue}};
}
