// Every setting of a design, declared once: where a style file keeps it,
// the command-line option that gives it, its type, range and start value,
// its help line, how it is read from and put into a Style, and how the
// window shows it (its control, captions, unit, and whether it is a length
// that grows with the pixel density). The style reader and writer, the
// --render options and their refusals, --help and the panels' controls all
// walk this table; adding a setting means adding a row here (and, for a new
// kind of value, teaching those walks the type).
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

// The control the window shows a setting with.
enum class ControlKind {
  None,            // none of its own: another setting's control or a file brings it
  Slider,          // a track slider over the range, its caption in a label beside it
  NumberBox,       // a spin box over the range, its unit after the value
  Toggle,          // a button held down while on
  ChoiceList,      // a drop-down list of the choices' captions
  ChoiceButtons,   // a radio button per choice, captioned and tipped per choice
  ChoicePictures,  // a picture per choice, drawn by the panel, named "caption: choice"
  FontList,        // a list of names or sizes that may be typed into too
  ColourChoice,    // a colour palette, the colour dialog and a preview
  ColourStops,     // the gradient's stops, edited in the gradient dialog
  PictureFile,     // a picture file, shown as a preview
  ProfileCurve,    // the profile curve box
  EffectList,      // the effect stack as a list, each entry's settings beside it
};

// Where the window shows a setting.
enum class SettingPlace {
  Nowhere,
  Toolbar,
  TitleBox,  // beside the title's text box
  InsidePanel,
  EdgePanel,
  OutsidePanel,
  DeformationPanel,
  GradientDialog,
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
  // How the window shows it. Texts are UTF-8.
  ControlKind control = ControlKind::None;
  SettingPlace place = SettingPlace::Nowhere;
  const char* caption = nullptr;       // names the control: its label, or what a screen reader says
  const char* shortCaption = nullptr;  // shown inside a box that has no room for the caption
  const char* tip = nullptr;           // the control's tooltip, %1 and %2 the range
  const char* unit = nullptr;          // of the value shown; null when it has none
  std::span<const QLatin1StringView> choiceCaptions;  // per choice, in the order of the choices
  std::span<const char* const> choiceTips;            // per choice, a button's tooltip
  double step = 1;                                    // a number box's step
  int decimals = 0;                // the digits a number box shows after the point
  bool scalesWithDensity = false;  // a length, drawn times the pixel density
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

// The setting's caption, short caption, tooltip (its range filled in) and
// unit as the window shows them; empty where the row has none.
QString captionOf(const SettingDeclaration& setting);
QString shortCaptionOf(const SettingDeclaration& setting);
QString tipOf(const SettingDeclaration& setting);
QString unitOf(const SettingDeclaration& setting);
// The unit as it follows a value: after a space, except the degree of an
// angle, which is written against the number.
QString unitSuffix(const SettingDeclaration& setting);
// "caption: choice", what a picture of a choice is described as.
QString choiceDescription(const SettingDeclaration& setting, int choice);
