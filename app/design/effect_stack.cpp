#include "design/effect_stack.h"

#include <algorithm>

#include "design/design_model.h"
#include "design/outside_effects.h"

using namespace Qt::StringLiterals;

namespace {

using enum EffectType;

constexpr uint32_t bit(EffectType type) { return 1u << velloro::toInt(type); }

constexpr uint32_t shadows = bit(DropShadow) | bit(CastShadow);
constexpr uint32_t widths = bit(Engraved) | bit(Raised) | bit(Outline1) | bit(Outline2) | bit(Glow);
constexpr uint32_t coloured = bit(Outline1) | bit(Outline2) | bit(Glow);
constexpr uint32_t everyEffect = shadows | widths;
constexpr int32_t sliderEnd = 100;

// clang-format off
constexpr std::array settings{
    EntrySetting{"strength"_L1, {}, EntryPart::Position, 0, 0, sliderEnd, "Strength", "%",
                 shadows, false},
    EntrySetting{"offsetX"_L1, "x"_L1, EntryPart::Position, 1, 0, sliderEnd, "Offset X", "px",
                 bit(DropShadow), true},
    EntrySetting{"offsetY"_L1, "y"_L1, EntryPart::Position, 2, 0, sliderEnd, "Offset Y", "px",
                 bit(DropShadow), true},
    EntrySetting{"height"_L1, {}, EntryPart::Position, 1, 0, sliderEnd, "Height", "",
                 bit(CastShadow), true},
    EntrySetting{"orientation"_L1, {}, EntryPart::Position, 2, 0, sliderEnd, "Orientation", "°",
                 bit(CastShadow), false},
    EntrySetting{"width"_L1, {}, EntryPart::Position, 0, 0, sliderEnd, "Width", "%", widths, true},
    EntrySetting{"colour"_L1, "color"_L1, EntryPart::Colour, 0, 0, 0, "Colour", "", coloured,
                 false},
    EntrySetting{"on"_L1, {}, EntryPart::Switch, 0, 0, 0, "Shown", "", everyEffect, false},
};
// clang-format on

bool isRealEffect(EffectType type) {
  const int number = velloro::toInt(type);
  return number > velloro::toInt(NoContour) && number < outsideEffectCount;
}

bool colourTaken(const StyleColour& colour) {
  auto inByte = [](int32_t part) { return part >= 0 && part <= 255; };
  return inByte(colour.red) && inByte(colour.green) && inByte(colour.blue);
}

bool positionTaken(const EffectEntry& entry, int slot) {
  const int32_t value = entry.values[size_t(slot)];
  for (const EntrySetting& setting : settings)
    if (setting.part == EntryPart::Position && setting.slot == slot && keeps(setting, entry.type))
      return value >= setting.low && value <= setting.high;
  return value == 0;
}

bool inStack(const EffectStack& stack, int index) {
  return index >= 0 && size_t(index) < stack.size();
}

}  // namespace

EffectEntry effectEntry(EffectType type) {
  const OutsideEffect& effect = outsideEffect(type);
  const Rgb& colour = effect.startColour;
  return {type, effect.startPositions, {colour.red, colour.green, colour.blue}};
}

EffectStack effectStackOf(EffectType type) {
  if (!isRealEffect(type)) return {};
  return {effectEntry(type)};
}

std::optional<EffectEntry> topEffect(const EffectStack& stack) {
  const auto shown = std::ranges::find_if(stack.rbegin(), stack.rend(), &EffectEntry::on);
  if (shown == stack.rend()) return std::nullopt;
  return *shown;
}

std::span<const EntrySetting> entrySettings() { return settings; }

bool keeps(const EntrySetting& setting, EffectType type) {
  return isRealEffect(type) && (setting.effects & bit(type)) != 0;
}

std::vector<const EntrySetting*> settingsOf(EffectType type) {
  std::vector<const EntrySetting*> kept;
  for (const EntrySetting& setting : settings)
    if (keeps(setting, type)) kept.push_back(&setting);
  return kept;
}

const EntrySetting* entrySetting(const QString& word) {
  for (const EntrySetting& setting : settings)
    if (word == setting.name || (!setting.spelling.isEmpty() && word == setting.spelling))
      return &setting;
  return nullptr;
}

bool entryTaken(const EffectEntry& entry) {
  if (!isRealEffect(entry.type) || !colourTaken(entry.colour)) return false;
  for (int slot = 0; slot < styleEffectValues; ++slot)
    if (!positionTaken(entry, slot)) return false;
  return true;
}

bool stackTaken(const EffectStack& stack) {
  return stack.size() <= size_t(mostEffects) && std::ranges::all_of(stack, entryTaken);
}

bool addEffect(DesignModel& model, EffectType type) {
  EffectStack stack = model.style().effects;
  if (stack.size() >= size_t(mostEffects)) return false;
  stack.push_back(effectEntry(type));
  return model.set(Setting::Effects, stack);
}

bool removeEffect(DesignModel& model, int index) {
  EffectStack stack = model.style().effects;
  if (!inStack(stack, index)) return false;
  stack.erase(stack.begin() + index);
  return model.set(Setting::Effects, stack);
}

bool moveEffect(DesignModel& model, int index, int by) {
  EffectStack stack = model.style().effects;
  const int to = index + by;
  if (!inStack(stack, index) || !inStack(stack, to)) return false;
  const EffectEntry moved = stack[size_t(index)];
  stack.erase(stack.begin() + index);
  stack.insert(stack.begin() + to, moved);
  return model.set(Setting::Effects, stack);
}

bool setEffectEntry(DesignModel& model, int index, const EffectEntry& entry) {
  EffectStack stack = model.style().effects;
  if (!inStack(stack, index)) return false;
  stack[size_t(index)] = entry;
  return model.set(Setting::Effects, stack);
}
