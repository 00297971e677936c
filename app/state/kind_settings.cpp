#include "state/kind_settings.h"

#include "state/outside_effects.h"

namespace {

EffectSliders& slidersOf(KindRow& row, EffectType effect) {
  return row.effectSliders[size_t(velloro::toInt(outsideEffect(effect).type))];
}

KindRow defaultRow(SourceKind kind) {
  KindRow row;
  row.available = kind == SourceKind::Text;
  if (kind != SourceKind::Text) row.fillColour = {0, 0, 200};
  slidersOf(row, EffectType::DropShadow).positions = {50, 60, 60};
  slidersOf(row, EffectType::CastShadow).positions = {50, 60, 7};
  slidersOf(row, EffectType::Engraved).positions[0] = 20;
  slidersOf(row, EffectType::Raised).positions[0] = 50;
  slidersOf(row, EffectType::Outline1).positions[0] = 50;
  slidersOf(row, EffectType::Outline2).positions[0] = 100;
  slidersOf(row, EffectType::Glow) = {{20, 0, 0}, {0, 255, 0}};
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
