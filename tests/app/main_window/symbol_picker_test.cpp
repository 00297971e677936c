#include "tools/symbol_picker.h"

#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <numeric>

#include "main_window_fixture.h"
#include "state/design_state.h"
#include "state/text_picture.h"

class SymbolPickerTest : public MainWindowTest {
 protected:
  // Opens the picker from the Tools menu and lets `work` act in it, with
  // two installed fonts standing in for symbol fonts unless `asInstalled`.
  void open(std::function<void(SymbolPicker&)> work, bool asInstalled = false) {
    seam->modalAnswers.push_back([work, asInstalled](QDialog& dialog) {
      auto& picker = static_cast<SymbolPicker&>(dialog);
      if (!asInstalled) picker.offerFonts(standIns());
      work(picker);
    });
    window->menuEntry(QStringLiteral("mnuToolsSymbols"))->trigger();
  }

  static std::vector<SymbolFont> standIns() {
    std::vector<int> letters(26);
    std::iota(letters.begin(), letters.end(), 'A');
    std::vector<int> signs(223);
    std::iota(signs.begin(), signs.end(), 33);
    return {{QStringLiteral("DejaVu Sans"), letters}, {QStringLiteral("DejaVu Serif"), signs}};
  }

  static void pick(SymbolPicker& picker, int row) {
    picker.symbolList()->setCurrentRow(row);
    picker.listClicked();
  }
};

TEST_F(SymbolPickerTest, OffersTheInstalledSymbolFontsOrSaysThereAreNone) {
  open(
      [](SymbolPicker& picker) {
        const std::vector<SymbolFont> installed = installedSymbolFonts();
        ASSERT_EQ(picker.fontButtons().size(), std::min<std::size_t>(installed.size(), 6));
        for (std::size_t i = 0; i < picker.fontButtons().size(); ++i) {
          EXPECT_EQ(picker.fontButtons()[i]->text(), installed[i].name);
          EXPECT_TRUE(QFontInfo(QFont(installed[i].name)).family().startsWith(installed[i].name));
        }
        picker.offerFonts({});
        EXPECT_EQ(picker.noFontNote()->text(), QStringLiteral("No symbol font is installed."));
        EXPECT_TRUE(picker.noFontNote()->isVisible() && !picker.applyButton()->isEnabled());
      },
      true);
}

TEST_F(SymbolPickerTest, PicksAreAppendedInOrderAndAClickAtTheStartPutsOneInFront) {
  open([](SymbolPicker& picker) {
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
TEST_F(SymbolPickerTest, AClickedSymbolReplacesTheSelectedCharacters) {
  open([](SymbolPicker& picker) {
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

TEST_F(SymbolPickerTest, ChoosingAnotherFontEmptiesTheTextAndListsItsCharacters) {
  open([](SymbolPicker& picker) {
    pick(picker, 0);
    picker.fontButtons()[1]->click();
    EXPECT_TRUE(picker.composedBox()->text().isEmpty());
    EXPECT_EQ(picker.symbolList()->count(), 223);
    EXPECT_EQ(picker.composedBox()->font().family(), QStringLiteral("DejaVu Serif"));
  });
}

TEST_F(SymbolPickerTest, ApplyMakesTheComposedSymbolsTheDesignText) {
  window->selectSource(SourceKind::Shape, Qt::LeftButton);
  open([](SymbolPicker& picker) {
    picker.fontButtons()[1]->click();
    pick(picker, 0);
    pick(picker, 1);
    picker.applyButton()->click();
  });
  EXPECT_EQ(window->sourceFrame()->textBox()->text(), QStringLiteral("!\""));
  EXPECT_EQ(window->sourceFrame()->textBox()->font().family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(window->fontNameBox()->currentText(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(design().textPicture.font.family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(design().sourceKind, SourceKind::Text);
  EXPECT_FALSE(window->symbolPicker()->isVisible());
}

TEST_F(SymbolPickerTest, ApplyWithAnEmptyTextEmptiesTheDesignText) {
  open([](SymbolPicker& picker) { picker.applyButton()->click(); });
  EXPECT_TRUE(window->sourceFrame()->textBox()->text().isEmpty());
}

TEST_F(SymbolPickerTest, CancelChangesNothingAndTheNextOpeningKeepsTheComposedText) {
  open([](SymbolPicker& picker) {
    pick(picker, 0);
    picker.cancelButton()->click();
  });
  EXPECT_EQ(window->sourceFrame()->textBox()->text(), QStringLiteral("Velloro"));
  open([](SymbolPicker& picker) { EXPECT_EQ(picker.composedBox()->text(), QStringLiteral("A")); });
}
