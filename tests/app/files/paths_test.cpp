#include "files/paths.h"

#include "core_test.h"
#include "design/crop.h"
#include "design/picture_fit.h"
#include "files/file_filter.h"
#include "platform/work_names.h"
#include "rendering/tiling.h"

TEST(PathParts, KindFolderNameAndExtension) {
  QTemporaryDir folder;
  writeContent(folder.filePath("a.bmp"), {});
  EXPECT_EQ((std::array{pathKindOf(folder.path()), pathKindOf(folder.filePath("a.bmp"))}),
            (std::array{pathKind::Folder, pathKind::File}));
  for (const QString& nothing : {folder.filePath("missing.bmp"), QString(), QString("   ")})
    EXPECT_EQ(pathKindOf(nothing), pathKind::Nothing) << nothing.toStdString();
  // The path, its folder part, its name and the path without extension: the
  // folder part keeps its slash; a dot in a folder name is no extension.
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      {"pic.bmp", "pic.bmp", "pic.bmp", "pic"},
      {"/home/", "/home/", "", "/home/"},
      {"a.b.txt", "a.b.txt", "a.b.txt", "a"},
      {".profile", ".profile", ".profile", ".profile"},
      {"/home/ann.lee/in/pic.bmp", "/home/ann.lee/in/", "pic.bmp", "/home/ann.lee/in/pic"},
      {"/home/ann.lee/in/pic", "/home/ann.lee/in/", "pic", "/home/ann.lee/in/pic"},
  };
  for (const auto& [path, folder, name, withoutExtension] : cases) {
    EXPECT_EQ(folderPart(path), QLatin1String(folder)) << path;
    EXPECT_EQ(fileNamePart(path), QLatin1String(name)) << path;
    EXPECT_EQ(nameWithoutExtension(path), QLatin1String(withoutExtension)) << path;
  }
}

// Proportions kept inside the box; halves round to the even number.
TEST(PictureFit, ProportionsKeptInsideTheBox) {
  const std::array<int, 6> cases[] = {
      // box width and height, picture width and height, fitted width and height
      {100, 100, 200, 100, 100, 50}, {100, 100, 100, 200, 50, 100}, {100, 100, 50, 0, 0, 0},
      {100, 100, 0, 50, 0, 0},       {100, 5, 1, 2, 2, 5},          {100, 7, 1, 2, 4, 7},
      {5, 100, 2, 1, 5, 2},
  };
  for (const auto& [boxW, boxH, w, h, fittedW, fittedH] : cases) {
    SCOPED_TRACE(testing::Message() << w << "x" << h << " in " << boxW << "x" << boxH);
    EXPECT_EQ((std::pair{fitWidth(boxW, boxH, w, h), fitHeight(boxW, boxH, w, h)}),
              (std::pair{fittedW, fittedH}));
  }
}

// Corners come in any order; points outside the canvas stop at its edge; no
// width or no height crops nothing.
TEST(CropRectangle, CornersInAnyOrderClippedToTheCanvas) {
  const std::tuple<int, int, int, int, std::optional<QRect>> cases[] = {
      {10, 20, 100, 100, QRect(10, 20, 90, 80)},
      {100, 100, 10, 20, QRect(10, 20, 90, 80)},
      {100, 20, 10, 100, QRect(10, 20, 90, 80)},
      {600, 300, 900, 500, QRect(600, 300, 31, 31)},
      {30, 40, -20, -5, QRect(0, 0, 30, 40)},
      {700, 10, 620, 20, QRect(620, 10, 11, 10)},
      {50, 50, 50, 80, std::nullopt},
      {10, 50, 90, 50, std::nullopt},
      {650, 10, 640, 90, std::nullopt}};
  for (const auto& [x1, y1, x2, y2, crop] : cases)
    EXPECT_EQ(cropRectangle(QSize(631, 331), x1, y1, x2, y2), crop) << x1 << "," << x2;
}

TEST(WorkNames, SkipsNumbersTakenAsBitmapOrJpegAndNamesBoth) {
  QTemporaryDir outputs;
  for (const char* taken : {"MyWork1.bmp", "MyWork2.jpg", "MyWork3.gif"})
    writeContent(outputs.filePath(taken), "x");
  ScriptedPlatform seam;
  EXPECT_EQ(freeWorkNumber(outputs.path(), seam), 3);
  EXPECT_EQ(seam.pendingEventRuns, 3);
  // JPEG names by their last three letters in any case; the bitmap name
  // replaces only the last extension.
  for (const char* name : {"/o/Logo.JPG", "/o/Logo.Jpeg"}) EXPECT_TRUE(isJpegName(name)) << name;
  for (const char* name : {"/o/Logo.gif", "/o/Logo.bmp", ""})
    EXPECT_FALSE(isJpegName(name)) << name;
  const std::pair<const char*, const char*> bitmapNames[] = {
      {"/o/logo.v2.jpg", "/o/logo.v2.bmp"},
      {"/o.d/logo", "/o.d/logo.bmp"},
      {"/o/.hidden", "/o/.hidden.bmp"},
      {"/o/logo.BMP", "/o/logo.BMP"},
  };
  for (const auto& [name, bitmap] : bitmapNames)
    EXPECT_EQ(bitmapNameOf(name), QLatin1String(bitmap)) << name;
}

TEST(FileFilterAndTiling, AnEmptyFilterOffersEveryFileAndAnEmptyTileLeavesTheCanvas) {
  EXPECT_EQ(qtFileFilter(""), QStringLiteral("All Files (*.*)"));
  QImage canvas = filledPicture(6, 4, Qt::white);
  tileOver(canvas, QImage());
  EXPECT_EQ(canvas, filledPicture(6, 4, Qt::white));
}
