// The outside effects, one row each: which slider group of the "Outside"
// panel an effect shows, how many of its sliders it keeps per source kind
// and whether it paints with the design's effect colour, whether it casts
// a shadow, what its value labels say and how its values become the
// engine's effect arguments. Every place that treats effects differently
// reads this table, so adding an effect means adding a row here.
#pragma once

#include <QLatin1StringView>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "design/rgb.h"
#include "design_kinds.h"

using velloro::EffectType;

// The group of sliders an effect shows, each in its own frame.
enum class SliderGroup {
  None,      // "No contour": no frame changes
  Shadow,    // three sliders: strength, then two shadow parameters
  Engraved,  // one width slider shared by "Engraved" and "Raised"
  Outline,   // one width slider and a colour, shared by outlines and glow
};

// Which of the design's colours an effect paints with.
enum class EffectColour { None, Outline, Glow };

// What the two parameter sliders of a shadow mean, for their labels.
enum class ShadowParameters { None, Offsets, HeightAndOrientation };

inline constexpr int effectSliderCount = 3;

struct OutsideEffect {
  EffectType type;
  QLatin1StringView name;  // in style files and on the command line
  const char* caption;     // in the "Outside" list
  SliderGroup sliders;
  int sliderCount;  // positions a source kind keeps for the effect
  EffectColour colour;
  ShadowParameters shadowParameters;
  const char* widthCaption;  // the outline frame's width label; null elsewhere
  // The slider positions and colour a source kind starts with.
  std::array<int32_t, effectSliderCount> startPositions;
  Rgb startColour;
  // Laid under the design as a shadow, which may fall anywhere around it.
  bool castsShadow;
};

// Every effect, in the order of its type number (and of the "Outside" list).
std::span<const OutsideEffect> outsideEffects();
inline constexpr int outsideEffectCount = 8;

// The row of `type`; a type that is none of them reads as "No contour".
const OutsideEffect& outsideEffect(EffectType type);

// What the engine receives for the effect: the effect amount and the three
// effect values. Shadows pass their three sliders, "Engraved" and "Raised"
// their width alone, outlines and glow their width and colour. Slider
// positions are 16-bit values, passed on sign-extended.
struct EffectArguments {
  int32_t amount = 0;
  std::array<int32_t, 3> values{};
};

// `values` are the effect's slider positions in the order of its panel.
EffectArguments effectArguments(const OutsideEffect& effect,
                                const std::array<int32_t, effectSliderCount>& values,
                                const Rgb& colour);

// "integer part of v / 2, times 2" followed by " %": strength and widths.
QString percentLabel(int value);

// What a shadow slider's label pair shows for the effect selected.
struct ShadowLabels {
  QString value;                  // beside slider k
  std::optional<QString> first;   // the caption of slider 2, when the effect names it
  std::optional<QString> second;  // the caption of slider 3
};

// The labels of shadow slider k (1..3) at value v with `effect` selected;
// none when the slider means nothing to that effect.
std::optional<ShadowLabels> shadowLabels(int k, int value, const OutsideEffect& effect);

// The deformation label for "Rotate" or "Curve"; none for "No", which leaves
// the label as it is.
std::optional<QString> deformationLabel(velloro::DeformationType type, int value);
