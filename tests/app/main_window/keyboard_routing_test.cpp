// The shown main window driven by real key and mouse events, with the focus
// where a user leaves it: in the title's text box.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>

#include "main_window/source_frame.h"
#include "main_window/tab_panels.h"
#include "main_window_fixture.h"

namespace {

class KeyboardRoutingTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    textBox()->setFocus();
    textBox()->setText(QStringLiteral("Title"));
    textBox()->deselect();
  }

  TitleTextBox* textBox() { return window->findChild<SourceFrame*>()->textBox(); }

  void cropToHundredByFifty() {
    window->toolButton(QStringLiteral("Crop"))->trigger();
    pressCanvas({10, 10});
    moveCanvas({110, 60});
    releaseCanvas({110, 60});
    ASSERT_EQ(canvasSize(), QSize(100, 50));
  }

  QSize canvasSize() { return window->canvasView()->picture().size(); }

  void clickToolButton(const char* key) {
    QWidget* button = window->toolBar()->widgetForAction(window->toolButton(QLatin1String(key)));
    QTest::mouseClick(button, Qt::LeftButton);
  }

  void openAndDismissEditMenu() {
    QMenu* edit = window->menu(QStringLiteral("mnuedit"));
    edit->popup(window->mapToGlobal(QPoint(40, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
    QTest::keyClick(edit, Qt::Key_Escape);
    QTRY_VERIFY(!edit->isVisible());
  }
};

TEST_F(KeyboardRoutingTest, CtrlZInTheTextBoxUndoesTheCropAndKeepsTheTypedTitle) {
  QTest::keyClicks(textBox(), QStringLiteral("X"));
  cropToHundredByFifty();
  QTest::keyClick(textBox(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(canvasSize(), QSize(631, 331));
  EXPECT_EQ(textBox()->text(), QStringLiteral("TitleX"));
}

TEST_F(KeyboardRoutingTest, CtrlZWithNothingToUndoLeavesTheTextAlone) {
  QTest::keyClicks(textBox(), QStringLiteral("X"));
  QTest::keyClick(textBox(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(textBox()->text(), QStringLiteral("TitleX"));
}

TEST_F(KeyboardRoutingTest, CtrlRRedoesAfterTheEditMenuHasOpened) {
  cropToHundredByFifty();
  QTest::keyClick(textBox(), Qt::Key_Z, Qt::ControlModifier);
  openAndDismissEditMenu();
  QTest::keyClick(textBox(), Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(canvasSize(), QSize(100, 50));
}

TEST_F(KeyboardRoutingTest, CtrlCCopiesTheCanvasUnlessTextIsSelected) {
  QApplication::clipboard()->clear();
  QTest::keyClick(textBox(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(631, 331));
  textBox()->setSelection(0, 3);
  QTest::keyClick(textBox(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Tit"));
}

// The text box starts with its words selected; a click on the canvas is
// about the picture, so the next Ctrl+C copies the picture.
TEST_F(KeyboardRoutingTest, ClickOnTheCanvasThenCtrlCCopiesThePictureNotTheSelectedWords) {
  textBox()->selectAll();
  QApplication::clipboard()->clear();
  QTest::mouseClick(window->canvasView(), Qt::LeftButton, {}, QPoint(600, 300));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(631, 331));
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("X"));
  EXPECT_EQ(textBox()->text(), QStringLiteral("TitleX"));
}

TEST_F(KeyboardRoutingTest, CtrlVPastesAClipboardPictureOnTheCanvas) {
  openAndDismissEditMenu();  // with no picture on the clipboard: Paste disabled
  QImage picture(40, 30, QImage::Format_RGB888);
  picture.fill(Qt::red);
  QApplication::clipboard()->setImage(picture);
  QTest::keyClick(textBox(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(canvasSize(), QSize(40, 30));
  EXPECT_EQ(textBox()->text(), QStringLiteral("Title"));
}

// A line edit takes Ctrl+Y as its own redo; in the title's box it opens the
// symbols viewer like every other command key of the window.
TEST_F(KeyboardRoutingTest, CommandKeysInTheTextBoxRunTheirCommand) {
  QTest::keyClick(textBox(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(seam->modalDialogs,
            std::vector<QString>{QStringLiteral("Click the symbol to select it")});
  EXPECT_EQ(textBox()->text(), QStringLiteral("Title"));
}

TEST_F(KeyboardRoutingTest, ToolbarUndoAndRedoActAfterTheEditMenuHasOpened) {
  cropToHundredByFifty();
  openAndDismissEditMenu();
  clickToolButton("Undo");
  EXPECT_EQ(canvasSize(), QSize(631, 331));
  clickToolButton("Redo");
  EXPECT_EQ(canvasSize(), QSize(100, 50));
  clickToolButton("Undo");
  EXPECT_EQ(canvasSize(), QSize(631, 331));
}

TEST_F(KeyboardRoutingTest, LeavingTheSizeBoxWithTabChecksTheSize) {
  QComboBox* sizeBox = window->fontSizeBox();
  sizeBox->setFocus();
  sizeBox->lineEdit()->selectAll();
  QTest::keyClicks(sizeBox->lineEdit(), QStringLiteral("350"));
  EXPECT_TRUE(seam->messages.empty());
  QTest::keyClick(sizeBox->lineEdit(), Qt::Key_Tab);
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text, QStringLiteral("Size above 300 pts not allowed !"));
  EXPECT_EQ(sizeBox->currentText(), QStringLiteral("300"));
}

TEST_F(KeyboardRoutingTest, FontListDropDownShowsWholeNamesWhileTheBoxKeepsItsWidth) {
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

int shownPanel(const TabPanels& panels) {
  int shown = -1;
  for (int i = 0; i < 4; ++i)
    if (panels.panelFrames()[i]->x() == 2) shown = shown == -1 ? i : -2;  // -2: more than one
  return shown;
}

void turnWheel(QWidget& widget, int notches) {
  const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
  QWheelEvent wheel(at, widget.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&widget, &wheel);
}

TEST_F(KeyboardRoutingTest, PanelsFollowTheTabChosenByWheelOrArrowKeys) {
  TabPanels& panels = *window->panels();
  QTabBar& strip = *panels.tabStrip();
  ASSERT_EQ(strip.currentIndex(), 0);
  turnWheel(strip, -1);
  ASSERT_EQ(strip.currentIndex(), 1);
  EXPECT_EQ(shownPanel(panels), 1);
  strip.setFocus();
  QTest::keyClick(&strip, Qt::Key_Right);
  ASSERT_EQ(strip.currentIndex(), 2);
  EXPECT_EQ(shownPanel(panels), 2);
  QTest::keyClick(&strip, Qt::Key_Left);
  QTest::keyClick(&strip, Qt::Key_Left);
  EXPECT_EQ(shownPanel(panels), 0);
}

TEST_F(KeyboardRoutingTest, AClickOnTheCurrentTabClearsTheStatusAndKeepsItsPanel) {
  TabPanels& panels = *window->panels();
  window->statusPane(0)->setText(QStringLiteral("  10  ,  200"));
  QTest::mouseClick(panels.tabStrip(), Qt::LeftButton, {}, panels.tabStrip()->tabRect(0).center());
  EXPECT_TRUE(window->statusPane(0)->text().isEmpty());
  EXPECT_EQ(shownPanel(panels), 0);
  QTest::mouseClick(panels.tabStrip(), Qt::LeftButton, {}, panels.tabStrip()->tabRect(3).center());
  EXPECT_EQ(shownPanel(panels), 3);
}

}  // namespace
