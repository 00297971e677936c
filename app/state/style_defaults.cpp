#include "state/style_defaults.h"

#include "state/kind_settings.h"

EffectDefaults effectDefaults(int32_t effectType) {
  const KindRow row = defaultKindSettings()[SourceKind::Text];
  const EffectSliders sliders = loadEffectSliders(row, EffectType(effectType));
  EffectDefaults defaults;
  defaults.values = sliders.positions;
  defaults.colour = {sliders.colour.red, sliders.colour.green, sliders.colour.blue};
  return defaults;
}

Style freshStartStyle(const std::array<int32_t, styleCurvePoints>& curvePositions,
                      const std::array<int32_t, styleCurvePoints>& curveValues) {
  Style style;
  const EffectDefaults engraved = effectDefaults(style.effectType);
  style.effectValues = engraved.values;
  style.effectColour = engraved.colour;
  style.curvePositions = curvePositions;
  style.curveValues = curveValues;
  return style;
}
