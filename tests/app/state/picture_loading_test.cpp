#include "state/picture_loading.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "state/failure.h"

namespace {

QImage sample() {
  QImage image(5, 3, QImage::Format_RGB888);
  image.fill(QColor(200, 40, 10));
  return image;
}

int failureNumberOfLoading(const QString& path) {
  try {
    loadPicture(path);
  } catch (const Failure& failure) {
    return failure.number();
  }
  return 0;
}

}  // namespace

TEST(PictureLoading, ReadsEveryFormatAsRgbPicture) {
  QTemporaryDir folder;
  for (const char* format : {"BMP", "PNG", "JPEG"}) {
    const QString path = folder.filePath(QStringLiteral("p.") + format);
    ASSERT_TRUE(sample().save(path, format)) << format;
    const QImage loaded = loadPicture(path);
    EXPECT_EQ(loaded.size(), QSize(5, 3)) << format;
    EXPECT_EQ(loaded.format(), QImage::Format_RGB888) << format;
    EXPECT_NEAR(qRed(loaded.pixel(2, 1)), 200, 12) << format;
  }
}

TEST(PictureLoading, ReadsGif) {
  // Qt writes no GIF: a 1 x 1 GIF whose one pixel takes palette entry 0, red.
  const QByteArray gif(
      "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
      ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
      35);
  QTemporaryDir folder;
  QFile file(folder.filePath("red.gif"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(gif);
  file.close();
  const QImage loaded = loadPicture(file.fileName());
  EXPECT_EQ(loaded.size(), QSize(1, 1));
  EXPECT_EQ(loaded.pixel(0, 0), qRgb(255, 0, 0));
}

TEST(PictureLoading, TransparentPartsComeOutWhite) {
  QTemporaryDir folder;
  QImage clear(2, 2, QImage::Format_ARGB32);
  clear.fill(Qt::transparent);
  ASSERT_TRUE(clear.save(folder.filePath("clear.png")));
  EXPECT_EQ(loadPicture(folder.filePath("clear.png")).pixel(0, 0), qRgb(255, 255, 255));
}

TEST(PictureLoading, BadFilesAreFailures) {
  QTemporaryDir folder;
  QFile(folder.filePath("empty.jpg")).open(QIODevice::WriteOnly);
  QFile text(folder.filePath("text.bmp"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("not a picture at all");
  text.close();
  ASSERT_TRUE(sample().save(folder.filePath("full.png"), "PNG"));
  QFile cut(folder.filePath("full.png"));
  ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
  cut.resize(cut.size() / 2);
  cut.close();

  EXPECT_EQ(failureNumberOfLoading(folder.filePath("empty.jpg")), errorNumber::UnreadablePicture);
  EXPECT_EQ(failureNumberOfLoading(folder.filePath("text.bmp")), errorNumber::UnreadablePicture);
  EXPECT_EQ(failureNumberOfLoading(folder.filePath("full.png")), errorNumber::UnreadablePicture);
  EXPECT_EQ(failureNumberOfLoading(folder.filePath("absent.gif")), errorNumber::FileNotFound);
  EXPECT_EQ(failureNumberOfLoading(folder.filePath("absent/x.gif")), errorNumber::PathNotFound);
  EXPECT_EQ(failureNumberOfLoading(folder.path()), errorNumber::PathFileAccessError);
}
