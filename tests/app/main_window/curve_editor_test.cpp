#include <QFile>
#include <QLabel>

#include "main_window/curve_editor.h"
#include "main_window_fixture.h"
#include "state/curve_drawing.h"
#include "state/curve_file.h"
#include "state/design_state.h"

namespace {

// The box pixel of a curve point, by the inverse of the editor's mapping.
QPoint pixelOf(int x, int y) { return curveBoxPosition(x, y).toPoint(); }

CurvePoints released(int i, QPoint at) {
  CurvePoints points;
  releaseCurvePoint(points, i, at);
  return points;
}

}  // namespace

TEST(CurveEditor, TopLeftOfTheDrawingAreaReadsPositionZeroValue255) {
  EXPECT_EQ(curveReadout({6, 7}), QStringLiteral("  0  ,  255"));
  EXPECT_EQ(curveReadout({56, 33}), QStringLiteral("  100  ,  125"));
}

TEST(CurveEditor, APointIsHitWithin6UnitsAcrossAnd15UpOrDown) {
  const CurvePoints flat;  // positions 0, 50, ..., 255 at 128
  EXPECT_EQ(hitCurvePoint(flat, pixelOf(100, 128)), 3);
  EXPECT_EQ(hitCurvePoint(flat, {29, 32}), 2);             // x 46: 4 units off
  EXPECT_EQ(hitCurvePoint(flat, {37, 32}), noCurvePoint);  // x 62
  EXPECT_EQ(hitCurvePoint(flat, {56, 37}), noCurvePoint);  // y 105: 23 below
}

TEST(CurveEditor, TheEndsKeepTheirPositionsWhereverReleased) {
  EXPECT_EQ(released(1, {100, 20}).x[1], 0);
  EXPECT_EQ(released(1, {100, 20}).y[1], 190);
  EXPECT_EQ(released(6, {0, 20}).x[6], 255);
}

TEST(CurveEditor, AnInnerPointStopsOneShortOfItsNeighbours) {
  EXPECT_EQ(released(3, {6, 30}).x[3], 51);
  EXPECT_EQ(released(3, {130, 30}).x[3], 149);
  EXPECT_EQ(released(3, {60, 30}).x[3], 108);
}

TEST(CurveEditor, AValueBeyondTheDrawingAreaIsKeptWithin0To255) {
  EXPECT_EQ(released(2, {31, 0}).y[2], 255);
  EXPECT_EQ(released(2, {31, 70}).y[2], 0);
}

TEST_F(MainWindowTest, DraggingPoint3MovesItAtTheReleaseAndRedrawsTheCurve) {
  const CurvePoints before = design().curve;
  window->curveBoxPressed(Qt::LeftButton, pixelOf(before.x[3], before.y[3]));
  window->curveBoxMoved(Qt::LeftButton, {70, 20});
  EXPECT_EQ(design().curve, before);  // only the readout follows the pointer
  EXPECT_EQ(window->statusPane(0)->text(), QStringLiteral("  128  ,  190"));
  window->curveBoxReleased(Qt::LeftButton, {70, 20});
  EXPECT_EQ(design().curve.x[3], 128);
  EXPECT_EQ(design().curve.y[3], 190);
  EXPECT_EQ(window->panels()->curveView()->picture().pixelColor(70, 20), QColor(255, 0, 0));
}

TEST_F(MainWindowTest, APressBetweenPointsOrARightReleaseMovesNothing) {
  const CurvePoints before = design().curve;
  window->curveBoxPressed(Qt::LeftButton, {40, 50});
  window->curveBoxReleased(Qt::LeftButton, {70, 20});
  EXPECT_EQ(design().curve, before);
  window->curveBoxPressed(Qt::LeftButton, pixelOf(before.x[2], before.y[2]));
  window->curveBoxReleased(Qt::RightButton, {70, 20});
  EXPECT_EQ(design().curve, before);
}

TEST_F(MainWindowTest, CurveMenuSavesLoadsAndResets) {
  const QString curves = folder.filePath(QStringLiteral("curves"));
  design().curve.y = {0, 0, 20, 80, 160, 230, 255, 0};
  const CurvePoints saved = design().curve;
  seam->fileAnswers.push_back(curves + QStringLiteral("/mine.txt"));
  window->saveCurveAs();
  EXPECT_EQ(seam->saveRequests.at(0).folder, curves);

  window->resetCurve();
  EXPECT_EQ(design().curve, readCurveFile(curves + QStringLiteral("/default.txt"), *seam));
  seam->fileAnswers.push_back(curves + QStringLiteral("/mine.txt"));
  window->loadCurveFile();
  EXPECT_EQ(design().curve, saved);
  window->loadCurveFile();  // cancelled: the curve stays
  EXPECT_EQ(design().curve, saved);
  EXPECT_TRUE(seam->messages.empty());
}
