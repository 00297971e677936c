#include "design/effect_stack_json.h"

#include <QColor>
#include <QJsonArray>
#include <QRegularExpression>
#include <cmath>

#include "design/outside_effects.h"
#include "design/setting_declarations.h"
#include "design/style_json.h"

using namespace Qt::StringLiterals;

namespace {

constexpr auto singleKey = "effect"_L1;
constexpr auto listKey = "effects"_L1;
constexpr auto typeKey = "type"_L1;

QString quoted(const QString& text) { return u'"' + text + u'"'; }

// Where an entry stands in the file, for messages: the lone "effect"
// object names its keys by their path, an entry of the list by its number.
struct EntryPlace {
  int number = 0;  // counted from 1 in the list; 0 for the lone object

  QString key(const QString& name) const {
    return number == 0 ? quoted(singleKey + u'.' + name) : prefix() + quoted(name);
  }
  QString whole() const { return number == 0 ? quoted(singleKey) : u"effect %1:"_s.arg(number); }
  [[noreturn]] void refuse(const QString& name, const QString& problem) const {
    throw StyleError(key(name) + u' ' + problem);
  }

 private:
  QString prefix() const { return u"effect %1: "_s.arg(number); }
};

int32_t position(const QJsonValue& value, const EntrySetting& setting, const EntryPlace& place) {
  const double number = value.toDouble(NAN);
  if (!value.isDouble() || number != std::floor(number) || number < setting.low ||
      number > setting.high)
    place.refuse(
        setting.name,
        u"must be a whole number from %1 to %2, not "_s.arg(setting.low).arg(setting.high) +
            shownValue(value));
  return int32_t(number);
}

StyleColour colour(const QJsonValue& value, const EntrySetting& setting, const EntryPlace& place) {
  static const QRegularExpression rgb(u"^#[0-9A-Fa-f]{6}$"_s);
  if (!value.isString() || !rgb.match(value.toString()).hasMatch())
    place.refuse(setting.name, u"must be a colour written #RRGGBB, not "_s + shownValue(value));
  const uint packed = value.toString().mid(1).toUInt(nullptr, 16);
  return {int32_t(packed >> 16), int32_t((packed >> 8) & 0xff), int32_t(packed & 0xff)};
}

void readEntrySetting(const QJsonValue& value, const EntrySetting& setting, const EntryPlace& place,
                      EffectEntry& entry) {
  switch (setting.part) {
    case EntryPart::Position:
      entry.values[size_t(setting.slot)] = position(value, setting, place);
      break;
    case EntryPart::Colour: entry.colour = colour(value, setting, place); break;
    case EntryPart::Switch:
      if (!value.isBool())
        place.refuse(setting.name, u"must be true or false, not "_s + shownValue(value));
      entry.on = value.toBool();
      break;
  }
}

// The entry's settings read over `entry`, in the table's order so that a
// message names the first fault. A key no effect keeps is ignored, as
// unknown keys are everywhere in a style file; one another effect keeps
// is a mistake.
void readEntrySettings(const QJsonObject& object, const EntryPlace& place, EffectEntry& entry) {
  const QLatin1StringView name = outsideEffect(entry.type).name;
  for (const EntrySetting& setting : entrySettings()) {
    if (!object.contains(setting.name)) continue;
    if (!keeps(setting, entry.type)) place.refuse(setting.name, u"is not a setting of "_s + name);
    readEntrySetting(object.value(setting.name), setting, place, entry);
  }
}

EffectType namedType(const QJsonValue& value, std::span<const QLatin1StringView> names,
                     const EntryPlace& place) {
  const std::optional<int> number = numberOfName(names, value.toString());
  if (!value.isString() || !number)
    place.refuse(typeKey,
                 u"must be one of "_s + joinedNames(names) + u", not "_s + shownValue(value));
  return EffectType(*number);
}

QJsonObject entryObject(const QJsonValue& value, const EntryPlace& place) {
  if (!value.isObject())
    throw StyleError(place.whole() + u" must be an object, not "_s + shownValue(value));
  return value.toObject();
}

std::span<const QLatin1StringView> everyEffectName() {
  return declaration(Setting::Effects).choices;
}

// The names of the real effects: a list entry is never "none".
std::span<const QLatin1StringView> realEffectNames() { return everyEffectName().subspan(1); }

EffectEntry listEntry(const QJsonValue& value, int number) {
  const EntryPlace place{number};
  const QJsonObject object = entryObject(value, place);
  if (!object.contains(typeKey)) place.refuse(typeKey, u"is missing"_s);
  // The names lack "none" at the front, so each stands one below its number.
  const EffectType type =
      EffectType(velloro::toInt(namedType(object.value(typeKey), realEffectNames(), place)) + 1);
  EffectEntry entry = effectEntry(type);
  readEntrySettings(object, place, entry);
  return entry;
}

EffectStack listStack(const QJsonValue& value) {
  if (!value.isArray())
    throw StyleError(quoted(listKey) +
                     u" must be a list of at most %1 effects, not "_s.arg(mostEffects) +
                     shownValue(value));
  const QJsonArray list = value.toArray();
  if (list.size() > mostEffects)
    throw StyleError(
        u"effect %1: a style holds at most %2 effects"_s.arg(mostEffects + 1).arg(mostEffects));
  EffectStack stack;
  for (qsizetype i = 0; i < list.size(); ++i) stack.push_back(listEntry(list[i], int(i + 1)));
  return stack;
}

// The lone object as the previous version read it: a type other than the
// base's brings the effect's own start values.
EffectStack singleStack(const QJsonValue& value, const EffectStack& base) {
  const EntryPlace place;
  const QJsonObject object = entryObject(value, place);
  EffectStack stack = base;
  if (object.contains(typeKey)) {
    const EffectType named = namedType(object.value(typeKey), everyEffectName(), place);
    const bool sameAsTop = !base.empty() && base.back().type == named;
    stack = sameAsTop ? EffectStack{base.back()} : effectStackOf(named);
    // An effect named alone is shown unless the object says otherwise.
    if (!stack.empty()) stack.back().on = true;
  }
  if (stack.empty()) return stack;
  readEntrySettings(object, place, stack.back());
  return stack;
}

QJsonObject entryJson(const EffectEntry& entry) {
  QJsonObject object{{typeKey, QString(outsideEffect(entry.type).name)}};
  for (const EntrySetting* setting : settingsOf(entry.type)) {
    switch (setting->part) {
      case EntryPart::Position:
        object.insert(setting->name, entry.values[size_t(setting->slot)]);
        break;
      case EntryPart::Colour:
        object.insert(
            setting->name,
            QColor(entry.colour.red, entry.colour.green, entry.colour.blue).name(QColor::HexRgb));
        break;
      case EntryPart::Switch:
        // Written only when off, so that an entry shown is written as before.
        if (!entry.on) object.insert(setting->name, false);
        break;
    }
  }
  return object;
}

}  // namespace

EffectStack readEffects(const QJsonObject& root, const EffectStack& base) {
  if (root.contains(listKey)) return listStack(root.value(listKey));
  if (root.contains(singleKey)) return singleStack(root.value(singleKey), base);
  return base;
}

void writeEffects(const EffectStack& stack, QJsonObject& root) {
  const std::optional<EffectEntry> drawn = topEffect(stack);
  root.insert(singleKey,
              drawn ? entryJson(*drawn)
                    : QJsonObject{{typeKey, QString(outsideEffect(EffectType::NoContour).name)}});
  const bool saidAlone = stack.empty() || (stack.size() == 1 && stack.front().on);
  if (saidAlone) return;
  QJsonArray list;
  for (const EffectEntry& entry : stack) list.append(entryJson(entry));
  root.insert(listKey, list);
}
