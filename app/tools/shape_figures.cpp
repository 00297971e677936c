#include "tools/shape_figures.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include "tools/mask_figures.h"

namespace {

QPen roundPen(const QColor& colour, int width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QRect corners(QPoint a, QPoint b) { return QRect(a, b).normalized(); }

void drawEllipse(QPainter& painter, const Figure& figure, bool filled) {
  const float radius = Radius(figure.start.x(), figure.start.y(), figure.end.x(), figure.end.y());
  const QSizeF half = ellipseHalfAxes(radius, figure.ellipseRatio);
  painter.setBrush(filled ? QBrush(figure.pen) : QBrush(Qt::NoBrush));
  painter.drawEllipse(QPointF(figure.start), half.width(), half.height());
}

}  // namespace

bool drawsFigure(int tool) { return tool != drawTool::Freehand && tool != drawTool::Eraser; }

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
