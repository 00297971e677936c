#include "design/sketch_figures.h"

#include <QPainter>
#include <QRect>
#include <cmath>
#include <iterator>

namespace {

QPen roundPen(const QColor& colour, int width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QRect corners(QPoint a, QPoint b) { return QRect(a, b).normalized(); }

void drawEllipse(QPainter& painter, const SketchFigure& figure, bool filled) {
  const float radius = Radius(figure.start.x(), figure.start.y(), figure.end.x(), figure.end.y());
  const QSizeF half = ellipseHalfAxes(radius, figure.ellipseRatio);
  painter.setBrush(filled ? QBrush(figure.pen) : QBrush(Qt::NoBrush));
  painter.drawEllipse(QPointF(figure.start), half.width(), half.height());
}

}  // namespace

QString sketchToolName(int tool) {
  static const char* const names[] = {
      "Freehand", "Line", "Rectangle", "Ellipse", "Eraser", "Filled rectangle", "Filled ellipse"};
  return tool >= 0 && tool < int(std::size(names)) ? QLatin1String(names[tool]) : QString();
}

bool drawsFigure(int tool) { return tool != sketchTool::Freehand && tool != sketchTool::Eraser; }

float Radius(float x1, float y1, float x2, float y2) {
  const float distance = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
  return std::isfinite(distance) ? distance : 0.0f;
}

QSizeF ellipseHalfAxes(double radius, double ratio) {
  if (ratio <= 0.0) ratio = 1.0;
  if (ratio <= 1.0) return {radius, radius * ratio};
  return {radius / ratio, radius};
}

void drawFigure(QPainter& painter, const SketchFigure& figure) {
  painter.setPen(roundPen(figure.pen, figure.penWidth));
  painter.setBrush(Qt::NoBrush);
  switch (figure.tool) {
    case sketchTool::Freehand:
    case sketchTool::Eraser:
    case sketchTool::Line: painter.drawLine(figure.start, figure.end); break;
    case sketchTool::Rectangle: painter.drawRect(corners(figure.start, figure.end)); break;
    case sketchTool::FilledRectangle:
      painter.setBrush(figure.pen);
      painter.drawRect(corners(figure.start, figure.end));
      break;
    case sketchTool::Ellipse: drawEllipse(painter, figure, false); break;
    case sketchTool::FilledEllipse: drawEllipse(painter, figure, true); break;
    default: break;
  }
}
