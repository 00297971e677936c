#include <QAbstractItemView>

#include "main_window/tab_panels.h"
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

TEST_F(KeyboardRoutingTest, UndoAndRedoKeysAndButtonsActOnTheCanvas) {
  QTest::keyClicks(textBox(), u"X"_s);
  key(Qt::Key_Z);  // nothing to undo
  EXPECT_EQ(textBox()->text(), u"TitleX"_s);
  window->toolButton(u"Crop"_s)->trigger();
  dragOnCanvas({10, 10}, {110, 60});
  ASSERT_EQ(canvas().size(), QSize(100, 50));
  key(Qt::Key_Z);
  EXPECT_EQ(canvas().size(), QSize(631, 331));
  EXPECT_EQ(textBox()->text(), u"TitleX"_s);
  openAndDismissEditMenu();
  key(Qt::Key_R);
  EXPECT_EQ(canvas().size(), QSize(100, 50));
  clickToolButton("Undo");
  EXPECT_EQ(canvas().size(), QSize(631, 331));
  clickToolButton("Redo");
  EXPECT_EQ(canvas().size(), QSize(100, 50));
  key(Qt::Key_Z);
  key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(canvas().size(), QSize(100, 50));
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
  openAndDismissEditMenu();  // with no picture on the clipboard: Paste disabled
  QApplication::clipboard()->setImage(filled({40, 30}, Qt::red));
  key(Qt::Key_V);
  EXPECT_EQ(canvas().size(), QSize(40, 30));
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
    if (panels.panelFrames()[i]->x() == 2) shown = shown == -1 ? i : -2;  // -2: more than one
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
