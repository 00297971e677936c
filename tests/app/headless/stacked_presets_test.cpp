// The shipped presets that stack effects: each reads as its stack, and its
// file says the stack as the program writes it, with the top shown entry
// as the lone effect older versions draw.
#include <QJsonDocument>
#include <QJsonObject>

#include "design/style_json.h"
#include "render_run_fixture.h"

TEST(StackedPresets, EachReadsAsItsStackWrittenAsTheProgramWritesIt) {
  using enum EffectType;
  const std::pair<const char*, std::vector<EffectType>> presets[] = {
      {"sticker", {DropShadow, Outline1}},
      {"neon", {Glow, Outline2, Outline1}},
      {"chrome", {DropShadow, Outline1}},
      {"embossed-stamp", {Engraved, Outline2}},
  };
  for (const auto& [name, types] : presets) {
    SCOPED_TRACE(name);
    const QString path = QStringLiteral(SHIPPED_DATA "/styles/%1.vstyle").arg(name);
    const Style style = readStyleFile(path, Style());
    std::vector<EffectType> read;
    for (const EffectEntry& entry : style.effects) read.push_back(entry.type);
    EXPECT_EQ(read, types);
    const QJsonObject shipped = QJsonDocument::fromJson(contentOf(path)).object();
    const QJsonObject written = QJsonDocument::fromJson(styleDocument(style, {})).object();
    for (const char* key : {"effect", "effects"}) EXPECT_EQ(shipped[key], written[key]) << key;
  }
}
