#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <vector>

#include "main_window/live_preview.h"
#include "main_window/source_frame.h"
#include "main_window_fixture.h"
#include "state/design_state.h"
#include "widgets/picture_box.h"
#include "widgets/track_slider.h"

namespace {

constexpr int rotateOption = 1;

class LivePreviewTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->livePreview().setEnabled(true);
    window->panels()->deformationButtons()[rotateOption]->setChecked(true);
  }

  TrackSlider* deformSlider() const { return window->panels()->deformSlider(); }
  QImage canvas() const { return window->canvasView()->picture(); }
  void settle() { QCoreApplication::processEvents(); }
};

// A rotated render starts from the output of the render before it, so the
// Draw to compare with runs after the same history on a fresh canvas.
TEST_F(LivePreviewTest, SliderChangeAfterDrawGivesThePixelsOfAFreshDraw) {
  const QSize size(631, 331);
  window->livePreview().setEnabled(false);
  useCanvas(size);
  window->draw();
  deformSlider()->setValue(40);
  window->draw();
  const QImage pressedDraw = canvas();

  deformSlider()->setValue(0);
  useCanvas(size);
  window->draw();
  const QImage before = canvas();
  window->livePreview().setEnabled(true);
  deformSlider()->setValue(40);
  settle();
  EXPECT_NE(canvas(), before);
  EXPECT_EQ(canvas(), pressedDraw);
}

TEST_F(LivePreviewTest, ColourPickedOnThePaletteIsPreviewedWithTheRealMouse) {
  window->draw();
  QSignalSpy redrawn(&window->livePreview(), &LivePreview::redrawn);
  PictureBox* palette = window->panels()->fillPalette();
  QTest::mouseClick(palette, Qt::LeftButton, {}, QPoint(3, palette->height() / 2));
  settle();
  EXPECT_EQ(redrawn.count(), 1);
  const QImage previewed = canvas();
  window->draw();
  EXPECT_EQ(previewed, canvas());
}

TEST_F(LivePreviewTest, NothingDrawnMeansNothingIsDrawnAndNothingIsShown) {
  const QImage blank = canvas();
  QSignalSpy redrawn(&window->livePreview(), &LivePreview::redrawn);
  deformSlider()->setValue(40);
  settle();
  EXPECT_EQ(redrawn.count(), 0);
  EXPECT_EQ(canvas(), blank);
  EXPECT_TRUE(seam->messages.empty());
}

// A new background keeps the design on it, and the preview goes on.
TEST_F(LivePreviewTest, CapturedCanvasKeepsThePreviewFollowing) {
  window->draw();
  useCanvas(QSize(200, 120));
  const QImage captured = canvas();
  deformSlider()->setValue(40);
  settle();
  const QImage previewed = canvas();
  EXPECT_NE(previewed, captured);
  window->draw();
  EXPECT_EQ(previewed, canvas());
}

TEST_F(LivePreviewTest, SourceKindWithNothingToDrawIsNotAskedFor) {
  window->draw();
  design().sourceKind = SourceKind::Shape;
  deformSlider()->setValue(40);
  settle();
  EXPECT_TRUE(seam->messages.empty());
}

TEST_F(LivePreviewTest, ChangesBeforeTheEventLoopRunsCoalesceIntoOneRenderOfTheLatest) {
  window->draw();
  QSignalSpy redrawn(&window->livePreview(), &LivePreview::redrawn);
  for (int value : {10, 20, 30, 45}) deformSlider()->setValue(value);
  EXPECT_TRUE(window->livePreview().renderPending());
  settle();
  EXPECT_EQ(redrawn.count(), 1);
  const QImage previewed = canvas();
  window->draw();
  EXPECT_EQ(previewed, canvas());
}

// Draw leaves the undo history alone, and so does every preview frame: a
// whole drag adds no step, and undo still goes back to the captured canvas.
TEST_F(LivePreviewTest, SliderDragAddsNoUndoStepPerFrame) {
  window->draw();
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

TEST_F(LivePreviewTest, ToggledOffFromTheToolsMenuNothingIsRedrawn) {
  window->draw();
  QAction* toggle = window->menuEntry(QStringLiteral("mnuToolsLivePreview"));
  ASSERT_TRUE(toggle->isCheckable());
  EXPECT_TRUE(toggle->isChecked());
  toggle->trigger();
  const QImage drawn = canvas();
  QSignalSpy redrawn(&window->livePreview(), &LivePreview::redrawn);
  deformSlider()->setValue(40);
  settle();
  EXPECT_EQ(redrawn.count(), 0);
  EXPECT_EQ(canvas(), drawn);
}

TEST_F(LivePreviewTest, TheChoiceIsRememberedForTheNextWindow) {
  window->menuEntry(QStringLiteral("mnuToolsLivePreview"))->trigger();
  EXPECT_EQ(QSettings(QStringLiteral("Velloro"), QStringLiteral("Velloro"))
                .value(QStringLiteral("Options/LivePreview")),
            QVariant(false));
  window = std::make_unique<MainWindow>(folder.path());
  EXPECT_FALSE(window->livePreview().enabled());
  EXPECT_FALSE(window->menuEntry(QStringLiteral("mnuToolsLivePreview"))->isChecked());
  window->livePreview().setEnabled(true);
}

// Each change made with real keys and clicks previews once, as Draw would.
TEST_F(LivePreviewTest, TextFontAndOutsideListChangesPreviewWithRealKeysAndClicks) {
  TitleTextBox* text = window->sourceFrame()->textBox();
  auto tool = [this](const char* key) {
    return window->toolBar()->widgetForAction(window->toolButton(QLatin1String(key)));
  };
  QListWidget* effects = window->panels()->effectList();
  effects->setCurrentRow(velloro::toInt(design().effectType));  // as at start-up
  window->panels()->tabStrip()->setCurrentIndex(2);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  const std::vector<std::function<void()>> changes{
      [&] { QTest::keyClicks(text, QStringLiteral("V")); },
      [&] { QTest::mouseClick(tool("Bold"), Qt::LeftButton); },
      [&] { QTest::keyClick(window->fontSizeBox(), Qt::Key_Down); },
      [&] { QTest::keyClick(window->fontNameBox(), Qt::Key_Down); },
      [&] { QTest::keyClick(effects, Qt::Key_Down); },
      [&] { QTest::keyClick(effects, Qt::Key_Home); }};
  for (std::size_t i = 0; i < changes.size(); ++i) {
    window->draw();
    const QImage before = canvas();
    QSignalSpy redrawn(&window->livePreview(), &LivePreview::redrawn);
    changes[i]();
    settle();
    EXPECT_EQ(redrawn.count(), 1) << i;
    EXPECT_EQ(velloro::toInt(design().effectType), effects->currentRow()) << i;
    const QImage previewed = canvas();
    EXPECT_NE(previewed, before) << i;
    window->draw();
    EXPECT_EQ(previewed, canvas()) << i;
  }
}

}  // namespace
