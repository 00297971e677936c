#include "tools/frm_symbols.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "main_window_fixture.h"
#include "state/design_state.h"
#include "state/text_picture.h"

class FrmSymbolsTest : public MainWindowTest {
 protected:
  // Opens the picker from the Tools menu and lets `work` act in it.
  void open(std::function<void(FrmSymbols&)> work) {
    seam->modalAnswers.push_back(
        [work](QDialog& dialog) { work(static_cast<FrmSymbols&>(dialog)); });
    window->menuEntry(QStringLiteral("mnuToolsSymbols"))->trigger();
  }

  static void pick(FrmSymbols& picker, int row) {
    picker.symbolList()->setCurrentRow(row);
    picker.listClicked();
  }
};

TEST_F(FrmSymbolsTest, FirstOpeningListsThe29CharactersOfBookshelfSymbol3) {
  open([](FrmSymbols& picker) {
    EXPECT_EQ(picker.parentWidget(), nullptr);
    EXPECT_TRUE(picker.fontButtons()[0]->isChecked());
    ASSERT_EQ(picker.symbolList()->count(), 29);
    EXPECT_EQ(picker.symbolList()->item(0)->text(), QStringLiteral("A"));
    EXPECT_EQ(picker.symbolList()->item(7)->text(), QStringLiteral("J"));
    EXPECT_EQ(picker.symbolList()->item(28)->text(), QStringLiteral("b"));
    EXPECT_EQ(picker.composedBox()->font().family(), QStringLiteral("Bookshelf symbol 3"));
  });
  EXPECT_EQ(seam->modalDialogs.size(), 1u);
}

TEST_F(FrmSymbolsTest, PicksAreAppendedInOrderAndAClickAtTheStartPutsOneInFront) {
  open([](FrmSymbols& picker) {
    pick(picker, 0);
    pick(picker, 1);
    pick(picker, 2);
    EXPECT_EQ(picker.composedBox()->text(), QStringLiteral("ABC"));
    QTest::mouseClick(picker.composedBox(), Qt::LeftButton, {}, QPoint(1, 10));
    picker.composedBox()->setCursorPosition(0);
    EXPECT_TRUE(picker.CursorPlaced);
    pick(picker, 3);
    EXPECT_EQ(picker.composedBox()->text(), QStringLiteral("DABC"));
    EXPECT_FALSE(picker.CursorPlaced);
  });
}

// A real click: the list must not take the focus from the text box first,
// which would drop its selection.
TEST_F(FrmSymbolsTest, AClickedSymbolReplacesTheSelectedCharacters) {
  open([](FrmSymbols& picker) {
    picker.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    QLineEdit* box = picker.composedBox();
    box->setText(QStringLiteral("ABC"));
    box->setFocus();
    box->setSelection(1, 2);
    QListWidget* list = picker.symbolList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(4)).center());
    EXPECT_EQ(box->text(), QStringLiteral("AE"));
    EXPECT_TRUE(box->hasFocus());
  });
}

TEST_F(FrmSymbolsTest, ChoosingAnotherFontEmptiesTheTextAndListsItsCharacters) {
  open([](FrmSymbols& picker) {
    pick(picker, 0);
    picker.fontButtons()[3]->click();
    EXPECT_TRUE(picker.composedBox()->text().isEmpty());
    EXPECT_EQ(picker.symbolList()->count(), 223);
    EXPECT_EQ(picker.composedBox()->font().family(), QStringLiteral("Webdings"));
  });
}

TEST_F(FrmSymbolsTest, ApplyMakesTheComposedSymbolsTheDesignText) {
  window->selectSource(SourceKind::Shape, Qt::LeftButton);
  open([](FrmSymbols& picker) {
    picker.fontButtons()[4]->click();
    pick(picker, 0);
    pick(picker, 1);
    picker.applyButton()->click();
  });
  EXPECT_EQ(window->sourceFrame()->textBox()->text(), QStringLiteral("!\""));
  EXPECT_EQ(window->sourceFrame()->textBox()->font().family(), QStringLiteral("Wingdings"));
  EXPECT_EQ(window->fontNameBox()->currentText(), QStringLiteral("Wingdings"));
  EXPECT_EQ(design().textPicture.font.family(), QStringLiteral("Wingdings"));
  EXPECT_EQ(design().sourceKind, SourceKind::Text);
  EXPECT_FALSE(window->symbolPicker()->isVisible());
}

TEST_F(FrmSymbolsTest, ApplyWithAnEmptyTextEmptiesTheDesignText) {
  open([](FrmSymbols& picker) { picker.applyButton()->click(); });
  EXPECT_TRUE(window->sourceFrame()->textBox()->text().isEmpty());
}

TEST_F(FrmSymbolsTest, CancelChangesNothingAndTheNextOpeningKeepsTheComposedText) {
  open([](FrmSymbols& picker) {
    pick(picker, 0);
    picker.cancelButton()->click();
  });
  EXPECT_EQ(window->sourceFrame()->textBox()->text(), QStringLiteral("Velloro"));
  open([](FrmSymbols& picker) { EXPECT_EQ(picker.composedBox()->text(), QStringLiteral("A")); });
}
