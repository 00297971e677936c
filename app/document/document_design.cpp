#include "document/document_design.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <cmath>
#include <functional>

#include "design/design_state.h"
#include "design/effect_stack_json.h"
#include "design/style_design.h"
#include "design/style_json.h"
#include "document/document_container.h"
#include "document/document_shape.h"
#include "files/bmp_file.h"
#include "files/picture_limits.h"

using namespace Qt::StringLiterals;

namespace {

// Every number the document keeps is held to what the design allows.
constexpr int largestCoordinate = 1 << 20;

const QString kindNames[] = {u"text"_s, u"shape"_s, u"picture"_s};

QString nameOf(SourceKind kind) { return kindNames[velloro::toInt(kind) - 1]; }

QJsonArray rgbArray(const Rgb& colour) { return {colour.red, colour.green, colour.blue}; }

QJsonArray numberArray(std::span<const int32_t> values) {
  QJsonArray array;
  for (int32_t value : values) array.append(value);
  return array;
}

// Compared before any conversion: a number beyond the integers has none.
bool isWholeWithin(double number, int32_t low, int32_t high) {
  return number >= low && number <= high && number == std::floor(number);
}

// Reads one object of the design; every fault names the key it was met at.
class DesignReader {
 public:
  DesignReader(QJsonObject object, QString place) : object_(std::move(object)), place_(place) {}

  int32_t number(const QString& key, int32_t low, int32_t high) const {
    const QJsonValue value = object_.value(key);
    if (!value.isDouble() || !isWholeWithin(value.toDouble(), low, high))
      throw refusal(key, u"a whole number from %1 to %2"_s.arg(low).arg(high));
    return int32_t(value.toDouble());
  }

  double real(const QString& key, double low, double high) const {
    const QJsonValue value = object_.value(key);
    if (!value.isDouble() || value.toDouble() < low || value.toDouble() > high)
      throw refusal(key, u"a number from %1 to %2"_s.arg(low).arg(high));
    return value.toDouble();
  }

  bool flag(const QString& key) const {
    if (!object_.value(key).isBool()) throw refusal(key, u"true or false"_s);
    return object_.value(key).toBool();
  }

  QString text(const QString& key) const {
    if (!object_.value(key).isString()) throw refusal(key, u"a text"_s);
    return object_.value(key).toString();
  }

  template <typename Kind>
  Kind kind(const QString& key, int32_t low, int32_t high) const {
    return Kind(number(key, low, high));
  }

  DesignReader object(const QString& key) const {
    if (!object_.value(key).isObject()) throw refusal(key, u"an object"_s);
    return {object_.value(key).toObject(), place_ + u'.' + key};
  }

  std::vector<int32_t> numbers(const QString& key, qsizetype count, int32_t low,
                               int32_t high) const {
    const QJsonArray array = object_.value(key).toArray();
    if (array.size() != count) throw refusal(key, u"%1 numbers"_s.arg(count));
    std::vector<int32_t> values;
    for (qsizetype i = 0; i < count; ++i) {
      const double value = array[i].toDouble();
      if (!array[i].isDouble() || !isWholeWithin(value, low, high))
        throw refusal(key, u"%1 whole numbers from %2 to %3"_s.arg(count).arg(low).arg(high));
      values.push_back(int32_t(value));
    }
    return values;
  }

  Rgb rgb(const QString& key) const {
    const std::vector<int32_t> parts = numbers(key, 3, 0, 255);
    return {parts[0], parts[1], parts[2]};
  }

  const QJsonObject& json() const { return object_; }
  const QString& place() const { return place_; }

  DocumentRefusal refusal(const QString& key, const QString& wanted) const {
    return DocumentRefusal(u"design.json: \"%1.%2\" is not %3"_s.arg(place_, key, wanted));
  }

