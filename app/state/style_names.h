// The words that style files and the command line use for the numbered
// choices of a design: outside effects, surface patterns, curve axes and
// deformations, line alignments, each list in the order of its numbers.
#pragma once

#include <QLatin1StringView>
#include <QString>
#include <optional>
#include <span>

std::span<const QLatin1StringView> effectNames();
std::span<const QLatin1StringView> surfacePatternNames();
std::span<const QLatin1StringView> curveAxisNames();
std::span<const QLatin1StringView> deformationNames();
std::span<const QLatin1StringView> alignmentNames();

// The number of `word` in `names`, or nothing when it is none of them.
std::optional<int> numberOfName(std::span<const QLatin1StringView> names, const QString& word);

// The words joined by "|", for messages and help.
QString joinedNames(std::span<const QLatin1StringView> names);

// The names of the slider values an outside effect keeps in a style, in
// the order of its panel, and whether it has a colour of its own.
struct EffectValueNames {
  std::span<const QLatin1StringView> values;
  bool hasColour = false;
};

EffectValueNames effectValueNames(int effectType);
