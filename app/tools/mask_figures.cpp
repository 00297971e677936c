#include "tools/mask_figures.h"

#include <QPainter>
#include <cmath>

float Radius(float x1, float y1, float x2, float y2) {
  const float distance = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
  return std::isfinite(distance) ? distance : 0.0f;
}

QSizeF ellipseHalfAxes(double radius, double ratio) {
  if (ratio <= 0.0) ratio = 1.0;
  if (ratio <= 1.0) return {radius, radius * ratio};
  return {radius / ratio, radius};
}

void drawFigure(QPainter& painter, const MaskFigure& figure) {
  painter.setBrush(Qt::NoBrush);
  switch (figure.tool) {
    case maskTool::Rectangle: painter.drawRect(QRect(figure.start, figure.end).normalized()); break;
    case maskTool::Ellipse: {
      const QSizeF axes = ellipseHalfAxes(
          Radius(figure.start.x(), figure.start.y(), figure.end.x(), figure.end.y()),
          figure.ellipseRatio);
      painter.drawEllipse(QPointF(figure.start), axes.width(), axes.height());
      break;
    }
    default: painter.drawLine(figure.start, figure.end);
  }
}
