#include "tools/shape_figures.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <cmath>

namespace {

QPen roundPen(const QColor& colour, int width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QRect corners(QPoint a, QPoint b) { return QRect(a, b).normalized(); }

void drawEllipse(QPainter& painter, const Figure& figure, bool filled) {
  const float radius = Radius(figure.start.x(), figure.start.y(), figure.end.x(), figure.end.y());
  const QPointF half = ellipseHalfAxes(radius, figure.ellipseRatio);
  painter.setBrush(filled ? QBrush(figure.pen) : QBrush(Qt::NoBrush));
  painter.drawEllipse(QPointF(figure.start), half.x(), half.y());
}

}  // namespace

bool drawsFigure(int tool) { return tool != drawTool::Freehand && tool != drawTool::Eraser; }

float Radius(float x1, float y1, float x2, float y2) {
  const float radius = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
  return std::isfinite(radius) ? radius : 0.0f;
}

QPointF ellipseHalfAxes(double radius, double ratio) {
  if (ratio <= 1) return {radius, radius * ratio};
  return {radius / ratio, radius};
}

void drawFigure(QPainter& painter, const Figure& figure) {
  painter.setPen(roundPen(figure.pen, figure.penWidth));
  painter.setBrush(Qt::NoBrush);
  switch (figure.tool) {
    case drawTool::Line: painter.drawLine(figure.start, figure.end); break;
    case drawTool::Rectangle: painter.drawRect(corners(figure.start, figure.end)); break;
    case drawTool::FilledRectangle:
      painter.setBrush(figure.pen);
      painter.drawRect(corners(figure.start, figure.end));
      break;
    case drawTool::Ellipse: drawEllipse(painter, figure, false); break;
    case drawTool::FilledEllipse: drawEllipse(painter, figure, true); break;
    default: break;
  }
}

void drawStroke(QImage& image, QPoint from, QPoint to, int penWidth, const QColor& colour) {
  QPainter painter(&image);
  painter.setPen(roundPen(colour, penWidth));
  painter.drawLine(from, to);
}