 private:
  QJsonObject object_;
  QString place_;
};

QJsonValue storedCurveValue(const std::optional<CurvePoints>& curve) {
  if (!curve) return QJsonValue::Null;
  return QJsonObject{{u"positions"_s, numberArray(curve->x)}, {u"values"_s, numberArray(curve->y)}};
}

QJsonArray storedCurvesArray(const StoredCurves& curves) {
  QJsonArray array;
  for (const std::optional<CurvePoints>& curve : curves) array.append(storedCurveValue(curve));
  return array;
}

// A kind row: every field of KindRow by name.
QJsonObject kindObject(const KindRow& row, const QString& texture,
                       const std::array<CurveAxis, materialGroupCount>& axes,
                       const StoredCurves& curves) {
  QJsonArray effects;
  for (const EffectSliders& sliders : row.effectSliders)
    effects.append(QJsonObject{{u"positions"_s, numberArray(sliders.positions)},
                               {u"colour"_s, rgbArray(sliders.colour)}});
  QJsonArray axisNumbers;
  for (CurveAxis axis : axes) axisNumbers.append(velloro::toInt(axis));
  const std::optional<EffectEntry> top = topEffect(row.effects);
  QJsonObject object{{u"available"_s, row.available},
                     {u"frameLeft"_s, row.frameLeft},
                     {u"frameTop"_s, row.frameTop},
                     {u"surfacePattern"_s, velloro::toInt(row.surfacePattern)},
                     {u"fillKind"_s, int32_t(row.fillKind)},
                     {u"fillColour"_s, rgbArray(row.fillColour)},
                     // What a reader of one effect per kind takes.
                     {u"effectType"_s, velloro::toInt(top ? top->type : EffectType::NoContour)},
                     {u"effectSliders"_s, effects},
                     {u"deformationType"_s, velloro::toInt(row.deformationType)},
                     {u"deformationAmount"_s, row.deformationAmount},
                     {u"material"_s, velloro::toInt(row.material)},
                     {u"texture"_s, texture},
                     {u"curveAxes"_s, axisNumbers},
                     {u"storedCurves"_s, storedCurvesArray(curves)}};
  writeEffects(row.effects, object);
  return object;
}

constexpr int32_t lastEffect = outsideEffectCount - 1;
constexpr int32_t lastAxis = velloro::toInt(CurveAxis::CentreToEdge);

// Positions rise from 0 to 255, as the curve editor keeps them.
std::optional<CurvePoints> storedCurveOf(const DesignReader& kind, qsizetype group) {
  const QJsonValue value = kind.json().value(u"storedCurves"_s).toArray().at(group);
  if (value.isNull()) return std::nullopt;
  const DesignReader curve(value.toObject(), kind.place() + u".storedCurves[%1]"_s.arg(group));
  const std::vector<int32_t> x = curve.numbers(u"positions"_s, curvePointCount, 0, 255);
  const std::vector<int32_t> y = curve.numbers(u"values"_s, curvePointCount, 0, 255);
  if (x.front() != 0 || x.back() != 255 ||
      std::ranges::adjacent_find(x, std::greater_equal()) != x.end())
    throw curve.refusal(u"positions"_s, u"rising from 0 to 255"_s);
  CurvePoints points;
  std::ranges::copy(x, points.x.begin());
  std::ranges::copy(y, points.y.begin());
  return points;
}

// A document from before kinds kept their curves keeps none.
StoredCurves storedCurvesOf(const DesignReader& kind) {
  StoredCurves curves;
  if (!kind.json().contains(u"storedCurves"_s)) return curves;
  const QJsonValue array = kind.json().value(u"storedCurves"_s);
  if (!array.isArray() || array.toArray().size() != materialGroupCount)
    throw kind.refusal(u"storedCurves"_s, u"%1 curves or nulls"_s.arg(materialGroupCount));
  for (qsizetype group = 0; group < materialGroupCount; ++group)
    curves[size_t(group)] = storedCurveOf(kind, group);
  return curves;
}

// A document from before kinds kept a stack keeps the one effect its
// kind had, with the sliders the kind kept for it.
EffectStack effectsOf(const DesignReader& kind, EffectType single, const EffectSliders& sliders) {
  if (!kind.json().contains(u"effect"_s)) {
    EffectStack stack = effectStackOf(single);
    if (stack.empty()) return stack;
    stack.back().values = sliders.positions;
    if (outsideEffect(single).colour != EffectColour::None)
      stack.back().colour = styleColour(sliders.colour);
    if (!stackTaken(stack)) throw kind.refusal(u"effectSliders"_s, u"within the effect's ranges"_s);
    return stack;
  }
  try {
    return readEffects(kind.json(), {});
  } catch (const StyleError& error) {
    throw DocumentRefusal(u"design.json: \"%1\": "_s.arg(kind.place()) + error.message());
  }
}

KindRow kindRowOf(const DesignReader& kind) {
  KindRow row;
  row.available = kind.flag(u"available"_s);
  row.frameLeft = kind.number(u"frameLeft"_s, -largestCoordinate, largestCoordinate);
  row.frameTop = kind.number(u"frameTop"_s, -largestCoordinate, largestCoordinate);
  row.surfacePattern = kind.kind<SurfacePatternType>(u"surfacePattern"_s, 0, 3);
  row.fillKind = kind.kind<FillKind>(u"fillKind"_s, 0, 2);
  row.fillColour = kind.rgb(u"fillColour"_s);
  const EffectType single = kind.kind<EffectType>(u"effectType"_s, 0, lastEffect);
  const QJsonArray effects = kind.json().value(u"effectSliders"_s).toArray();
  if (effects.size() != qsizetype(row.effectSliders.size()))
    throw kind.refusal(u"effectSliders"_s, u"%1 objects"_s.arg(row.effectSliders.size()));
  for (size_t i = 0; i < row.effectSliders.size(); ++i) {
    const DesignReader sliders(effects[qsizetype(i)].toObject(), u"effectSliders"_s);
    const std::vector<int32_t> positions =
        sliders.numbers(u"positions"_s, effectSliderCount, INT16_MIN, INT16_MAX);
    std::ranges::copy(positions, row.effectSliders[i].positions.begin());
    row.effectSliders[i].colour = sliders.rgb(u"colour"_s);
  }
  row.effects = effectsOf(kind, single, loadEffectSliders(row, single));
  row.deformationType = kind.kind<DeformationType>(u"deformationType"_s, 0, 2);
  row.deformationAmount = kind.number(u"deformationAmount"_s, INT16_MIN, INT16_MAX);
  row.material = kind.kind<Material>(u"material"_s, 0, materialCount - 1);
  return row;
}

QJsonObject styleObject(const Style& style) {
  return QJsonDocument::fromJson(styleDocument(style, QString())).object();
}

Style styleOfObject(const DesignReader& design) {
  const DesignReader style = design.object(u"style"_s);
  try {
    return readStyle(QJsonDocument(style.json()).toJson(), Style());
  } catch (const StyleError& error) {
    throw DocumentRefusal(u"design.json: \"style\": "_s + error.message());
  }
}

QImage backgroundOf(const DesignState& state) {
  const PictureGeometry& geometry = state.geometry;
  if (geometry.canvasRows <= 0) return {};
  return imageOfBuffer(state.buffers.background, geometry.canvasWidth, geometry.canvasRows);
}

void putPicture(VelloroDocument& document, const QString& name, const QImage& picture) {
  if (!picture.isNull()) document.pictures[name] = picture;
}

QImage pictureOf(const VelloroDocument& document, const QString& name) {
  const auto found = document.pictures.find(name);
  return found == document.pictures.end() ? QImage() : found->second;
}

// A canvas of one colour is kept as its size and colour.
QJsonObject canvasObject(const QImage& canvas, VelloroDocument& document) {
  QJsonObject object{{u"width"_s, canvas.width()}, {u"height"_s, canvas.height()}};
  const QImage rgb = canvas.convertToFormat(QImage::Format_RGB888);
  const QRgb first = rgb.isNull() ? 0 : rgb.pixel(0, 0);
  bool even = !rgb.isNull();
  for (int y = 0; even && y < rgb.height(); ++y)
    for (int x = 0; even && x < rgb.width(); ++x) even = rgb.pixel(x, y) == first;
  if (even)
    object[u"colour"_s] = QColor(first).name();
  else
    document.pictures[u"canvas"_s] = rgb;
  return object;
}

QImage canvasOf(const DesignReader& design, const VelloroDocument& document) {
  const DesignReader canvas = design.object(u"canvas"_s);
  const int width = canvas.number(u"width"_s, 1, largestPictureSide);
  const int height = canvas.number(u"height"_s, 1, largestPictureSide);
  if (!withinPictureLimits(width, height))
    throw canvas.refusal(u"width"_s, u"within %1 pixels in all"_s.arg(largestPicturePixels));
  if (canvas.json().contains(u"colour"_s)) {
    const QColor colour = QColor::fromString(canvas.text(u"colour"_s));
    if (!colour.isValid()) throw canvas.refusal(u"colour"_s, u"a colour #rrggbb"_s);
    QImage even(width, height, QImage::Format_RGB888);
    even.fill(colour);
    return even;
  }
  const QImage picture = pictureOf(document, u"canvas"_s);
  if (picture.size() != QSize(width, height))
    throw canvas.refusal(u"width"_s, u"the size of the canvas picture"_s);
  return picture.convertToFormat(QImage::Format_RGB888);
}

SourceKind sourceKindOf(const DesignReader& design) {
  const QString name = design.text(u"source"_s);
  for (SourceKind kind : sourceKinds)
    if (nameOf(kind) == name) return kind;
  throw design.refusal(u"source"_s, u"text, shape or picture"_s);
}

}  // namespace

