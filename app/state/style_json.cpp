#include "state/style_json.h"

#include <QColor>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>

#include "state/bounded_read.h"
#include "state/failure.h"
#include "state/gradient_fill.h"
#include "state/style_defaults.h"
#include "state/style_names.h"
#include "state/text_picture.h"

using namespace Qt::StringLiterals;

namespace {

constexpr auto formatKey = "format"_L1;
constexpr auto formatName = "Velloro style"_L1;
constexpr int sliderMaximum = 100;
constexpr int curveMaximum = 255;
constexpr double largestFontSize = 300;

QString quoted(const QString& key) { return u'"' + key + u'"'; }

[[noreturn]] void refuse(const QString& key, const QString& problem) {
  throw StyleError(quoted(key) + u' ' + problem);
}

QString shown(const QJsonValue& value) {
  if (value.isString()) return quoted(value.toString());
  if (value.isDouble()) return QString::number(value.toDouble());
  if (value.isBool()) return value.toBool() ? u"true"_s : u"false"_s;
  if (value.isNull()) return u"null"_s;
  return value.isArray() ? u"a list"_s : u"an object"_s;
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

  QString keyPath(const QString& key) const { return path_.isEmpty() ? key : path_ + u'.' + key; }
  bool has(const QString& key) const { return object_.contains(key); }

  std::optional<Section> section(const QString& key) const {
    if (!has(key)) return std::nullopt;
    const QJsonValue value = object_.value(key);
    if (!value.isObject()) refuse(keyPath(key), u"must be an object, not "_s + shown(value));
    return Section(value.toObject(), keyPath(key));
  }

  void readWhole(const QString& key, int32_t low, int32_t high, int32_t& target) const {
    if (has(key)) target = whole(object_.value(key), keyPath(key), low, high);
  }

  void readBool(const QString& key, bool& target) const {
    if (!has(key)) return;
    const QJsonValue value = object_.value(key);
    if (!value.isBool()) refuse(keyPath(key), u"must be true or false, not "_s + shown(value));
    target = value.toBool();
  }

  void readText(const QString& key, QString& target) const {
    if (!has(key)) return;
    const QJsonValue value = object_.value(key);
    if (!value.isString() || value.toString().trimmed().isEmpty())
      refuse(keyPath(key), u"must be a non-empty text, not "_s + shown(value));
    target = value.toString();
  }

  void readNumber(const QString& key, double low, double high, double& target) const {
    if (!has(key)) return;
    const QJsonValue value = object_.value(key);
    if (!value.isDouble() || !(value.toDouble() >= low && value.toDouble() <= high))
      refuse(keyPath(key),
             u"must be a number from %1 to %2, not "_s.arg(low).arg(high) + shown(value));
    target = value.toDouble();
  }

  void readChoice(const QString& key, std::span<const QLatin1StringView> names,
                  int32_t& target) const {
    if (!has(key)) return;
    const QJsonValue value = object_.value(key);
    const std::optional<int> number = numberOfName(names, value.toString());
    if (!value.isString() || !number)
      refuse(keyPath(key), u"must be one of "_s + joinedNames(names) + u", not "_s + shown(value));
    target = *number;
  }

  void readColour(const QString& key, StyleColour& target) const {
    if (!has(key)) return;
    static const QRegularExpression rgb(u"^#[0-9A-Fa-f]{6}$"_s);
    const QJsonValue value = object_.value(key);
    if (!value.isString() || !rgb.match(value.toString()).hasMatch())
      refuse(keyPath(key), u"must be a colour written #RRGGBB, not "_s + shown(value));
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
             u"must be a list of %1 to %2 colours, not "_s.arg(low).arg(high) + shown(value));
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
      refuse(keyPath(key),
             u"must be a list of %1 whole numbers, not "_s.arg(styleCurvePoints) + shown(value));
    const QJsonArray array = value.toArray();
    for (int i = 0; i < styleCurvePoints; ++i)
      target[i] = whole(array[i], keyPath(key) + u"[%1]"_s.arg(i), low, high);
  }

