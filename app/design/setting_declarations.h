// Every setting of a design, declared once: where a style file keeps it,
// the command-line option that gives it, its type, range and start value,
// its help line, and how it is read from and put into a Style. The style
// reader and writer, the --render options and their refusals, --help and
// the panels' ranges all walk this table; adding a setting means adding a
// row here (and, for a new kind of value, teaching those walks the type).
#pragma once

#include <QLatin1StringView>
#include <QString>
#include <span>
#include <variant>

#include "design/style.h"

enum class SettingType {
  WholeNumber,
  Number,
  Flag,  // true or false; on the command line an option without a value
  Colour,
  ColourList,  // colours written #RRGGBB; the range is how many
  Choice,      // a name out of `choices`, kept as its number
  Text,
  WholeList,    // the profile curve's points, each a whole number
  EffectStack,  // the outside effects, bottom first; each entry's settings are entrySettings()
};

using CurveList = std::array<int32_t, styleCurvePoints>;
using ColourList = std::vector<StyleColour>;
// std::monostate: no start value of its own, another setting brings it.
using SettingValue = std::variant<std::monostate, bool, int32_t, double, QString, StyleColour,
                                  CurveList, ColourList, EffectStack>;

// The rows in the order of the table; the command-line options among them
// stand in the order --help shows them.
enum class Setting {
  FontFamily,
  FontFile,
  FontSize,
  Bold,
  Italic,
  Underline,
  LetterSpacing,
  Alignment,
  LineSpacing,
  FillKind,
  FillColour,
  GradientStops,
  GradientAngle,
  Texture,
  SurfacePattern,
  CurveAxis,
  CurvePositions,
  CurveValues,
  Material,
  Effects,
  Deformation,
  DeformationAmount,
};

struct SettingDeclaration {
  Setting id;
  QLatin1StringView section;    // the style file's object that holds it; empty at the top
  QLatin1StringView part;       // an object inside that section that holds it, if any
  QLatin1StringView key;        // its key there
  QLatin1StringView flag;       // its --render option; empty when it has none
  QLatin1StringView otherFlag;  // a second spelling of the option
  QLatin1StringView valueName;  // what --help calls the option's value
  SettingType type;
  double low = 0;  // the range of a number, or of each number of a list
  double high = 0;
  std::span<const QLatin1StringView> choices;  // a choice's names, in the order of their numbers
  std::span<const QLatin1StringView>
      choiceSpellings;              // other spellings command lines and style files take
  const char* rangeNoun = nullptr;  // how a refused option names a number, if not "a whole number"
  const char* help = nullptr;       // its --help text: %1 and %2 the range, %3 the choices
  SettingValue start;               // what a style holds before anything is chosen
  SettingValue (*get)(const Style&) = nullptr;
  void (*put)(Style&, const SettingValue&) = nullptr;
  bool (*belongs)(const Style&) = nullptr;  // null when every style keeps it
  bool leftOutWhenEmpty = false;            // a text not written while empty
};

std::span<const SettingDeclaration> settingDeclarations();
const SettingDeclaration& declaration(Setting id);

// The number of `word` in `names`, or nothing when it is none of them.
std::optional<int> numberOfName(std::span<const QLatin1StringView> names, const QString& word);

// The number of the choice `word` names, in either of the setting's spellings.
std::optional<int> choiceNumber(const SettingDeclaration& setting, const QString& word);

// The names joined by "|", for messages.
QString joinedNames(std::span<const QLatin1StringView> names);

// The setting's --help text with its range and choices filled in.
QString settingHelp(const SettingDeclaration& setting);
