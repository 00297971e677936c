#include "design/font_outlines.h"

#include <ft2build.h>
#include FT_OUTLINE_H

#include <QPointF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "design/font_tables.h"

using namespace Qt::StringLiterals;
using namespace fontBytes;

namespace {

// A cubic curve becomes this many quadratic ones at most.
constexpr int mostPiecesOfACurve = 16;
constexpr double allowedError = 0.25;  // font units

struct Point {
  QPointF at;
  bool onCurve = true;
};
using Contour = std::vector<Point>;

struct Outline {
  std::vector<Contour> contours;
  QPointF current;
};

QPointF pointOf(const FT_Vector* vector) { return {vector->x / 64.0, vector->y / 64.0}; }

Outline& outlineOf(void* user) { return *static_cast<Outline*>(user); }

void addPoint(Outline& outline, QPointF at, bool onCurve) {
  if (!outline.contours.empty()) outline.contours.back().push_back({at, onCurve});
  if (onCurve) outline.current = at;
}

int moveTo(const FT_Vector* to, void* user) {
  Outline& outline = outlineOf(user);
  outline.contours.emplace_back();
  addPoint(outline, pointOf(to), true);
  return 0;
}

int lineTo(const FT_Vector* to, void* user) {
  addPoint(outlineOf(user), pointOf(to), true);
  return 0;
}

int conicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
  Outline& outline = outlineOf(user);
  addPoint(outline, pointOf(control), false);
  addPoint(outline, pointOf(to), true);
  return 0;
}

QPointF cubicAt(const QPointF (&p)[4], double t) {
  const double u = 1 - t;
  return u * u * u * p[0] + 3 * u * u * t * p[1] + 3 * u * t * t * p[2] + t * t * t * p[3];
}

QPointF cubicSlopeAt(const QPointF (&p)[4], double t) {
  const double u = 1 - t;
  return 3 * u * u * (p[1] - p[0]) + 6 * u * t * (p[2] - p[1]) + 3 * t * t * (p[3] - p[2]);
}

// A quadratic curve strays from the cubic it stands for by at most
// sqrt(3)/36 times this length, over the n-th power 3 of the pieces.
int piecesFor(const QPointF (&p)[4]) {
  const QPointF bend = p[3] - 3 * p[2] + 3 * p[1] - p[0];
  const double error = std::sqrt(3.0) / 36 * std::hypot(bend.x(), bend.y());
  const double pieces = std::ceil(std::cbrt(error / allowedError));
  // A damaged font's far-flung points make no number at all.
  if (!(pieces < mostPiecesOfACurve)) return mostPiecesOfACurve;
  return std::max(int(pieces), 1);
}

int cubicTo(const FT_Vector* first, const FT_Vector* second, const FT_Vector* to, void* user) {
  Outline& outline = outlineOf(user);
  const QPointF p[4] = {outline.current, pointOf(first), pointOf(second), pointOf(to)};
  const int pieces = piecesFor(p);
  for (int piece = 0; piece < pieces; ++piece) {
    const double t0 = double(piece) / pieces;
    const double t1 = double(piece + 1) / pieces;
    const QPointF start = cubicAt(p, t0);
    const QPointF end = cubicAt(p, t1);
    const QPointF startControl = start + (t1 - t0) / 3 * cubicSlopeAt(p, t0);
    const QPointF endControl = end - (t1 - t0) / 3 * cubicSlopeAt(p, t1);
    addPoint(outline, (3 * (startControl + endControl) - start - end) / 4, false);
    addPoint(outline, piece + 1 == pieces ? p[3] : end, true);
  }
  return 0;
}

struct WholePoint {
  qint64 x = 0;
  qint64 y = 0;
  bool onCurve = true;
  bool operator==(const WholePoint&) const = default;
};

// Each contour in whole font units, without the point that closes it where
// it repeats the first.
std::vector<std::vector<WholePoint>> wholeContours(const Outline& outline) {
  std::vector<std::vector<WholePoint>> whole;
  for (const Contour& contour : outline.contours) {
    std::vector<WholePoint> points;
    for (const Point& point : contour)
      points.push_back({std::llround(point.at.x()), std::llround(point.at.y()), point.onCurve});
    if (points.size() > 1 && points.back() == points.front()) points.pop_back();
    if (!points.empty()) whole.push_back(std::move(points));
  }
  return whole;
}

constexpr quint8 onCurveFlag = 0x01;

// One coordinate's change: its flag bits and bytes.
void appendStep(qint64 step, quint8 shortBit, quint8 sameOrPositiveBit, quint8& flag,
                QByteArray& bytes) {
  if (step == 0) {
    flag |= sameOrPositiveBit;
  } else if (std::abs(step) <= 255) {
    flag |= shortBit;
    if (step > 0) flag |= sameOrPositiveBit;
    bytes.append(char(quint8(std::abs(step))));
  } else {
    append16(bytes, quint16(qint16(step)));
  }
}

// Within half the range of a glyph's numbers, so that a step from one point
// to the next fits one too.
bool withinHalfRange(qint64 value) { return value >= -16384 && value <= 16383; }

TrueTypeGlyph encoded(const std::vector<std::vector<WholePoint>>& contours) {
  TrueTypeGlyph glyph;
  glyph.contours = int(contours.size());
  glyph.xMin = glyph.yMin = 32767;
  glyph.xMax = glyph.yMax = -32768;
  QByteArray ends, flags, xs, ys;
  WholePoint last{0, 0};
  for (const auto& contour : contours) {
    for (const WholePoint& point : contour) {
      quint8 flag = point.onCurve ? onCurveFlag : 0;
      appendStep(point.x - last.x, 0x02, 0x10, flag, xs);
      appendStep(point.y - last.y, 0x04, 0x20, flag, ys);
      flags.append(char(flag));
      glyph.xMin = std::min(glyph.xMin, int(point.x));
      glyph.xMax = std::max(glyph.xMax, int(point.x));
      glyph.yMin = std::min(glyph.yMin, int(point.y));
      glyph.yMax = std::max(glyph.yMax, int(point.y));
      last = point;
      ++glyph.points;
    }
    append16(ends, quint16(glyph.points - 1));
  }
  QByteArray& record = glyph.record;
  append16(record, quint16(glyph.contours));
  for (const int edge : {glyph.xMin, glyph.yMin, glyph.xMax, glyph.yMax})
    append16(record, quint16(qint16(edge)));
  record += ends;
  append16(record, 0);  // no instructions: the font is drawn unhinted
  record += flags + xs + ys;
  record.append(QByteArray((4 - record.size() % 4) % 4, '\0'));
  return glyph;
}

}  // namespace

std::variant<TrueTypeGlyph, QString> trueTypeGlyph(const FT_Outline_& outline) {
  static const FT_Outline_Funcs walk{moveTo, lineTo, conicTo, cubicTo, 0, 0};
  Outline gathered;
  if (FT_Outline_Decompose(const_cast<FT_Outline*>(&outline), &walk, &gathered) != 0)
    return u"a glyph's outline is damaged"_s;
  const auto contours = wholeContours(gathered);
  if (contours.empty()) return TrueTypeGlyph{};
  if (contours.size() > 0x7FFF) return u"a glyph has too many contours"_s;
  qsizetype points = 0;
  for (const auto& contour : contours) {
    points += qsizetype(contour.size());
    for (const WholePoint& point : contour)
      if (!withinHalfRange(point.x) || !withinHalfRange(point.y))
        return u"a glyph reaches past the font's coordinates"_s;
  }
  if (points > 0xFFFF) return u"a glyph has too many points"_s;
  return encoded(contours);
}
