#include "design/kind_settings.h"

#include "design/outside_effects.h"

namespace {

EffectSliders& slidersOf(KindRow& row, EffectType effect) {
  return row.effectSliders[size_t(velloro::toInt(outsideEffect(effect).type))];
}

KindRow defaultRow(SourceKind kind) {
  KindRow row;
  row.available = kind == SourceKind::Text;
  if (kind != SourceKind::Text) row.fillColour = {0, 0, 200};
  for (const OutsideEffect& effect : outsideEffects())
    if (effect.sliderCount > 0)
      slidersOf(row, effect.type) = {effect.startPositions, effect.startColour};
  return row;
}

}  // namespace

KindSettingsTable defaultKindSettings() {
  KindSettingsTable table;
  for (SourceKind kind : sourceKinds) table[kind] = defaultRow(kind);
  return table;
}

void storeEffectSliders(KindRow& row, EffectType effect, const EffectSliders& sliders) {
  const OutsideEffect& described = outsideEffect(effect);
  EffectSliders& kept = slidersOf(row, effect);
  for (int i = 0; i < described.sliderCount; ++i) kept.positions[i] = sliders.positions[i];
  if (described.colour != EffectColour::None) kept.colour = sliders.colour;
}

EffectSliders loadEffectSliders(const KindRow& row, EffectType effect) {
  const OutsideEffect& described = outsideEffect(effect);
  const EffectSliders& kept = row.effectSliders[size_t(velloro::toInt(described.type))];
  EffectSliders sliders;
  for (int i = 0; i < described.sliderCount; ++i) sliders.positions[i] = kept.positions[i];
  if (described.colour != EffectColour::None) sliders.colour = kept.colour;
  return sliders;
}
