// What every setting's declaration promises the window, walked over the
// whole table: a new row is checked here without a test of its own.
#include "design/setting_declarations.h"

#include <gtest/gtest.h>

#include <QSet>
#include <cmath>
#include <cstring>
#include <map>
#include <set>

namespace {

using enum SettingType;
using enum ControlKind;

// The types a control can show; a control shows the value it edits, so
// any other pairing is a row that cannot be built.
const std::map<ControlKind, std::set<SettingType>> shownTypes{
    {Slider, {WholeNumber}},
    {NumberBox, {WholeNumber, Number}},
    {Toggle, {Flag}},
    {ChoiceList, {Choice, WholeNumber}},
    {ChoiceButtons, {Choice, WholeNumber}},
    {ChoicePictures, {Choice, WholeNumber}},
    {FontList, {Text, Number}},
    {ColourChoice, {Colour}},
    {ColourStops, {ColourList}},
    {PictureFile, {Text}},
    {ProfileCurve, {WholeList}},
    {EffectList, {EffectStack}},
};

bool isChoiceControl(ControlKind kind) {
  return kind == ChoiceList || kind == ChoiceButtons || kind == ChoicePictures;
}

bool isNumber(SettingType type) { return type == WholeNumber || type == Number; }

// How many choices a choice control offers: a choice's names, or every
// whole number of the range.
size_t choiceCount(const SettingDeclaration& setting) {
  if (setting.type == Choice) return setting.choices.size();
  return size_t(setting.high - setting.low + 1);
}

QString rowName(const SettingDeclaration& setting) {
  return QStringLiteral("row %1 (%2)").arg(int(setting.id)).arg(setting.key);
}

// The captions a setting puts on its panel: its own and one per choice.
QStringList shownCaptions(const SettingDeclaration& setting) {
  QStringList captions;
  if (setting.caption) captions << captionOf(setting);
  if (setting.control == ChoiceButtons)
    for (QLatin1StringView choice : setting.choiceCaptions) captions << choice;
  return captions;
}

std::optional<double> startNumber(const SettingDeclaration& setting) {
  if (const auto* whole = std::get_if<int32_t>(&setting.start)) return *whole;
  if (const auto* number = std::get_if<double>(&setting.start)) return *number;
  return std::nullopt;
}

void checkControlFitsType(const SettingDeclaration& setting) {
  if (setting.control == None) {
    EXPECT_EQ(setting.place, SettingPlace::Nowhere);
    EXPECT_EQ(setting.caption, nullptr) << "a caption nothing shows";
    EXPECT_EQ(setting.tip, nullptr);
    return;
  }
  EXPECT_NE(setting.place, SettingPlace::Nowhere) << "a control shown nowhere";
  EXPECT_TRUE(shownTypes.at(setting.control).contains(setting.type))
      << "the control cannot show it";
  if (setting.control == Slider || setting.control == NumberBox) {
    EXPECT_LT(setting.low, setting.high) << "a range of one value";
  }
  if (setting.control != NumberBox) {
    EXPECT_EQ(setting.shortCaption, nullptr) << "only a number box shows a short caption";
    EXPECT_EQ(setting.step, 1);
    EXPECT_EQ(setting.decimals, 0);
  }
}

void checkCaptions(const SettingDeclaration& setting) {
  if (setting.control == None) return;
  if (setting.control == ChoiceButtons) {
    EXPECT_EQ(setting.caption, nullptr) << "buttons are captioned one by one";
  } else {
    EXPECT_FALSE(captionOf(setting).trimmed().isEmpty()) << "a control without a caption";
  }
  for (const QString& caption : shownCaptions(setting)) {
    EXPECT_FALSE(caption.trimmed().isEmpty());
    EXPECT_EQ(caption, caption.trimmed()) << "a caption padded with spaces";
  }
  if (setting.shortCaption) {
    EXPECT_FALSE(shortCaptionOf(setting).trimmed().isEmpty()) << "an empty short caption";
  }
}

void checkChoices(const SettingDeclaration& setting) {
  if (!isChoiceControl(setting.control)) {
    EXPECT_TRUE(setting.choiceCaptions.empty()) << "captions of choices nothing offers";
    EXPECT_TRUE(setting.choiceTips.empty());
    return;
  }
  EXPECT_EQ(setting.choiceCaptions.size(), choiceCount(setting));
  const QSet<QString> distinct(setting.choiceCaptions.begin(), setting.choiceCaptions.end());
  EXPECT_EQ(size_t(distinct.size()), setting.choiceCaptions.size()) << "two choices alike";
  if (setting.control == ChoiceButtons) {
    EXPECT_EQ(setting.choiceTips.size(), setting.choiceCaptions.size()) << "a button untipped";
  } else {
    EXPECT_TRUE(setting.choiceTips.empty()) << "tips nothing shows";
  }
  for (const char* tip : setting.choiceTips) EXPECT_GT(std::strlen(tip), 0u);
}

void checkNumbers(const SettingDeclaration& setting) {
  if (const std::optional<double> start = startNumber(setting); start && isNumber(setting.type)) {
    EXPECT_GE(*start, setting.low) << "the start value below the range";
    EXPECT_LE(*start, setting.high) << "the start value above the range";
  }
  if (setting.control != NumberBox) return;
  EXPECT_GT(setting.step, 0);
  EXPECT_LE(setting.step, setting.high - setting.low) << "a step past the whole range";
  EXPECT_GE(setting.decimals, 0);
  if (setting.type == WholeNumber) {
    EXPECT_EQ(setting.decimals, 0) << "decimals of a whole number";
  }
  // The box shows every value a step reaches.
  const double shownStep = setting.step * std::pow(10, setting.decimals);
  EXPECT_DOUBLE_EQ(shownStep, std::round(shownStep)) << "a step finer than the decimals shown";
}

void checkUnitAndDensity(const SettingDeclaration& setting) {
  const QString unit = unitOf(setting);
  EXPECT_EQ(unit, unit.trimmed()) << "a unit padded with spaces";
  if (setting.unit) {
    EXPECT_FALSE(unit.isEmpty()) << "an empty unit";
    EXPECT_TRUE(isNumber(setting.type)) << "a unit of a value that is no number";
    EXPECT_TRUE(unitSuffix(setting).endsWith(unit));
  }
  if (setting.scalesWithDensity) {
    EXPECT_TRUE(isNumber(setting.type)) << "only a length grows with the density";
    EXPECT_TRUE(unit == u"px" || unit == u"pt") << "a length without a length's unit";
  }
  // A range in the tip is filled in: no placeholder is left for the window.
  const QString tip = tipOf(setting);
  EXPECT_FALSE(tip.contains(u"%1") || tip.contains(u"%2")) << qPrintable(tip);
  if (setting.tip && QByteArray(setting.tip).contains("%1")) {
    EXPECT_TRUE(tip.contains(QString::number(setting.low)));
  }
}

TEST(SettingDeclarations, EveryRowGivesThePanelWhatItShows) {
  for (const SettingDeclaration& setting : settingDeclarations()) {
    SCOPED_TRACE(qPrintable(rowName(setting)));
    checkControlFitsType(setting);
    checkCaptions(setting);
    checkChoices(setting);
    checkNumbers(setting);
    checkUnitAndDensity(setting);
  }
}

TEST(SettingDeclarations, NoTwoCaptionsOfAPlaceAlike) {
  std::map<SettingPlace, std::map<QString, Setting>> seen;
  for (const SettingDeclaration& setting : settingDeclarations())
    for (const QString& caption : shownCaptions(setting)) {
      const auto [at, added] = seen[setting.place].emplace(caption, setting.id);
      EXPECT_TRUE(added) << qPrintable(caption) << " captions both " << int(at->second) << " and "
                         << int(setting.id);
    }
}

struct UnitCase {
  const char* unit;
  const char* suffix;
};

TEST(SettingDeclarations, AUnitFollowsItsValueAfterASpaceButTheDegree) {
  const UnitCase cases[] = {
      {"px", " px"}, {"pt", " pt"}, {"%", " %"}, {"°", "°"}, {nullptr, ""},
  };
  for (const UnitCase& sample : cases) {
    SettingDeclaration setting{.id = Setting::FontSize, .type = Number};
    setting.unit = sample.unit;
    EXPECT_EQ(unitSuffix(setting), QString::fromUtf8(sample.suffix)) << sample.suffix;
  }
}

struct TipCase {
  const char* tip;
  double low;
  double high;
  const char* shown;
};

TEST(SettingDeclarations, ATipShowsItsRange) {
  const TipCase cases[] = {
      {"from %1 to %2", -3, 7, "from -3 to 7"},
      {"%2 down to %1, %1 again", 0.5, 2.25, "2.25 down to 0.5, 0.5 again"},
      {"no range", 1, 2, "no range"},
      {"0° left", 0, 1, "0° left"},
      {nullptr, 1, 2, ""},
  };
  for (const TipCase& sample : cases) {
    SettingDeclaration setting{.id = Setting::FontSize, .type = Number};
    setting.tip = sample.tip;
    setting.low = sample.low;
    setting.high = sample.high;
    EXPECT_EQ(tipOf(setting), QString::fromUtf8(sample.shown));
  }
}

TEST(SettingDeclarations, AChoiceIsDescribedByItsSettingsCaption) {
  constexpr std::array choices{QLatin1StringView("Plain"), QLatin1StringView("Ribbed")};
  SettingDeclaration setting{.id = Setting::SurfacePattern, .type = Choice};
  setting.caption = "Finish";
  setting.choiceCaptions = choices;
  EXPECT_EQ(choiceDescription(setting, 0), QStringLiteral("Finish: Plain"));
  EXPECT_EQ(choiceDescription(setting, 1), QStringLiteral("Finish: Ribbed"));
}

}  // namespace
