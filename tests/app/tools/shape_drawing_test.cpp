// The shape tool's figures and its ellipse ratio slider.
#include "design/sketch_figures.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

#include "tools/ellipse_ratio.h"

static QImage drawnAlone(const SketchFigure& figure) {
  QImage image(200, 200, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter painter(&image);
  drawFigure(painter, figure);
  return image;
}

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

// Hundredths up to 100, then steps of 5 hundredths; the inverse finds the
// slider again.
TEST(EllipseRatio, SliderPositionsGiveTheirRatioAndBack) {
  const std::pair<int, double> cases[] = {{20, 0.2},   {57, 0.57}, {100, 1.0},
                                          {101, 1.05}, {130, 2.5}, {180, 5.0}};
  for (const auto& [slider, ratio] : cases)
    EXPECT_NEAR(ellipseRatioOfSlider(slider), ratio, 1e-12) << slider;
  for (int slider = 20; slider <= 180; ++slider)
    EXPECT_EQ(sliderOfEllipseRatio(ellipseRatioOfSlider(slider)), slider);
}
