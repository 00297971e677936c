#include "design/shape_drawing.h"

#include <QPainter>

// The figures are drawn as the tool drew them at density 1, with the
// painter scaled: lines, pens and ellipses grow with the density and keep
// their places.
QImage drawnSheet(const ShapeDrawing& drawing, int density) {
  QImage sheet(drawing.sheet * density, QImage::Format_RGB888);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  painter.scale(density, density);
  for (const SketchFigure& figure : drawing.figures) drawFigure(painter, figure);
  return sheet;
}

QImage framedShape(const QImage& sheet, int density) {
  const int margin = shapeMargin * density;
  QImage framed(sheet.size() + QSize(2 * margin, 2 * margin), QImage::Format_RGB888);
  framed.fill(Qt::white);
  QPainter(&framed).drawImage(QPoint(margin, margin), sheet);
  return framed;
}
