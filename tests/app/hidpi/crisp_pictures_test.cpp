// Pictures on a doubled screen: the canvas enlarges, every other picture is
// drawn at the screen's pixels.
#include <QAction>
#include <QIcon>
#include <QSignalSpy>
#include <QToolButton>

#include "main_window/panel_pictures.h"
#include "main_window_fixture.h"
#include "tools/shape_tool.h"

// An enlarged picture repeats each pixel over a 2x2 block; a drawn one has
// edges that fall between the blocks somewhere.
static QImage enlarged(const QImage& image, double factor) {
  return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

static bool madeOfTwoByTwoBlocks(const QImage& image) {
  return enlarged(enlarged(image, 0.5), 2) == image;
}

// The pixels of `icon` at twice the scale of `points`, after checking it
// has a pixmap of its own there.
static QImage doubledPixels(const QIcon& icon, QSize points) {
  const QPixmap doubled = icon.pixmap(points, 2.0);
  EXPECT_EQ(doubled.size(), points * 2);
  EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
  return doubled.toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST_F(MainWindowTest, CanvasPixelsAreExactTwoByTwoBlocksAndButtonPicturesAreDrawnAtTwiceTheScale) {
  const QImage picture = patterned(9, 7);
  window->canvasView()->setPicture(picture);
  EXPECT_EQ(window->canvasView()->grab().toImage().convertToFormat(picture.format()),
            enlarged(picture, 2));

  PictureBox box;
  box.setPicture(patterned(40, 30));
  box.show();
  QSignalSpy pressed(&box, &PictureBox::mousePressed);
  QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(37, 21));
  ASSERT_EQ(pressed.size(), 1);
  EXPECT_EQ(pressed.at(0).at(2).toPoint(), QPoint(37, 21));

  // Toolbar and shape tool buttons show pictures (the eraser too: a caption
  // would not fit its square) with pixmaps of their own at twice the scale.
  std::vector<std::pair<QIcon, QSize>> icons;
  for (const QAction* action : window->toolBar()->actions())
    if (!action->icon().isNull()) icons.emplace_back(action->icon(), QSize(16, 16));
  ShapeTool tool(*window, ToolDesign(design()), platform());
  for (QToolButton* button : tool.findChildren<QToolButton*>(QStringLiteral("Option1"))) {
    EXPECT_TRUE(button->text().isEmpty()) << button->toolTip().toStdString();
    icons.emplace_back(button->icon(), QSize(24, 24));
  }
  ASSERT_GT(icons.size(), 10u);
  for (const auto& [icon, points] : icons)
    EXPECT_FALSE(madeOfTwoByTwoBlocks(doubledPixels(icon, points)));
}

TEST(PanelPictures, ThumbnailsAndTheRaisedBorderAreDrawnAtTheScreensPixels) {
  const QImage thumbnail = materialThumbnail(3, {52, 52});
  EXPECT_EQ(thumbnail.size(), QSize(104, 104));
  EXPECT_EQ(thumbnail.devicePixelRatio(), 2.0);
  EXPECT_FALSE(madeOfTwoByTwoBlocks(thumbnail));
  PictureBox box;
  box.setPicture(thumbnail);
  EXPECT_EQ(box.size(), QSize(52, 52));

  // Two points of border are four pixels: light over the top and left, dark
  // under the bottom and right, each in two shades of two pixels.
  QImage flat(QSize(40, 24), QImage::Format_RGB888);
  flat.setDevicePixelRatio(2.0);
  flat.fill(QColor(0, 0, 255));
  const QImage raised = raisedPicture(flat);
  const QColor light[] = {Qt::white, QColor(224, 224, 224)};
  const QColor dark[] = {QColor(64, 64, 64), QColor(128, 128, 128)};
  for (int d = 0; d < 4; ++d) {
    SCOPED_TRACE(d);
    EXPECT_EQ(raised.pixelColor(d, d), light[d / 2]);
    EXPECT_EQ(raised.pixelColor(20, d), light[d / 2]);
    EXPECT_EQ(raised.pixelColor(39 - d, 23 - d), dark[d / 2]);
    EXPECT_EQ(raised.pixelColor(20, 23 - d), dark[d / 2]);
  }
  for (const QPoint inside : {QPoint(4, 4), QPoint(35, 19)})
    EXPECT_EQ(raised.pixelColor(inside), QColor(0, 0, 255));
  for (const QPoint corner : {QPoint(39, 0), QPoint(0, 23)})
    EXPECT_EQ(raised.pixelColor(corner), QColor(64, 64, 64));
}
