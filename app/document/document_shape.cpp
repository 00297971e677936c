#include "document/document_shape.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>
#include <cmath>

#include "document/document_container.h"
#include "files/picture_limits.h"

using namespace Qt::StringLiterals;

namespace {

const QString figuresKey = u"shapeFigures"_s;
constexpr int largestCoordinate = 1 << 20;
constexpr int widestPen = 100;
constexpr double largestRatio = 1000;

// Pixels the figures may paint at most, about a second's drawing: a
// document from anywhere must not keep the reader painting for minutes.
constexpr double mostPaintedPixels = double(1 << 30);

bool isStroke(int tool) { return !drawsFigure(tool); }

// What drawing the figures costs at most: a line or a stroke's segment
// paints its pen's width along its length and round its ends, any other
// figure no more than the square round its start that reaches its end.
double paintedPixels(const QList<SketchFigure>& figures) {
  double pixels = 0;
  for (const SketchFigure& figure : figures) {
    const QPoint span = figure.end - figure.start;
    const double reach = std::hypot(double(span.x()), double(span.y())) + figure.penWidth;
    const bool line = isStroke(figure.tool) || figure.tool == sketchTool::Line;
    pixels += line ? reach * figure.penWidth : 4 * reach * reach;
  }
  return pixels;
}

QString pointText(QPoint point) { return u"%1,%2"_s.arg(point.x()).arg(point.y()); }

// The next segment of the same stroke starts where the last one ended.
bool continues(const SketchFigure& stroke, const SketchFigure& next) {
  return isStroke(next.tool) && next.tool == stroke.tool && next.start == stroke.end &&
         next.penWidth == stroke.penWidth && next.pen == stroke.pen;
}

QJsonObject figureObject(const SketchFigure& figure, const QStringList& points) {
  return {{u"tool"_s, figure.tool},
          {u"pen"_s, figure.penWidth},
          {u"colour"_s, figure.pen.name()},
          {u"ellipseRatio"_s, figure.ellipseRatio},
          {u"points"_s, points.join(u' ')}};
}

// A stroke's segments are kept as one entry: the pointer's places in turn.
QJsonArray figuresArray(const QList<SketchFigure>& figures) {
  QJsonArray array;
  for (qsizetype i = 0; i < figures.size();) {
    const SketchFigure& first = figures[i];
    QStringList points{pointText(first.start), pointText(first.end)};
    qsizetype next = i + 1;
    if (isStroke(first.tool))
      for (; next < figures.size() && continues(figures[next - 1], figures[next]); ++next)
        points << pointText(figures[next].end);
    array.append(figureObject(first, points));
    i = next;
  }
  return array;
}

DocumentRefusal refusal(const QString& place, const QString& wanted) {
  return DocumentRefusal(u"design.json: \"design.%1\" is not %2"_s.arg(place, wanted));
}

bool isWholeWithin(const QJsonValue& value, double low, double high) {
  const double number = value.toDouble();
  return value.isDouble() && number >= low && number <= high && number == std::floor(number);
}

int wholeNumber(const QJsonObject& object, const QString& key, int low, int high,
                const QString& place) {
  const QJsonValue value = object.value(key);
  if (!isWholeWithin(value, low, high))
    throw refusal(place + u'.' + key, u"a whole number from %1 to %2"_s.arg(low).arg(high));
  return value.toInt();
}

QSize sheetOf(const QJsonObject& figures) {
  const QJsonArray sheet = figures.value(u"sheet"_s).toArray();
  if (sheet.size() != 2 || !isWholeWithin(sheet[0], 1, largestPictureSide) ||
      !isWholeWithin(sheet[1], 1, largestPictureSide))
    throw refusal(figuresKey + u".sheet"_s,
                  u"2 whole numbers from 1 to %1"_s.arg(largestPictureSide));
  return {sheet[0].toInt(), sheet[1].toInt()};
}

QList<QPoint> pointsOf(const QJsonObject& entry, bool stroke, const QString& place) {
  const QString wanted = stroke ? u"two or more places x,y"_s : u"two places x,y"_s;
  const QStringList texts = entry.value(u"points"_s).toString().split(u' ', Qt::SkipEmptyParts);
  if (texts.size() < 2 || (!stroke && texts.size() != 2))
    throw refusal(place + u".points"_s, wanted);
  QList<QPoint> points;
  for (const QString& text : texts) {
    const QStringList xy = text.split(u',');
    bool xRead = false;
    bool yRead = false;
    const int x = xy.size() == 2 ? xy[0].toInt(&xRead) : 0;
    const int y = xy.size() == 2 ? xy[1].toInt(&yRead) : 0;
    if (!xRead || !yRead || std::abs(x) > largestCoordinate || std::abs(y) > largestCoordinate)
      throw refusal(place + u".points"_s, wanted + u" within %1"_s.arg(largestCoordinate));
    points << QPoint(x, y);
  }
  return points;
}

void appendFigures(const QJsonValue& value, const QString& place, QList<SketchFigure>& figures) {
  if (!value.isObject()) throw refusal(place, u"an object"_s);
  const QJsonObject entry = value.toObject();
  SketchFigure figure;
  figure.tool = wholeNumber(entry, u"tool"_s, 0, sketchTool::FilledEllipse, place);
  figure.penWidth = wholeNumber(entry, u"pen"_s, 1, widestPen, place);
  figure.pen = QColor::fromString(entry.value(u"colour"_s).toString());
  if (!figure.pen.isValid()) throw refusal(place + u".colour"_s, u"a colour #rrggbb"_s);
  const QJsonValue ratio = entry.value(u"ellipseRatio"_s);
  if (!ratio.isDouble() || ratio.toDouble() < 0 || ratio.toDouble() > largestRatio)
    throw refusal(place + u".ellipseRatio"_s, u"a number from 0 to %1"_s.arg(largestRatio));
  figure.ellipseRatio = ratio.toDouble();
  const QList<QPoint> points = pointsOf(entry, isStroke(figure.tool), place);
  for (qsizetype i = 1; i < points.size(); ++i) {
    figure.start = points[i - 1];
    figure.end = points[i];
    figures << figure;
  }
}

}  // namespace

