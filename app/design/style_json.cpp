#include "design/style_json.h"

#include <QColor>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>
#include <map>

#include "design/effect_stack_json.h"
#include "design/setting_declarations.h"
#include "files/bounded_read.h"
#include "files/failure.h"

using namespace Qt::StringLiterals;

namespace {

constexpr auto formatKey = "format"_L1;
constexpr auto formatName = "Velloro style"_L1;
// The places of a style file in the order they are read: an object of
// settings, or a setting at the top. A message names the first fault found.
constexpr std::array readingOrder{"fill"_L1,    "surface"_L1,     "curve"_L1, "material"_L1,
                                  "effects"_L1, "deformation"_L1, "font"_L1};

QString quoted(const QString& key) { return u'"' + key + u'"'; }

[[noreturn]] void refuse(const QString& key, const QString& problem) {
  throw StyleError(quoted(key) + u' ' + problem);
}

QString colourText(const StyleColour& colour) {
  return QColor(colour.red, colour.green, colour.blue).name(QColor::HexRgb);
}

QJsonArray numbers(std::span<const int32_t> values) {
  QJsonArray array;
  for (int32_t value : values) array.append(value);
  return array;
}

// Reads the settings of one JSON object; every key is addressed by its
// dotted path from the document's root, so that messages can name it.
class Section {
 public:
  Section(QJsonObject object, QString path) : object_(std::move(object)), path_(std::move(path)) {}

  const QJsonObject& json() const { return object_; }
  QString keyPath(const QString& key) const { return path_.isEmpty() ? key : path_ + u'.' + key; }
  bool has(const QString& key) const { return object_.contains(key); }

  std::optional<Section> section(const QString& key) const {
    if (!has(key)) return std::nullopt;
    const QJsonValue value = object_.value(key);
    if (!value.isObject()) refuse(keyPath(key), u"must be an object, not "_s + shownValue(value));
    return Section(value.toObject(), keyPath(key));
  }

  void readWhole(const QString& key, int32_t low, int32_t high, int32_t& target) const {
    if (has(key)) target = whole(object_.value(key), keyPath(key), low, high);
  }

  void readBool(const QString& key, bool& target) const {
    if (!has(key)) return;
    const QJsonValue value = object_.value(key);
    if (!value.isBool()) refuse(keyPath(key), u"must be true or false, not "_s + shownValue(value));
    target = value.toBool();
  }

  void readText(const QString& key, QString& target) const {
    if (!has(key)) return;
    const QJsonValue value = object_.value(key);
    if (!value.isString() || value.toString().trimmed().isEmpty())
      refuse(keyPath(key), u"must be a non-empty text, not "_s + shownValue(value));
    target = value.toString();
  }

  void readNumber(const QString& key, double low, double high, double& target) const {
    if (!has(key)) return;
    const QJsonValue value = object_.value(key);
    if (!value.isDouble() || !(value.toDouble() >= low && value.toDouble() <= high))
      refuse(keyPath(key),
             u"must be a number from %1 to %2, not "_s.arg(low).arg(high) + shownValue(value));
    target = value.toDouble();
  }

  void readChoice(const SettingDeclaration& setting, int32_t& target) const {
    const QString key = setting.key;
    if (!has(key)) return;
    const QJsonValue value = object_.value(key);
    const std::optional<int> number = choiceNumber(setting, value.toString());
    if (!value.isString() || !number)
      refuse(keyPath(key),
             u"must be one of "_s + joinedNames(setting.choices) + u", not "_s + shownValue(value));
    target = *number;
  }

  void readColour(const QString& key, StyleColour& target) const {
    if (!has(key)) return;
    static const QRegularExpression rgb(u"^#[0-9A-Fa-f]{6}$"_s);
    const QJsonValue value = object_.value(key);
    if (!value.isString() || !rgb.match(value.toString()).hasMatch())
      refuse(keyPath(key), u"must be a colour written #RRGGBB, not "_s + shownValue(value));
    const uint packed = value.toString().mid(1).toUInt(nullptr, 16);
    target = {int32_t(packed >> 16), int32_t((packed >> 8) & 0xff), int32_t(packed & 0xff)};
  }

