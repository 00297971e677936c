#include "state/setting_declarations.h"

#include <QStringList>
#include <array>

#include "state/material_table.h"
#include "state/outside_effects.h"
#include "state/style_defaults.h"

using namespace Qt::StringLiterals;

namespace {

constexpr std::array patterns{"none"_L1, "streaks"_L1, "grain"_L1, "ripples"_L1};
constexpr std::array axes{"top-to-bottom"_L1, "left-to-right"_L1, "centre-to-edge"_L1};
constexpr std::array deformations{"none"_L1, "rotate"_L1, "curve"_L1};
constexpr std::array fillKinds{"colour"_L1, "texture"_L1};

std::span<const QLatin1StringView> effectNames() {
  static const auto names = [] {
    std::array<QLatin1StringView, outsideEffectCount> words;
    for (const OutsideEffect& effect : outsideEffects())
      words[size_t(velloro::toInt(effect.type))] = effect.name;
    return words;
  }();
  return names;
}

constexpr double sliderMaximum = 100;
constexpr double curveMaximum = 255;
constexpr double largestFontSize = 300;

template <typename T>
T as(const SettingValue& value) {
  return std::get<T>(value);
}

// The effect's own slider positions and colour come along when the effect
// changes, as they do when it is chosen in the window.
void putEffect(Style& style, const SettingValue& value) {
  const int32_t effect = as<int32_t>(value);
  if (effect == style.effectType) return;
  const EffectDefaults defaults = effectDefaults(effect);
  style.effectType = effect;
  style.effectValues = defaults.values;
  style.effectColour = defaults.colour;
}

bool effectHasColour(const Style& style) {
  return outsideEffect(EffectType(style.effectType)).colour != EffectColour::None;
}

using enum SettingType;
using S = Setting;

#define FIELD(type, member)                                      \
  [](const Style& s) -> SettingValue { return type(s.member); }, \
      [](Style& s, const SettingValue& v) { s.member = as<type>(v); }

std::vector<SettingDeclaration> declared() {
  return {
      {S::FontFamily,
       "font"_L1,
       "family"_L1,
       "--font"_L1,
       {},
       "FAMILY"_L1,
       Text,
       0,
       0,
       {},
       nullptr,
       "font family of the title",
       u"Tahoma"_s,
       FIELD(QString, font.family)},
      {S::FontSize,
       "font"_L1,
       "size"_L1,
       "--size"_L1,
       {},
       "PT"_L1,
       Number,
       1,
       largestFontSize,
       {},
       "a size in points",
       "font size in points, %1 to %2",
       75.0,
       FIELD(double, font.pointSize)},
      {S::Bold,
       "font"_L1,
       "bold"_L1,
       "--bold"_L1,
       {},
       {},
       Flag,
       0,
       0,
       {},
       nullptr,
       "bold type",
       true,
       FIELD(bool, font.bold)},
      {S::Italic,
       "font"_L1,
       "italic"_L1,
       "--italic"_L1,
       {},
       {},
       Flag,
       0,
       0,
       {},
       nullptr,
       "italic type",
       false,
       FIELD(bool, font.italic)},
      {S::Underline,
       "font"_L1,
       "underline"_L1,
       "--underline"_L1,
       {},
       {},
       Flag,
       0,
       0,
       {},
       nullptr,
       "underlined type",
       false,
       FIELD(bool, font.underline)},
      {S::FillKind,
       "fill"_L1,
       "kind"_L1,
       {},
       {},
       {},
       Choice,
       0,
       0,
       fillKinds,
       nullptr,
       nullptr,
       int32_t(0),
       [](const Style& s) -> SettingValue { return int32_t(s.textureFill ? 1 : 0); },
       [](Style& s, const SettingValue& v) { s.textureFill = as<int32_t>(v) == 1; }},
      {S::FillColour,
       "fill"_L1,
       "colour"_L1,
       "--colour"_L1,
       "--color"_L1,
       "#RRGGBB"_L1,
       Colour,
       0,
       0,
       {},
       nullptr,
       "fill colour",
       StyleColour{0, 0, 200},
       FIELD(StyleColour, fillColour)},
      {S::Texture,
       "fill"_L1,
       "texture"_L1,
       {},
       {},
       {},
       Text,
       0,
       0,
       {},
       nullptr,
       nullptr,
       QString(),
       FIELD(QString, texture),
       nullptr,
       true},
      {S::SurfacePattern,
       {},
       "surface"_L1,
       {},
       {},
       {},
       Choice,
       0,
       0,
       patterns,
       nullptr,
       nullptr,
       int32_t(0),
       FIELD(int32_t, surfacePattern)},
      {S::CurveAxis,
       "curve"_L1,
       "axis"_L1,
       {},
       {},
       {},
       Choice,
       0,
       0,
       axes,
       nullptr,
       nullptr,
       int32_t(0),
       FIELD(int32_t, curveAxis)},
      {S::CurvePositions,
       "curve"_L1,
       "positions"_L1,
       {},
       {},
       {},
       WholeList,
       0,
       curveMaximum,
       {},
       nullptr,
       nullptr,
       CurveList{0, 50, 100, 150, 200, 255},
       FIELD(CurveList, curvePositions)},
      {S::CurveValues,
       "curve"_L1,
       "values"_L1,
       {},
       {},
       {},
       WholeList,
       0,
       curveMaximum,
       {},
       nullptr,
       nullptr,
       CurveList{128, 128, 128, 128, 128, 128},
       FIELD(CurveList, curveValues)},
      {S::Material,
       {},
       "material"_L1,
       "--material"_L1,
       {},
       "N"_L1,
       WholeNumber,
       0,
       materialCount - 1,
       {},
       nullptr,
       "material %1 to %2; %4, which also bring their own curve and colour",
       int32_t(0),
       FIELD(int32_t, material)},
      {S::Effect,
       "effect"_L1,
       "type"_L1,
       "--effect"_L1,
       {},
       "NAME"_L1,
       Choice,
       0,
       0,
       effectNames(),
       nullptr,
       "outside effect: %3",
       int32_t(velloro::toInt(EffectType::Engraved)),
       [](const Style& s) -> SettingValue { return s.effectType; },
       putEffect},
      {S::EffectValues,
       "effect"_L1,
       {},
       {},
       {},
       {},
       EffectValues,
       0,
       sliderMaximum,
       {},
       nullptr,
       nullptr,
       std::monostate(),
       FIELD(EffectValueList, effectValues)},
      {S::EffectColour,
       "effect"_L1,
       "colour"_L1,
       {},
       {},
       {},
       Colour,
       0,
       0,
       {},
       nullptr,
       nullptr,
       std::monostate(),
       FIELD(StyleColour, effectColour),
       effectHasColour},
      {S::Deformation,
       "deformation"_L1,
       "type"_L1,
       {},
       {},
       {},
       Choice,
       0,
       0,
       deformations,
       nullptr,
       nullptr,
       int32_t(0),
       FIELD(int32_t, deformationType)},
      {S::DeformationAmount,
       "deformation"_L1,
       "amount"_L1,
       {},
       {},
       {},
       WholeNumber,
       0,
       sliderMaximum,
       {},
       nullptr,
       nullptr,
       int32_t(0),
       FIELD(int32_t, deformationAmount)},
  };
}

#undef FIELD

const std::vector<SettingDeclaration>& table() {
  static const std::vector<SettingDeclaration> rows = [] {
    std::vector<SettingDeclaration> made = declared();
    for (size_t i = 0; i < made.size(); ++i)
      if (size_t(made[i].id) != i) qFatal("setting %d is out of its place", int(made[i].id));
    return made;
  }();
  return rows;
}

}  // namespace

Style::Style() {
  for (const SettingDeclaration& setting : table())
    if (!std::holds_alternative<std::monostate>(setting.start)) setting.put(*this, setting.start);
}

std::span<const SettingDeclaration> settingDeclarations() { return table(); }

const SettingDeclaration& declaration(Setting id) { return table()[size_t(id)]; }

std::span<const QLatin1StringView> storedNames(const SettingDeclaration& setting,
                                               const Style& style) {
  if (setting.type == EffectValues) return outsideEffect(EffectType(style.effectType)).valueNames;
  return setting.choices;
}

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

QString settingHelp(const SettingDeclaration& setting) {
  QStringList names;
  for (QLatin1StringView name : setting.choices) names << name;
  const QString last = names.isEmpty() ? QString() : names.takeLast();
  const QString choices = names.isEmpty() ? last : names.join(u", "_s) + u" or "_s + last;
  return QString::fromLatin1(setting.help)
      .replace(u"%1"_s, QString::number(setting.low))
      .replace(u"%2"_s, QString::number(setting.high))
      .replace(u"%3"_s, choices)
      .replace(u"%4"_s, materialsWithOwnLook());
}
