#include "state/curve_drawing.h"

#include <gtest/gtest.h>

namespace {

const QRgb red = qRgb(255, 0, 0);
const QRgb black = qRgb(0, 0, 0);
const QColor background(90, 90, 120);

QImage curveBox() { return QImage(150, 70, QImage::Format_RGB888); }

}  // namespace

TEST(CurveDrawing, PointPositionsInTheBox) {
  EXPECT_EQ(curveBoxPosition(0, 255), QPointF(6, 7));
  EXPECT_EQ(curveBoxPosition(255, 0), QPointF(133.5, 58));
  EXPECT_EQ(curveBoxPosition(100, 130), QPointF(56, 32));
}

TEST(CurveDrawing, FrameHasAxesArrowsAndPointCircles) {
  QImage box = curveBox();
  drawCurveFrame(box, CurvePoints{}, background);
  EXPECT_EQ(box.pixel(6, 45), black);    // vertical axis
  EXPECT_EQ(box.pixel(100, 58), black);  // horizontal axis
  EXPECT_EQ(box.pixel(138, 58), black);  // arrow tip
  EXPECT_EQ(box.pixel(145, 5), background.rgb());
  // The circle around point 3 (100, 128) at (56, 32.4) has radius 3.
  EXPECT_EQ(box.pixel(59, 32), black);
  EXPECT_EQ(box.pixel(53, 32), black);
  EXPECT_NE(box.pixel(56, 32), black);
}

TEST(CurveDrawing, LabelsAreLightGrey) {
  QImage box = curveBox();
  drawCurveFrame(box, CurvePoints{}, background);
  int grey = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 20; x < 120; ++x) grey += box.pixel(x, y) == qRgb(240, 240, 240);
  EXPECT_GT(grey, 30);
}

TEST(CurveDrawing, FlatCurvePlotsOneRedRow) {
  QImage box = curveBox();
  box.fill(background);
  plotCurve(box, CurvePoints{});
  for (int x = 6; x <= 133; ++x) EXPECT_EQ(box.pixel(x, 32), red) << x;
  int reds = 0;
  for (int y = 0; y < box.height(); ++y)
    for (int x = 0; x < box.width(); ++x) reds += box.pixel(x, y) == red;
  EXPECT_EQ(reds, 134 - 6 + 1);
}

TEST(CurveDrawing, PlotFollowsTheSpline) {
  QImage box = curveBox();
  box.fill(background);
  const CurvePoints rising{{0, 0, 50, 100, 150, 200, 255, 0}, {0, 0, 50, 100, 150, 200, 255, 0}};
  plotCurve(box, rising);
  EXPECT_EQ(box.pixel(6, 58), red);   // (0, 0)
  EXPECT_EQ(box.pixel(56, 38), red);  // (100, 100)
  EXPECT_EQ(box.pixel(134, 7), red);  // (255, 255)
}
