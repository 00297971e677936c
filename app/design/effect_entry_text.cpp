#include "design/effect_entry_text.h"

#include <QRegularExpression>
#include <QStringList>
#include <set>

#include "design/outside_effects.h"
#include "design/setting_declarations.h"

using namespace Qt::StringLiterals;

namespace {

QString quoted(const QString& text) { return u'\'' + text + u'\''; }

QString keysOf(EffectType type) {
  QStringList keys;
  for (const EntrySetting* setting : settingsOf(type)) keys << setting->name;
  return keys.join(u'|');
}

// What is wrong with `value` for `setting`, or nothing; `entry` takes it when right.
QString readValue(const EntrySetting& setting, const QString& value, EffectEntry& entry) {
  switch (setting.part) {
    case EntryPart::Position: {
      bool isNumber = false;
      const int number = value.toInt(&isNumber);
      if (!isNumber || number < setting.low || number > setting.high)
        return u"%1 %2 is not a whole number from %3 to %4"_s.arg(setting.name, quoted(value))
            .arg(setting.low)
            .arg(setting.high);
      entry.values[size_t(setting.slot)] = number;
      return {};
    }
    case EntryPart::Colour: {
      static const QRegularExpression rgb(u"^#[0-9A-Fa-f]{6}$"_s);
      if (!rgb.match(value).hasMatch())
        return u"%1 %2 is not a colour written #RRGGBB"_s.arg(setting.name, quoted(value));
      const uint packed = value.mid(1).toUInt(nullptr, 16);
      entry.colour = {int32_t(packed >> 16), int32_t((packed >> 8) & 0xff), int32_t(packed & 0xff)};
      return {};
    }
    case EntryPart::Switch:
      if (value != u"true"_s && value != u"false"_s)
        return u"%1 %2 is not true or false"_s.arg(setting.name, quoted(value));
      entry.on = value == u"true"_s;
      return {};
  }
  return {};
}

// What is wrong with the settings after the name, or nothing.
QString readSettings(const QString& settings, EffectEntry& entry) {
  std::set<const EntrySetting*> given;
  for (const QString& pair : settings.split(u',')) {
    const qsizetype equals = pair.indexOf(u'=');
    if (equals <= 0) return quoted(pair) + u" is not KEY=VALUE"_s;
    const QString key = pair.first(equals);
    const EntrySetting* setting = entrySetting(key);
    if (!setting || !keeps(*setting, entry.type))
      return u"%1 is not a setting of %2 (%3)"_s.arg(quoted(key), outsideEffect(entry.type).name,
                                                     keysOf(entry.type));
    if (!given.insert(setting).second) return quoted(key) + u" is given twice"_s;
    if (QString problem = readValue(*setting, pair.mid(equals + 1), entry); !problem.isEmpty())
      return problem;
  }
  return {};
}

QString effectNamesOf(const EntrySetting& setting) {
  QStringList names;
  bool everyOne = true;
  for (const OutsideEffect& effect : outsideEffects()) {
    if (effect.type == EffectType::NoContour) continue;
    if (keeps(setting, effect.type))
      names << effect.name;
    else
      everyOne = false;
  }
  return everyOne ? u"every effect"_s : names.join(u", "_s);
}

QString valueOf(const EntrySetting& setting) {
  switch (setting.part) {
    case EntryPart::Position: return u"%1 to %2"_s.arg(setting.low).arg(setting.high);
    case EntryPart::Colour: return u"#RRGGBB"_s;
    case EntryPart::Switch: return u"true or false"_s;
  }
  return {};
}

}  // namespace

EffectEntryText readEffectEntryText(const QString& word) {
  const qsizetype colon = word.indexOf(u':');
  const QString name = colon < 0 ? word : word.first(colon);
  const SettingDeclaration& effects = declaration(Setting::Effects);
  const std::optional<int> number = choiceNumber(effects, name);
  if (!number) return {{}, quoted(name) + u" is none of "_s + joinedNames(effects.choices)};
  const auto type = EffectType(*number);
  if (type == EffectType::NoContour)
    return {{}, colon < 0 ? QString() : quoted(word) + u": 'none' takes no settings"_s};
  EffectEntry entry = effectEntry(type);
  if (colon >= 0)
    if (const QString problem = readSettings(word.mid(colon + 1), entry); !problem.isEmpty())
      return {{}, quoted(word) + u": "_s + problem};
  return {{entry}, {}};
}

QString entrySettingsSummary() {
  QStringList lines;
  for (const EntrySetting& setting : entrySettings()) {
    const QString also = setting.spelling.isEmpty() ? QString() : u"; also "_s + setting.spelling;
    lines << u"%1=%2 (%3%4)"_s.arg(setting.name, valueOf(setting), effectNamesOf(setting), also);
  }
  return lines.join(u";\n"_s);
}
