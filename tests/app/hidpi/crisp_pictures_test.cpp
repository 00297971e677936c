// Toolbar and panel pictures on a doubled screen are drawn at its pixels,
// never enlarged from their one-to-one pictures.
#include <QAction>
#include <QIcon>
#include <QToolButton>
#include <algorithm>

#include "main_window/panel_pictures.h"
#include "main_window_fixture.h"
#include "state/design_state.h"
#include "tools/shape_tool.h"
#include "widgets/picture_box.h"

namespace {

// An enlarged picture repeats each pixel over a 2x2 block; a drawn one has
// edges that fall between the blocks somewhere.
bool madeOfTwoByTwoBlocks(const QImage& image) {
  for (int y = 0; y + 1 < image.height(); y += 2)
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb corner = image.pixel(x, y);
      if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
          image.pixel(x + 1, y + 1) != corner)
        return false;
    }
  return true;
}

// Pixels neither fully clear nor fully covered: the smoothed edge of a
// drawn shape.
int partlyCoveredPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const int alpha = qAlpha(image.pixel(x, y));
      if (alpha > 0 && alpha < 255) ++count;
    }
  return count;
}

}  // namespace

TEST_F(MainWindowTest, ToolbarIconsHaveTheirOwnPixmapsAtTwiceTheScale) {
  for (const char* key : {"New", "Open", "Save", "Print", "Bold", "Italic", "Underline", "Crop",
                          "Undo", "Redo", "Help"}) {
    SCOPED_TRACE(key);
    const QIcon icon = window->toolButton(QLatin1String(key))->icon();
    const QPixmap doubled = icon.pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(doubled.size(), QSize(32, 32));
    EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
    const QImage pixels = doubled.toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_FALSE(madeOfTwoByTwoBlocks(pixels));
    EXPECT_GT(partlyCoveredPixels(pixels), 0);
  }
}

TEST(PanelPictures, MaterialThumbnailsAreDrawnAtTheScreensPixels) {
  const QImage thumbnail = materialThumbnail(3, {52, 52});
  EXPECT_EQ(thumbnail.size(), QSize(104, 104));
  EXPECT_EQ(thumbnail.devicePixelRatio(), 2.0);
  EXPECT_FALSE(madeOfTwoByTwoBlocks(thumbnail));
  PictureBox box;
  box.setPicture(thumbnail);
  EXPECT_EQ(box.size(), QSize(52, 52));
}

TEST(PanelPictures, TheRaisedBorderIsTwoPointsOfWholePixelBlocks) {
  QImage flat(QSize(40, 24), QImage::Format_RGB888);
  flat.setDevicePixelRatio(2.0);
  flat.fill(QColor(0, 0, 255));
  const QImage raised = raisedPicture(flat);
  struct Expected {
    QPoint at;
    QColor colour;
  };
  const Expected border[] = {
      {{0, 0}, Qt::white},
      {{1, 1}, Qt::white},
      {{2, 2}, QColor(224, 224, 224)},
      {{3, 3}, QColor(224, 224, 224)},
      {{4, 4}, QColor(0, 0, 255)},
      {{39, 23}, QColor(64, 64, 64)},
      {{38, 22}, QColor(64, 64, 64)},
      {{37, 21}, QColor(128, 128, 128)},
      {{36, 20}, QColor(128, 128, 128)},
      {{35, 19}, QColor(0, 0, 255)},
      {{39, 0}, QColor(64, 64, 64)},
      {{0, 23}, QColor(64, 64, 64)},
      {{20, 1}, Qt::white},
      {{20, 3}, QColor(224, 224, 224)},
      {{20, 22}, QColor(64, 64, 64)},
      {{20, 21}, QColor(128, 128, 128)},
  };
  for (const Expected& pixel : border)
    EXPECT_EQ(raised.pixelColor(pixel.at), pixel.colour) << pixel.at.x() << "," << pixel.at.y();
}

// Every shape tool button shows a picture, the eraser too (a caption in words
// would not fit its square), with pixels of its own on a doubled screen.
TEST_F(MainWindowTest, ShapeToolButtonsArePicturesDrawnAtTwiceTheScale) {
  ShapeTool tool(*window, ToolDesign(design()), platform());
  const QList<QToolButton*> buttons = tool.findChildren<QToolButton*>(QStringLiteral("Option1"));
  ASSERT_EQ(buttons.size(), 7);
  for (QToolButton* button : buttons) {
    SCOPED_TRACE(button->toolTip().toStdString());
    EXPECT_TRUE(button->text().isEmpty());
    const QPixmap doubled = button->icon().pixmap(QSize(24, 24), 2.0);
    EXPECT_EQ(doubled.size(), QSize(48, 48));
    EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
  }
  const auto eraser = std::find_if(buttons.begin(), buttons.end(), [](QToolButton* button) {
    return button->toolTip() == QStringLiteral("Eraser");
  });
  ASSERT_NE(eraser, buttons.end());
  const QImage pixels =
      (*eraser)->icon().pixmap(QSize(24, 24), 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_FALSE(madeOfTwoByTwoBlocks(pixels));
}
