// Pictures made and read in the engine's buffer layout with no whole picture
// in between.
#include <gtest/gtest.h>

#include "state/bmp_file.h"
#include "state/failure.h"
#include "state/transparent_design.h"
#include "test_pictures.h"

namespace {

TEST(BufferParts, PlainCanvasKeepsItsPaddingAndPartsTheirPlace) {
  for (const int width : {1, 4, 5, 7})
    EXPECT_EQ(plainPictureBuffer({width, 3}, Qt::cyan).bytes,
              pictureBufferOf(filledPicture(width, 3, Qt::cyan)).bytes)
        << width;
  const QImage picture = patterned(7, 5);
  const QByteArray bytes = pictureBufferOf(picture).bytes;
  for (const QRect area : {QRect(0, 0, 7, 5), QRect(2, 1, 3, 2), QRect(6, 4, 1, 1)})
    EXPECT_EQ(imageOfBufferPart(bytes, 7, 5, area), picture.copy(area)) << area.x() << area.y();
  EXPECT_EQ(imageOfBufferPart(bytes, 7, 5, QRect(5, 3, 4, 4)), picture.copy(5, 3, 2, 2));
  EXPECT_THROW(imageOfBufferPart(bytes.left(20), 7, 5, QRect(0, 0, 1, 1)), Failure);
}

TEST(BufferParts, ExtentInBuffersIsCountedFromTheArea) {
  QImage black = filledPicture(7, 5, Qt::black);
  QImage white = filledPicture(7, 5, Qt::white);
  black.setPixel(3, 1, qRgb(40, 40, 40));
  white.setPixel(3, 1, qRgb(40, 40, 40));
  black.setPixel(5, 3, qRgb(2, 0, 0));  // white shows through by 763 of 765: seen
  black.setPixel(6, 4, qRgb(1, 0, 0));  // by 764: alpha rounds to 0
  const QByteArray overBlack = pictureBufferOf(black).bytes;
  const QByteArray overWhite = pictureBufferOf(white).bytes;
  const auto extent = [&](QRect area) {
    return designExtentOfBuffers(overBlack, overWhite, {7, 5}, area);
  };
  EXPECT_EQ(extent(QRect(0, 0, 7, 5)), QRect(3, 1, 3, 3));
  EXPECT_EQ(extent(QRect(2, 1, 5, 4)), QRect(1, 0, 3, 3));
  EXPECT_TRUE(extent(QRect(4, 0, 3, 3)).isNull());
  EXPECT_TRUE(
      designExtentOfBuffers(overBlack, overWhite.left(30), {7, 5}, QRect(0, 0, 7, 5)).isNull());
}

}  // namespace
