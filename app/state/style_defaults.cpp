#include "state/style_defaults.h"

#include "state/outside_effects.h"

EffectDefaults effectDefaults(int32_t effectType) {
  const OutsideEffect& effect = outsideEffect(EffectType(effectType));
  const Rgb& colour = effect.startColour;
  return {effect.startPositions, {colour.red, colour.green, colour.blue}};
}
