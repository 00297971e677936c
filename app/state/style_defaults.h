// What a style holds before anything is chosen: the settings of a fresh
// start, and the values an outside effect brings along when it is chosen.
#pragma once

#include "state/style.h"

struct EffectDefaults {
  std::array<int32_t, styleEffectValues> values{};
  StyleColour colour;
};

// The slider positions and colour a text source starts with for `effectType`.
EffectDefaults effectDefaults(int32_t effectType);

// The style of a fresh start with the given profile curve.
Style freshStartStyle(const std::array<int32_t, styleCurvePoints>& curvePositions,
                      const std::array<int32_t, styleCurvePoints>& curveValues);
