#include "design/style_json.h"

#include <QJsonDocument>

#include "core_test.h"
#include "design/outside_effects.h"
#include "design/style_library.h"

namespace {

Style freshStyle() {
  Style style;
  style.curveValues = {40, 130, 200, 230, 180, 90};
  return style;
}

QByteArray withHeader(const QByteArray& settings) {
  return QByteArray(R"({"format": "Velloro style", "version": 1)") +
         (settings.isEmpty() ? QByteArray() : ", " + settings) + "}";
}

// What reading refuses with; "accepted" when it reads.
std::string refusal(const std::function<void()>& read) {
  try {
    read();
  } catch (const StyleError& error) {
    return error.message().toStdString();
  }
  return "accepted";
}

}  // namespace

// Keys sorted, four spaces a level, one list item a line.
TEST(StyleDocument, FreshStyleIsWrittenExactlyAndEveryEffectSurvivesTheRoundTrip) {
  const QByteArray expected = QJsonDocument::fromJson(R"({
    "curve": {"axis": "top-to-bottom", "positions": [0, 50, 100, 150, 200, 255],
              "values": [40, 130, 200, 230, 180, 90]},
    "deformation": {"amount": 0, "type": "none"}, "effect": {"type": "engraved", "width": 20},
    "fill": {"colour": "#0000c8", "gradient": {"angle": 0, "stops": ["#0000c8", "#78c8ff"]},
             "kind": "colour"},
    "font": {"align": "left", "bold": true, "family": "Tahoma", "italic": false,
             "letterSpacing": 0, "lineSpacing": 1, "size": 75, "underline": false},
    "format": "Velloro style", "material": 0, "name": "Engraved blue", "surface": "none",
    "version": 1})")
                                  .toJson();
  EXPECT_EQ(styleDocument(freshStyle(), QStringLiteral("Engraved blue")), expected);
  // Each effect keeps its own values and colour; the setting table walks the rest.
  for (const OutsideEffect& effect : outsideEffects()) {
    Style style = freshStyle();
    style.effects = effectStackOf(effect.type);
    for (EffectEntry& entry : style.effects) {
      entry.values = {};
      for (int i = 0; i < effect.sliderCount; ++i) entry.values[size_t(i)] = 7 + 31 * i;
      if (effect.colour != EffectColour::None) entry.colour = {1, 2, 250};
    }
    EXPECT_EQ(readStyle(styleDocument(style, {}), Style{}), style) << effect.name.data();
  }
}

