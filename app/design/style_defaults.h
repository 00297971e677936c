// The values an outside effect brings along when it is chosen.
#pragma once

#include "design/style.h"

struct EffectDefaults {
  std::array<int32_t, styleEffectValues> values{};
  StyleColour colour;
};

// The slider positions and colour a text source starts with for `effectType`.
EffectDefaults effectDefaults(EffectType effectType);
