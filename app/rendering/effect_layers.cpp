#include "rendering/effect_layers.h"

#include <algorithm>

#include "design/design_model.h"
#include "design/style.h"

std::vector<EffectLayer> effectLayers(const Style& style) {
  const OutsideEffect& effect = outsideEffect(style.effectType);
  return {{effect.type, effectArguments(effect, style.effectValues, effectRgb(style))}};
}

bool anyCastsShadow(const std::vector<EffectLayer>& layers) {
  return std::ranges::any_of(
      layers, [](const EffectLayer& layer) { return outsideEffect(layer.type).castsShadow; });
}

velloro::ActionArguments withEffect(velloro::ActionArguments arguments, const EffectLayer& layer) {
  arguments.effectType = layer.type;
  arguments.effectAmount = layer.arguments.amount;
  arguments.effectValue1 = layer.arguments.values[0];
  arguments.effectValue2 = layer.arguments.values[1];
  arguments.effectValue3 = layer.arguments.values[2];
  return arguments;
}