// Settings the file leaves out keep the base's value; unknown keys are ignored.
TEST(StyleReading, OnlyTheSettingsGivenChangeAndANewEffectBringsItsOwnStartValues) {
  const Style base = freshStyle();
  Style expected = base;
  expected.material = Material::Steel;
  expected.font.pointSize = 48;
  expected.surfacePattern = SurfacePatternType::Grain;
  EXPECT_EQ(readStyle(withHeader(R"("material": 6, "font": {"size": 48, "kerning": true},
                                    "surface": "grain", "sparkle": [1, 2], "comment": "mine")"),
                      base),
            expected);
  EXPECT_EQ(readStyle(withHeader(""), base), base);
  // A value the file leaves out comes from the new effect's start, not the old effect's.
  for (const OutsideEffect& effect : outsideEffects()) {
    if (effect.sliderCount < 2) continue;
    const QString setting = QStringLiteral(R"("effect": {"type": "%1", "%2": 3})");
    const Style read =
        readStyle(withHeader(setting.arg(effect.name, settingsOf(effect.type)[1]->name).toUtf8()),
                  freshStyle());
    ASSERT_EQ(read.effects.size(), 1u);
    EXPECT_EQ(read.effects[0].values,
              (std::array{effect.startPositions[0], 3, effect.startPositions[2]}));
  }
  const Style outline =
      readStyle(withHeader(R"("effect": {"type": "outline2", "colour": "#FF8000"})"), freshStyle());
  ASSERT_EQ(outline.effects.size(), 1u);
  EXPECT_EQ(outline.effects[0].values[0], outsideEffect(EffectType::Outline2).startPositions[0]);
  EXPECT_EQ(outline.effects[0].colour, (StyleColour{255, 128, 0}));
  const Style glow = readStyle(withHeader(R"("effect": {"type": "glow"})"), freshStyle());
  const Rgb green = outsideEffect(EffectType::Glow).startColour;
  ASSERT_EQ(glow.effects.size(), 1u);
  EXPECT_EQ(glow.effects[0].colour, (StyleColour{green.red, green.green, green.blue}));
}

TEST(StyleReading, RefusesWithTheKeyNamed) {
  const std::pair<QByteArray, const char*> documents[] = {
      {"{\"format\": }", "not JSON: object is missing after a comma at byte 12"},
      {"[1, 2]", "not a style: the document is not a JSON object"},
      {R"({"version": 1})", R"("format" must be "Velloro style": this is not a style file)"},
      {R"({"format": "Velloro style"})", R"("version" is missing)"},
      {R"({"format": "Velloro style", "version": 2})",
       R"("version" 2 is newer than this program reads (1))"},
  };
  for (const auto& [document, message] : documents)
    EXPECT_EQ(refusal([&] { readStyle(document, freshStyle()); }), message) << document.data();
  const std::pair<const char*, const char*> settings[] = {
      {R"("material": 8)", R"("material" must be a whole number from 0 to 7, not 8)"},
      {R"("material": 2.5)", R"("material" must be a whole number from 0 to 7, not 2.5)"},
      {R"("material": "7")", R"("material" must be a whole number from 0 to 7, not "7")"},
      {R"("font": {"align": "middle"})",
       R"("font.align" must be one of left|centre|right|start|end, not "middle")"},
      {R"("effect": {"type": "drop-shadow", "offsetY": -1})",
       R"("effect.offsetY" must be a whole number from 0 to 100, not -1)"},
      {R"("effect": 3)", R"("effect" must be an object, not 3)"},
      {R"("fill": {"colour": "#12345"})",
       R"("fill.colour" must be a colour written #RRGGBB, not "#12345")"},
      {R"("fill": {"kind": "texture"})", R"("fill.texture" is missing for a texture fill)"},
      {R"("curve": {"positions": [0, 50, 50, 150, 200, 255]})",
       R"("curve.positions" must rise from point to point)"},
      {R"("curve": {"values": [1, 2, 3]})",
       R"("curve.values" must be a list of 6 whole numbers, not a list)"},
      {R"("curve": {"values": [1, 2, 3, 256, 5, 6]})",
       R"("curve.values[3]" must be a whole number from 0 to 255, not 256)"},
      {R"("font": {"size": 0})", R"("font.size" must be a number from 1 to 300, not 0)"},
      {R"("font": {"lineSpacing": 3.0000000000000004})",
       R"("font.lineSpacing" must be a number from 0.5 to 3, not 3.0000000000000004)"},
      {R"("font": {"bold": "yes"})", R"("font.bold" must be true or false, not "yes")"},
      {R"("font": {"family": " "})", R"("font.family" must be a non-empty text, not " ")"},
      {R"("fill": {"gradient": {"stops": ["#000000"]}})",
       R"("fill.gradient.stops" must be a list of 2 to 5 colours, not a list)"},
      {R"("fill": {"gradient": {"stops": ["#000000", "red"]}})",
       R"("fill.gradient.stops[1]" must be a colour written #RRGGBB, not "red")"},
      {R"("fill": {"gradient": {"angle": "up"}})",
       R"("fill.gradient.angle" must be a number from -360 to 360, not "up")"},
  };
  for (const auto& [setting, message] : settings)
    EXPECT_EQ(refusal([&] { readStyle(withHeader(setting), freshStyle()); }), message) << setting;
}

TEST(StyleReading, FilesThatCannotBeStyles) {
  QTemporaryDir folder;
  const std::pair<QString, const char*> files[] = {
      {folder.filePath(QStringLiteral("missing.vstyle")), "cannot read: No such file or directory"},
      {writtenFile(folder, "empty.vstyle", {}), "the file is empty"},
      {writtenFile(folder, "huge.vstyle", QByteArray(largestStyleFile + 1, ' ')),
       "too large for a style (1048577 bytes)"},
  };
  for (const auto& [path, message] : files)
    EXPECT_EQ(refusal([&] { readStyleFile(path, Style{}); }), message);
  const QString good = writtenFile(folder, "good.vstyle", withHeader(R"("material": 3)"));
  EXPECT_EQ(readStyleFile(good, Style{}).material, Material::Ridge);
}

// Every preset reads and has a name for the menu; engraved blue is the design
// of a fresh start with the shipped default curve.
TEST(ShippedStyles, EachPresetReadsAndIsNamed) {
  const QDir shipped(QStringLiteral(SHIPPED_STYLES));
  const QStringList presets = shipped.entryList({QStringLiteral("*.vstyle")});
  ASSERT_GE(presets.size(), 5);
  for (const QString& preset : presets) {
    EXPECT_NO_THROW(readStyleFile(shipped.filePath(preset), Style{})) << preset.toStdString();
    EXPECT_FALSE(styleName(contentOf(shipped.filePath(preset))).isEmpty()) << preset.toStdString();
  }
  EXPECT_EQ(readStyleFile(shipped.filePath(QStringLiteral("engraved-blue.vstyle")), Style{}),
            freshStyle());
}

TEST(StyleLibrary, ListsStylesByTheirNames) {
  QTemporaryDir folder;
  writtenFile(folder, "b.vstyle", styleDocument(Style{}, QStringLiteral("zinc")));
  writtenFile(folder, "a.vstyle", styleDocument(Style{}, QStringLiteral("Gold")));
  writtenFile(folder, "broken.vstyle", "{");
  writtenFile(folder, "notes.txt", "not a style");
  std::vector<std::string> shown;
  for (const StyleEntry& entry : stylesIn(folder.path()))
    shown.push_back(entry.name.toStdString() + " " +
                    QFileInfo(entry.path).fileName().toStdString());
  EXPECT_EQ(shown,
            (std::vector<std::string>{"broken broken.vstyle", "Gold a.vstyle", "zinc b.vstyle"}));
  EXPECT_TRUE(stylesIn(folder.filePath(QStringLiteral("missing"))).empty());
}
