// The effect stack in a style file: what is written for stacks of each
// shape, that each comes back, and the refusals that name the entry.
#include "design/effect_stack_json.h"

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonDocument>

#include "design/style_json.h"

namespace {

using enum EffectType;

QByteArray withHeader(const QByteArray& settings) {
  return R"({"format": "Velloro style", "version": 1, )" + settings + "}";
}

// The keys "effect" and "effects" of the document written for `stack`.
QJsonObject effectKeys(const EffectStack& stack) {
  Style style;
  style.effects = stack;
  const QJsonObject root = QJsonDocument::fromJson(styleDocument(style, {})).object();
  QJsonObject keys;
  for (const char* key : {"effect", "effects"})
    if (root.contains(QLatin1String(key))) keys.insert(QLatin1String(key), root.value(key));
  return keys;
}

QJsonObject json(const char* text) { return QJsonDocument::fromJson(text).object(); }

const EffectEntry whiteRim{Outline1, {4, 0, 0}, {255, 255, 255}};
const EffectEntry hiddenRed{Outline1, {9, 0, 0}, {255, 0, 0}, false};
const EffectEntry shadow{DropShadow, {50, 70, 30}, {}};

}  // namespace

TEST(EffectStackFile, EachShapeOfStackIsWrittenSoThatOlderReadersDrawItsTop) {
  EffectEntry shadowOff = shadow;
  shadowOff.on = false;
  const std::tuple<const char*, EffectStack, const char*> stacks[] = {
      {"empty", {}, R"({"effect": {"type": "none"}})"},
      {"one", {whiteRim}, R"({"effect": {"type": "outline1", "width": 4, "colour": "#ffffff"}})"},
      {"one switched off",
       {shadowOff},
       R"({"effect": {"type": "none"}, "effects": [{"type": "drop-shadow", "strength": 50,
            "offsetX": 70, "offsetY": 30, "on": false}]})"},
      {"three, the top off",
       {shadow, whiteRim, hiddenRed},
       R"({"effect": {"type": "outline1", "width": 4, "colour": "#ffffff"},
           "effects": [{"type": "drop-shadow", "strength": 50, "offsetX": 70, "offsetY": 30},
                       {"type": "outline1", "width": 4, "colour": "#ffffff"},
                       {"type": "outline1", "width": 9, "colour": "#ff0000", "on": false}]})"},
  };
  for (const auto& [name, stack, expected] : stacks) {
    SCOPED_TRACE(name);
    EXPECT_EQ(effectKeys(stack), json(expected));
    // Read over a base with another stack, the stack written comes back whole.
    Style style;
    style.effects = stack;
    Style base;
    base.effects = {shadow, shadow};
    EXPECT_EQ(readStyle(styleDocument(style, {}), base), style);
  }
}

// The lone "effect" of an older file: its type makes a stack of one, and
// without one its settings change the top entry of the base.
TEST(EffectStackFile, TheLoneEffectOfAnOlderFileReadsAsBefore) {
  Style base;
  EffectEntry rimOff = whiteRim;
  rimOff.on = false;
  base.effects = {shadow, rimOff};
  const std::tuple<const char*, EffectStack> files[] = {
      {R"("effect": {"width": 7})", {shadow, {Outline1, {7, 0, 0}, {255, 255, 255}, false}}},
      {R"("effect": {"type": "outline1", "colour": "#000001"})",
       {{Outline1, {4, 0, 0}, {0, 0, 1}}}},
      {R"("effect": {"type": "none"})", {}},
      {R"("effect": {"type": "glow"}, "effects": [])", {}},
  };
  for (const auto& [file, expected] : files)
    EXPECT_EQ(readStyle(withHeader(file), base).effects, expected) << file;
}

TEST(EffectStackFile, RefusesWithTheEntryNamed) {
  QByteArray nine = R"("effects": [)";
  for (int i = 0; i < 9; ++i) nine += QByteArray(i ? "," : "") + R"({"type": "glow"})";
  nine += "]";
  const std::pair<QByteArray, const char*> files[] = {
      {nine, "effect 9: a style holds at most 8 effects"},
      {R"("effects": [{"type": "glow"}, {"type": "sparkle"}])",
       R"(effect 2: "type" must be one of drop-shadow|cast-shadow|engraved|raised|outline1|outline2|glow, not "sparkle")"},
      {R"("effects": [{"type": "none"}])",
       R"(effect 1: "type" must be one of drop-shadow|cast-shadow|engraved|raised|outline1|outline2|glow, not "none")"},
      {R"("effects": [{"type": "glow", "offsetX": 5}])",
       R"(effect 1: "offsetX" is not a setting of glow)"},
      {R"("effect": {"type": "engraved", "strength": 5})",
       R"("effect.strength" is not a setting of engraved)"},
      {R"("effects": [{"type": "glow"}, 3])", "effect 2: must be an object, not 3"},
      {R"("effects": [{"width": 5}])", R"(effect 1: "type" is missing)"},
      {R"("effects": [{"type": "glow", "width": 101}])",
       R"(effect 1: "width" must be a whole number from 0 to 100, not 101)"},
      {R"("effects": [{"type": "glow", "colour": "green"}])",
       R"(effect 1: "colour" must be a colour written #RRGGBB, not "green")"},
      {R"("effects": [{"type": "glow", "on": 0}])",
       R"(effect 1: "on" must be true or false, not 0)"},
      {R"("effects": {"type": "glow"})",
       R"("effects" must be a list of at most 8 effects, not an object)"},
  };
  for (const auto& [file, message] : files) {
    try {
      readStyle(withHeader(file), Style());
      ADD_FAILURE() << "accepted " << file.constData();
    } catch (const StyleError& error) {
      EXPECT_EQ(error.message().toStdString(), message) << file.constData();
    }
  }
}
