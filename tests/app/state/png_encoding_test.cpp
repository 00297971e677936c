// Rendered titles as PNG files: every pixel comes back as it was, opaque
// pictures as RGB and pictures with alpha as straight RGBA.
#include <gtest/gtest.h>

#include <QImage>

#include "state/failure.h"
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

struct PngCase {
  int width;
  int height;
  QImage::Format format;
  char colourType;  // byte 25 of the file
};

const PngCase pngCases[] = {
    {631, 331, QImage::Format_RGB888, 2},
    {1, 1, QImage::Format_RGB888, 2},
    {5, 3, QImage::Format_RGB32, 2},
    {7, 2, QImage::Format_ARGB32, 6},
    {3, 9, QImage::Format_ARGB32_Premultiplied, 6},
    {300, 1, QImage::Format_RGBA8888, 6},
};

TEST(PngEncoding, PixelsComeBackExactly) {
  for (const PngCase& c : pngCases) {
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
  try {
    pngFileBytes(QImage());
    FAIL() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.description(),
              QStringLiteral("cannot encode a png picture: the picture is empty"));
  }
}

}  // namespace
