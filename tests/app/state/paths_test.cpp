#include "state/paths.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "desktop/scripted_platform.h"
#include "state/file_filter.h"
#include "state/input_picture_name.h"
#include "state/picture_fit.h"
#include "state/tiling.h"
#include "state/work_names.h"
#include "test_files.h"

namespace {
void touch(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}
}  // namespace

TEST(PathKind, FolderFileNothing) {
  QTemporaryDir folder;
  touch(folder.filePath("a.bmp"));
  EXPECT_EQ(pathKindOf(folder.path()), pathKind::Folder);
  EXPECT_EQ(pathKindOf(folder.filePath("a.bmp")), pathKind::File);
  EXPECT_EQ(pathKindOf(folder.filePath("missing.bmp")), pathKind::Nothing);
  EXPECT_EQ(pathKindOf(QString()), pathKind::Nothing);
  EXPECT_EQ(pathKindOf(QStringLiteral("   ")), pathKind::Nothing);
}

TEST(PathParts, SplitAtTheLastSlash) {
  EXPECT_EQ(fileNamePart("/home/ann/pic.bmp"), QStringLiteral("pic.bmp"));
  EXPECT_EQ(folderPart("/home/ann/pic.bmp"), QStringLiteral("/home/ann/"));
  EXPECT_EQ(fileNamePart("pic.bmp"), QStringLiteral("pic.bmp"));
  EXPECT_EQ(folderPart("pic.bmp"), QStringLiteral("pic.bmp"));
  EXPECT_EQ(fileNamePart("/home/"), QString());
}

TEST(PathParts, NameWithoutExtension) {
  EXPECT_EQ(nameWithoutExtension("a.b.txt"), QStringLiteral("a"));
  EXPECT_EQ(nameWithoutExtension("noextension"), QStringLiteral("noextension"));
  EXPECT_EQ(nameWithoutExtension(".profile"), QStringLiteral(".profile"));
  EXPECT_EQ(nameWithoutExtension("/out/MyWork1.bmp"), QStringLiteral("/out/MyWork1"));
  // A dot in a folder name is no extension.
  EXPECT_EQ(nameWithoutExtension("/home/ann.lee/in/pic.bmp"),
            QStringLiteral("/home/ann.lee/in/pic"));
  EXPECT_EQ(nameWithoutExtension("/home/ann.lee/in/pic"), QStringLiteral("/home/ann.lee/in/pic"));
}

// Proportions kept inside the box; halves round to the even number.
TEST(PictureFit, ProportionsKeptInsideTheBox) {
  EXPECT_EQ(fitWidth(100, 100, 200, 100), 100);
  EXPECT_EQ(fitHeight(100, 100, 200, 100), 50);
  EXPECT_EQ(fitWidth(100, 100, 100, 200), 50);
  EXPECT_EQ(fitHeight(100, 100, 100, 200), 100);
  EXPECT_EQ(fitWidth(100, 100, 50, 0), 0);
  EXPECT_EQ(fitHeight(100, 100, 0, 50), 0);
  EXPECT_EQ(fitHeight(100, 100, 50, 0), 0);
  EXPECT_EQ(fitWidth(100, 5, 1, 2), 2);   // 2.5
  EXPECT_EQ(fitWidth(100, 7, 1, 2), 4);   // 3.5
  EXPECT_EQ(fitHeight(5, 100, 2, 1), 2);  // 2.5
}

// The first free number, skipping files and folders of the name; the folder is made at first start.
TEST(InputPictureName, TakesTheFirstFreeNumber) {
  QTemporaryDir program;
  ScriptedPlatform platform;
  EXPECT_EQ(findInputPictureName(program.path(), platform), program.filePath("inputs/MyPic.bmp"));
  EXPECT_TRUE(QFileInfo(program.filePath("inputs")).isDir());
  touch(program.filePath("inputs/MyPic.bmp"));
  QDir(program.path()).mkpath("inputs/MyPic1.bmp");
  touch(program.filePath("inputs/MyPic3.bmp"));
  EXPECT_EQ(findInputPictureName(program.path(), platform), program.filePath("inputs/MyPic2.bmp"));
  EXPECT_EQ(platform.pendingEventRuns, 2);
  EXPECT_FALSE(QFileInfo::exists(program.filePath("inputs/MyPic2.bmp")));
}

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

// The dialogs' filters are the window's tests; an empty one offers every file.
TEST(FileFilter, AnEmptyFilterOffersEveryFile) {
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
