// --effect given once or more: the stack it makes, its refusals, and every
// declared setting of an entry through the command line, the style file
// and --help.
#include <QJsonDocument>

#include "design/effect_stack.h"
#include "design/outside_effects.h"
#include "design/style_json.h"
#include "render_run_fixture.h"

namespace {

using enum EffectType;

// The stack a command line after "--render --text A -o a.png" asks for, or
// none when it gives no --effect.
std::optional<EffectStack> stackOf(const QString& line) {
  const StyleOverrides overrides =
      parseRenderCommand(commandWords(u"--render --text A -o a.png "_qs + line)).request.overrides;
  const auto given = overrides.find(Setting::Effects);
  if (given == overrides.end()) return std::nullopt;
  return std::get<EffectStack>(given->second);
}

std::string refusalOf(const QString& line) {
  return usageError(commandWords(u"--render --text A -o a.png "_qs + line));
}

// The effect's start entry with the positions, colour and switch given.
EffectEntry entry(EffectType type, std::initializer_list<std::pair<size_t, int32_t>> positions,
                  std::optional<StyleColour> colour = {}, bool on = true) {
  EffectEntry made = effectEntry(type);
  for (const auto& [slot, value] : positions) made.values[slot] = value;
  made.colour = colour.value_or(made.colour);
  made.on = on;
  return made;
}

}  // namespace

TEST(EffectOption, EachGivenStacksOneEntryInTheOrderGiven) {
  const std::pair<const char*, std::optional<EffectStack>> lines[] = {
      {"", std::nullopt},
      {"--effect none", EffectStack{}},
      {"--effect glow", EffectStack{effectEntry(Glow)}},
      {"--effect outline1 --effect drop-shadow",
       EffectStack{effectEntry(Outline1), effectEntry(DropShadow)}},
      {"--effect outline1:width=4,colour=#ffffff --effect=drop-shadow:x=60,y=0",
       EffectStack{entry(Outline1, {{0, 4}}, StyleColour{255, 255, 255}),
                   entry(DropShadow, {{1, 60}, {2, 0}})}},
      {"--effect outline2:color=#0A0b0C,on=false --effect outline2:on=true,width=100",
       EffectStack{entry(Outline2, {}, StyleColour{10, 11, 12}, false),
                   entry(Outline2, {{0, 100}})}},
  };
  for (const auto& [line, stack] : lines)
    EXPECT_EQ(stackOf(QString::fromLatin1(line)), stack) << line;
  QString eight;
  for (int i = 0; i < mostEffects; ++i) eight += u"--effect glow "_qs;
  EXPECT_EQ(stackOf(eight), EffectStack(size_t(mostEffects), effectEntry(Glow)));
  EXPECT_EQ(refusalOf(eight + u"--effect raised"_qs), "--effect: at most 8 effects can be stacked");
}

TEST(EffectOption, RefusalsNameThePartAtFault) {
  QStringList declared;  // every effect's name, in the declaration's order
  for (const OutsideEffect& effect : outsideEffects()) declared << effect.name;
  const std::string names = declared.join(u'|').toStdString();
  const std::pair<const char*, std::string> lines[] = {
      {"--effect sparkle", "--effect: 'sparkle' is none of " + names},
      {"--effect none:width=3", "--effect: 'none:width=3': 'none' takes no settings"},
      {"--effect none --effect glow", "--effect: 'none' cannot be stacked with other effects"},
      {"--effect glow --effect none", "--effect: 'none' cannot be stacked with other effects"},
      {"--effect glow:", "--effect: 'glow:': '' is not KEY=VALUE"},
      {"--effect glow:width", "--effect: 'glow:width': 'width' is not KEY=VALUE"},
      {"--effect glow:x=4", "--effect: 'glow:x=4': 'x' is not a setting of glow (width|colour|on)"},
      {"--effect cast-shadow:offsetX=1",
       "--effect: 'cast-shadow:offsetX=1': 'offsetX' is not a setting of cast-shadow "
       "(strength|height|orientation|on)"},
      {"--effect glow:width=4,width=5", "--effect: 'glow:width=4,width=5': 'width' is given twice"},
      {"--effect glow:width=101",
       "--effect: 'glow:width=101': width '101' is not a whole number from 0 to 100"},
      {"--effect drop-shadow:y=-1",
       "--effect: 'drop-shadow:y=-1': offsetY '-1' is not a whole number from 0 to 100"},
      {"--effect glow:colour=green",
       "--effect: 'glow:colour=green': colour 'green' is not a colour written #RRGGBB"},
      {"--effect glow:on=yes", "--effect: 'glow:on=yes': on 'yes' is not true or false"},
  };
  for (const auto& [line, message] : lines)
    EXPECT_EQ(refusalOf(QString::fromLatin1(line)), message);
}

namespace {

// A value a setting takes (its range's top, a colour, off), one it refuses,
// and the entry that takes the first.
struct Sample {
  QString taken, refused;
  EffectEntry entry;
};

Sample sampleOf(const EntrySetting& setting, EffectType type) {
  EffectEntry entry = effectEntry(type);
  switch (setting.part) {
    case EntryPart::Position:
      entry.values[size_t(setting.slot)] = setting.high;
      return {QString::number(setting.high), QString::number(setting.high + 1), entry};
    case EntryPart::Colour: entry.colour = {254, 1, 2}; return {u"#fe0102"_qs, u"#fe01"_qs, entry};
    case EntryPart::Switch: entry.on = false; return {u"false"_qs, u"no"_qs, entry};
  }
  return {};
}

// A style file whose one effect of `type` sets `key` to `value`.
QByteArray styleWith(QLatin1StringView type, QLatin1StringView key, const QString& value) {
  const bool bare = value == u"false"_qs || value.front().isDigit();
  return uR"({"format": "Velloro style", "version": 1, "effects": [{"type": "%1", "%2": %3}]})"_qs
      .arg(type, key, bare ? value : u'"' + value + u'"')
      .toUtf8();
}

}  // namespace

// Every declared setting of an entry, for every effect: one it keeps takes
// its sample and refuses the other, in a style file and on the command line
// alike; one it does not keep is refused there.
TEST(EntrySettingTable, EverySettingOfEveryEffectThroughTheFileTheCommandLineAndHelp) {
  const QString help = commandLineHelpText();
  for (const EntrySetting& setting : entrySettings()) {
    EXPECT_TRUE(help.contains(QString(setting.name) + u'=')) << setting.name.data();
    for (const OutsideEffect& effect : outsideEffects()) {
      if (effect.type == NoContour) continue;
      SCOPED_TRACE(testing::Message() << setting.name.data() << " of " << effect.name.data());
      const Sample sample = sampleOf(setting, effect.type);
      auto option = [&](const QString& value) {
        return u"--effect "_qs + effect.name + u':' + setting.name + u'=' + value;
      };
      if (!keeps(setting, effect.type)) {
        EXPECT_NE(refusalOf(option(sample.taken)), "accepted");
        EXPECT_THROW(readStyle(styleWith(effect.name, setting.name, sample.taken), Style()),
                     StyleError);
        continue;
      }
      EXPECT_EQ(stackOf(option(sample.taken)), EffectStack{sample.entry});
      EXPECT_EQ(readStyle(styleWith(effect.name, setting.name, sample.taken), Style()).effects,
                EffectStack{sample.entry});
      EXPECT_NE(refusalOf(option(sample.refused)), "accepted");
      EXPECT_THROW(readStyle(styleWith(effect.name, setting.name, sample.refused), Style()),
                   StyleError);
    }
  }
}
