#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLineEdit>
#include <QRadioButton>

#include "main_window_fixture.h"
#include "state/design_state.h"
#include "state/text_picture.h"
#include "test_files.h"

namespace {

TextPicture& textPicture() { return design().textPicture; }

}  // namespace

TEST_F(MainWindowTest, SizeListHoldsTwentyTwoSizesAndShowsTheFontSize) {
  ASSERT_EQ(window->fontSizeBox()->count(), 22);
  EXPECT_EQ(window->fontSizeBox()->itemText(0), QStringLiteral("20"));
  EXPECT_EQ(window->fontSizeBox()->itemText(21), QStringLiteral("200"));
  EXPECT_EQ(window->fontSizeBox()->currentText(), QStringLiteral("75"));
  EXPECT_EQ(window->fontNameBox()->currentText(), textPicture().font.family());
}

TEST_F(MainWindowTest, FourDigitSizeIsCutToThreeAndDrawn) {
  window->fontSizeBox()->setEditText(QStringLiteral("1000"));
  window->draw();
  EXPECT_EQ(window->fontSizeBox()->currentText(), QStringLiteral("100"));
  EXPECT_EQ(textPicture().font.pointSizeF(), 100);
  EXPECT_TRUE(seam->messages.empty());
}

TEST_F(MainWindowTest, SizeAbove300IsRefusedOnceThenDrawnAt300) {
  window->fontSizeBox()->setEditText(QStringLiteral("350"));
  const QImage before = window->canvasView()->picture();
  window->draw();
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text, QStringLiteral("Size above 300 pts not allowed !"));
  EXPECT_EQ(seam->messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(window->fontSizeBox()->currentText(), QStringLiteral("300"));
  EXPECT_EQ(textPicture().picture.size(), QSize(1, 1));  // nothing printed
  EXPECT_TRUE(window->fontSizeChecked());
  window->draw();
  EXPECT_EQ(textPicture().font.pointSizeF(), 300);
  EXPECT_GT(textPicture().picture.height(), 300);
  EXPECT_EQ(seam->messages.size(), 1u);
}

TEST_F(MainWindowTest, SizeThatIsNoNumberIsRefusedWithItsText) {
  for (const char* entry : {"big", "0", ""}) {
    seam->messages.clear();
    window->fontSizeBox()->setEditText(QLatin1String(entry));
    window->draw();
    ASSERT_EQ(seam->messages.size(), 1u) << entry;
    EXPECT_EQ(seam->messages[0].text, QLatin1String(entry) + QStringLiteral(" is not a figure !"));
    EXPECT_EQ(textPicture().font.pointSizeF(), 75);
    EXPECT_EQ(textPicture().picture.size(), QSize(1, 1));
  }
}

TEST_F(MainWindowTest, DrawAtSize40PrintsWithMarginsOf10AndHeightTimes13Tenths) {
  window->fontSizeBox()->setEditText(QStringLiteral("40"));
  window->draw();
  const QSizeF text = textPicture().textSize(QStringLiteral("Velloro"));
  EXPECT_EQ(textPicture().picture.width(), roundHalfEven(text.width() + 12 + 20));
  EXPECT_EQ(textPicture().picture.height(), roundHalfEven(roundHalfEven(text.height()) * 1.3));
}

TEST_F(MainWindowTest, StyleButtonsToggleTheTextAndThePrintedFont) {
  QAction* bold = window->toolButton(QStringLiteral("Bold"));
  bold->trigger();
  EXPECT_FALSE(bold->isChecked());
  EXPECT_FALSE(window->sourceFrame()->textBox()->font().bold());
  EXPECT_FALSE(textPicture().font.bold());
  window->toolButton(QStringLiteral("Italic"))->trigger();
  EXPECT_TRUE(textPicture().font.italic());
  EXPECT_TRUE(window->sourceFrame()->textBox()->font().italic());
  EXPECT_TRUE(window->toolButton(QStringLiteral("Italic"))->isChecked());
}