VelloroDocument documentOf(const DesignState& state, const DesignBeside& beside) {
  VelloroDocument document;
  QJsonObject kinds;
  for (SourceKind kind : sourceKinds)
    kinds[nameOf(kind)] = kindObject(state.kindSettings[kind], state.textureNames[kind],
                                     state.curveAxisTable[kind], beside.storedCurves[kind]);
  const DesignFrame& frame = state.designFrame;
  document.design = {
      {u"source"_s, nameOf(state.sourceKind)},
      {u"text"_s, beside.text},
      {u"style"_s, styleObject(styleOf(state, state.textPicture.font))},
      {u"frame"_s, QJsonObject{{u"left"_s, frame.left},
                               {u"top"_s, frame.top},
                               {u"width"_s, frame.width},
                               {u"height"_s, frame.height}}},
      {u"layerOrigin"_s, QJsonArray{state.layerOrigin.x(), state.layerOrigin.y()}},
      {u"ellipseRatio"_s, state.ellipseRatio},
      {u"kinds"_s, kinds},
      {u"canvas"_s,
       canvasObject(beside.canvas.isNull() ? backgroundOf(state) : beside.canvas, document)}};
  if (state.shapeDrawing && !beside.shape.isNull())
    if (const std::optional<QJsonObject> figures = shapeFiguresObject(*state.shapeDrawing))
      document.design[u"shapeFigures"_s] = *figures;
  putPicture(document, u"shape"_s, beside.shape);
  putPicture(document, u"picture"_s, beside.picture);
  putPicture(document, u"mask"_s, beside.mask);
  putPicture(document, u"texture"_s, state.texturePicture);
  putPicture(document, u"preview"_s, beside.preview);
  document.font = beside.font;
  return document;
}

