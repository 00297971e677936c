#include "state/web_encoding.h"

#include <gtest/gtest.h>

#include <QImageReader>
#include <QImageWriter>

namespace {

// Every alpha level and a spread of colours, so that any loss shows.
QImage gradientPicture() {
  QImage picture(64, 48, QImage::Format_ARGB32);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      picture.setPixel(x, y, qRgba(x * 4, y * 5, (x * y) % 256, (x + 64 * y) % 256));
  return picture;
}

QImage decoded(const QByteArray& bytes) {
  return QImage::fromData(bytes).convertToFormat(QImage::Format_ARGB32);
}

// Fully transparent pixels may come back with any colour.
bool samePixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      if (qAlpha(p) != qAlpha(q)) return false;
      if (qAlpha(p) != 0 && p != q) return false;
    }
  return true;
}

bool webpWritable() {
  return QImageWriter::supportedImageFormats().contains(QByteArrayLiteral("webp"));
}

}  // namespace

TEST(WebEncodingTest, PngIsAlwaysOfferedAndWebpExactlyWhenQtCanWriteIt) {
  const QList<WebFormat> formats = writableWebFormats();
  ASSERT_FALSE(formats.isEmpty());
  EXPECT_EQ(formats.front(), WebFormat::Png);
  EXPECT_EQ(formats.contains(WebFormat::Webp), webpWritable());
}

TEST(WebEncodingTest, PngKeepsEveryPixelAndStartsWithItsSignature) {
  const QImage picture = gradientPicture();
  const QByteArray bytes = encodeWebPicture(picture, {WebFormat::Png, false, 10});
  EXPECT_TRUE(bytes.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)));
  EXPECT_TRUE(samePixels(decoded(bytes), picture));
}

TEST(WebEncodingTest, LosslessWebpKeepsEveryPixel) {
  if (!webpWritable()) GTEST_SKIP() << "no WebP writer in this Qt";
  const QImage picture = gradientPicture();
  const QByteArray bytes = encodeWebPicture(picture, {WebFormat::Webp, true, 10});
  EXPECT_TRUE(bytes.startsWith("RIFF"));
  EXPECT_EQ(bytes.mid(8, 8), QByteArray("WEBPVP8L"));
  EXPECT_TRUE(samePixels(decoded(bytes), picture));
}

TEST(WebEncodingTest, LossyWebpShrinksWithQualityAndKeepsItsAlpha) {
  if (!webpWritable()) GTEST_SKIP() << "no WebP writer in this Qt";
  QImage picture(200, 100, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  for (int y = 20; y < 80; ++y)
    for (int x = 30; x < 170; ++x) picture.setPixel(x, y, qRgba(x, y * 2, 200, 255));
  const QByteArray low = encodeWebPicture(picture, {WebFormat::Webp, false, 5});
  const QByteArray high = encodeWebPicture(picture, {WebFormat::Webp, false, 95});
  ASSERT_FALSE(low.isEmpty());
  EXPECT_EQ(low.mid(8, 4), QByteArray("WEBP"));
  EXPECT_NE(low.mid(12, 4), QByteArray("VP8L"));
  EXPECT_LT(low.size(), high.size());
  const QImage back = decoded(high);
  ASSERT_EQ(back.size(), picture.size());
  EXPECT_EQ(qAlpha(back.pixel(5, 5)), 0);
  EXPECT_EQ(qAlpha(back.pixel(100, 50)), 255);
  EXPECT_NEAR(qRed(back.pixel(100, 50)), 100, 8);
}

TEST(WebEncodingTest, NullPictureGivesNoBytes) {
  EXPECT_TRUE(encodeWebPicture(QImage(), {WebFormat::Png, true, 90}).isEmpty());
}

TEST(WebEncodingTest, FormatOfAFileNameByItsExtension) {
  struct Case {
    const char* name;
    std::optional<WebFormat> format;
  };
  const std::vector<Case> cases{
      {"title.png", WebFormat::Png},   {"TITLE.PNG", WebFormat::Png},
      {"a.b.webp", WebFormat::Webp},   {"x.WebP", WebFormat::Webp},
      {"title.bmp", std::nullopt},     {"png", std::nullopt},
      {"title.png.jpg", std::nullopt}, {"", std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(webFormatOfName(QString::fromLatin1(c.name)), c.format) << c.name;
  EXPECT_EQ(webExtension(WebFormat::Png), QStringLiteral("png"));
  EXPECT_EQ(webExtension(WebFormat::Webp), QStringLiteral("webp"));
}