TEST_F(MainWindowTest, FontDialogSetsThePrintedFontAndTheListsButNotTheTextSize) {
  QFont chosen(QStringLiteral("DejaVu Serif"), 12);
  chosen.setItalic(true);
  seam->fontAnswers.push_back(chosen);
  const double shownSize = window->sourceFrame()->textBox()->font().pointSizeF();
  window->menuEntry(QStringLiteral("mnuEditFont"))->trigger();
  EXPECT_EQ(textPicture().font.family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(textPicture().font.pointSizeF(), 20);  // the dialog's sizes start at 20
  EXPECT_EQ(window->sourceFrame()->textBox()->font().pointSizeF(), shownSize);
  EXPECT_TRUE(window->sourceFrame()->textBox()->font().italic());
  EXPECT_EQ(window->fontNameBox()->currentText(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(window->fontSizeBox()->currentText(), QStringLiteral("20"));
  window->menuEntry(QStringLiteral("mnuEditFont"))->trigger();  // cancelled
  EXPECT_EQ(textPicture().font.pointSizeF(), 20);
}

// Tahoma is missing on most Linux systems: the box and the design name the
// family the title is really drawn in, which the font dialog opens on.
TEST_F(MainWindowTest, MissingDefaultFontShowsTheFamilyInUse) {
  const QString shown = window->fontNameBox()->currentText();
  EXPECT_TRUE(QFontDatabase::families().contains(shown)) << shown.toStdString();
  EXPECT_EQ(textPicture().font.family(), shown);
}

TEST_F(MainWindowTest, LeftClickOnAnEmptySourceHintsAtTheToolRightClickDoesNot) {
  window->selectSource(SourceKind::Shape, Qt::LeftButton);
  EXPECT_EQ(design().sourceKind, SourceKind::Shape);
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text,
            QStringLiteral("No shape drawn !\r\nRight-click on the \"shape\" button to call the "
                           "shape drawing tool."));
  EXPECT_EQ(seam->messages[0].icon, MessageIcon::Information);
  window->selectSource(SourceKind::Picture, Qt::RightButton);
  EXPECT_EQ(design().sourceKind, SourceKind::Picture);
  window->menuEntry(QStringLiteral("mnuToolsPicture"))->trigger();
  EXPECT_EQ(seam->messages.size(), 1u);
  window->selectSource(SourceKind::Picture, Qt::LeftButton);
  ASSERT_EQ(seam->messages.size(), 2u);
  EXPECT_EQ(seam->messages[1].text,
            QStringLiteral("No picture loaded !\r\nRight-click on the \"pic\" button to call the "
                           "picture tool."));
  window->draw();
  EXPECT_EQ(seam->messages.back().text, QStringLiteral("No picture loaded !"));
}

TEST_F(MainWindowTest, SwitchingToAnotherSourceAndBackRestoresTheTextSettings) {
  design().designFrame.left = 40;
  design().surfacePattern = SurfacePatternType::Grain;
  window->selectSource(SourceKind::Shape, Qt::RightButton);
  EXPECT_EQ(design().designFrame.left, 5);
  EXPECT_EQ(design().effectType,
            EffectType::NoContour);  // a kind never visited starts without contour
  EXPECT_TRUE(window->panels()->deformationButtons()[1]->isChecked());  // and with "Rotate"
  window->selectSource(SourceKind::Text, Qt::LeftButton);
  EXPECT_EQ(design().designFrame.left, 40);
  EXPECT_EQ(design().surfacePattern, SurfacePatternType::Grain);
  EXPECT_EQ(design().effectType, EffectType::Engraved);
  EXPECT_TRUE(window->panels()->deformationButtons()[0]->isChecked());
}

TEST_F(MainWindowTest, SwitchingGoesOnWhenTheCurveCannotBeKept) {
  // A removed folder is made again; a file in its place cannot be.
  QDir(folder.filePath(QStringLiteral("curves"))).removeRecursively();
  writeContent(folder.filePath(QStringLiteral("curves")), "not a folder");
  design().designFrame.left = 40;
  window->selectSource(SourceKind::Shape, Qt::RightButton);
  // Only the curve loader speaks, in its own report without a site tag.
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_TRUE(seam->messages[0].text.startsWith(QStringLiteral("error number : ")));
  EXPECT_FALSE(seam->messages[0].text.section(QStringLiteral("\r\n"), 0, 0).contains('/'));
  EXPECT_EQ(design().designFrame.left, 5);
  EXPECT_EQ(design().kindSettings[SourceKind::Text].frameLeft, 40);
}
