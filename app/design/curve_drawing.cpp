#include "design/curve_drawing.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "design/curve_spline.h"

namespace {

const QColor lightLabelColour(240, 240, 240);
const QColor axisColour(0, 0, 0);
const QColor curveColour(255, 0, 0);

constexpr int labelLeft = 20;
constexpr int smallestLabelPixelSize = 6;
constexpr int labelRightRoom = 2;
// How far towards white a label on a dark box stands out from the box.
constexpr double darkLabelLift = 0.08;

// The labels are a watermark behind the curve: light grey on a light box,
// and on a dark box a shade only a little lighter than the box.
QColor labelColourOn(const QColor& background) {
  if (background.lightness() >= 128) return lightLabelColour;
  const auto lifted = [](int channel) {
    return channel + int(std::lround((255 - channel) * darkLabelLift));
  };
  return QColor(lifted(background.red()), lifted(background.green()), lifted(background.blue()));
}

void printLabel(QPainter& painter, int y, const QString& text) {
  painter.drawText(QRect(labelLeft, y, 200, 40), Qt::AlignLeft | Qt::AlignTop, text);
}

void drawLabels(QPainter& painter, const QFont& chartFont, int boxWidth, const QColor& background) {
  painter.setFont(curveLabelFont(chartFont, boxWidth));
  painter.setPen(labelColourOn(background));
  printLabel(painter, 0, QStringLiteral("Brighter"));
  painter.drawLine(labelLeft, 32, 120, 32);
  printLabel(painter, 30, QStringLiteral("Darker"));
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
  for (int i = 0; i < curvePointCount; ++i)
    painter.drawEllipse(curveBoxPosition(points.x[i], points.y[i]), 3.0, 3.0);
}

}  // namespace

// A picture's painter counts points at the picture's own density, not the
// screen's: the size is fixed in the screen's pixels the box shows.
QFont curveLabelFont(QFont font, int boxWidth) {
  const int room = boxWidth - labelLeft - labelRightRoom;
  font.setBold(true);
  for (int size = QFontInfo(font).pixelSize(); size >= smallestLabelPixelSize; --size) {
    font.setPixelSize(size);
    const QFontMetrics metrics(font);
    // The ink of a bold letter can reach past its advance.
    if (std::max(metrics.boundingRect(QStringLiteral("Brighter")).right(),
                 metrics.boundingRect(QStringLiteral("Darker")).right()) < room)
      break;
  }
  return font;
}

QPointF curveBoxPosition(double x, double y) { return {x / 2.0 + 6.0, (255.0 - y) / 5.0 + 7.0}; }

void drawCurveFrame(QImage& box, const CurvePoints& points, const QColor& background,
                    const QFont& chartFont) {
  box.fill(background);
  QPainter painter(&box);
  drawLabels(painter, chartFont, box.width(), background);
  drawAxes(painter);
  drawPoints(painter, points);
}

void plotCurve(QImage& box, const CurvePoints& points) {
  const CurveSpline spline = computeSpline(points);
  const QRgb red = curveColour.rgb();
  for (int k = 0; k + 1 < curvePointCount; ++k) {
    for (int x = points.x[k]; x <= points.x[k + 1]; ++x) {
      const QPointF at = curveBoxPosition(x, curveValue(points, spline, k, x));
      const int column = int(std::lround(at.x()));
      const int row = int(std::lround(at.y()));
      if (box.valid(column, row)) box.setPixel(column, row, red);
    }
  }
}
