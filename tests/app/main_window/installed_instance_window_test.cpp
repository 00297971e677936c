// An installed variable font's named instance (Debian's Inter) is chosen
// from the window's font list by its own name and draws as the command
// line draws it.
#include <QLineEdit>

#include "main_window/main_window_fixture.h"

TEST_F(MainWindowTest, AnInstalledInstanceIsListedChosenAndDrawnAsTheCommandLineDraws) {
  loadDefaultCurve();
  QComboBox* box = window->fontNameBox();
  const int semiBold = box->findText(u"Inter Semi Bold"_s);
  ASSERT_NE(semiBold, -1);
  EXPECT_EQ(box->itemText(semiBold - 1), u"Inter Medium"_s);
  box->setFocus();
  box->lineEdit()->selectAll();
  QTest::keyClicks(box->lineEdit(), u"Inter Semi Bold"_s);
  QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  EXPECT_TRUE(seam->messages.empty());
  EXPECT_EQ(box->currentText(), u"Inter Semi Bold"_s);
  EXPECT_EQ(design().textPicture.font.family(), u"Inter Semi Bold"_s);
  stackEffects({EffectType::Glow});
  setTitle(u"Semi"_s, 40, {200, 120});
  expectDrawnAsRendered(
      u"--text|Semi|--size|40|--effect|glow|--at|200,120|--canvas|631x331|"
      u"--font|Inter Semi Bold|--strict-fonts"_s);
}
