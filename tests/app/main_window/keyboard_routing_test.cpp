#include <QAbstractItemView>

#include "main_window_fixture.h"

class KeyboardRoutingTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    focusTextBox();
    textBox()->setText(u"Title"_s);
    textBox()->deselect();
  }

  void key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(textBox(), Qt::Key(key), modifiers);
  }

  void openAndDismissEditMenu() {
    QMenu* edit = window->menu(u"mnuedit"_s);
    edit->popup(window->mapToGlobal(QPoint(40, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
    QTest::keyClick(edit, Qt::Key_Escape);
    QTRY_VERIFY(!edit->isVisible());
  }
};

// Ctrl+Z and Ctrl+Shift+Z in the title box step through its typing while
// there is typing to step through, then through the canvas; Ctrl+R and the
// toolbar's buttons always step through the canvas.
TEST_F(KeyboardRoutingTest, UndoAndRedoKeysStepThroughTypingThenTheCanvasTheButtonsTheCanvas) {
  const auto shift = Qt::ControlModifier | Qt::ShiftModifier;
  QTest::keyClicks(textBox(), u"X"_s);
  const struct {
    const char* step;
    std::function<void()> act;
    const char* text;
    QSize canvas;
  } steps[] = {
      {"Ctrl+Z on typing", [&] { key(Qt::Key_Z); }, "Title", {631, 331}},
      {"Ctrl+Shift+Z on typing", [&] { key(Qt::Key_Z, shift); }, "TitleX", {631, 331}},
      {"nothing more to redo", [&] { key(Qt::Key_Z, shift); }, "TitleX", {631, 331}},
      {"crop",
       [&] {
         window->toolButton(u"Crop"_s)->trigger();
         dragOnCanvas({10, 10}, {110, 60});
       },
       "TitleX",
       {100, 50}},
      {"Ctrl+Z, typing first", [&] { key(Qt::Key_Z); }, "Title", {100, 50}},
      {"Ctrl+Z, then the canvas", [&] { key(Qt::Key_Z); }, "Title", {631, 331}},
      {"Ctrl+R, the canvas", [&] { openAndDismissEditMenu(), key(Qt::Key_R); }, "Title", {100, 50}},
      {"Ctrl+Shift+Z, typing first", [&] { key(Qt::Key_Z, shift); }, "TitleX", {100, 50}},
      {"Undo button", [&] { clickToolButton("Undo"); }, "TitleX", {631, 331}},
      {"Ctrl+Shift+Z, then the canvas", [&] { key(Qt::Key_Z, shift); }, "TitleX", {100, 50}},
      {"Redo button, nothing to redo", [&] { clickToolButton("Redo"); }, "TitleX", {100, 50}},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.step);
    step.act();
    EXPECT_EQ(textBox()->text(), QLatin1String(step.text));
    EXPECT_EQ(canvas().size(), step.canvas);
  }
}

// A click on the canvas is about the picture: the next Ctrl+C copies the picture.
TEST_F(KeyboardRoutingTest, CtrlCCopiesTheCanvasUnlessTextIsSelected) {
  QApplication::clipboard()->clear();
  key(Qt::Key_C);
  EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(631, 331));
  textBox()->setSelection(0, 3);
  key(Qt::Key_C);
  EXPECT_EQ(QApplication::clipboard()->text(), u"Tit"_s);
  textBox()->selectAll();
  QApplication::clipboard()->clear();
  QTest::mouseClick(window->canvasView(), Qt::LeftButton, {}, QPoint(600, 300));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(631, 331));
  QTest::keyClicks(QApplication::focusWidget(), u"X"_s);
  EXPECT_EQ(textBox()->text(), u"TitleX"_s);
}

