// The command line after --render: its spellings and refusals, and every
// declared setting through the style file, the command line and --help.
#include "headless/render_command.h"

#include "design/setting_declarations.h"
#include "design/style_json.h"
#include "headless/console_platform.h"
#include "headless/title_scene.h"
#include "render_run_fixture.h"

// Other spellings of a flag or a value.
TEST(RenderCommand, OtherSpellingsReachTheRequest) {
  const RenderRequest r =
      parseRenderCommand(commandWords("--render --text A --style=gold.vstyle --color #10A0fF "
                                      "--align center --quality=0 --output out/title.WEBP"))
          .request;
  EXPECT_EQ(r.styleFile, QStringLiteral("gold.vstyle"));
  const StyleOverrides expected{{Setting::FillColour, StyleColour{0x10, 0xa0, 0xff}},
                                {Setting::Alignment, int32_t(1)}};
  EXPECT_EQ(r.overrides, expected);
  const StyleOverrides gradient{{Setting::GradientStops, ColourList{{255, 0, 0}, {0, 255, 0}}}};
  EXPECT_EQ(parseRenderCommand(
                commandWords("--render --text A --gradient=#ff0000,#00FF00 --output t.png"))
                .request.overrides,
            gradient);
  EXPECT_EQ(r.quality, 0);
  EXPECT_EQ(r.outputFile, QStringLiteral("out/title.WEBP"));
}

// Values an option refuses: "OPTION: 'VALUE' " and the rest of the message.
TEST(RenderCommand, BadValuesAreNamed) {
  const std::tuple<const char*, std::vector<const char*>, const char*> cases[] = {
      {"--size", {"abc", "301", "0.5"}, "is not a size in points from 1 to 300"},
      {"--canvas", {"0x5", "8193x10", "640"}, "is not a size WxH from 1x1 to 8192x8192"},
      {"--box", {"0x20"}, "is not a size WxH from 1x1 to 8192x8192"},
      {"--colour", {"red"}, "is not a colour written #RRGGBB"},
      {"--background", {"#12345"}, "is not a colour written #RRGGBB"},
      {"--material", {"8", "-1"}, "is not a whole number from 0 to 7"},
      {"--at", {"5"}, "is not a position X,Y in pixels"},
      {"--quality", {"101"}, "is not a whole number from 0 to 100"},
      {"--margin", {"1001"}, "is not a whole number from 0 to 1000"},
      {"--trim", {"-1"}, "is not a whole number from 0 to 1000"},
      {"--scale", {"0", "5", "x", "1.5"}, "is not a whole number from 1 to 4"},
      {"--align", {"middle"}, "is none of left|centre|right|start|end"},
      {"--line-spacing", {"3.5"}, "is not a factor from 0.5 to 3"},
      {"--gradient-angle", {"steep"}, "is not an angle in degrees from -360 to 360"},
  };
  for (const auto& [option, values, rest] : cases)
    for (const char* value : values) {
      const QStringList words = commandWords("--render --text A -o a.png % %", {option, value});
      EXPECT_EQ(usageError(words), option + (": '" + std::string(value)) + "' " + rest);
    }
}

