#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "main_window_fixture.h"

class LivePreviewTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->livePreview().setEnabled(true);
    window->panels()->deformationButtons()[1]->setChecked(true);  // "Rotate"
  }

  TrackSlider* deformSlider() const { return window->panels()->deformSlider(); }
  static void settle() { QCoreApplication::processEvents(); }
  // The frames of a drag may be drafts; once the changes rest the design is
  // drawn exactly.
  QImage restedCanvas() {
    [&] { QTRY_VERIFY(!window->livePreview().restPending()); }();
    return canvas();
  }
  int rendersAfter(const std::function<void()>& change) {
    QSignalSpy redrawn(&window->livePreview(), &LivePreview::redrawn);
    change();
    settle();
    return redrawn.count();
  }
};

// A rotated render starts from the output of the render before it, so the
// Draw to compare with runs after the same history on a fresh canvas.
TEST_F(LivePreviewTest, SliderChangeAfterDrawGivesThePixelsOfAFreshDraw) {
  window->livePreview().setEnabled(false);
  window->draw();
  deformSlider()->setValue(40);
  const QImage pressedDraw = drawnAgain();
  deformSlider()->setValue(0);
  useCanvas({631, 331});
  const QImage before = drawnAgain();
  window->livePreview().setEnabled(true);
  deformSlider()->setValue(40);
  settle();
  EXPECT_NE(canvas(), before);
  EXPECT_EQ(restedCanvas(), pressedDraw);
}

TEST_F(LivePreviewTest, ChangesCoalesceIntoOneRenderOnTheCapturedCanvasAndAddNoUndoStep) {
  window->draw();
  useCanvas({200, 120});
  const QImage captured = canvas();
  EXPECT_EQ(rendersAfter([&] {
              for (int value : {10, 20, 30, 45}) deformSlider()->setValue(value);
              EXPECT_TRUE(window->livePreview().renderPending());
            }),
            1);
  EXPECT_NE(canvas(), captured);
  const QImage previewed = restedCanvas();
  EXPECT_EQ(previewed, drawnAgain());
  const UndoCounters start = design().undo.counters;
  for (int value = 5; value <= 50; value += 5) {
    deformSlider()->setValue(value);
    settle();
  }
  emit deformSlider()->released();
  settle();
  EXPECT_EQ(design().undo.counters.position, start.position);
  EXPECT_EQ(design().undo.counters.top, start.top);
}

// While the preview follows a change the notice of a design that runs past
// the canvas waits until the design stands still; it then tells what a Draw
// tells at once.
TEST_F(LivePreviewTest, AnOverrunIsToldOnceThePreviewedDesignStandsStill) {
  window->panels()->deformationButtons()[0]->setChecked(true);
  window->draw();
  QLabel* notice = window->canvasArea().cutNotice();
  ASSERT_FALSE(notice->isVisibleTo(window.get()));
  textBox()->setText(u"Sunny Bakery"_s);
  EXPECT_EQ(rendersAfter([&] { window->livePreview().settingChanged(); }), 1);
  EXPECT_FALSE(notice->isVisibleTo(window.get()));
  QTRY_VERIFY(notice->isVisibleTo(window.get()));
  const QString told = notice->text();
  notice->clear();
  window->draw();
  EXPECT_EQ(notice->text(), told);
  EXPECT_TRUE(told.startsWith(u"The design runs past the canvas: "_s)) << told.toStdString();
}

TEST_F(LivePreviewTest, NothingToDrawOrToggledOffFromTheToolsMenuNothingIsRedrawn) {
  const QImage blank = canvas();
  EXPECT_EQ(rendersAfter([&] { deformSlider()->setValue(40); }), 0);
  EXPECT_EQ(canvas(), blank);
  window->draw();
  design().sourceKind = SourceKind::Shape;
  deformSlider()->setValue(20);
  settle();
  EXPECT_TRUE(seam->messages.empty());
  design().sourceKind = SourceKind::Text;
  const QImage drawn = drawnAgain();
  QAction* toggle = window->menuEntry(u"mnuToolsLivePreview"_s);
  EXPECT_TRUE(toggle->isChecked());
  toggle->trigger();
  EXPECT_EQ(rendersAfter([&] { deformSlider()->setValue(40); }), 0);
  EXPECT_EQ(canvas(), drawn);
  EXPECT_EQ(QSettings(u"Velloro"_s, u"Velloro"_s).value(u"Options/LivePreview"_s), QVariant(false));
  window = std::make_unique<MainWindow>(folder.path());
  EXPECT_FALSE(window->livePreview().enabled());
  EXPECT_FALSE(window->menuEntry(u"mnuToolsLivePreview"_s)->isChecked());
}

TEST_F(LivePreviewTest, ChangesWithRealKeysAndClicksPreviewOnce) {
  QListWidget* effects = window->panels()->effectList();
  PictureBox* palette = window->panels()->fillPalette();
  effects->setCurrentRow(velloro::toInt(panelEffect(design().model.style())));  // as at start-up
  window->panels()->tabStrip()->setCurrentIndex(2);
  focusTextBox();
  const std::vector<std::function<void()>> changes{
      [&] { QTest::keyClicks(textBox(), u"V"_s); },
      [&] { clickToolButton("Bold"); },
      [&] { QTest::keyClick(window->fontSizeBox(), Qt::Key_Down); },
      [&] { QTest::keyClick(window->fontNameBox(), Qt::Key_Down); },
      [&] { QTest::keyClick(effects, Qt::Key_Down); },
      [&] { QTest::keyClick(effects, Qt::Key_Home); },
      [&] {
        window->panels()->tabStrip()->setCurrentIndex(0);
        QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(3, palette->height() / 2));
      }};
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const QImage before = drawnAgain();
    EXPECT_EQ(rendersAfter(changes[i]), 1) << i;
    EXPECT_EQ(velloro::toInt(panelEffect(design().model.style())), effects->currentRow()) << i;
    EXPECT_NE(canvas(), before) << i;
    const QImage previewed = restedCanvas();
    EXPECT_EQ(previewed, drawnAgain()) << i;
  }
}
