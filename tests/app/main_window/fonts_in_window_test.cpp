// The window's fonts: a font file added beside the font list draws as
// `--render --font-file` does, a file that cannot be used is refused with
// its cause, and a title with characters no font draws gets a notice.
#include "main_window/font_file_command.h"
#include "main_window/main_window_fixture.h"
#include "main_window/missing_glyphs_notice.h"
#include "test_fonts.h"

namespace {

void clickFontFile(MainWindow& window) {
  QTest::mouseClick(window.toolBar()->widgetForAction(window.fontFileCommand()->action()),
                    Qt::LeftButton);
}

}  // namespace

TEST_F(MainWindowTest, AFontFileJoinsTheListAndDrawsAsTheCommandLineDraws) {
  loadDefaultCurve();
  const QString brand = path("fonts/brand.woff");
  writeContent(brand, webFontOf(brandFontFile("Window")));
  seam->fileAnswers.push_back(brand);
  clickFontFile(*window);
  ASSERT_TRUE(seam->messages.empty());
  EXPECT_EQ(window->fontNameBox()->currentText(), u"Window Sans"_s);
  EXPECT_NE(window->fontNameBox()->findText(u"Window Sans"_s), -1);
  EXPECT_EQ(design().textPicture.font.family(), u"Window Sans"_s);
  window->fontSizeBox()->setEditText(u"40"_s);
  window->panels()->effectList()->setCurrentRow(7);
  textBox()->setText(u"Brand"_s);
  design().designFrame.left = 200;
  design().designFrame.top = 120;
  const QByteArray drawn = drawnPng();
  EXPECT_TRUE(seam->messages.empty());
  EXPECT_EQ(rendered(u"--text|Brand|--size|40|--effect|glow|--at|200,120|--canvas|631x331|"
                     u"--font-file|%1|--font|Window Sans|--strict-fonts"_s.arg(brand)
                         .split(u'|')),
            drawn);
}

TEST_F(MainWindowTest, AFontFileThatCannotBeUsedIsRefusedWithItsCause) {
  const QString family = design().textPicture.font.family();
  const int families = window->fontNameBox()->count();
  const QString cut = path("cut.ttf");
  writeContent(cut, brandFontFile("Cutoff").left(3000));
  seam->fileAnswers.push_back(cut);
  clickFontFile(*window);
  EXPECT_EQ(onlyMessage().text, u"The font file 'cut.ttf' cannot be used: the file is truncated"_s);
  EXPECT_EQ(design().textPicture.font.family(), family);
  EXPECT_EQ(window->fontNameBox()->count(), families);
  seam->fileAnswers.push_back({});  // cancelled: nothing happens
  clickFontFile(*window);
  EXPECT_EQ(seam->messages.size(), 1u);
}

TEST_F(MainWindowTest, ATitleWithCharactersNoFontDrawsIsDrawnWithANotice) {
  auto* notice = window->findChild<QLabel*>(u"MissingGlyphsNotice"_s);
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(notice->isHidden());
  textBox()->setText(QString::fromUtf8("Linear \U00010600\U00010601"));
  drawnAgain();
  EXPECT_FALSE(notice->isHidden());
  EXPECT_EQ(notice->text(),
            QString::fromUtf8("No font draws '\U00010600' (U+10600), '\U00010601' (U+10601)"));
  EXPECT_TRUE(design().layersStored);  // what can be drawn is drawn
  textBox()->setText(u"Linear"_s);
  drawnAgain();
  EXPECT_TRUE(notice->isHidden());
}