// Command lines after "--render", and the one message all of them get.
TEST(RenderCommand, BadArgumentsAreNamed) {
  const std::pair<std::vector<const char*>, const char*> cases[] = {
      {{"--text A -o a.png --sparkle"}, "unknown option '--sparkle' (see --help)"},
      {{"--text A -o a.png extra"}, "unexpected argument 'extra' (see --help)"},
      {{"--text A -o"}, "-o: needs a value"},
      {{"--text A -o a.png --size"}, "--size: needs a value"},
      {{"--text A -o a.png --trim 4"}, "--trim needs --transparent"},
      {{"--text A --max-lines 2 -o a.png"}, "--max-lines needs --box WxH"},
      {{"--text A -o a.png --at 5,5", "--text A -o a.png --background #102030 --at 5,5"},
       "--at needs a canvas of its own: --canvas WxH, --background FILE or --document FILE"},
      {{"--text A -o a.png --canvas 9x9 --margin 3",
        "--text A -o a.png --background w.bmp --margin 3"},
       "--margin goes with a canvas that fits the design, not with --canvas, a background "
       "picture or a document"},
      {{"--text A -o a.jpg --transparent"}, "--transparent needs a .png or .webp picture"},
      {{"--text A -o a.tif"}, "-o: 'a.tif' does not end in .png, .webp, .jpg, .bmp"},
      {{"--text A -o png"}, "-o: 'png' does not end in .png, .webp, .jpg, .bmp"},
      {{"-o a.png"}, "--text TEXT, --document FILE or --batch LIST is needed"},
      {{"--document a.velloro --out-dir ."}, "-o OUT is needed"},
      {{"--document a.velloro -o a.png --margin 3"},
       "--margin goes with a canvas that fits the design, not with --canvas, a background "
       "picture or a document"},
      {{"--text A"}, "-o OUT is needed"},
      {{"--text A --batch l.txt -o a.png"}, "--text and --batch cannot go together"},
      {{"--text A -o a.png --out-dir web"},
       "--out-dir goes with --batch; one title is written to -o OUT"},
      {{"--batch l.txt"}, "--out-dir DIR is needed"},
      {{"--batch l.txt --out-dir web -o a.png"},
       "-o goes with --text; a batch is written to --out-dir DIR"},
      {{"--bold=yes --text A -o a.png"}, "--bold: takes no value"},
      {{"--text A -o a.png --style="}, "--style: the value is empty"},
      {{"-o a.png --text=\t ", "-o a.png --text=\u200b", "-o a.png --text=\n\n",
        "-o a.png --text=\u3164", "-o a.png --text=\u2800", "-o a.png --text=\u034f\u115f",
        "-o a.png --text=\ufeff", "-o a.png --text=\r\r", "-o a.png --text=\U000E0100"},
       "--text: the text holds nothing to draw"},
      {{"-o a.png --text=\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\r\rA"},
       "--text: the text has 21 lines; a title holds at most 20"},
      {{"-o a.png --text=Caf\ufffd"}, "--text: the text is not UTF-8"},
      {{"-o a.png --text=\U0001F600", "-o a.png --text=\U0001D407\U0001D41E"}, "accepted"},
      {{"-o a.png --text A --colour #102030 --gradient #FF0000,#00FF00",
        "-o a.png --text A --gradient #FF0000,#00FF00 --color #102030"},
       "--colour and --gradient cannot go together: a title has one fill"},
      {{"-o a.png --text A --gradient #FF0000"},
       "--gradient: '#FF0000': a gradient has 2 to 5 colours, not 1"},
      {{"-o a.png --text A --gradient #FF0000,blue"},
       "--gradient: '#FF0000,blue': 'blue' is not a colour written #RRGGBB"},
  };
  for (const auto& [lines, message] : cases)
    for (const char* line : lines)
      EXPECT_EQ(usageError(commandWords(QStringLiteral("--render ") + line)), message) << line;
}

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
    case SettingType::EffectStack: return effectStackOf(EffectType::Glow);
  }
  return {};
}

// How the command line spells `value`.
QString spelt(const SettingDeclaration& setting, const SettingValue& value) {
  if (const auto* colour = std::get_if<StyleColour>(&value))
    return QColor(colour->red, colour->green, colour->blue).name();
  if (setting.type == SettingType::Choice) return setting.choices[size_t(std::get<int32_t>(value))];
  if (const auto* stack = std::get_if<EffectStack>(&value))
    return setting.choices[size_t(velloro::toInt(stack->front().type))];
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
    // A style that keeps `setting`: a texture to fill with.
    Style style;
    style.texture = QStringLiteral("wood.bmp");
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
    if (setting.high > setting.low) {
      EXPECT_TRUE(help.contains(QStringLiteral("%1 to %2").arg(setting.low).arg(setting.high)));
    }
  }
}
