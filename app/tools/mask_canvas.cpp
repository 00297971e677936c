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

void MaskCanvas::drawFinalFigure(const MaskFigure& figure) {
  QImage mask = picture();
  QPainter painter(&mask);
  painter.setPen(pen());
  drawFigure(painter, figure);
  painter.end();
  setPicture(mask);
}

void MaskCanvas::showOutline(const MaskFigure& figure) {
  outline_ = figure;
  update();
}

void MaskCanvas::hideOutline() {
  outline_.reset();
  update();
}

void MaskCanvas::paintEvent(QPaintEvent* event) {
  PictureBox::paintEvent(event);
  if (!outline_) return;
  QPainter painter(this);
  // White in difference mode inverts what lies below, as an XOR pen would.
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  painter.setPen(QPen(Qt::white, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  drawFigure(painter, *outline_);
}
