#include "design/curve_drawing.h"
#include "main_window_fixture.h"

// The box pixel of a curve point, by the inverse of the editor's mapping.
static QPoint pixelOf(int x, int y) { return curveBoxPosition(x, y).toPoint(); }

// The top left of the drawing area reads position 0, value 255; a point is
// hit within 6 units across and 15 up or down.
TEST(CurveEditor, ReadoutHitAndReleaseOfThePointer) {
  EXPECT_EQ(curveReadout({6, 7}), u"  0  ,  255"_s);
  EXPECT_EQ(curveReadout({56, 33}), u"  100  ,  125"_s);
  const CurvePoints flat;  // positions 0, 50, ..., 255 at 128
  EXPECT_EQ(hitCurvePoint(flat, pixelOf(100, 128)), 2);
  EXPECT_EQ(hitCurvePoint(flat, {29, 32}), 1);             // x 46: 4 units off
  EXPECT_EQ(hitCurvePoint(flat, {37, 32}), std::nullopt);  // x 62
  EXPECT_EQ(hitCurvePoint(flat, {56, 37}), std::nullopt);  // y 105: 23 below
  // Ends keep their positions, inner points stop one short of their neighbours.
  const std::tuple<int, QPoint, int, int> releases[] = {
      {0, {100, 20}, 0, 190},   {5, {0, 20}, 255, 190},  {2, {6, 30}, 51, 140},
      {2, {130, 30}, 149, 140}, {2, {60, 30}, 108, 140}, {1, {31, 0}, 50, 255},
      {1, {31, 70}, 50, 0}};
  for (const auto& [point, at, x, y] : releases) {
    SCOPED_TRACE(testing::Message() << "point " << point << " at " << at.x() << "," << at.y());
    CurvePoints points;
    releaseCurvePoint(points, point, at);
    EXPECT_EQ(points.x[point], x);
    EXPECT_EQ(points.y[point], y);
  }
}

TEST_F(MainWindowTest, DraggingPoint3MovesItAtTheReleaseTheCurveMenuSavesLoadsAndResets) {
  const CurvePoints before = curvePoints(design().model.style());
  PictureBox* box = window->panels()->inside().curveBox().view();
  QTest::mousePress(box, Qt::LeftButton, {}, {40, 50});
  QTest::mouseRelease(box, Qt::LeftButton, {}, {70, 20});
  QTest::mousePress(box, Qt::LeftButton, {}, pixelOf(before.x[1], before.y[1]));
  emit box->mouseReleased(Qt::RightButton, Qt::LeftButton, {70, 20});
  EXPECT_EQ(curvePoints(design().model.style()), before);
  QTest::mousePress(box, Qt::LeftButton, {}, pixelOf(before.x[2], before.y[2]));
  QTest::mouseMove(box, {70, 20});
  EXPECT_EQ(curvePoints(design().model.style()), before);  // only the readout follows the pointer
  EXPECT_EQ(window->statusPane(0)->text(), u"  128  ,  190"_s);
  QTest::mouseRelease(box, Qt::LeftButton, {}, {70, 20});
  EXPECT_EQ(
      QPoint(curvePoints(design().model.style()).x[2], curvePoints(design().model.style()).y[2]),
      QPoint(128, 190));
  EXPECT_EQ(window->panels()->inside().curveBox().view()->picture().pixelColor(70, 20),
            QColor(255, 0, 0));

  const QString curves = path("curves");
  design().model.set(Setting::CurveValues, CurveList{0, 20, 80, 160, 230, 255});
  const CurvePoints saved = curvePoints(design().model.style());
  run("mnubeziersave", curves + u"/mine.txt"_s);
  EXPECT_EQ(seam->saveRequests.at(0).folder, curves);

  run("mnubezierreset");
  EXPECT_EQ(curvePoints(design().model.style()), readCurveFile(curves + u"/default.txt"_s, *seam));
  run("mnubezierload", curves + u"/mine.txt"_s);
  EXPECT_EQ(curvePoints(design().model.style()), saved);
  run("mnubezierload");  // cancelled: the curve stays
  EXPECT_EQ(curvePoints(design().model.style()), saved);
  EXPECT_TRUE(seam->messages.empty());
}
