// An installed variable font's named instance (Debian's Inter) is chosen
// from the window's font list by its own name and draws as the command
// line draws it.
#include "main_window/main_window_fixture.h"

TEST_F(MainWindowTest, AnInstalledInstanceIsListedChosenAndDrawnAsTheCommandLineDraws) {
  loadDefaultCurve();
  QComboBox* box = window->fontNameBox();
  const int semiBold = box->findText(u"Inter Semi Bold"_s);
  ASSERT_GT(semiBold, 0);
  // The list is walked with the arrow keys, from the family above.
  box->setCurrentIndex(semiBold - 1);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_TRUE(seam->messages.empty());
  EXPECT_EQ(box->currentText(), u"Inter Semi Bold"_s);
  EXPECT_EQ(design().textPicture.font.family(), u"Inter Semi Bold"_s);
  stackEffects({EffectType::Glow});
  setTitle(u"Semi"_s, 40, {200, 120});
  expectDrawnAsRendered(
      u"--text|Semi|--size|40|--effect|glow|--at|200,120|--canvas|631x331|"
      u"--font|Inter Semi Bold|--strict-fonts"_s);
}
