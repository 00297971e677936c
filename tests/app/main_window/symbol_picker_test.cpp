#include <algorithm>

#include "main_window_fixture.h"

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
    window->menuEntry(u"mnuToolsSymbols"_s)->trigger();
  }

  static std::vector<SymbolFont> standIns() {
    std::vector<int> letters, signs;
    for (int code = 'A'; code <= 'Z'; ++code) letters.push_back(code);
    for (int code = 33; code < 256; ++code) signs.push_back(code);
    return {{u"DejaVu Sans"_s, letters}, {u"DejaVu Serif"_s, signs}};
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
        for (std::size_t i = 0; i < picker.fontButtons().size(); ++i)
          EXPECT_EQ(picker.fontButtons()[i]->text(), installed[i].name);
        picker.offerFonts({});
        EXPECT_EQ(picker.noFontNote()->text(), u"No symbol font is installed."_s);
        EXPECT_TRUE(picker.noFontNote()->isVisible() && !picker.applyButton()->isEnabled());
      },
      true);
}

TEST_F(SymbolPickerTest, PicksAreAppendedInOrderOrPutInFrontOrReplaceTheSelection) {
  open([](SymbolPicker& picker) {
    pick(picker, 0);
    pick(picker, 1);
    pick(picker, 2);
    EXPECT_EQ(picker.composedBox()->text(), u"ABC"_s);
    QTest::mouseClick(picker.composedBox(), Qt::LeftButton, {}, QPoint(1, 10));
    picker.composedBox()->setCursorPosition(0);
    EXPECT_TRUE(picker.CursorPlaced);
    pick(picker, 3);
    EXPECT_EQ(picker.composedBox()->text(), u"DABC"_s);
    EXPECT_FALSE(picker.CursorPlaced);
    // A real click: the list must not take the focus from the text box first,
    // which would drop its selection.
    picker.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    QLineEdit* box = picker.composedBox();
    box->setText(u"ABC"_s);
    box->setFocus();
    box->setSelection(1, 2);
    QListWidget* list = picker.symbolList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(4)).center());
    EXPECT_EQ(box->text(), u"AE"_s);
    EXPECT_TRUE(box->hasFocus());
    picker.fontButtons()[1]->click();  // another font empties the text and lists its characters
    EXPECT_TRUE(picker.composedBox()->text().isEmpty());
    EXPECT_EQ(picker.symbolList()->count(), 223);
    EXPECT_EQ(picker.composedBox()->font().family(), u"DejaVu Serif"_s);
  });
}

TEST_F(SymbolPickerTest, CancelChangesNothingApplyMakesTheComposedSymbolsTheDesignText) {
  window->selectSource(SourceKind::Shape, Qt::LeftButton);
  open([](SymbolPicker& picker) {
    pick(picker, 0);
    picker.cancelButton()->click();
  });
  EXPECT_EQ(textBox()->text(), u"Velloro"_s);
  open([](SymbolPicker& picker) {
    EXPECT_EQ(picker.composedBox()->text(), u"A"_s);
    picker.fontButtons()[1]->click();
    pick(picker, 0);
    pick(picker, 1);
    picker.applyButton()->click();
  });
  EXPECT_EQ(textBox()->text(), u"!\""_s);
  EXPECT_EQ(textBox()->font().family(), u"DejaVu Serif"_s);
  EXPECT_EQ(window->fontNameBox()->currentText(), u"DejaVu Serif"_s);
  EXPECT_EQ(design().textPicture.font.family(), u"DejaVu Serif"_s);
  EXPECT_EQ(design().sourceKind, SourceKind::Text);
  EXPECT_FALSE(window->symbolPicker()->isVisible());
  open([](SymbolPicker& picker) {  // an empty text empties the design's
    picker.composedBox()->clear();
    picker.applyButton()->click();
  });
  EXPECT_TRUE(textBox()->text().isEmpty());
}

// The typed title, then Apply: Ctrl+Z in the title box brings back the typed
// text in its font as one step, Ctrl+Shift+Z the symbols in theirs; the
// canvas has no step of its own to undo meanwhile.
TEST_F(SymbolPickerTest, ApplyIsOneStepOfTheTitleBoxThatCtrlZUndoesWithTheFont) {
  focusTextBox();
  QTest::keyClicks(textBox(), u" 2"_s);
  const QString typedFont = design().textPicture.font.family();
  ASSERT_NE(typedFont, u"DejaVu Serif"_s);
  open([](SymbolPicker& picker) {
    picker.fontButtons()[1]->click();
    pick(picker, 0);
    picker.applyButton()->click();
  });
  focusTextBox();
  const struct {
    Qt::KeyboardModifiers keys;
    const char* text;
    QString font;
  } steps[] = {{Qt::ControlModifier, "Velloro 2", typedFont},
               {Qt::ControlModifier | Qt::ShiftModifier, "!", u"DejaVu Serif"_s},
               {Qt::ControlModifier, "Velloro 2", typedFont}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.text);
    QTest::keyClick(textBox(), Qt::Key_Z, step.keys);
    EXPECT_EQ(textBox()->text(), QLatin1String(step.text));
    EXPECT_EQ(design().textPicture.font.family(), step.font);
    EXPECT_EQ(textBox()->font().family(), step.font);
    EXPECT_EQ(window->fontNameBox()->currentText(), step.font);
  }
  EXPECT_EQ(design().undo.counters.top, 0);
}
