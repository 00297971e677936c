#include "tools/drawing_area.h"

#include <QPainter>

void DrawingArea::showDraggedFigure(const Figure& figure) {
  dragged_ = figure;
  update();
}

void DrawingArea::hideDraggedFigure() {
  dragged_.reset();
  update();
}

void DrawingArea::drawFinalFigure(const Figure& figure) {
  QImage drawing = picture();
  {
    QPainter painter(&drawing);
    drawFigure(painter, figure);
  }
  setPicture(drawing);
}

void DrawingArea::drawStrokeTo(QPoint from, QPoint to, int penWidth, const QColor& colour) {
  QImage drawing = picture();
  drawStroke(drawing, from, to, penWidth, colour);
  setPicture(drawing);
}

void DrawingArea::paintEvent(QPaintEvent* event) {
  PictureBox::paintEvent(event);
  if (!dragged_) return;
  QPainter painter(this);
  // White in difference mode inverts what lies below, whatever the pen of
  // the final figure will be.
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  Figure inverted = *dragged_;
  inverted.pen = Qt::white;
  drawFigure(painter, inverted);
}
