#include "state/style_names.h"

#include <QStringList>
#include <array>

#include "state/outside_effects.h"

using namespace Qt::StringLiterals;

namespace {

constexpr std::array effects{"none"_L1,   "drop-shadow"_L1, "cast-shadow"_L1, "engraved"_L1,
                             "raised"_L1, "outline1"_L1,    "outline2"_L1,    "glow"_L1};
constexpr std::array patterns{"none"_L1, "streaks"_L1, "grain"_L1, "ripples"_L1};
constexpr std::array axes{"top-to-bottom"_L1, "left-to-right"_L1, "centre-to-edge"_L1};
constexpr std::array deformations{"none"_L1, "rotate"_L1, "curve"_L1};
constexpr std::array alignments{"left"_L1, "centre"_L1, "right"_L1};

constexpr std::array<QLatin1StringView, 0> noValues{};
constexpr std::array dropShadowValues{"strength"_L1, "offsetX"_L1, "offsetY"_L1};
constexpr std::array castShadowValues{"strength"_L1, "height"_L1, "orientation"_L1};
constexpr std::array widthValue{"width"_L1};

}  // namespace

std::span<const QLatin1StringView> effectNames() { return effects; }
std::span<const QLatin1StringView> surfacePatternNames() { return patterns; }
std::span<const QLatin1StringView> curveAxisNames() { return axes; }
std::span<const QLatin1StringView> deformationNames() { return deformations; }
std::span<const QLatin1StringView> alignmentNames() { return alignments; }

std::optional<int> numberOfName(std::span<const QLatin1StringView> names, const QString& word) {
  for (size_t i = 0; i < names.size(); ++i)
    if (word == names[i]) return int(i);
  return std::nullopt;
}

QString joinedNames(std::span<const QLatin1StringView> names) {
  QStringList words;
  for (QLatin1StringView name : names) words << name;
  return words.join(u'|');
}

EffectValueNames effectValueNames(int effectType) {
  const OutsideEffect& effect = outsideEffect(EffectType(effectType));
  const bool hasColour = effect.colour != EffectColour::None;
  switch (effect.shadowParameters) {
    case ShadowParameters::Offsets: return {dropShadowValues, hasColour};
    case ShadowParameters::HeightAndOrientation: return {castShadowValues, hasColour};
    case ShadowParameters::None: break;
  }
  return {effect.sliders == SliderGroup::None ? std::span<const QLatin1StringView>(noValues)
                                              : std::span<const QLatin1StringView>(widthValue),
          hasColour};
}
