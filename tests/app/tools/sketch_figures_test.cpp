#include "tools/sketch_figures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

QImage drawnAlone(const SketchFigure& figure) {
  QImage image(200, 200, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter painter(&image);
  drawFigure(painter, figure);
  return image;
}

}  // namespace

// Where each figure lands is the shape tool's test; here the edges.
TEST(ShapeFigures, FiguresAreTwoToneWithoutSmoothedEdges) {
  SketchFigure figure{sketchTool::Ellipse, {100, 100}, {170, 130}, 9, Qt::black, 0.7};
  const QImage image = drawnAlone(figure);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor colour = image.pixelColor(x, y);
      ASSERT_TRUE(colour == Qt::black || colour == Qt::white) << x << "," << y;
    }
}