  void readColourList(const QString& key, int low, int high,
                      std::vector<StyleColour>& target) const {
    if (!has(key)) return;
    const QJsonValue value = object_.value(key);
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.size() < low || array.size() > high)
      refuse(keyPath(key),
             u"must be a list of %1 to %2 colours, not "_s.arg(low).arg(high) + shownValue(value));
    std::vector<StyleColour> colours(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
      // Each item is read as a key of its own, so that a refusal names it.
      const QString item = key + u"[%1]"_s.arg(i);
      Section(QJsonObject{{item, array[i]}}, path_).readColour(item, colours[i]);
    }
    target = std::move(colours);
  }

  void readWholeList(const QString& key, int32_t low, int32_t high,
                     std::array<int32_t, styleCurvePoints>& target) const {
    if (!has(key)) return;
    const QJsonValue value = object_.value(key);
    if (!value.isArray() || value.toArray().size() != styleCurvePoints)
      refuse(keyPath(key), u"must be a list of %1 whole numbers, not "_s.arg(styleCurvePoints) +
                               shownValue(value));
    const QJsonArray array = value.toArray();
    for (int i = 0; i < styleCurvePoints; ++i)
      target[i] = whole(array[i], keyPath(key) + u"[%1]"_s.arg(i), low, high);
  }

 private:
  static int32_t whole(const QJsonValue& value, const QString& key, int32_t low, int32_t high) {
    const double number = value.toDouble(NAN);
    if (!value.isDouble() || number != std::floor(number) || number < low || number > high)
      refuse(key, u"must be a whole number from %1 to %2, not "_s.arg(low).arg(high) +
                      shownValue(value));
    return int32_t(number);
  }

  QJsonObject object_;
  QString path_;
};

QJsonObject parsedRoot(const QByteArray& document) {
  QJsonParseError error;
  const QJsonDocument parsed = QJsonDocument::fromJson(document, &error);
  if (error.error != QJsonParseError::NoError)
    throw StyleError(u"not JSON: %1 at byte %2"_s.arg(error.errorString()).arg(error.offset));
  if (!parsed.isObject()) throw StyleError(u"not a style: the document is not a JSON object"_s);
  return parsed.object();
}

void checkFormat(const Section& root, const QJsonObject& object) {
  if (object.value(formatKey).toString() != formatName)
    refuse(formatKey, u"must be \"%1\": this is not a style file"_s.arg(formatName));
  if (!root.has(u"version"_s)) refuse(u"version"_s, u"is missing"_s);
  int32_t version = 0;
  root.readWhole(u"version"_s, 1, std::numeric_limits<int32_t>::max(), version);
  if (version > styleFormatVersion)
    refuse(u"version"_s,
           u"%1 is newer than this program reads (%2)"_s.arg(version).arg(styleFormatVersion));
}

template <typename T>
T& held(SettingValue& value) {
  return std::get<T>(value);
}

void readSetting(const Section& section, const SettingDeclaration& setting, Style& style) {
  if (setting.belongs && !setting.belongs(style)) return;
  SettingValue value = setting.get(style);
  const QString key = setting.key;
  switch (setting.type) {
    case SettingType::WholeNumber:
      section.readWhole(key, int32_t(setting.low), int32_t(setting.high), held<int32_t>(value));
      break;
    case SettingType::Number:
      section.readNumber(key, setting.low, setting.high, held<double>(value));
      break;
    case SettingType::Flag: section.readBool(key, held<bool>(value)); break;
    case SettingType::Colour: section.readColour(key, held<StyleColour>(value)); break;
    case SettingType::Choice: section.readChoice(setting, held<int32_t>(value)); break;
    case SettingType::Text: section.readText(key, held<QString>(value)); break;
    case SettingType::ColourList:
      section.readColourList(key, int(setting.low), int(setting.high), held<ColourList>(value));
      break;
    case SettingType::WholeList:
      section.readWholeList(key, int32_t(setting.low), int32_t(setting.high),
                            held<CurveList>(value));
      break;
    case SettingType::EffectStack:
      value = readEffects(section.json(), held<EffectStack>(value));
      break;
  }
  setting.put(style, value);
}

// What the settings of one object say only together.
void checkTogether(const Section& section, QLatin1StringView place, const Style& style) {
  if (place == "fill"_L1 && style.fillKind == FillKind::Texture && style.texture.isEmpty())
    refuse(section.keyPath(u"texture"_s), u"is missing for a texture fill"_s);
  if (place == "curve"_L1)
    for (int i = 1; i < styleCurvePoints; ++i)
      if (style.curvePositions[i] <= style.curvePositions[i - 1])
        refuse(section.keyPath(u"positions"_s), u"must rise from point to point"_s);
}

