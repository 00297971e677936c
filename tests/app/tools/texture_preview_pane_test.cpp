#include "tools/texture_preview_pane.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QTemporaryDir>

#include "desktop/preview_attachment.h"
#include "test_files.h"
#include "widgets/picture_box.h"

// A picture whose first column is red and the rest green.
static QString savedPicture(const QTemporaryDir& folder, QSize size) {
  QImage picture(size, QImage::Format_RGB888);
  picture.fill(Qt::green);
  for (int y = 0; y < size.height(); ++y) picture.setPixelColor(0, y, Qt::red);
  // A BMP: what matters is the size, and it is written without compressing.
  const QString path = folder.filePath("tile.bmp");
  EXPECT_TRUE(picture.save(path));
  return path;
}

static QColor stripAt(const TexturePreviewPane& pane, int x, int y) {
  return pane.strip().picture().pixelColor(x, y);
}

// A 100 pixel picture fills the strip with five tiles in one row; a wide
// one shows its top left part once.
TEST(TexturePreviewPane, PicturesTileTheStripOrShowTheirTopLeftPart) {
  QTemporaryDir folder;
  TexturePreviewPane pane;
  pane.LoadImage(savedPicture(folder, {100, 100}));
  EXPECT_EQ(pane.strip().picture().size(), QSize(401, 89));
  for (int x : {0, 100, 200, 300, 400}) EXPECT_EQ(stripAt(pane, x, 50), QColor(Qt::red)) << x;
  EXPECT_EQ(stripAt(pane, 399, 88), QColor(Qt::green));
  pane.LoadImage(savedPicture(folder, {3000, 2000}));
  EXPECT_EQ(stripAt(pane, 0, 0), QColor(Qt::red));
  EXPECT_EQ(stripAt(pane, 100, 50), QColor(Qt::green));
  EXPECT_EQ(stripAt(pane, 400, 88), QColor(Qt::green));
  EXPECT_EQ(pane.shownCorner().size(), QSize(401, 89));
}

TEST(TexturePreviewPane, TheDialogFeedsThePaneOnlyExistingFiles) {
  QTemporaryDir folder;
  const QString picture = savedPicture(folder, {10, 10});
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  TexturePreviewPane pane;
  attachPreview(dialog, pane);
  EXPECT_EQ(pane.parentWidget(), &dialog);
  emit dialog.currentChanged(folder.filePath("missing.png"));
  EXPECT_TRUE(pane.shownCorner().isNull());
  emit dialog.currentChanged(picture);
  EXPECT_EQ(pane.shownCorner().size(), QSize(10, 10));
  // A file that is no picture empties the strip.
  writeContent(folder.filePath("bad.bmp"), "BM not really");
  emit dialog.currentChanged(folder.filePath("bad.bmp"));
  EXPECT_TRUE(pane.shownCorner().isNull());
  EXPECT_EQ(stripAt(pane, 0, 0), pane.palette().color(QPalette::Window));
}
