#include <QAction>
#include <QLineEdit>
#include <QScrollBar>

#include "main_window/scroll_fit.h"
#include "main_window_fixture.h"
#include "state/design_state.h"
#include "state/text_picture.h"

namespace {

// Pixels whose blue stands clearly above red and green: shades of the
// default fill colour (0, 0, 200).
int bluePixels(const QImage& picture, QRect area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor colour = picture.pixelColor(x, y);
      if (colour.blue() > colour.red() + 40 && colour.blue() > colour.green() + 40) ++count;
    }
  return count;
}

}  // namespace

TEST(ScrollFit, CanvasSmallerThanTheViewportIsCentredWithoutBars) {
  const ScrollFit fit = fitScrollBars({200, 100}, {500, 300});
  EXPECT_FALSE(fit.horizontalShown);
  EXPECT_FALSE(fit.verticalShown);
  EXPECT_EQ(canvasPosition({200, 100}, {500, 300}, fit, 0, 0), QPoint(150, 100));
}

TEST(ScrollFit, CanvasNarrowerThanTheViewportLessABarButTallerKeepsTheVerticalBarOnly) {
  const ScrollFit fit = fitScrollBars({480, 400}, {500, 300});
  EXPECT_FALSE(fit.horizontalShown);
  EXPECT_TRUE(fit.verticalShown);
  EXPECT_EQ(fit.verticalLength, 300);
  EXPECT_EQ(fit.verticalMax, 100);
  EXPECT_EQ(fit.verticalLargeChange, 300);
  EXPECT_EQ(canvasPosition({480, 400}, {500, 300}, fit, 0, 40), QPoint(2, -40));
  const ScrollFit tenNarrower = fitScrollBars({490, 400}, {500, 300});
  EXPECT_TRUE(tenNarrower.horizontalShown);  // beside the vertical bar it no longer fits
  EXPECT_EQ(tenNarrower.horizontalMax, 5);
}

TEST(ScrollFit, LargerCanvasGetsBothBarsShortenedByEachOther) {
  const ScrollFit fit = fitScrollBars({631, 331}, {556, 200});
  EXPECT_TRUE(fit.horizontalShown && fit.verticalShown);
  EXPECT_EQ(fit.horizontalLength, 541);
  EXPECT_EQ(fit.horizontalMax, 90);
  EXPECT_EQ(fit.verticalLength, 185);
  EXPECT_EQ(fit.verticalMax, 146);
  EXPECT_EQ(canvasPosition({631, 331}, {556, 200}, fit, 30, 20), QPoint(-30, -20));
}

TEST(ScrollFit, CanvasWithinABarsThicknessOfTheViewportNeedsNoBar) {
  const ScrollFit exact = fitScrollBars({500, 300}, {500, 300});
  EXPECT_FALSE(exact.horizontalShown || exact.verticalShown);
  const ScrollFit narrow = fitScrollBars({480, 295}, {500, 300});
  EXPECT_FALSE(narrow.horizontalShown || narrow.verticalShown);
}

TEST_F(MainWindowTest, DefaultTextRendersAsABlueReliefInsideTheDesignFrame) {
  window->draw();
  ASSERT_TRUE(seam->messages.empty()) << seam->messages[0].text.toStdString();
  const QImage& canvas = window->canvasView()->picture();
  ASSERT_EQ(canvas.size(), QSize(631, 331));
  QImage background(631, 331, QImage::Format_RGB888);
  background.fill(Qt::white);
  EXPECT_NE(canvas, background);
  const QImage& mask = design().textPicture.picture;
  EXPECT_GT(bluePixels(canvas, QRect(5, 5, mask.width(), mask.height())), 1000);
  EXPECT_EQ(bluePixels(canvas, QRect(5 + mask.width() + 20, 0, 100, 331)), 0);
  EXPECT_EQ(canvas.pixelColor(630, 330), QColor(Qt::white));
  EXPECT_EQ(seam->busyDepth, 0);
}

TEST_F(MainWindowTest, MissingEngineIsReportedAndTheCanvasStaysAsItWas) {
  EngineLibrary missing(QStringLiteral("/nonexistent/libVelloro.so"));
  window->useEngine(missing);
  const QImage before = window->canvasView()->picture();
  window->draw();
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_TRUE(seam->messages[0].text.startsWith(QStringLiteral("error number : 48/84\r\n")));
  EXPECT_TRUE(window->canvasView()->isVisible());
  EXPECT_EQ(window->canvasView()->picture(), before);
  EXPECT_EQ(seam->busyDepth, 0);
}

