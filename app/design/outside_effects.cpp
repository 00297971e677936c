#include "design/outside_effects.h"

#include <cmath>

namespace {

using namespace Qt::StringLiterals;
using enum EffectType;

constexpr std::array<OutsideEffect, outsideEffectCount> effects{{
    {NoContour,
     "none"_L1,
     "No contour",
     SliderGroup::None,
     0,
     EffectColour::None,
     ShadowParameters::None,
     nullptr,
     {},
     {},
     false},
    {DropShadow,
     "drop-shadow"_L1,
     "Drop shadow",
     SliderGroup::Shadow,
     3,
     EffectColour::None,
     ShadowParameters::Offsets,
     nullptr,
     {50, 60, 60},
     {},
     true},
    {CastShadow,
     "cast-shadow"_L1,
     "Casted shadow",
     SliderGroup::Shadow,
     3,
     EffectColour::None,
     ShadowParameters::HeightAndOrientation,
     nullptr,
     {50, 60, 7},
     {},
     true},
    {Engraved,
     "engraved"_L1,
     "Engraved",
     SliderGroup::Engraved,
     1,
     EffectColour::None,
     ShadowParameters::None,
     nullptr,
     {20, 0, 0},
     {},
     false},
    {Raised,
     "raised"_L1,
     "Raised",
     SliderGroup::Engraved,
     1,
     EffectColour::None,
     ShadowParameters::None,
     nullptr,
     {50, 0, 0},
     {},
     false},
    {Outline1,
     "outline1"_L1,
     "Outline 1",
     SliderGroup::Outline,
     1,
     EffectColour::Outline,
     ShadowParameters::None,
     "O. width :",
     {50, 0, 0},
     {},
     false},
    {Outline2,
     "outline2"_L1,
     "Outline 2",
     SliderGroup::Outline,
     1,
     EffectColour::Outline,
     ShadowParameters::None,
     "O. width :",
     {100, 0, 0},
     {},
     false},
    {Glow,
     "glow"_L1,
     "Glow",
     SliderGroup::Outline,
     1,
     EffectColour::Glow,
     ShadowParameters::None,
     "G. width :",
     {20, 0, 0},
     {0, 255, 0},
     false},
}};

// The rows stand at their type's number, so a type finds its row directly.
constexpr bool rowsInTypeOrder() {
  for (size_t i = 0; i < effects.size(); ++i)
    if (velloro::toInt(effects[i].type) != int32_t(i)) return false;
  return true;
}
static_assert(rowsInTypeOrder());

int32_t sliderValue(int32_t position) { return int16_t(position); }

const QString degrees = QStringLiteral(" °");

// Integer parts round towards minus infinity, so a curve bent left shows
// -180 at the slider's left end rather than -175.
int integerPart(double value) { return int(std::floor(value)); }

// A full turn over the slider in steps of 5 degrees.
int angle(int value) { return integerPart(value * 3.6 / 5) * 5; }

QString signedOffset(int value) {
  const int offset = integerPart(value / 2.0) - 25;
  if (offset > 0) return QStringLiteral("+ %1").arg(offset);
  if (offset < 0) return QStringLiteral("- %1").arg(-offset);
  return QStringLiteral("0");
}

}  // namespace

std::span<const OutsideEffect> outsideEffects() { return effects; }

const OutsideEffect& outsideEffect(EffectType type) {
  const int index = velloro::toInt(type);
  return index >= 0 && index < outsideEffectCount ? effects[index] : effects[0];
}

EffectArguments effectArguments(const OutsideEffect& effect,
                                const std::array<int32_t, effectSliderCount>& values,
                                const Rgb& colour) {
  switch (effect.sliders) {
    case SliderGroup::Shadow:
      return {sliderValue(values[0]), {sliderValue(values[1]), sliderValue(values[2]), 0}};
    case SliderGroup::Engraved: return {sliderValue(values[0]), {}};
    case SliderGroup::Outline:
      return {sliderValue(values[0]), {colour.red, colour.green, colour.blue}};
    case SliderGroup::None: break;
  }
  return {};
}

QString percentLabel(int value) {
  return QString::number(integerPart(value / 2.0) * 2) + QStringLiteral(" %");
}

std::optional<ShadowLabels> shadowLabels(int k, int value, const OutsideEffect& effect) {
  if (k == 1) return ShadowLabels{percentLabel(value), {}, {}};
  switch (effect.shadowParameters) {
    case ShadowParameters::Offsets:
      return ShadowLabels{signedOffset(value), QStringLiteral("S. offset X :"),
                          QStringLiteral("S. offset Y :")};
    case ShadowParameters::HeightAndOrientation: {
      const QString shown = k == 2 ? QString::number(integerPart(value / 2.0) * 2)
                                   : QString::number(angle(value)) + degrees;
      return ShadowLabels{shown, QStringLiteral("S. height :"), QStringLiteral("S. orient. :")};
    }
    case ShadowParameters::None: break;
  }
  return std::nullopt;
}

std::optional<QString> deformationLabel(velloro::DeformationType type, int value) {
  using velloro::DeformationType;
  if (type == DeformationType::Rotate) return QString::number(angle(value)) + degrees;
  // 49, not 50, is where the curve stays straight.
  if (type == DeformationType::Curve) return QString::number(angle(value - 49)) + degrees;
  return std::nullopt;
}
