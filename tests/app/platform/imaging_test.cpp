#include "platform/imaging.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

class ImagingTest : public testing::Test {
 protected:
  void SetUp() override {
    QImage picture(64, 48, QImage::Format_RGB888);
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        picture.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) % 256));
    ASSERT_TRUE(picture.save(folder.filePath("source.bmp"), "BMP"));
  }

  // The optimiser's encode: source BMP to JPEG at a quality, step by step.
  bool encode(const QString& destinationPath, int quality) {
    auto source = openFileSource(folder.filePath("source.bmp"));
    if (!source) return false;
    int width = 0;
    int height = 0;
    auto pixels = readBmpToRgb(*source, width, height);
    closeSource(source);
    auto destination = openFileDest(destinationPath);
    if (!pixels || !destination) return false;
    const bool written = writeRgbToJpg(*destination, *pixels, width, height, quality);
    return closeDest(destination) && written;
  }

  QStringList files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }

  QTemporaryDir folder;
};

}  // namespace

TEST_F(ImagingTest, WritesJpegsOfTheSourceSizeSmallerAtLowerQuality) {
  ASSERT_TRUE(encode(folder.filePath("best.jpg"), 100));
  ASSERT_TRUE(encode(folder.filePath("small.jpg"), 5));
  ASSERT_TRUE(encode(folder.filePath("clamped.jpg"), -40));
  EXPECT_EQ(QImage(folder.filePath("best.jpg"), "JPEG").size(), QSize(64, 48));
  EXPECT_LT(QFileInfo(folder.filePath("small.jpg")).size(),
            QFileInfo(folder.filePath("best.jpg")).size());
  EXPECT_LE(QFileInfo(folder.filePath("clamped.jpg")).size(),
            QFileInfo(folder.filePath("small.jpg")).size());
  EXPECT_EQ(files(), (QStringList{"best.jpg", "clamped.jpg", "small.jpg", "source.bmp"}));
}

// A missing source or folder is told through the JPEG encoding that uses these steps.
TEST_F(ImagingTest, EachStepTellsItsFailure) {
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
  EXPECT_EQ(files(), QStringList{"source.bmp"});
}
