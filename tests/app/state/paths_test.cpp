#include "state/paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "desktop/scripted_platform.h"
#include "state/input_picture_name.h"
#include "state/picture_fit.h"

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

class InputPictureNameTest : public testing::Test {
 protected:
  QTemporaryDir program;
  ScriptedPlatform platform;
};

TEST_F(InputPictureNameTest, FirstStartCreatesInputsAndOffersMyPic) {
  EXPECT_EQ(findInputPictureName(program.path(), platform), program.filePath("inputs/MyPic.bmp"));
  EXPECT_TRUE(QFileInfo(program.filePath("inputs")).isDir());
}

TEST_F(InputPictureNameTest, TakesTheFirstFreeNumber) {
  QDir(program.path()).mkdir("inputs");
  touch(program.filePath("inputs/MyPic.bmp"));
  touch(program.filePath("inputs/MyPic1.bmp"));
  touch(program.filePath("inputs/MyPic3.bmp"));
  EXPECT_EQ(findInputPictureName(program.path(), platform), program.filePath("inputs/MyPic2.bmp"));
  EXPECT_EQ(platform.pendingEventRuns, 2);
  EXPECT_FALSE(QFileInfo::exists(program.filePath("inputs/MyPic2.bmp")));
}

TEST_F(InputPictureNameTest, FolderBearingThePictureNameIsSkipped) {
  QDir(program.path()).mkpath("inputs/MyPic1.bmp");
  touch(program.filePath("inputs/MyPic.bmp"));
  EXPECT_EQ(findInputPictureName(program.path(), platform), program.filePath("inputs/MyPic2.bmp"));
}
