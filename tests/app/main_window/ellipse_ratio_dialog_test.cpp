#include "tools/ellipse_ratio_dialog.h"

#include "tools/picture_tool.h"

#include <QLabel>
#include <QPushButton>

#include "main_window_fixture.h"
#include "state/design_state.h"
#include "widgets/track_slider.h"

namespace {

// The preview's ellipse, measured on its black pixels through the centre.
QSize previewExtent(const QImage& preview) {
  int left = 140, right = -1, top = 140, bottom = -1;
  for (int x = 0; x < 140; ++x)
    if (preview.pixelColor(x, 70) == Qt::black)
      left = std::min(left, x), right = std::max(right, x);
  for (int y = 0; y < 140; ++y)
    if (preview.pixelColor(70, y) == Qt::black)
      top = std::min(top, y), bottom = std::max(bottom, y);
  return {right - left, bottom - top};
}

}  // namespace

class EllipseRatioDialogTest : public MainWindowTest {
 protected:
  // Opens the dialog the way the drawing tools do and lets `work` act in it.
  void open(std::function<void(EllipseRatioDialog&)> work) {
    EllipseRatioDialog dialog(*window, ToolDesign(design()), platform());
    dialog.load();
    seam->modalAnswers.push_back([&](QDialog&) { work(dialog); });
    platform().showModal(dialog);
  }
};

TEST_F(EllipseRatioDialogTest, FirstOpeningShowsRatio1AndACircle) {
  open([](EllipseRatioDialog& dialog) {
    EXPECT_EQ(dialog.ratioSlider()->Value(), 100);
    EXPECT_EQ(dialog.ratioLabel()->text(), QStringLiteral("1"));
    const QSize extent = previewExtent(dialog.preview());
    EXPECT_NEAR(extent.width(), extent.height(), 1);
    EXPECT_NEAR(extent.width(), 131, 2);
  });
  EXPECT_EQ(design().ellipseRatio, 1.0);
}

TEST_F(EllipseRatioDialogTest, SliderEndsGiveAFlatAndATallEllipse) {
  open([](EllipseRatioDialog& dialog) {
    dialog.ratioSlider()->setValue(20);
    EXPECT_DOUBLE_EQ(design().ellipseRatio, 0.2);
    EXPECT_EQ(dialog.ratioLabel()->text(), QStringLiteral("0.2"));
    QSize extent = previewExtent(dialog.preview());
    EXPECT_GT(extent.width(), 4 * extent.height());
    dialog.ratioSlider()->setValue(180);
    EXPECT_DOUBLE_EQ(design().ellipseRatio, 5.0);
    EXPECT_EQ(dialog.ratioLabel()->text(), QStringLiteral("5"));
    extent = previewExtent(dialog.preview());
    EXPECT_GT(extent.height(), 4 * extent.width());
  });
}

TEST_F(EllipseRatioDialogTest, AStoredRatioOf2Point5PlacesTheSliderAt130) {
  design().ellipseRatio = 2.5;
  open([](EllipseRatioDialog& dialog) {
    EXPECT_EQ(dialog.ratioSlider()->Value(), 130);
    EXPECT_EQ(dialog.ratioLabel()->text(), QStringLiteral("2.5"));
  });
}

TEST_F(EllipseRatioDialogTest, CancelKeepsTheRatioTheSliderSet) {
  open([](EllipseRatioDialog& dialog) {
    dialog.ratioSlider()->setValue(110);
    dialog.cancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
  });
  EXPECT_DOUBLE_EQ(design().ellipseRatio, 1.5);
}

TEST_F(EllipseRatioDialogTest, ThePictureToolsEllipseAsksTheRatioToo) {
  window->showPictureTool();
  seam->modalAnswers.push_back([](QDialog& dialog) {
    static_cast<EllipseRatioDialog&>(dialog).ratioSlider()->setValue(40);
  });
  window->pictureTool()->toolClicked(3);
  ASSERT_EQ(seam->modalDialogs.size(), 1u);
  EXPECT_EQ(seam->modalDialogs[0], QStringLiteral("Ellipse"));
  EXPECT_DOUBLE_EQ(design().ellipseRatio, 0.4);
}
