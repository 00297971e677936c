#include "state/work_names.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "desktop/scripted_platform.h"
#include "state/file_filter.h"
#include "state/tiling.h"
#include "test_files.h"

TEST(WorkNames, SkipsNumbersTakenAsBitmapOrJpeg) {
  QTemporaryDir outputs;
  writeContent(outputs.filePath("MyWork1.bmp"), "x");
  writeContent(outputs.filePath("MyWork2.jpg"), "x");
  writeContent(outputs.filePath("MyWork3.gif"), "x");
  ScriptedPlatform seam;
  EXPECT_EQ(freeWorkNumber(outputs.path(), seam), 3);
  EXPECT_EQ(seam.pendingEventRuns, 3);
}

TEST(WorkNames, JpegNamesByTheirLastThreeLettersInAnyCase) {
  EXPECT_TRUE(isJpegName("/o/Logo.JPG"));
  EXPECT_TRUE(isJpegName("/o/Logo.Jpeg"));
  EXPECT_FALSE(isJpegName("/o/Logo.gif"));
  EXPECT_FALSE(isJpegName("/o/Logo.bmp"));
  EXPECT_FALSE(isJpegName(""));
}

TEST(WorkNames, BitmapNameReplacesOnlyTheLastExtension) {
  EXPECT_EQ(bitmapNameOf("/o/logo.jpg"), QStringLiteral("/o/logo.bmp"));
  EXPECT_EQ(bitmapNameOf("/o/logo.v2.jpg"), QStringLiteral("/o/logo.v2.bmp"));
  EXPECT_EQ(bitmapNameOf("/o.d/logo"), QStringLiteral("/o.d/logo.bmp"));
  EXPECT_EQ(bitmapNameOf("/o/.hidden"), QStringLiteral("/o/.hidden.bmp"));
  EXPECT_EQ(bitmapNameOf("/o/logo.BMP"), QStringLiteral("/o/logo.BMP"));
}

TEST(FileFilter, DescriptionsShowEveryPatternTheyApplyTo) {
  EXPECT_EQ(
      qtFileFilter("All compatibles files |*.bmp;*.gif|Standard compression (*.jpg)|*.jpg;*.jpeg"),
      QStringLiteral("All compatibles files (*.bmp *.gif);;Standard compression (*.jpg *.jpeg)"));
  EXPECT_EQ(qtFileFilter(""), QStringLiteral("All Files (*.*)"));
}

TEST(Tiling, A128TextureOnA600By400CanvasGivesFiveColumnsOfFourTiles) {
  QImage tile(128, 128, QImage::Format_RGB888);
  tile.fill(Qt::green);
  tile.setPixelColor(0, 0, Qt::red);
  QImage canvas(600, 400, QImage::Format_RGB888);
  canvas.fill(Qt::white);
  tileOver(canvas, tile);
  int corners = 0;
  for (int x = 0; x < 600; ++x)
    for (int y = 0; y < 400; ++y) corners += canvas.pixelColor(x, y) == QColor(Qt::red);
  EXPECT_EQ(corners, 20);
  EXPECT_EQ(canvas.pixelColor(512, 384), QColor(Qt::red));
  EXPECT_EQ(canvas.pixelColor(599, 399), QColor(Qt::green));
}

TEST(Tiling, AnEmptyTileLeavesTheCanvas) {
  QImage canvas(10, 10, QImage::Format_RGB888);
  canvas.fill(Qt::white);
  tileOver(canvas, QImage());
  EXPECT_EQ(canvas.pixelColor(5, 5), QColor(Qt::white));
}
