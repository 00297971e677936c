#include "main_window/text_layout_controls.h"
#include "main_window_fixture.h"

using RenderMatchesDrawTest = MainWindowTest;

TEST_F(RenderMatchesDrawTest, OtherSizeEffectAndPlace) {
  loadDefaultCurve();
  window->fontSizeBox()->setEditText(u"40"_s);
  window->panels()->effectList()->setCurrentRow(7);
  textBox()->setText(u"Contact"_s);
  design().designFrame.left = 200;
  design().designFrame.top = 120;
  const QByteArray drawn = drawnPng();
  EXPECT_TRUE(seam->messages.empty());
  EXPECT_EQ(seam->busyDepth, 0);
  EXPECT_EQ(rendered({u"--text"_s, u"Contact"_s, u"--size"_s, u"40"_s, u"--effect"_s, u"glow"_s,
                      u"--canvas"_s, u"631x331"_s, u"--at"_s, u"200,120"_s}),
            drawn);
}

TEST_F(RenderMatchesDrawTest, LinesLetterSpacingAndGradient) {
  loadDefaultCurve();
  textBox()->setText(u"Sunny\nBakery"_s);
  TextLayoutControls& layout = *window->textLayoutControls();
  layout.show({LineAlignment::Centre, 1.25, 7});
  design().textPicture.arrangement = layout.arrangement();
  design().gradient = {{QColor(0xff, 0x80, 0), QColor(0x20, 0x40, 0xc0)}, 30};
  window->panels()->fillSourceButtons()[2]->setChecked(true);
  const QByteArray drawn = drawnPng();
  EXPECT_TRUE(seam->messages.empty());
  EXPECT_EQ(
      rendered({u"--text"_s, u"Sunny\nBakery"_s, u"--align"_s, u"centre"_s, u"--line-spacing"_s,
                u"1.25"_s, u"--letter-spacing"_s, u"7"_s, u"--gradient"_s, u"#ff8000,#2040c0"_s,
                u"--gradient-angle"_s, u"30"_s, u"--canvas"_s, u"631x331"_s}),
      drawn);
}
