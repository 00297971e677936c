#include "main_window_fixture.h"

class ZoomAndFitTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    focusTextBox();
    loadDefaultCurve();
  }

  void key(int key) { QTest::keyClick(textBox(), Qt::Key(key), Qt::ControlModifier); }
  QString zoomShown() const { return window->canvasArea().zoomPane()->text(); }
  PictureBox* view() const { return window->canvasView(); }
};

TEST_F(ZoomAndFitTest, KeysStepTheZoom) {
  const QSize canvas = view()->picture().size();
  struct Step {
    int key;
    const char* shown;
    double factor;
  };
  for (const Step& step :
       {Step{Qt::Key_Equal, "Zoom 200 %", 2}, Step{Qt::Key_Equal, "Zoom 300 %", 3},
        Step{Qt::Key_0, "Zoom 100 %", 1}, Step{Qt::Key_Minus, "Zoom 67 %", 0.67},
        Step{Qt::Key_Plus, "Zoom 100 %", 1}}) {
    key(step.key);
    EXPECT_EQ(zoomShown(), QLatin1String(step.shown));
    EXPECT_EQ(view()->size(), (QSizeF(canvas) * step.factor).toSize()) << step.shown;
  }
  for (int i = 0; i < 12; ++i) key(Qt::Key_Equal);
  EXPECT_EQ(zoomShown(), u"Zoom 800 %"_s);
  for (int i = 0; i < 12; ++i) key(Qt::Key_Minus);
  EXPECT_EQ(zoomShown(), u"Zoom 25 %"_s);
  window->menuEntry(u"mnuViewFit"_s)->trigger();
  EXPECT_TRUE(
      QRect(QPoint(), window->canvasArea().viewport()->size()).contains(view()->geometry()));
}

TEST_F(ZoomAndFitTest, ZoomedInPixelsAreCrispSquaresAndADragMovesTheDesignByCanvasPixels) {
  window->draw();
  key(Qt::Key_Equal);
  const QImage picture = view()->picture();
  const QImage shown = view()->grab().toImage().convertToFormat(QImage::Format_RGB888);
  EXPECT_EQ(shown,
            picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  // Zooming keeps the middle in view; the design lies at the top left.
  window->canvasArea().viewport()->horizontalBar()->setValue(0);
  window->canvasArea().viewport()->verticalBar()->setValue(0);
  QTest::mouseMove(view(), {40, 40});
  QTest::mousePress(view(), Qt::LeftButton, {}, {40, 40});
  QTest::mouseMove(view(), {70, 40});
  QTest::mouseMove(view(), {100, 40});
  EXPECT_EQ(view()->rubberBand()->left(), 35);
  QTest::mouseRelease(view(), Qt::LeftButton, {}, {100, 40});
  EXPECT_EQ(design().designFrame.left, 35);
  EXPECT_EQ(design().designFrame.top, 5);
}

TEST_F(ZoomAndFitTest, ACropAt50PercentCutsTheCanvasRectangle) {
  QImage canvas(631, 331, QImage::Format_RGB888);
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) canvas.setPixel(x, y, qRgb(x % 256, y % 256, 90));
  window->canvasArea().showBackground(canvas);
  key(Qt::Key_Minus);
  key(Qt::Key_Minus);
  ASSERT_EQ(zoomShown(), u"Zoom 50 %"_s);
  window->toolButton(u"Crop"_s)->trigger();
  QTest::mousePress(view(), Qt::LeftButton, {}, {10, 15});
  QTest::mouseMove(view(), {60, 40});
  QTest::mouseRelease(view(), Qt::LeftButton, {}, {60, 40});
  EXPECT_EQ(view()->picture(), canvas.copy(20, 30, 100, 50));
}

TEST_F(ZoomAndFitTest, ALongTitleIsToldFittedAndExportedWhole) {
  textBox()->setText(u"Sunny Bakery"_s);
  window->draw();
  QLabel* notice = window->canvasArea().cutNotice();
  ASSERT_TRUE(notice->isVisibleTo(window.get()));
  const QString told = notice->text();
  EXPECT_TRUE(told.startsWith(u"The design runs past the canvas: right by "_s))
      << told.toStdString();

  // The export's default choice cuts the design out with a margin of 4.
  seam->modalAnswers.push_back([](QDialog& dialog) { dialog.accept(); });
  const QString exported = path("outputs/title.png");
  seam->fileAnswers.push_back(exported);
  window->menuEntry(u"mnuFileExportWeb"_s)->trigger();
  EXPECT_EQ(contentOf(exported),
            rendered({u"--text"_s, u"Sunny Bakery"_s, u"--transparent"_s, u"--trim"_s, u"4"_s}));

  window->menuEntry(u"mnuToolsFitCanvas"_s)->trigger();
  EXPECT_FALSE(notice->isVisibleTo(window.get()));
  EXPECT_EQ(encodedPicture(view()->picture(), u"png"_s, std::nullopt),
            rendered({u"--text"_s, u"Sunny Bakery"_s}));

  window->menuEntry(u"mnuEditUndo"_s)->trigger();
  EXPECT_EQ(view()->picture().size(), QSize(631, 331));
  EXPECT_TRUE(notice->isVisibleTo(window.get()));
}
