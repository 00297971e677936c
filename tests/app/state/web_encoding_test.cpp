// Pictures for the web. As PNG files every pixel comes back as it was,
// opaque pictures as RGB and pictures with alpha as straight RGBA.
#include "state/web_encoding.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QImageWriter>

#include "failure_of.h"
#include "state/picture_formats.h"
#include "state/png_encoding.h"

namespace {

// A picture whose every pixel differs from its neighbours, with some alpha.
QImage patterned(int width, int height, QImage::Format format) {
  QImage picture(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.setPixel(x, y, qRgba(x * 37 + y, y * 91 + x * 3, (x ^ y) * 13, 255 - (x * y) % 200));
  return picture.convertToFormat(format);
}

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
  const std::pair<const char*, std::optional<WebFormat>> cases[] = {
      {"title.png", WebFormat::Png},   {"TITLE.PNG", WebFormat::Png},
      {"a.b.webp", WebFormat::Webp},   {"x.WebP", WebFormat::Webp},
      {"title.bmp", std::nullopt},     {"png", std::nullopt},
      {"title.png.jpg", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& [name, format] : cases)
    EXPECT_EQ(webFormatOfName(QString::fromLatin1(name)), format) << name;
  EXPECT_EQ(webExtension(WebFormat::Png), QStringLiteral("png"));
  EXPECT_EQ(webExtension(WebFormat::Webp), QStringLiteral("webp"));
}

TEST(PngEncoding, PixelsComeBackExactly) {
  struct Case {
    int width, height;
    QImage::Format format;
    char colourType;  // byte 25 of the file
  };
  const Case cases[] = {
      {631, 331, QImage::Format_RGB888, 2},
      {1, 1, QImage::Format_RGB888, 2},
      {5, 3, QImage::Format_RGB32, 2},
      {7, 2, QImage::Format_ARGB32, 6},
      {3, 9, QImage::Format_ARGB32_Premultiplied, 6},
      {300, 1, QImage::Format_RGBA8888, 6},
  };
  for (const Case& c : cases) {
    const QImage picture = patterned(c.width, c.height, c.format);
    const QByteArray file = pngFileBytes(picture);
    EXPECT_EQ(file.left(16), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16));
    EXPECT_EQ(file.at(25), c.colourType) << c.width << 'x' << c.height;
    EXPECT_TRUE(file.endsWith(QByteArray("\0\0\0\0IEND\xae\x42\x60\x82", 12)));
    const QImage decoded = QImage::fromData(file, "PNG");
    ASSERT_FALSE(decoded.isNull()) << c.width << 'x' << c.height;
    const QImage::Format compared =
        c.colourType == 6 ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    EXPECT_EQ(decoded.convertToFormat(compared), picture.convertToFormat(compared))
        << c.width << 'x' << c.height;
  }
}

TEST(PngEncoding, AnEmptyPictureIsRefused) {
  EXPECT_EQ(failureOf([] { pngFileBytes(QImage()); }).description(),
            QStringLiteral("cannot encode a png picture: the picture is empty"));
}

TEST(PictureFormatsTest, WebNameReplacesTheLastExtensionOnly) {
  const std::tuple<const char*, WebFormat, const char*> cases[] = {
      {"/out/logo.png", WebFormat::Png, "/out/logo.png"},
      {"/out/logo.PNG", WebFormat::Png, "/out/logo.PNG"},  // already a PNG name
      {"/out/logo.bmp", WebFormat::Png, "/out/logo.png"},
      {"/out/logo.png", WebFormat::Webp, "/out/logo.webp"},
      {"/out/logo", WebFormat::Webp, "/out/logo.webp"},
      {"/out/my.title.jpg", WebFormat::Png, "/out/my.title.png"},
      {"/out.d/logo", WebFormat::Png, "/out.d/logo.png"},  // a dot in the folder only
      {"/out/.hidden", WebFormat::Png, "/out/.hidden.png"},
  };
  for (const auto& [chosen, format, name] : cases)
    EXPECT_EQ(webNameOf(QString::fromLatin1(chosen), format), QString::fromLatin1(name)) << chosen;
}

TEST(PictureFormatsTest, SaveEntriesAfterBitmapAndJpegAreTheWebFormats) {
  EXPECT_EQ(webFormatOfSaveEntry(0), std::nullopt);
  EXPECT_EQ(webFormatOfSaveEntry(1), std::nullopt);
  EXPECT_EQ(webFormatOfSaveEntry(2), WebFormat::Png);
  const bool webp = writableWebFormats().contains(WebFormat::Webp);
  EXPECT_EQ(webFormatOfSaveEntry(3), webp ? std::optional(WebFormat::Webp) : std::nullopt);
  EXPECT_EQ(webFormatOfSaveEntry(4), std::nullopt);
  EXPECT_EQ(webFormatOfSaveEntry(-1), std::nullopt);
  EXPECT_TRUE(savedWebEncoding(WebFormat::Webp).lossless);
}
