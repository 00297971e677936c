// The canvas on a doubled screen: every picture pixel is a 2x2 block of
// identical screen pixels, and the mouse still speaks in picture pixels.
#include <QSignalSpy>
#include <QTest>

#include "main_window_fixture.h"
#include "widgets/picture_box.h"

namespace {

// Neighbouring pixels all differ, so any blending across them shows.
QImage patchwork(QSize size) {
  QImage picture(size, QImage::Format_RGB888);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      picture.setPixelColor(
          x, y, QColor((x * 97 + y * 31) % 256, (x * 13 + y * 151) % 256, ((x + y) % 2) * 255));
  return picture;
}

}  // namespace

TEST_F(MainWindowTest, EachCanvasPixelIsAnExactTwoByTwoBlockOnADoubledScreen) {
  const QImage picture = patchwork({9, 7});
  window->canvasView()->setPicture(picture);
  ASSERT_EQ(window->canvasView()->size(), QSize(9, 7));
  const QImage shown = window->canvasView()->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(18, 14));
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      ASSERT_EQ(shown.pixelColor(x, y), picture.pixelColor(x / 2, y / 2)) << x << "," << y;
}

TEST_F(MainWindowTest, MousePositionsOnADoubledScreenAreInPicturePixels) {
  PictureBox box;
  box.setPicture(patchwork({40, 30}));
  box.show();
  QSignalSpy pressed(&box, &PictureBox::mousePressed);
  QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(37, 21));
  ASSERT_EQ(pressed.size(), 1);
  EXPECT_EQ(pressed.at(0).at(2).toPoint(), QPoint(37, 21));
}
