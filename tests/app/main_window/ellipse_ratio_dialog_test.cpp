#include "tools/ellipse_ratio_dialog.h"

#include "main_window_fixture.h"
#include "tools/picture_tool.h"

namespace {

// The preview's ellipse, measured on its black pixels through the centre.
QSize previewExtent(const QImage& preview) {
  int left = 140, right = -1, top = 140, bottom = -1;
  for (int i = 0; i < 140; ++i) {
    if (preview.pixelColor(i, 70) == Qt::black)
      left = std::min(left, i), right = std::max(right, i);
    if (preview.pixelColor(70, i) == Qt::black)
      top = std::min(top, i), bottom = std::max(bottom, i);
  }
  return {right - left, bottom - top};
}

}  // namespace

TEST_F(MainWindowTest, EllipseRatioDialogShowsAndSetsTheRatio) {
  design().ellipseRatio = 2.5;
  EllipseRatioDialog dialog(*window, ToolDesign(design()), platform());
  dialog.load();
  seam->modalAnswers.push_back([&](QDialog&) {
    EXPECT_EQ(dialog.ratioSlider()->Value(), 130);
    EXPECT_EQ(dialog.ratioLabel()->text(), u"2.5"_s);
    struct Case {
      int slider;
      double ratio;
      const char* label;
      bool wide, tall;
    };
    for (const Case& c : {Case{100, 1, "1", false, false}, Case{20, 0.2, "0.2", true, false},
                          Case{180, 5, "5", false, true}, Case{110, 1.5, "1.5", false, false}}) {
      dialog.ratioSlider()->setValue(c.slider);
      EXPECT_DOUBLE_EQ(design().ellipseRatio, c.ratio);
      EXPECT_EQ(dialog.ratioLabel()->text(), QLatin1String(c.label));
      const QSize extent = previewExtent(dialog.preview());
      EXPECT_EQ(extent.width() > 4 * extent.height(), c.wide) << c.label;
      EXPECT_EQ(extent.height() > 4 * extent.width(), c.tall) << c.label;
      EXPECT_NEAR(extent.width(), c.ratio == 1 ? 131 : extent.width(), 2);
    }
    dialog.cancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
  });
  platform().showModal(dialog);
  EXPECT_DOUBLE_EQ(design().ellipseRatio, 1.5);
}

TEST_F(MainWindowTest, ThePictureToolsEllipseAsksTheRatioToo) {
  window->showPictureTool();
  seam->modalAnswers.push_back([](QDialog& dialog) {
    static_cast<EllipseRatioDialog&>(dialog).ratioSlider()->setValue(40);
  });
  window->pictureTool()->toolClicked(3);
  EXPECT_EQ(seam->modalDialogs, std::vector<QString>{u"Ellipse"_s});
  EXPECT_DOUBLE_EQ(design().ellipseRatio, 0.4);
}