std::optional<QJsonObject> shapeFiguresObject(const ShapeDrawing& drawing) {
  const QJsonObject object{{u"sheet"_s, QJsonArray{drawing.sheet.width(), drawing.sheet.height()}},
                           {u"figures"_s, figuresArray(drawing.figures)}};
  if (QJsonDocument(object).toJson(QJsonDocument::Indented).size() > largestShapeFigures)
    return std::nullopt;
  return object;
}

std::optional<ShapeDrawing> shapeDrawingOf(const QJsonObject& design, const QImage& shape) {
  if (!design.contains(figuresKey)) return std::nullopt;
  if (!design.value(figuresKey).isObject()) throw refusal(figuresKey, u"an object"_s);
  const QJsonObject object = design.value(figuresKey).toObject();
  ShapeDrawing drawing;
  drawing.sheet = sheetOf(object);
  if (!object.value(u"figures"_s).isArray())
    throw refusal(figuresKey + u".figures"_s, u"an array"_s);
  const QJsonArray figures = object.value(u"figures"_s).toArray();
  for (qsizetype i = 0; i < figures.size(); ++i)
    appendFigures(figures[i], figuresKey + u".figures[%1]"_s.arg(i), drawing.figures);
  // Figures for a sheet of another size draw no picture like the shape.
  if (shape.size() != drawing.sheet + QSize(2 * shapeMargin, 2 * shapeMargin)) return std::nullopt;
  if (paintedPixels(drawing.figures) > mostPaintedPixels) return std::nullopt;
  if (framedShape(drawnSheet(drawing, 1), 1) != shape.convertToFormat(QImage::Format_RGB888))
    return std::nullopt;
  return drawing;
}