void readPlace(const Section& root, QLatin1StringView place, Style& style) {
  for (const SettingDeclaration& setting : settingDeclarations())
    if (setting.section.isEmpty() && setting.key == place) return readSetting(root, setting, style);
  const std::optional<Section> section = root.section(place);
  if (!section) return;
  for (const SettingDeclaration& setting : settingDeclarations()) {
    if (setting.section != place) continue;
    if (setting.part.isEmpty()) {
      readSetting(*section, setting, style);
    } else if (const std::optional<Section> part = section->section(setting.part)) {
      readSetting(*part, setting, style);
    }
  }
  checkTogether(*section, place, style);
}

void writeSetting(const SettingDeclaration& setting, const Style& style, QJsonObject& target) {
  const SettingValue value = setting.get(style);
  const QString key = setting.key;
  switch (setting.type) {
    case SettingType::WholeNumber: target.insert(key, std::get<int32_t>(value)); break;
    case SettingType::Number: target.insert(key, std::get<double>(value)); break;
    case SettingType::Flag: target.insert(key, std::get<bool>(value)); break;
    case SettingType::Colour: target.insert(key, colourText(std::get<StyleColour>(value))); break;
    case SettingType::Choice:
      target.insert(key, QString(setting.choices[size_t(std::get<int32_t>(value))]));
      break;
    case SettingType::Text:
      if (!setting.leftOutWhenEmpty || !std::get<QString>(value).isEmpty())
        target.insert(key, std::get<QString>(value));
      break;
    case SettingType::ColourList: {
      QJsonArray colours;
      for (const StyleColour& colour : std::get<ColourList>(value))
        colours.append(colourText(colour));
      target.insert(key, colours);
      break;
    }
    case SettingType::WholeList: target.insert(key, numbers(std::get<CurveList>(value))); break;
    case SettingType::EffectStack: writeEffects(std::get<EffectStack>(value), target); break;
  }
}

}  // namespace

QString shownValue(const QJsonValue& value) {
  if (value.isString()) return quoted(value.toString());
  // Every digit that tells the number apart: 3.0000000000000004 is not 3.
  if (value.isDouble())
    return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
  if (value.isBool()) return value.toBool() ? u"true"_s : u"false"_s;
  if (value.isNull()) return u"null"_s;
  return value.isArray() ? u"a list"_s : u"an object"_s;
}

StyleError::StyleError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString StyleError::message() const { return QString::fromStdString(what()); }

QByteArray styleDocument(const Style& style, const QString& name) {
  QJsonObject root{
      {formatKey, QString(formatName)}, {u"version"_s, styleFormatVersion}, {u"name"_s, name}};
  std::map<QString, QJsonObject> sections;
  // Objects inside a section, by section and name.
  std::map<std::pair<QString, QString>, QJsonObject> parts;
  for (const SettingDeclaration& setting : settingDeclarations()) {
    if (setting.belongs && !setting.belongs(style)) continue;
    QJsonObject& target = setting.section.isEmpty() ? root
                          : setting.part.isEmpty()  ? sections[setting.section]
                                                    : parts[{setting.section, setting.part}];
    writeSetting(setting, style, target);
  }
  for (const auto& [place, part] : parts) sections[place.first].insert(place.second, part);
  for (const auto& [place, section] : sections) root.insert(place, section);
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Style readStyle(const QByteArray& document, const Style& base) {
  // The parser would report an empty file as an illegal value at byte 0.
  if (document.trimmed().isEmpty()) throw StyleError(u"the file is empty"_s);
  const QJsonObject object = parsedRoot(document);
  const Section root(object, QString());
  checkFormat(root, object);
  Style style = base;
  for (QLatin1StringView place : readingOrder) readPlace(root, place, style);
  return style;
}

Style readStyleFile(const QString& path, const Style& base) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw StyleError(u"cannot read: "_s + file.errorString());
  if (file.size() > largestStyleFile)
    throw StyleError(u"too large for a style (%1 bytes)"_s.arg(file.size()));
  // A pipe or a device reports no size: the reading itself stops at the limit.
  std::optional<QByteArray> document;
  try {
    document = readRestWithin(file, largestStyleFile);
  } catch (const Failure&) {
    throw StyleError(u"cannot read: "_s + file.errorString());
  }
  if (!document) throw StyleError(u"too large for a style (over %1 bytes)"_s.arg(largestStyleFile));
  return readStyle(*document, base);
}

QString styleName(const QByteArray& document) {
  return QJsonDocument::fromJson(document).object().value(u"name"_s).toString();
}
