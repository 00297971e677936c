#include "design/setting_declarations.h"

#include <QStringList>
#include <array>

#include "design/effect_entry_text.h"
#include "design/gradient_fill.h"
#include "design/material_table.h"
#include "design/outside_effects.h"
#include "design/text_picture.h"

using namespace Qt::StringLiterals;

namespace {

constexpr std::array patterns{"none"_L1, "streaks"_L1, "grain"_L1, "ripples"_L1};
constexpr std::array axes{"top-to-bottom"_L1, "left-to-right"_L1, "centre-to-edge"_L1};
constexpr std::array deformations{"none"_L1, "rotate"_L1, "curve"_L1};
constexpr std::array fillKinds{"colour"_L1, "texture"_L1, "gradient"_L1};
constexpr std::array alignments{"left"_L1, "centre"_L1, "right"_L1, "start"_L1, "end"_L1};
constexpr std::array americanAlignments{"left"_L1, "center"_L1, "right"_L1, "start"_L1, "end"_L1};

// What the window calls the choices.
constexpr std::array patternCaptions{"Smooth surface"_L1, "Streaks"_L1, "Grain"_L1, "Ripples"_L1};
constexpr std::array axisCaptions{"T-> B"_L1, "L-> R"_L1, "C-> E"_L1};
constexpr std::array axisTips{"Top --> Bottom", "Left --> Right", "Center --> Edge"};
constexpr std::array deformationCaptions{"No"_L1, "Rotate"_L1, "Curve"_L1};
constexpr std::array deformationTips{"Leave the design as it is",
                                     "Turn the design round its centre",
                                     "Bend the design along an arc"};
constexpr std::array fillKindCaptions{"color :"_L1, "Texture :"_L1, "Gradient :"_L1};
constexpr std::array fillKindTips{"Fill the design with a colour",
                                  "Fill the design with a texture picture",
                                  "Fill the design with a colour gradient"};
// Start and end follow each line's reading direction.
constexpr std::array alignmentCaptions{"Left"_L1, "Centre"_L1, "Right"_L1, "Start"_L1, "End"_L1};

std::span<const QLatin1StringView> materialNames() {
  static const auto names = [] {
    std::array<QLatin1StringView, materialCount> words;
    for (size_t i = 0; i < words.size(); ++i) words[i] = materials[i].name;
    return words;
  }();
  return names;
}

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

using enum SettingType;
using enum ControlKind;
using enum SettingPlace;
using S = Setting;

// How a row reads and writes its member of Style.
#define FIELD(type, member)                                             \
  .get = [](const Style& s) -> SettingValue { return type(s.member); }, \
  .put = [](Style& s, const SettingValue& v) { s.member = as<type>(v); }

// A member kept as an enumeration, read and written as its number.
#define NUMBERED(member)                                                                \
  .get = [](const Style& s) -> SettingValue { return static_cast<int32_t>(s.member); }, \
  .put = [](Style& s, const SettingValue& v) { s.member = decltype(s.member)(as<int32_t>(v)); }

// clang-format off
std::vector<SettingDeclaration> declared() {
  return {
      {.id = S::FontFamily, .section = "font"_L1, .key = "family"_L1, .flag = "--font"_L1,
       .valueName = "FAMILY"_L1, .type = Text, .help = "font family of the title",
       .start = u"Tahoma"_s, FIELD(QString, font.family), .control = FontList,
       .place = Toolbar, .caption = "Font", .tip = "Font of the text"},
      {.id = S::FontFile, .section = "font"_L1, .key = "file"_L1, .type = Text,
       .start = QString(), FIELD(QString, font.file), .leftOutWhenEmpty = true},
      {.id = S::FontSize, .section = "font"_L1, .key = "size"_L1, .flag = "--size"_L1,
       .valueName = "PT"_L1, .type = Number, .low = 1, .high = largestFontSize,
       .rangeNoun = "a size in points", .help = "font size in points, %1 to %2", .start = 75.0,
       FIELD(double, font.pointSize), .control = FontList, .place = Toolbar,
       .caption = "Font size", .tip = "Font size", .unit = "pt", .scalesWithDensity = true},
      {.id = S::Bold, .section = "font"_L1, .key = "bold"_L1, .flag = "--bold"_L1, .type = Flag,
       .help = "bold type", .start = true, FIELD(bool, font.bold), .control = Toggle,
       .place = Toolbar, .caption = "Bold"},
      {.id = S::Italic, .section = "font"_L1, .key = "italic"_L1, .flag = "--italic"_L1,
       .type = Flag, .help = "italic type", .start = false, FIELD(bool, font.italic),
       .control = Toggle, .place = Toolbar, .caption = "Italic"},
      {.id = S::Underline, .section = "font"_L1, .key = "underline"_L1, .flag = "--underline"_L1,
       .type = Flag, .help = "underlined type", .start = false,
       FIELD(bool, font.underline), .control = Toggle, .place = Toolbar, .caption = "Underline"},
      {.id = S::LetterSpacing, .section = "font"_L1, .key = "letterSpacing"_L1,
       .flag = "--letter-spacing"_L1, .valueName = "PX"_L1, .type = WholeNumber,
       .low = -largestLetterSpacing, .high = largestLetterSpacing,
       .help = "pixels added between letters, %1 to %2", .start = int32_t(0),
       FIELD(int32_t, font.letterSpacing), .control = NumberBox, .place = TitleBox,
       .caption = "Letter spacing", .shortCaption = "Letters",
       .tip = "Letter spacing: pixels added between letters (%1 to %2)", .unit = "px",
       .scalesWithDensity = true},
      {.id = S::Alignment, .section = "font"_L1, .key = "align"_L1, .flag = "--align"_L1,
       .valueName = "ALIGN"_L1, .type = Choice, .choices = alignments,
       .choiceSpellings = americanAlignments,
       .help = "alignment of the lines: %3 (also center); start and end follow each line's "
               "reading direction", .start = int32_t(0),
       FIELD(int32_t, font.alignment), .control = ChoiceList, .place = TitleBox,
       .caption = "Line alignment", .tip = "Alignment of the title's lines",
       .choiceCaptions = alignmentCaptions},
      {.id = S::LineSpacing, .section = "font"_L1, .key = "lineSpacing"_L1,
       .flag = "--line-spacing"_L1, .valueName = "F"_L1, .type = Number,
       .low = smallestLineSpacing, .high = largestLineSpacing, .rangeNoun = "a factor",
       .help = "line step as a factor of the font's, %1 to %2", .start = 1.0,
       FIELD(double, font.lineSpacing), .control = NumberBox, .place = TitleBox,
       .caption = "Line spacing", .shortCaption = "Lines",
       .tip = "Line spacing: times the font's line height", .step = 0.1, .decimals = 2},
      {.id = S::FillKind, .section = "fill"_L1, .key = "kind"_L1, .type = Choice,
       .choices = fillKinds, .start = int32_t(0), NUMBERED(fillKind),
       .control = ChoiceButtons, .place = InsidePanel, .choiceCaptions = fillKindCaptions,
       .choiceTips = fillKindTips},
      {.id = S::FillColour, .section = "fill"_L1, .key = "colour"_L1, .flag = "--colour"_L1,
       .otherFlag = "--color"_L1, .valueName = "#RRGGBB"_L1, .type = Colour,
       .help = "fill colour", .start = StyleColour{0, 0, 200}, FIELD(StyleColour, fillColour),
       .control = ColourChoice, .place = InsidePanel, .caption = "Fill colour",
       .tip = "Choose any fill colour"},
      {.id = S::GradientStops, .section = "fill"_L1, .part = "gradient"_L1, .key = "stops"_L1,
       .flag = "--gradient"_L1, .valueName = "STOPS"_L1, .type = ColourList,
       .low = fewestGradientStops, .high = mostGradientStops,
       .help = "fill with a linear gradient of %1 to %2 colours written "
               "\"#RRGGBB,#RRGGBB[,...]\", spread evenly over the design (instead of --colour)",
       .start = ::ColourList{{0, 0, 200}, {120, 200, 255}}, FIELD(::ColourList, gradientStops),
       .control = ColourStops, .place = InsidePanel, .caption = "Gradient",
       .tip = "Choose the gradient's colours and angle"},
      {.id = S::GradientAngle, .section = "fill"_L1, .part = "gradient"_L1, .key = "angle"_L1,
       .flag = "--gradient-angle"_L1, .valueName = "DEG"_L1, .type = Number,
       .low = -largestGradientAngle, .high = largestGradientAngle,
       .rangeNoun = "an angle in degrees",
       .help = "direction of the gradient in degrees, %1 to %2: 0 left to right, 90 top to "
               "bottom",
       .start = 0.0, FIELD(double, gradientAngle), .control = NumberBox,
       .place = GradientDialog, .caption = "Angle",
       .tip = "Angle: 0° left to right, 90° top to bottom", .unit = "°"},
      {.id = S::Texture, .section = "fill"_L1, .key = "texture"_L1, .type = Text,
       .start = QString(), FIELD(QString, texture), .leftOutWhenEmpty = true,
       .control = PictureFile, .place = InsidePanel, .caption = "Texture",
       .tip = "Load a texture picture"},
      {.id = S::SurfacePattern, .key = "surface"_L1, .type = Choice, .choices = patterns,
       .start = int32_t(0), NUMBERED(surfacePattern),
       .control = ChoicePictures, .place = InsidePanel, .caption = "Surface pattern",
       .choiceCaptions = patternCaptions},
      {.id = S::CurveAxis, .section = "curve"_L1, .key = "axis"_L1, .type = Choice,
       .choices = axes, .start = int32_t(0), NUMBERED(curveAxis), .control = ChoiceButtons,
       .place = InsidePanel, .choiceCaptions = axisCaptions, .choiceTips = axisTips},
      {.id = S::CurvePositions, .section = "curve"_L1, .key = "positions"_L1, .type = WholeList,
       .high = curveMaximum, .start = CurveList{0, 50, 100, 150, 200, 255},
       FIELD(CurveList, curvePositions), .control = ProfileCurve, .place = InsidePanel,
       .caption = "Profile curve",
       .tip = "Drag a point to shape the brightness across the design; right-click to reset, "
              "save or load the curve. Keys: Space picks up the point under the marker, the "
              "arrow keys move it, Space drops it"},
      {.id = S::CurveValues, .section = "curve"_L1, .key = "values"_L1, .type = WholeList,
       .high = curveMaximum, .start = CurveList{128, 128, 128, 128, 128, 128},
       FIELD(CurveList, curveValues)},
      {.id = S::Material, .key = "material"_L1, .flag = "--material"_L1, .valueName = "N"_L1,
       .type = WholeNumber, .high = materialCount - 1,
       .help = "material %1 to %2; %4, which also bring their own curve and colour",
       .start = int32_t(0), NUMBERED(material), .control = ChoicePictures, .place = EdgePanel,
       .caption = "Material", .choiceCaptions = materialNames()},
      // The range is how many times --effect may be given.
      {.id = S::Effects, .key = "effects"_L1, .flag = "--effect"_L1,
       .valueName = "NAME[:KEY=VALUE,...]"_L1, .type = EffectStack, .low = 1, .high = mostEffects,
       .choices = effectNames(),
       .help = "outside effect: %3 (none: no effect);\n"
               "give it %1 to %2 times to stack effects, the first\nlowest, the title above them "
               "all, and set each\neffect's own settings with KEY=VALUE, e.g.\n"
               "--effect drop-shadow:x=60,y=60\n--effect outline1:width=70,colour=#ffffff\n"
               "KEYS: %5",
       .start = ::EffectStack{effectEntry(EffectType::Engraved)},
       FIELD(::EffectStack, effects), .control = EffectList, .place = OutsidePanel,
       .caption = "Outside effects",
       .tip = "The effects round the design, the top one first; Space switches the chosen one "
              "on or off"},
      {.id = S::Deformation, .section = "deformation"_L1, .key = "type"_L1, .type = Choice,
       .choices = deformations, .start = int32_t(0), NUMBERED(deformationType),
       .control = ChoiceButtons, .place = DeformationPanel, .choiceCaptions = deformationCaptions,
       .choiceTips = deformationTips},
      {.id = S::DeformationAmount, .section = "deformation"_L1, .key = "amount"_L1,
       .type = WholeNumber, .high = sliderMaximum, .start = int32_t(0),
       FIELD(int32_t, deformationAmount), .control = Slider,
       .place = DeformationPanel, .caption = "Orientation", .unit = "°"},
  };
}
// clang-format on

#undef FIELD
#undef NUMBERED

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

std::optional<int> numberOfName(std::span<const QLatin1StringView> names, const QString& word) {
  for (size_t i = 0; i < names.size(); ++i)
    if (word == names[i]) return int(i);
  return std::nullopt;
}

std::optional<int> choiceNumber(const SettingDeclaration& setting, const QString& word) {
  if (std::optional<int> number = numberOfName(setting.choices, word)) return number;
  return numberOfName(setting.choiceSpellings, word);
}

QString joinedNames(std::span<const QLatin1StringView> names) {
  QStringList words;
  for (QLatin1StringView name : names) words << name;
  return words.join(u'|');
}

QString captionOf(const SettingDeclaration& setting) { return QString::fromUtf8(setting.caption); }

QString shortCaptionOf(const SettingDeclaration& setting) {
  return QString::fromUtf8(setting.shortCaption);
}

QString tipOf(const SettingDeclaration& setting) {
  return QString::fromUtf8(setting.tip)
      .replace(u"%1"_s, QString::number(setting.low))
      .replace(u"%2"_s, QString::number(setting.high));
}

QString unitOf(const SettingDeclaration& setting) { return QString::fromUtf8(setting.unit); }

QString unitSuffix(const SettingDeclaration& setting) {
  const QString unit = unitOf(setting);
  if (unit.isEmpty() || unit == u"°"_s) return unit;
  return u' ' + unit;
}

QString choiceDescription(const SettingDeclaration& setting, int choice) {
  return captionOf(setting) + u": "_s + setting.choiceCaptions[size_t(choice)];
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
      .replace(u"%4"_s, materialsWithOwnLook())
      .replace(u"%5"_s, entrySettingsSummary());
}
