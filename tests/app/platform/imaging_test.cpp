#include "platform/imaging.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "test_files.h"
#include "test_pictures.h"

// The bytes of a good encoding are the JPEG optimiser's test, a full disk the
// file writer's; here the steps that refuse, and a quality out of range.
TEST(Imaging, EachStepTellsItsFailureAndLeavesNoFile) {
  QTemporaryDir folder;
  ASSERT_TRUE(filledPicture(64, 48, Qt::darkCyan).save(folder.filePath("source.bmp"), "BMP"));
  EXPECT_EQ(openFileSource(folder.path()), nullptr);
  auto source = openFileSource(folder.filePath("source.bmp"));
  int width = 0;
  int height = 0;
  auto pixels = readBmpToRgb(*source, width, height);
  auto destination = openFileDest(folder.filePath("out.jpg"));
  ASSERT_TRUE(pixels && destination);
  EXPECT_FALSE(writeRgbToJpg(*destination, *pixels, width + 1, height, 80));
  EXPECT_FALSE(closeDest(destination));
  // A destination dropped unclosed leaves nothing either.
  EXPECT_NE(openFileDest(folder.filePath("dropped.jpg")), nullptr);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"source.bmp"});

  // A quality below 0 is 0, not the writer's default.
  for (const auto& [quality, name] : {std::pair{0, "zero.jpg"}, {-40, "below.jpg"}}) {
    destination = openFileDest(folder.filePath(name));
    ASSERT_TRUE(writeRgbToJpg(*destination, *pixels, width, height, quality));
    ASSERT_TRUE(closeDest(destination));
  }
  EXPECT_EQ(contentOf(folder.filePath("below.jpg")), contentOf(folder.filePath("zero.jpg")));
}
