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

TEST(ShapeFigures, FilledEllipseIsCentredOnTheStartPoint) {
  SketchFigure figure{sketchTool::FilledEllipse, {100, 100}, {100, 40}, 1, Qt::black, 2.0};
  const QImage image = drawnAlone(figure);
  EXPECT_EQ(image.pixelColor(100, 100), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(100, 45), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(125, 100), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(136, 100), QColor(Qt::white));
}

TEST(ShapeFigures, FiguresAreTwoToneWithoutSmoothedEdges) {
  SketchFigure figure{sketchTool::Ellipse, {100, 100}, {170, 130}, 9, Qt::black, 0.7};
  const QImage image = drawnAlone(figure);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor colour = image.pixelColor(x, y);
      ASSERT_TRUE(colour == Qt::black || colour == Qt::white) << x << "," << y;
    }
}
