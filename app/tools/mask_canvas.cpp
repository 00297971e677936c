#include "tools/mask_canvas.h"

#include <QPainter>

MaskCanvas::MaskCanvas(QWidget* parent) : PictureBox(parent) {}

QPen MaskCanvas::pen() const {
  return QPen(penColour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void MaskCanvas::drawStroke(QPoint from, QPoint to) {
  QImage mask = picture();
  QPainter painter(&mask);
  painter.setPen(pen());
  painter.drawLine(from, to);
  painter.end();
  setPicture(mask);
}

SketchFigure MaskCanvas::withPen(SketchFigure figure, const QColor& colour) const {
  figure.pen = colour;
  figure.penWidth = penWidth;
  return figure;
}

void MaskCanvas::drawFinalFigure(const SketchFigure& figure) {
  QImage mask = picture();
  QPainter painter(&mask);
  drawFigure(painter, withPen(figure, penColour));
  painter.end();
  setPicture(mask);
}

void MaskCanvas::showOutline(const SketchFigure& figure) {
  outline_ = figure;
  const SketchFigure inverted = withPen(figure, Qt::white);
  showInverted([inverted](QPainter& painter) { drawFigure(painter, inverted); });
}

void MaskCanvas::hideOutline() {
  outline_.reset();
  hideInverted();
}