void putDocument(const VelloroDocument& document, DesignState& state, DesignBeside& beside) {
  const DesignReader design(document.design, u"design"_s);
  // Everything is read before anything is put, so a refusal changes nothing.
  const SourceKind source = sourceKindOf(design);
  const QString text = design.text(u"text"_s);
  const Style style = styleOfObject(design);
  const DesignReader frameObject = design.object(u"frame"_s);
  DesignFrame frame;
  frame.left = frameObject.number(u"left"_s, -largestCoordinate, largestCoordinate);
  frame.top = frameObject.number(u"top"_s, -largestCoordinate, largestCoordinate);
  frame.width = frameObject.number(u"width"_s, 0, largestCoordinate);
  frame.height = frameObject.number(u"height"_s, 0, largestCoordinate);
  const std::vector<int32_t> origin =
      design.numbers(u"layerOrigin"_s, 2, -largestCoordinate, largestCoordinate);
  const double ellipseRatio = design.real(u"ellipseRatio"_s, 0, 1000);
  const DesignReader kindObjects = design.object(u"kinds"_s);
  KindSettingsTable kinds;
  BySourceKind<QString> textures;
  BySourceKind<std::array<CurveAxis, materialGroupCount>> axes;
  BySourceKind<StoredCurves> storedCurves;
  for (SourceKind kind : sourceKinds) {
    const DesignReader row = kindObjects.object(nameOf(kind));
    kinds[kind] = kindRowOf(row);
    storedCurves[kind] = storedCurvesOf(row);
    textures[kind] = row.text(u"texture"_s);
    const std::vector<int32_t> numbers =
        row.numbers(u"curveAxes"_s, materialGroupCount, 0, lastAxis);
    std::ranges::transform(numbers, axes[kind].begin(), [](int32_t n) { return CurveAxis(n); });
  }
  const QImage canvas = canvasOf(design, document);
  std::optional<ShapeDrawing> shapeDrawing =
      shapeDrawingOf(document.design, pictureOf(document, u"shape"_s));

  state.sourceKind = source;
  applyStyle(style, state);
  putStyleFont(style.font, state.textPicture.font);
  state.textPicture.arrangement = styleArrangement(style.font);
  state.designFrame = frame;
  state.layerOrigin = QPoint(origin[0], origin[1]);
  state.ellipseRatio = ellipseRatio;
  state.shapeDrawing = std::move(shapeDrawing);
  state.kindSettings = kinds;
  state.textureNames = textures;
  state.curveAxisTable = axes;
  state.texturePicture = pictureOf(document, u"texture"_s);
  beside = {text,
            canvas,
            pictureOf(document, u"shape"_s),
            pictureOf(document, u"picture"_s),
            pictureOf(document, u"mask"_s),
            pictureOf(document, u"preview"_s),
            document.font,
            storedCurves};
}

DocumentTitle documentTitle(const VelloroDocument& document) {
  const DesignReader design(document.design, u"design"_s);
  // The style kept is the kind's being worked on; only a title's is a title's.
  const SourceKind source = sourceKindOf(design);
  if (source != SourceKind::Text)
    throw DocumentRefusal(u"its design is a %1, not a title"_s.arg(nameOf(source)));
  const DesignReader frame = design.object(u"frame"_s);
  return {design.text(u"text"_s), styleOfObject(design), canvasOf(design, document),
          QPoint(frame.number(u"left"_s, -largestCoordinate, largestCoordinate),
                 frame.number(u"top"_s, -largestCoordinate, largestCoordinate))};
}