TEST_F(MainWindowTest, OnePixelCanvasAndEmptyTextDrawWithoutFailure) {
  useCanvas({1, 1});
  EXPECT_EQ(design().designFrame.left, -49);
  window->draw();
  window->sourceFrame()->textBox()->clear();
  window->draw();
  EXPECT_TRUE(seam->messages.empty());
  EXPECT_EQ(window->canvasView()->picture().size(), QSize(1, 1));
}

TEST_F(MainWindowTest, DraggingTheFrame30PixelsRightMovesTheDesignAndRendersIt) {
  window->draw();
  const QImage first = window->canvasView()->picture();
  const QPoint grab(20, 20);
  moveCanvas(grab, Qt::NoButton);  // the pointer comes over the frame before the press
  EXPECT_EQ(window->canvasView()->cursor().shape(), Qt::SizeAllCursor);
  pressCanvas(grab);
  EXPECT_TRUE(window->canvasGesture().movingDesign());
  ASSERT_TRUE(window->canvasView()->rubberBand().has_value());
  moveCanvas(grab + QPoint(15, 0));
  moveCanvas(grab + QPoint(30, 0));
  EXPECT_EQ(window->canvasView()->rubberBand()->left(), 35);
  EXPECT_EQ(window->canvasView()->picture(),
            first);  // the band is drawn over, not into, the canvas
  releaseCanvas(grab + QPoint(30, 0));
  EXPECT_FALSE(window->canvasGesture().movingDesign());
  EXPECT_FALSE(window->canvasView()->rubberBand().has_value());
  EXPECT_EQ(design().designFrame.left, 35);
  EXPECT_EQ(design().designFrame.top, 5);
  const QImage& moved = window->canvasView()->picture();
  EXPECT_EQ(moved.copy(30, 0, 601, 331), first.copy(0, 0, 601, 331));
}

TEST_F(MainWindowTest, PressOutsideTheFrameOfAFittingCanvasOnlyKeepsTheArrow) {
  useCanvas({100, 60});
  pressCanvas({90, 50});
  EXPECT_FALSE(window->canvasGesture().movingDesign());
  EXPECT_EQ(window->canvasView()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWindowTest, PanningMovesTheBarsWithinTheirRange) {
  QScrollBar* horizontal = window->canvasViewport()->horizontalBar();
  ASSERT_TRUE(horizontal->isVisible());
  pressCanvas({400, 250});
  EXPECT_EQ(window->canvasView()->cursor().shape(), Qt::OpenHandCursor);
  moveCanvas({380, 250});
  EXPECT_EQ(horizontal->value(), 20);
  EXPECT_EQ(window->canvasView()->x(), -20);
  moveCanvas({100, 250});  // beyond the range: the anchor follows instead
  EXPECT_EQ(horizontal->value(), 20);
  moveCanvas({110, 250});
  EXPECT_EQ(horizontal->value(), 10);
  releaseCanvas({150, 250});
}

TEST_F(MainWindowTest, AnsweringNoToTheCropKeepsTheCanvasAndCropMode) {
  window->toolButton(QStringLiteral("Crop"))->trigger();
  seam->messageAnswers.push_back(MessageAnswer::No);
  pressCanvas({10, 10});
  moveCanvas({110, 60});
  EXPECT_EQ(window->canvasView()->rubberBand(), QRect(QPoint(10, 10), QPoint(110, 60)));
  releaseCanvas({110, 60});
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text, QStringLiteral("Do you wish to extract the selected area ?"));
  EXPECT_EQ(seam->messages[0].icon, MessageIcon::Question);
  EXPECT_EQ(seam->messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(window->canvasView()->picture().size(), QSize(631, 331));
  EXPECT_TRUE(window->cropModeOn());
  EXPECT_EQ(window->canvasView()->cursor().shape(), Qt::CrossCursor);
  EXPECT_FALSE(window->canvasView()->rubberBand().has_value());
}

TEST_F(MainWindowTest, AnsweringYesCropsToTheRectangleInEitherDirection) {
  window->toolButton(QStringLiteral("Crop"))->trigger();
  pressCanvas({110, 60});
  moveCanvas({10, 10});
  releaseCanvas({10, 10});
  EXPECT_EQ(window->canvasView()->picture().size(), QSize(100, 50));
  EXPECT_EQ(design().geometry.canvasRows, 50);
  EXPECT_FALSE(window->cropModeOn());
  EXPECT_TRUE(window->toolButton(QStringLiteral("Undo"))->isEnabled());
  EXPECT_EQ(window->canvasView()->picture().pixelColor(50, 25),
            QColor(Qt::white));  // no band in it
}
