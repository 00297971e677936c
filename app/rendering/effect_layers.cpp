#include "rendering/effect_layers.h"

#include <algorithm>

#include "design/design_model.h"
#include "design/style.h"

// A style's stack fits the engine: the slot's own layer and its underlays.
static_assert(mostEffects <= velloro::kUnderlayCount + 1);

std::vector<EffectLayer> effectLayers(const Style& style) {
  std::vector<EffectLayer> layers;
  for (const EffectEntry& entry : style.effects) {
    if (!entry.on) continue;
    const OutsideEffect& effect = outsideEffect(entry.type);
    layers.push_back({effect.type, effectArguments(effect, entry.values, entryRgb(entry))});
  }
  if (layers.empty()) return {EffectLayer{}};
  return layers;
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
