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

EffectEntry changed(EffectType type, const std::function<void(EffectEntry&)>& change) {
  EffectEntry entry = effectEntry(type);
  change(entry);
  return entry;
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
       EffectStack{changed(Outline1,
                           [](EffectEntry& e) {
                             e.values[0] = 4;
                             e.colour = {255, 255, 255};
                           }),
                   changed(DropShadow, [](EffectEntry& e) { e.values[1] = 60, e.values[2] = 0; })}},
      {"--effect outline2:color=#0A0b0C,on=false --effect outline2:on=true,width=100",
       EffectStack{changed(Outline2,
                           [](EffectEntry& e) {
                             e.colour = {10, 11, 12};
                             e.on = false;
                           }),
                   changed(Outline2, [](EffectEntry& e) { e.values[0] = 100; })}},
  };
  for (const auto& [line, stack] : lines)
    EXPECT_EQ(stackOf(QString::fromLatin1(line)), stack) << line;
  QString eight;
  for (int i = 0; i < mostEffects; ++i) eight += u"--effect glow "_qs;
  EXPECT_EQ(stackOf(eight), EffectStack(size_t(mostEffects), effectEntry(Glow)));
  EXPECT_EQ(refusalOf(eight + u"--effect raised"_qs), "--effect: at most 8 effects can be stacked");
}

TEST(EffectOption, RefusalsNameThePartAtFault) {
  const char* names = "none|drop-shadow|cast-shadow|engraved|raised|outline1|outline2|glow";
  const std::pair<const char*, std::string> lines[] = {
      {"--effect sparkle", std::string("--effect: 'sparkle' is none of ") + names},
      {"--effect sparkle:width=3", std::string("--effect: 'sparkle' is none of ") + names},
      {"--effect none:width=3", "--effect: 'none:width=3': 'none' takes no settings"},
      {"--effect none --effect glow", "--effect: 'none' cannot be stacked with other effects"},
      {"--effect glow --effect none", "--effect: 'none' cannot be stacked with other effects"},
      {"--effect glow:", "--effect: 'glow:': '' is not KEY=VALUE"},
      {"--effect glow:width", "--effect: 'glow:width': 'width' is not KEY=VALUE"},
      {"--effect glow:=4", "--effect: 'glow:=4': '=4' is not KEY=VALUE"},
      {"--effect glow:x=4", "--effect: 'glow:x=4': 'x' is not a setting of glow (width|colour|on)"},
      {"--effect cast-shadow:offsetX=1",
       "--effect: 'cast-shadow:offsetX=1': 'offsetX' is not a setting of cast-shadow "
       "(strength|height|orientation|on)"},
      {"--effect glow:width=4,width=5", "--effect: 'glow:width=4,width=5': 'width' is given twice"},
      {"--effect glow:width=101",
       "--effect: 'glow:width=101': width '101' is not a whole number from 0 to 100"},
      {"--effect drop-shadow:y=-1",
       "--effect: 'drop-shadow:y=-1': offsetY '-1' is not a whole number from 0 to 100"},
      {"--effect raised:width=2.5",
       "--effect: 'raised:width=2.5': width '2.5' is not a whole number from 0 to 100"},
      {"--effect glow:colour=green",
       "--effect: 'glow:colour=green': colour 'green' is not a colour written #RRGGBB"},
      {"--effect glow:on=yes", "--effect: 'glow:on=yes': on 'yes' is not true or false"},
  };
  for (const auto& [line, message] : lines)
    EXPECT_EQ(refusalOf(QString::fromLatin1(line)), message);
}

// Every declared setting of an entry, for every effect: those it keeps
// take their range's ends and refuse past them, in a style file and on
// the command line alike; those it does not are refused there.
TEST(EntrySettingTable, EverySettingOfEveryEffectThroughTheFileTheCommandLineAndHelp) {
  const QString help = commandLineHelpText();
  for (const EntrySetting& setting : entrySettings()) {
    EXPECT_TRUE(help.contains(QString(setting.name) + u'=')) << setting.name.data();
    for (const OutsideEffect& effect : outsideEffects()) {
      if (effect.type == NoContour) continue;
      SCOPED_TRACE(testing::Message() << setting.name.data() << " of " << effect.name.data());
      const bool kept = keeps(setting, effect.type);
      // Its value at the top of its range, and one past it.
      QString value, past, jsonValue, jsonPast;
      EffectEntry expected = effectEntry(effect.type);
      switch (setting.part) {
        case EntryPart::Position:
          value = QString::number(setting.high);
          past = QString::number(setting.high + 1);
          jsonValue = value;
          jsonPast = past;
          expected.values[size_t(setting.slot)] = setting.high;
          break;
        case EntryPart::Colour:
          value = u"#fe0102"_qs;
          past = u"#fe01"_qs;
          jsonValue = u"\"#fe0102\""_qs;
          jsonPast = u"\"#fe01\""_qs;
          expected.colour = {254, 1, 2};
          break;
        case EntryPart::Switch:
          value = u"false"_qs;
          past = u"no"_qs;
          jsonValue = value;
          jsonPast = u"\"no\""_qs;
          expected.on = false;
          break;
      }
      const QString word = QString(effect.name) + u':' + setting.name + u'=' + value;
      auto fileWith = [&](const QString& written) {
        return uR"({"format": "Velloro style", "version": 1, "effects": [{"type": "%1", "%2": %3}]})"_qs
            .arg(effect.name, setting.name, written)
            .toUtf8();
      };
      const QByteArray file = fileWith(jsonValue);
      if (!kept) {
        EXPECT_NE(refusalOf(u"--effect "_qs + word), "accepted");
        EXPECT_THROW(readStyle(file, Style()), StyleError);
        continue;
      }
      EXPECT_EQ(stackOf(u"--effect "_qs + word), EffectStack{expected});
      EXPECT_EQ(readStyle(file, Style()).effects, EffectStack{expected});
      if (!setting.spelling.isEmpty())
        EXPECT_EQ(stackOf(u"--effect "_qs + QString(effect.name) + u':' + setting.spelling + u'=' +
                          value),
                  EffectStack{expected});
      const QString pastWord = QString(effect.name) + u':' + setting.name + u'=' + past;
      EXPECT_NE(refusalOf(u"--effect "_qs + pastWord), "accepted");
      EXPECT_THROW(readStyle(fileWith(jsonPast), Style()), StyleError);
    }
  }
}
