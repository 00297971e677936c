#include "main_window/scroll_fit.h"
#include "main_window_fixture.h"

// A canvas that fits is centred without bars; a bar shortens the other
// side, which may then need a bar too; within a bar's thickness none is
// needed. -1: not checked.
TEST(ScrollFit, BarsLengthsRangesAndThePlaceOfTheCanvas) {
  // Per case: canvas, viewport, bars shown, the horizontal bar's length and
  // maximum then the vertical one's, the scroll and the canvas position.
  const std::tuple<QSize, QSize, std::array<bool, 2>, std::array<int, 4>, QPoint, QPoint> cases[] =
      {{{200, 100}, {500, 300}, {false, false}, {-1, -1, -1, -1}, {}, {150, 100}},
       {{480, 400}, {500, 300}, {false, true}, {-1, -1, 300, 100}, {0, 40}, {2, -40}},
       {{490, 400}, {500, 300}, {true, true}, {-1, 5, -1, -1}, {}, {-1, -1}},
       {{631, 331}, {556, 200}, {true, true}, {541, 90, 185, 146}, {30, 20}, {-30, -20}},
       {{500, 300}, {500, 300}, {false, false}, {-1, -1, -1, -1}, {}, {-1, -1}},
       {{480, 295}, {500, 300}, {false, false}, {-1, -1, -1, -1}, {}, {-1, -1}}};
  for (const auto& [canvas, viewport, shown, wanted, scrolled, position] : cases) {
    SCOPED_TRACE(testing::Message() << canvas.width() << "x" << canvas.height());
    const ScrollFit fit = fitScrollBars(canvas, viewport);
    EXPECT_EQ((std::array{fit.horizontalShown, fit.verticalShown}), shown);
    const std::array got{fit.horizontalLength, fit.horizontalMax, fit.verticalLength,
                         fit.verticalMax};
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(got[i], wanted[i] < 0 ? got[i] : wanted[i]) << "value " << i;
    const QPoint at = canvasPosition(canvas, viewport, fit, scrolled.x(), scrolled.y());
    EXPECT_EQ(at, position.x() == -1 ? at : position);
  }
  EXPECT_EQ(fitScrollBars({480, 400}, {500, 300}).verticalLargeChange, 300);
}

TEST_F(MainWindowTest, MissingEngineIsReportedAndTheCanvasStaysAsItWas) {
  EngineLibrary missing(u"/nonexistent/libVelloro.so"_s);
  window->useEngine(missing);
  const QImage before = canvas();
  window->draw();
  EXPECT_TRUE(onlyMessage().text.startsWith(u"error number : 48/84\r\n"_s));
  EXPECT_TRUE(window->canvasView()->isVisible());
  EXPECT_EQ(canvas(), before);
  EXPECT_EQ(seam->busyDepth, 0);
}

TEST_F(MainWindowTest, PressOutsideTheFrameKeepsTheArrowOnePixelCanvasDrawsWithoutFailure) {
  useCanvas({100, 60});
  pressCanvas({90, 50});
  moveCanvas({80, 50});
  EXPECT_FALSE(window->canvasView()->rubberBand().has_value());
  EXPECT_EQ(window->canvasView()->cursor().shape(), Qt::ArrowCursor);
  releaseCanvas({80, 50});
  useCanvas({1, 1});
  EXPECT_EQ(design().designFrame.left, -49);
  window->draw();
  textBox()->clear();
  window->draw();
  EXPECT_TRUE(seam->messages.empty());
  EXPECT_EQ(canvas().size(), QSize(1, 1));
}

TEST_F(MainWindowTest, DraggingTheFrame30PixelsRightMovesTheDesignAndRendersIt) {
  const QImage first = drawnAgain();
  const QPoint grab(20, 20);
  moveCanvas(grab, Qt::NoButton);  // the pointer comes over the frame before the press
  EXPECT_EQ(window->canvasView()->cursor().shape(), Qt::SizeAllCursor);
  pressCanvas(grab);
  moveCanvas(grab + QPoint(15, 0));
  moveCanvas(grab + QPoint(30, 0));
  EXPECT_EQ(window->canvasView()->rubberBand()->left(), 35);
  EXPECT_EQ(canvas(), first);  // the band is drawn over, not into, the canvas
  releaseCanvas(grab + QPoint(30, 0));
  moveCanvas(grab + QPoint(40, 0));  // the move has ended: no band follows
  EXPECT_FALSE(window->canvasView()->rubberBand().has_value());
  EXPECT_EQ(QPoint(design().designFrame.left, design().designFrame.top), QPoint(35, 5));
  EXPECT_EQ(canvas().copy(30, 0, 601, 331), first.copy(0, 0, 601, 331));
}

TEST_F(MainWindowTest, PanningMovesTheBarsWithinTheirRange) {
  QScrollBar* horizontal = window->canvasArea().viewport()->horizontalBar();
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

TEST_F(MainWindowTest, CropButtonAndMenuEntryToggleOneCropModeWhoseQuestionDecidesTheCut) {
  QAction* crop = window->toolButton(u"Crop"_s);
  QAction* entry = window->menuEntry(u"mnucrop"_s);
  for (QAction* clicked : {crop, crop, entry, entry}) {
    const bool wasOn = crop->isChecked();
    clicked->trigger();
    emit window->menu(u"mnuTools"_s)->aboutToShow();
    EXPECT_EQ(crop->isChecked(), !wasOn);
    EXPECT_EQ(entry->isChecked(), !wasOn);
    EXPECT_EQ(window->canvasView()->cursor().shape(), wasOn ? Qt::ArrowCursor : Qt::CrossCursor);
  }
  crop->trigger();
  seam->messageAnswers.push_back(MessageAnswer::No);
  pressCanvas({10, 10});
  moveCanvas({110, 60});
  EXPECT_EQ(window->canvasView()->rubberBand(), QRect(QPoint(10, 10), QPoint(110, 60)));
  releaseCanvas({110, 60});
  EXPECT_EQ(onlyMessage().text, u"Do you wish to extract the selected area ?"_s);
  EXPECT_EQ(onlyMessage().icon, MessageIcon::Question);
  EXPECT_EQ(onlyMessage().buttons, MessageButtons::YesNo);
  EXPECT_EQ(canvas().size(), QSize(631, 331));
  EXPECT_TRUE(crop->isChecked());
  EXPECT_EQ(window->canvasView()->cursor().shape(), Qt::CrossCursor);
  EXPECT_FALSE(window->canvasView()->rubberBand().has_value());
  dragOnCanvas({110, 60}, {10, 10});
  EXPECT_EQ(canvas().size(), QSize(100, 50));
  EXPECT_FALSE(crop->isChecked());
}
