// The outside effects of a design, as an ordered stack: the bottom entry
// first, each lying above the one before it, the relief above them all.
// The same effect may stand more than once; an entry switched off keeps
// its settings. No effect at all is the empty stack.
#pragma once

#include <QLatin1StringView>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "design/style_colour.h"
#include "design_kinds.h"

using velloro::EffectType;

class DesignModel;

inline constexpr int styleEffectValues = 3;
inline constexpr int mostEffects = 8;

struct EffectEntry {
  EffectType type;
  // The effect's slider positions in the order of its panel; unused ones stay 0.
  std::array<int32_t, styleEffectValues> values{};
  StyleColour colour;  // the outline colour, or the glow colour for a glow
  bool on = true;
  bool operator==(const EffectEntry&) const = default;
};

using EffectStack = std::vector<EffectEntry>;

// An entry of `type` with the effect's own start positions and colour.
EffectEntry effectEntry(EffectType type);

// The stack of `type` alone; "No contour" is the empty stack.
EffectStack effectStackOf(EffectType type);

// The topmost entry switched on, which a single-effect render draws.
std::optional<EffectEntry> topEffect(const EffectStack& stack);

// What an entry keeps beside its type: each setting is declared here once,
// for style files, the command line, the panels and --help alike.
enum class EntryPart {
  Position,  // one of the entry's slider positions
  Colour,
  Switch,  // whether the entry is drawn
};

struct EntrySetting {
  QLatin1StringView name;      // its key in a style file's effect and on the command line
  QLatin1StringView spelling;  // a shorter name the command line takes too; may be empty
  EntryPart part;
  int slot;  // which of the entry's positions, for a position
  int32_t low;
  int32_t high;
  const char* caption;
  const char* unit;        // of the value shown beside its slider; empty when none
  uint32_t effects;        // the effects that keep it, one bit per effect type
  bool scalesWithDensity;  // grows with the pixel density of the picture
};

std::span<const EntrySetting> entrySettings();

// Whether an entry of `type` keeps `setting`.
bool keeps(const EntrySetting& setting, EffectType type);

// The entry's settings in table order, for an effect of `type`.
std::vector<const EntrySetting*> settingsOf(EffectType type);

// The setting named `word` (in either spelling), or none.
const EntrySetting* entrySetting(const QString& word);

// Whether `entry` is one a stack takes: a real effect, its kept positions
// in their ranges, the others 0, its colour in bytes.
bool entryTaken(const EffectEntry& entry);

// Whether `stack` is one a style takes: at most `mostEffects` entries, each taken.
bool stackTaken(const EffectStack& stack);

// Changes of the stack the window makes; each one is a single change of
// the model's Effects setting, so one undo step and one listener call.
// Each returns whether the model took it.
bool addEffect(DesignModel& model, EffectType type);  // on top; refused at mostEffects
bool removeEffect(DesignModel& model, int index);
// Moves the entry at `index` to `index + by`: down the stack for by < 0.
bool moveEffect(DesignModel& model, int index, int by);
bool setEffectEntry(DesignModel& model, int index, const EffectEntry& entry);