// A line edit takes Ctrl+Y and Ctrl+V as its own; the title's box must not.
TEST_F(KeyboardRoutingTest, CommandKeysInTheTextBoxRunTheirCommand) {
  key(Qt::Key_O);
  EXPECT_EQ(seam->openRequests.size(), 1u);
  key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(seam->saveRequests.size(), 1u);
  key(Qt::Key_F1, Qt::NoModifier);
  EXPECT_TRUE(onlyMessage().text.startsWith(u"Unable to display Help"_s));
  QAction* paste = window->menuEntry(u"mnuEditPaste"_s);
  QApplication::clipboard()->setText(u"words"_s);
  openAndDismissEditMenu();
  EXPECT_FALSE(paste->isEnabled());
  EXPECT_FALSE(window->menuEntry(u"mnuEditUndo"_s)->isEnabled());
  QApplication::clipboard()->setImage(filled({40, 30}, Qt::red));
  key(Qt::Key_V);  // its entry was disabled when the menu last showed
  EXPECT_EQ(canvas().size(), QSize(40, 30));
  EXPECT_EQ(design().geometry.canvasRows, 30);
  openAndDismissEditMenu();
  EXPECT_TRUE(paste->isEnabled());
  EXPECT_TRUE(window->menuEntry(u"mnuEditUndo"_s)->isEnabled());
  key(Qt::Key_Y);
  EXPECT_EQ(seam->modalDialogs, std::vector<QString>{u"Click the symbol to select it"_s});
  EXPECT_EQ(textBox()->text(), u"Title"_s);
  seam->messageAnswers.push_back(MessageAnswer::Discard);
  key(Qt::Key_Q);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(KeyboardRoutingTest, LeavingTheSizeBoxChecksTheSizeTheFontListShowsWholeNames) {
  QComboBox* sizeBox = window->fontSizeBox();
  sizeBox->setFocus();
  sizeBox->lineEdit()->selectAll();
  QTest::keyClicks(sizeBox->lineEdit(), u"350"_s);
  EXPECT_TRUE(seam->messages.empty());
  QTest::keyClick(sizeBox->lineEdit(), Qt::Key_Tab);
  EXPECT_EQ(onlyMessage().text, u"Size above 300 pts not allowed !"_s);
  EXPECT_EQ(sizeBox->currentText(), u"300"_s);
  QComboBox* fontBox = window->fontNameBox();
  ASSERT_GT(fontBox->count(), 0);
  const QFontMetrics metrics(fontBox->view()->font());
  int widest = 0;
  for (int i = 0; i < fontBox->count(); ++i)
    widest = std::max(widest, metrics.horizontalAdvance(fontBox->itemText(i)));
  fontBox->showPopup();
  QTRY_VERIFY(fontBox->view()->isVisible());
  EXPECT_GT(fontBox->view()->viewport()->width(), widest);
  fontBox->hidePopup();
}

static int shownPanel(const TabPanels& panels) {
  int shown = -1;
  for (int i = 0; i < 4; ++i)
    if (panels.panelFrames()[i]->isVisible()) shown = shown == -1 ? i : -2;  // -2: more than one
  return shown;
}

TEST_F(KeyboardRoutingTest, PanelsFollowTheTabChosenByKeysOrClicks) {
  TabPanels& panels = *window->panels();
  QTabBar& strip = *panels.tabStrip();
  strip.setFocus();
  QTest::keyClick(&strip, Qt::Key_Right);
  EXPECT_EQ(shownPanel(panels), 1);
  QTest::keyClick(&strip, Qt::Key_Left);
  EXPECT_EQ(shownPanel(panels), 0);
  window->statusPane(0)->setText(u"  10  ,  200"_s);
  QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.tabRect(0).center());
  EXPECT_TRUE(window->statusPane(0)->text().isEmpty());
  EXPECT_EQ(shownPanel(panels), 0);
  QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.tabRect(3).center());
  EXPECT_EQ(shownPanel(panels), 3);
}

class ZoomAndFitTest : public KeyboardRoutingTest {
 protected:
  void SetUp() override {
    KeyboardRoutingTest::SetUp();
    loadDefaultCurve();
  }

  QString zoomShown() const { return window->canvasArea().zoomPane()->text(); }
  PictureBox* view() const { return window->canvasView(); }
};

TEST_F(ZoomAndFitTest, KeysStepTheZoomAndACropAt50PercentCutsTheCanvasRectangle) {
  const QImage canvas = patterned(631, 331);
  window->canvasArea().showBackground(canvas);
  const std::tuple<int, const char*, double> steps[] = {
      {Qt::Key_Equal, "Zoom 200 %", 2}, {Qt::Key_Equal, "Zoom 300 %", 3},
      {Qt::Key_0, "Zoom 100 %", 1},     {Qt::Key_Minus, "Zoom 67 %", 0.67},
      {Qt::Key_Plus, "Zoom 100 %", 1},  {Qt::Key_Minus, "Zoom 67 %", 0.67},
      {Qt::Key_Minus, "Zoom 50 %", 0.5}};
  for (const auto& [pressed, shown, factor] : steps) {
    key(pressed);
    EXPECT_EQ(zoomShown(), QLatin1String(shown));
    EXPECT_EQ(view()->size(), (QSizeF(canvas.size()) * factor).toSize()) << shown;
  }
  window->toolButton(u"Crop"_s)->trigger();
  QTest::mousePress(view(), Qt::LeftButton, {}, {10, 15});
  QTest::mouseMove(view(), {60, 40});
  QTest::mouseRelease(view(), Qt::LeftButton, {}, {60, 40});
  EXPECT_EQ(view()->picture(), canvas.copy(20, 30, 100, 50));
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
  EXPECT_EQ(QPoint(design().designFrame.left, design().designFrame.top), QPoint(35, 5));
}

// Cut between two letters, a title shows nothing on the canvas's last column
// and is told all the same; the export's default choice cuts the design out
// whole, with a margin of 4. The notice and Fit Canvas are measured in the
// turned design tests.
TEST_F(ZoomAndFitTest, ALongTitleIsToldAndExportedWhole) {
  QLabel* notice = window->canvasArea().cutNotice();
  textBox()->setText(u"Velloro Velloro"_s);
  window->draw();
  EXPECT_TRUE(notice->isVisibleTo(window.get()));
  textBox()->setText(u"Sunny Bakery"_s);
  window->draw();
  seam->modalAnswers.push_back([](QDialog& dialog) { dialog.accept(); });
  run("mnuFileExportWeb", path("outputs/title.png"));
  // The command line runs on the window's engine and replaces its layers:
  // it comes last.
  EXPECT_EQ(contentOf(path("outputs/title.png")),
            rendered({u"--text"_s, u"Sunny Bakery"_s, u"--transparent"_s, u"--trim"_s, u"4"_s}));
}
