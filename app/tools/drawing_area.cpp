#include "tools/drawing_area.h"

#include <QPainter>

// Inverted in white whatever the pen of the final figure will be.
void DrawingArea::showDraggedFigure(const SketchFigure& figure) {
  dragged_ = figure;
  SketchFigure inverted = figure;
  inverted.pen = Qt::white;
  showInverted([inverted](QPainter& painter) { drawFigure(painter, inverted); });
}

void DrawingArea::hideDraggedFigure() {
  dragged_.reset();
  hideInverted();
}

void DrawingArea::drawFinalFigure(const SketchFigure& figure) {
  QImage drawing = picture();
  {
    QPainter painter(&drawing);
    drawFigure(painter, figure);
  }
  setPicture(drawing);
}
