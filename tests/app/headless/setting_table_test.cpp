// Every declared setting through the style file, the command line and --help.
#include "headless/console_platform.h"
#include "headless/render_command.h"
#include "headless/title_scene.h"
#include "render_run_fixture.h"
#include "state/setting_declarations.h"
#include "state/style_json.h"

namespace {

// A value of the setting's type that is not `start`.
SettingValue otherThan(const SettingDeclaration& setting, const SettingValue& start) {
  const auto high = int32_t(setting.high);
  switch (setting.type) {
    case SettingType::WholeNumber: return std::get<int32_t>(start) == high ? high - 1 : high;
    case SettingType::Number:
      return std::get<double>(start) == setting.high ? setting.low : setting.high;
    case SettingType::Flag: return !std::get<bool>(start);
    case SettingType::Colour: return StyleColour{1, 2, 254};
    case SettingType::Choice: {
      const auto last = int32_t(setting.choices.size() - 1);
      return std::get<int32_t>(start) == last ? 0 : last;
    }
    case SettingType::Text: return QStringLiteral("Other text");
    case SettingType::ColourList: return ColourList{{1, 2, 254}, {9, 8, 7}, {255, 0, 128}};
    case SettingType::WholeList: return CurveList{1, 2, 3, 5, 8, high};
    case SettingType::EffectValues: return EffectValueList{high, high - 1, high - 2};
  }
  return {};
}

// How the command line spells `value`.
QString spelt(const SettingDeclaration& setting, const SettingValue& value) {
  if (const auto* colour = std::get_if<StyleColour>(&value))
    return QColor(colour->red, colour->green, colour->blue).name();
  if (setting.type == SettingType::Choice) return setting.choices[size_t(std::get<int32_t>(value))];
  if (const auto* colours = std::get_if<ColourList>(&value)) {
    QStringList words;
    for (const StyleColour& c : *colours) words << QColor(c.red, c.green, c.blue).name();
    return words.join(u',');
  }
  if (const auto* number = std::get_if<int32_t>(&value)) return QString::number(*number);
  if (const auto* number = std::get_if<double>(&value)) return QString::number(*number);
  return std::get<QString>(value);
}

// A style file that sets `setting` to `value`, written as JSON.
QByteArray styleFileSetting(const SettingDeclaration& setting, const QString& value) {
  QString entry = QStringLiteral("\"%1\": %2").arg(setting.key, value);
  for (const QLatin1StringView outer : {setting.part, setting.section})
    if (!outer.isEmpty()) entry = QStringLiteral("\"%1\": {%2}").arg(outer, entry);
  return (QStringLiteral(R"({"format": "Velloro style", "version": 1, )") + entry + u'}').toUtf8();
}

// The style that `base` becomes with `flag` and `value` on the command line.
Style withOption(const Style& base, const QString& flag, const QString& value = QString()) {
  static ConsolePlatform console(stderr);
  QStringList words = commandWords("--render --text T -o t.png %", {flag});
  if (!value.isNull()) words << value;
  return withOverrides(base, parseRenderCommand(words).request.overrides, QString(), console);
}

}  // namespace

// Each setting's own spellings are walked here; their exact texts are in the
// command line and style file tests.
TEST(SettingTable, EverySettingThroughTheStyleFileTheCommandLineAndHelp) {
  const QString help = commandLineHelpText();
  for (const SettingDeclaration& setting : settingDeclarations()) {
    SCOPED_TRACE(testing::Message() << setting.key.data() << " " << setting.flag.data());
    // A style that keeps `setting`: a texture to fill with, and an effect that
    // stores all three values, or the one with a colour for a setting that needs it.
    Style style;
    style.texture = QStringLiteral("wood.bmp");
    style.effectType = setting.belongs ? EffectType::Glow : EffectType::DropShadow;
    const SettingValue changed = otherThan(setting, setting.get(style));
    setting.put(style, changed);
    EXPECT_EQ(setting.get(readStyle(styleDocument(style, {}), Style())), changed);
    for (size_t number = 0; number < setting.choiceSpellings.size(); ++number) {
      const QString word = setting.choiceSpellings[number];
      const QByteArray document = styleFileSetting(setting, u'"' + word + u'"');
      EXPECT_EQ(setting.get(readStyle(document, Style())), SettingValue(int32_t(number)));
      EXPECT_EQ(setting.get(withOption(Style(), setting.flag, word)),
                SettingValue(int32_t(number)));
    }
    const bool ranged =
        setting.type == SettingType::WholeNumber || setting.type == SettingType::Number;
    const QString above = QString::number(setting.high + 1);
    if (ranged && !setting.key.isEmpty()) {
      const QByteArray document = styleFileSetting(setting, above);
      try {
        readStyle(document, Style());
        ADD_FAILURE() << "accepted " << document.constData();
      } catch (const StyleError& error) {
        EXPECT_TRUE(error.message().contains(QString::number(setting.high))) << error.what();
      }
    }
    if (setting.flag.isEmpty()) continue;
    // An option without a value can only switch its setting on.
    Style base;
    if (setting.type == SettingType::Flag) setting.put(base, false);
    const SettingValue other = otherThan(setting, setting.get(base));
    const QString value = setting.type == SettingType::Flag ? QString() : spelt(setting, other);
    EXPECT_EQ(setting.get(withOption(base, setting.flag, value)), other);
    if (ranged) {
      const std::string refusal =
          usageError(commandWords("--render --text T -o t.png % %", {setting.flag, above}));
      EXPECT_TRUE(refusal.starts_with(setting.flag.data() + (": '" + above.toStdString())))
          << refusal;
    }
    EXPECT_TRUE(help.contains(QStringLiteral("\n  ") + setting.flag));
    if (setting.high > setting.low)
      EXPECT_TRUE(help.contains(QStringLiteral("%1 to %2").arg(setting.low).arg(setting.high)));
  }
}
