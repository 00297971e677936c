#include "main_window/style_gallery.h"
#include "main_window_fixture.h"
#include "state/stored_layers.h"

namespace {

// How much bluer than red the pixels a thumbnail covers are, on average.
double blueOverRed(const QIcon& icon) {
  const QImage picture = icon.pixmap(StyleGallery::thumbnailSize()).toImage();
  double sum = 0;
  int covered = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (const QRgb p = picture.pixel(x, y); qAlpha(p) >= 128) {
        sum += qBlue(p) - qRed(p);
        ++covered;
      }
  return sum / std::max(covered, 1);
}

}  // namespace

class StyleGalleryTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    copyShippedStyles({"gold.vstyle", "engraved-blue.vstyle"});
    writeContent(path("styles/broken.vstyle"), "{\"format\": ");
  }

  QList<QAction*> openStyles() {
    QMenu* menu = window->menu(u"mnuFileStyles"_s);
    emit menu->aboutToShow();
    return menu->actions();
  }
};

TEST_F(StyleGalleryTest, EachReadableStyleGetsItsTitleAsThumbnail) {
  textBox()->setText(u"Hi"_s);
  window->draw();
  const QSize canvasSize = canvas().size();
  const QImage windowDesign = designAlone(canvasSize, engine.entryPoints());

  QList<QAction*> entries = openStyles();
  ASSERT_EQ(entries.size(), 3);
  window->styleGallery()->waitForThumbnails();
  EXPECT_EQ(entries[0]->text(), u"broken"_s);
  EXPECT_TRUE(entries[0]->icon().isNull());
  EXPECT_GT(blueOverRed(entries[1]->icon()), 40);   // "Engraved blue"
  EXPECT_LT(blueOverRed(entries[2]->icon()), -40);  // "Gold"
  EXPECT_EQ(designAlone(canvasSize, engine.entryPoints()), windowDesign);

  // Drawn before, the thumbnails come with the menu.
  entries = openStyles();
  EXPECT_FALSE(entries[1]->icon().isNull());
  EXPECT_FALSE(entries[2]->icon().isNull());
}