 private:
  static int32_t whole(const QJsonValue& value, const QString& key, int32_t low, int32_t high) {
    const double number = value.toDouble(NAN);
    if (!value.isDouble() || number != std::floor(number) || number < low || number > high)
      refuse(key,
             u"must be a whole number from %1 to %2, not "_s.arg(low).arg(high) + shown(value));
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

void readFill(const Section& root, Style& style) {
  const std::optional<Section> fill = root.section(u"fill"_s);
  if (!fill) return;
  static constexpr std::array kinds{"colour"_L1, "texture"_L1, "gradient"_L1};
  int32_t kind = style.gradientFill ? 2 : style.textureFill ? 1 : 0;
  fill->readChoice(u"kind"_s, kinds, kind);
  style.textureFill = kind == 1;
  style.gradientFill = kind == 2;
  fill->readColour(u"colour"_s, style.fillColour);
  fill->readText(u"texture"_s, style.texture);
  if (style.textureFill && style.texture.isEmpty())
    refuse(fill->keyPath(u"texture"_s), u"is missing for a texture fill"_s);
  if (const std::optional<Section> gradient = fill->section(u"gradient"_s)) {
    gradient->readColourList(u"stops"_s, fewestGradientStops, mostGradientStops,
                             style.gradientStops);
    gradient->readNumber(u"angle"_s, -largestGradientAngle, largestGradientAngle,
                         style.gradientAngle);
  }
}

void readCurve(const Section& root, Style& style) {
  const std::optional<Section> curve = root.section(u"curve"_s);
  if (!curve) return;
  curve->readChoice(u"axis"_s, curveAxisNames(), style.curveAxis);
  curve->readWholeList(u"positions"_s, 0, curveMaximum, style.curvePositions);
  curve->readWholeList(u"values"_s, 0, curveMaximum, style.curveValues);
  for (int i = 1; i < styleCurvePoints; ++i)
    if (style.curvePositions[i] <= style.curvePositions[i - 1])
      refuse(curve->keyPath(u"positions"_s), u"must rise from point to point"_s);
}

void readEffect(const Section& root, Style& style) {
  const std::optional<Section> effect = root.section(u"effect"_s);
  if (!effect) return;
  const int32_t previous = style.effectType;
  effect->readChoice(u"type"_s, effectNames(), style.effectType);
  if (style.effectType != previous) {
    const EffectDefaults defaults = effectDefaults(style.effectType);
    style.effectValues = defaults.values;
    style.effectColour = defaults.colour;
  }
  const EffectValueNames names = effectValueNames(style.effectType);
  for (size_t i = 0; i < names.values.size(); ++i)
    effect->readWhole(names.values[i], 0, sliderMaximum, style.effectValues[i]);
  if (names.hasColour) effect->readColour(u"colour"_s, style.effectColour);
}

void readDeformation(const Section& root, Style& style) {
  const std::optional<Section> deformation = root.section(u"deformation"_s);
  if (!deformation) return;
  deformation->readChoice(u"type"_s, deformationNames(), style.deformationType);
  deformation->readWhole(u"amount"_s, 0, sliderMaximum, style.deformationAmount);
}

void readFont(const Section& root, Style& style) {
  const std::optional<Section> font = root.section(u"font"_s);
  if (!font) return;
  font->readText(u"family"_s, style.font.family);
  font->readNumber(u"size"_s, 1, largestFontSize, style.font.pointSize);
  font->readBool(u"bold"_s, style.font.bold);
  font->readBool(u"italic"_s, style.font.italic);
  font->readBool(u"underline"_s, style.font.underline);
  font->readWhole(u"letterSpacing"_s, -largestLetterSpacing, largestLetterSpacing,
                  style.font.letterSpacing);
  font->readChoice(u"align"_s, alignmentNames(), style.font.alignment);
  font->readNumber(u"lineSpacing"_s, smallestLineSpacing, largestLineSpacing,
                   style.font.lineSpacing);
}

QJsonObject effectObject(const Style& style) {
  QJsonObject effect{{u"type"_s, QString(effectNames()[style.effectType])}};
  const EffectValueNames names = effectValueNames(style.effectType);
  for (size_t i = 0; i < names.values.size(); ++i)
    effect.insert(names.values[i], style.effectValues[i]);
  if (names.hasColour) effect.insert(u"colour"_s, colourText(style.effectColour));
  return effect;
}

}  // namespace

StyleError::StyleError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString StyleError::message() const { return QString::fromStdString(what()); }

QByteArray styleDocument(const Style& style, const QString& name) {
  const QString kind = style.gradientFill  ? u"gradient"_s
                       : style.textureFill ? u"texture"_s
                                           : u"colour"_s;
  QJsonObject fill{{u"kind"_s, kind}, {u"colour"_s, colourText(style.fillColour)}};
  if (!style.texture.isEmpty()) fill.insert(u"texture"_s, style.texture);
  QJsonArray stops;
  for (const StyleColour& stop : style.gradientStops) stops.append(colourText(stop));
  fill.insert(u"gradient"_s, QJsonObject{{u"stops"_s, stops}, {u"angle"_s, style.gradientAngle}});
  const QJsonObject root{
      {formatKey, QString(formatName)},
      {u"version"_s, styleFormatVersion},
      {u"name"_s, name},
      {u"fill"_s, fill},
      {u"surface"_s, QString(surfacePatternNames()[style.surfacePattern])},
      {u"curve"_s, QJsonObject{{u"axis"_s, QString(curveAxisNames()[style.curveAxis])},
                               {u"positions"_s, numbers(style.curvePositions)},
                               {u"values"_s, numbers(style.curveValues)}}},
      {u"material"_s, style.material},
      {u"effect"_s, effectObject(style)},
      {u"deformation"_s,
       QJsonObject{{u"type"_s, QString(deformationNames()[style.deformationType])},
                   {u"amount"_s, style.deformationAmount}}},
      {u"font"_s, QJsonObject{{u"family"_s, style.font.family},
                              {u"size"_s, style.font.pointSize},
                              {u"bold"_s, style.font.bold},
                              {u"italic"_s, style.font.italic},
                              {u"underline"_s, style.font.underline},
                              {u"letterSpacing"_s, style.font.letterSpacing},
                              {u"align"_s, QString(alignmentNames()[style.font.alignment])},
                              {u"lineSpacing"_s, style.font.lineSpacing}}}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Style readStyle(const QByteArray& document, const Style& base) {
  // The parser would report an empty file as an illegal value at byte 0.
  if (document.trimmed().isEmpty()) throw StyleError(u"the file is empty"_s);
  const QJsonObject object = parsedRoot(document);
  const Section root(object, QString());
  checkFormat(root, object);
  Style style = base;
  readFill(root, style);
  root.readChoice(u"surface"_s, surfacePatternNames(), style.surfacePattern);
  readCurve(root, style);
  root.readWhole(u"material"_s, 0, 7, style.material);
  readEffect(root, style);
  readDeformation(root, style);
  readFont(root, style);
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
