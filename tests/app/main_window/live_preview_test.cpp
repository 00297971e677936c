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
#include <utility>
#include <vector>

#include "main_window/live_preview.h"
#include "main_window/source_frame.h"
#include "main_window_fixture.h"
#include "state/design_state.h"
#include "widgets/mirel_slider.h"
#include "widgets/picture_box.h"

namespace {

constexpr int rotateOption = 1;

class LivePreviewTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->livePreview().setEnabled(true);
    window->panels()->deformationButtons()[rotateOption]->setChecked(true);
  }

  MirelSlider* deformSlider() const { return window->panels()->deformSlider(); }
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

TEST_F(LivePreviewTest, CapturedCanvasEndsThePreviewUntilTheNextDraw) {
  window->draw();
  useCanvas(QSize(200, 120));
  const QImage captured = canvas();
  deformSlider()->setValue(40);
  settle();
  EXPECT_EQ(canvas(), captured);
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
  window = std::make_unique<FrmMain>(folder.path());
  EXPECT_FALSE(window->livePreview().enabled());
  EXPECT_FALSE(window->menuEntry(QStringLiteral("mnuToolsLivePreview"))->isChecked());
  window->livePreview().setEnabled(true);
}

// Each change made as a user makes it previews once and leaves the canvas a
// fresh Draw would give; the text and its font with keys and clicks.
TEST_F(LivePreviewTest, TheTitleAndItsFontPreviewWithRealKeysAndClicks) {
  auto textBox = [this] { return window->sourceFrame()->textBox(); };
  auto clickTool = [this](const char* key) {
    QTest::mouseClick(window->toolBar()->widgetForAction(window->toolButton(QLatin1String(key))),
                      Qt::LeftButton);
  };
  const std::vector<std::pair<const char*, std::function<void()>>> changes{
      {"typing", [&] { QTest::keyClicks(textBox(), QStringLiteral("Vel")); }},
      {"Bold", [&] { clickTool("Bold"); }},
      {"Italic", [&] { clickTool("Italic"); }},
      {"Underline", [&] { clickTool("Underline"); }},
      {"size list", [&] { QTest::keyClick(window->fontSizeBox(), Qt::Key_Down); }},
      {"size typed",
       [&] {
         window->fontSizeBox()->lineEdit()->selectAll();
         QTest::keyClicks(window->fontSizeBox()->lineEdit(), QStringLiteral("48"));
         QTest::keyClick(window->fontSizeBox()->lineEdit(), Qt::Key_Return);
       }},
      {"font list", [&] { QTest::keyClick(window->fontNameBox(), Qt::Key_Down); }},
  };
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  for (const auto& [name, change] : changes) {
    window->panels()->deformationButtons()[0]->setChecked(true);
    textBox()->setText(QStringLiteral("Velloro"));
    window->draw();
    const QImage before = canvas();
    textBox()->setFocus();
    QSignalSpy redrawn(&window->livePreview(), &LivePreview::redrawn);
    change();
    settle();
    EXPECT_EQ(redrawn.count(), 1) << name;
    const QImage previewed = canvas();
    EXPECT_NE(previewed, before) << name;
    window->draw();
    EXPECT_EQ(previewed, canvas()) << name;
  }
  EXPECT_TRUE(seam->messages.empty());
}

TEST_F(LivePreviewTest, ChosenFontIsPreviewedAndACancelledDialogDrawsNothing) {
  window->draw();
  QSignalSpy redrawn(&window->livePreview(), &LivePreview::redrawn);
  window->fontDialog();  // no answer: cancelled
  settle();
  EXPECT_EQ(redrawn.count(), 0);
  QFont chosen(QStringLiteral("DejaVu Serif"), 40);
  seam->fontAnswers.push_back(chosen);
  window->fontDialog();
  settle();
  EXPECT_EQ(redrawn.count(), 1);
}

// The panel and the drawing follow the highlight, wherever the keys move it.
TEST_F(LivePreviewTest, KeysInTheOutsideListChangeTheEffectItsPanelAndTheDrawing) {
  window->panels()->deformationButtons()[0]->setChecked(true);
  window->draw();
  QListWidget* effects = window->panels()->effectList();
  effects->setCurrentRow(velloro::toInt(design().effectType));  // as at start-up
  window->panels()->tabStrip()->setCurrentIndex(2);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  effects->setFocus();
  ASSERT_TRUE(effects->isVisible());
  for (const Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_Home, Qt::Key_Up, Qt::Key_Down}) {
    const QImage before = canvas();
    QTest::keyClick(effects, key);
    settle();
    const int row = effects->currentRow();
    EXPECT_EQ(velloro::toInt(design().effectType), row) << key;
    const QImage previewed = canvas();
    window->draw();
    EXPECT_EQ(previewed, canvas()) << key;
    if (key != Qt::Key_Up) EXPECT_NE(previewed, before) << key;
  }
}

}  // namespace
