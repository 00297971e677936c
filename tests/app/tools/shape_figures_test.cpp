#include "tools/shape_figures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

QImage drawnAlone(const Figure& figure) {
  QImage image(200, 200, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter painter(&image);
  drawFigure(painter, figure);
  return image;
}

}  // namespace

TEST(ShapeFigures, FilledEllipseIsCentredOnTheStartPoint) {
  Figure figure{drawTool::FilledEllipse, {100, 100}, {100, 40}, 1, Qt::black, 2.0};
  const QImage image = drawnAlone(figure);
  EXPECT_EQ(image.pixelColor(100, 100), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(100, 45), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(125, 100), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(136, 100), QColor(Qt::white));
}

TEST(ShapeFigures, OnlyTheFigureToolsDrawAFigure) {
  EXPECT_FALSE(drawsFigure(drawTool::Freehand));
  EXPECT_FALSE(drawsFigure(drawTool::Eraser));
  for (int tool : {drawTool::Line, drawTool::Rectangle, drawTool::Ellipse,
                   drawTool::FilledRectangle, drawTool::FilledEllipse})
    EXPECT_TRUE(drawsFigure(tool));
}

TEST(ShapeFigures, FiguresAreTwoToneWithoutSmoothedEdges) {
  Figure figure{drawTool::Ellipse, {100, 100}, {170, 130}, 9, Qt::black, 0.7};
  const QImage image = drawnAlone(figure);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor colour = image.pixelColor(x, y);
      ASSERT_TRUE(colour == Qt::black || colour == Qt::white) << x << "," << y;
    }
}
