#include "design/curve_drawing.h"

#include <QPainter>
#include <cmath>

#include "design/curve_spline.h"

namespace {

const QColor labelColour(240, 240, 240);
const QColor axisColour(0, 0, 0);
const QColor curveColour(255, 0, 0);

void printLabel(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(QRect(x, y, 200, 40), Qt::AlignLeft | Qt::AlignTop, text);
}

void drawLabels(QPainter& painter) {
  QFont font = painter.font();
  font.setPixelSize(27);  // 20 points on a 96 dots-per-inch screen
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(labelColour);
  printLabel(painter, 20, 0, QStringLiteral("Brighter"));
  painter.drawLine(20, 32, 120, 32);
  printLabel(painter, 20, 30, QStringLiteral("Darker"));
}

void drawAxes(QPainter& painter) {
  painter.setPen(axisColour);
  painter.drawLine(6, 7, 6, 58);
  painter.drawLine(2, 7, 6, 2);
  painter.drawLine(6, 2, 11, 8);
  painter.drawLine(6, 58, 134, 58);
  painter.drawLine(134, 54, 138, 58);
  painter.drawLine(138, 58, 133, 63);
}

void drawPoints(QPainter& painter, const CurvePoints& points) {
  painter.setPen(axisColour);
  painter.setBrush(Qt::NoBrush);
  for (int i = 1; i <= curvePointCount; ++i)
    painter.drawEllipse(curveBoxPosition(points.x[i], points.y[i]), 3.0, 3.0);
}

}  // namespace

QPointF curveBoxPosition(double x, double y) { return {x / 2.0 + 6.0, (255.0 - y) / 5.0 + 7.0}; }

void drawCurveFrame(QImage& box, const CurvePoints& points, const QColor& background) {
  box.fill(background);
  QPainter painter(&box);
  drawLabels(painter);
  drawAxes(painter);
  drawPoints(painter, points);
}

void plotCurve(QImage& box, const CurvePoints& points) {
  const CurveSpline spline = computeSpline(points);
  const QRgb red = curveColour.rgb();
  for (int k = 1; k < curvePointCount; ++k) {
    for (int x = points.x[k]; x <= points.x[k + 1]; ++x) {
      const QPointF at = curveBoxPosition(x, curveValue(points, spline, k, x));
      const int column = int(std::lround(at.x()));
      const int row = int(std::lround(at.y()));
      if (box.valid(column, row)) box.setPixel(column, row, red);
    }
  }
}
