#include "state/crop.h"

#include <gtest/gtest.h>

TEST(CropRectangle, CornersInAnyOrderCropTheSameRectangle) {
  const QSize canvas(631, 331);
  const QRect expected(10, 20, 90, 80);
  EXPECT_EQ(cropRectangle(canvas, 10, 20, 100, 100), expected);
  EXPECT_EQ(cropRectangle(canvas, 100, 100, 10, 20), expected);
  EXPECT_EQ(cropRectangle(canvas, 100, 20, 10, 100), expected);
}

TEST(CropRectangle, PointsOutsideTheCanvasStopAtItsEdge) {
  const QSize canvas(631, 331);
  EXPECT_EQ(cropRectangle(canvas, 600, 300, 900, 500), QRect(600, 300, 31, 31));
  EXPECT_EQ(cropRectangle(canvas, 30, 40, -20, -5), QRect(0, 0, 30, 40));
  EXPECT_EQ(cropRectangle(canvas, 700, 10, 620, 20), QRect(620, 10, 11, 10));
}

TEST(CropRectangle, NoWidthOrNoHeightCropsNothing) {
  const QSize canvas(100, 100);
  EXPECT_FALSE(cropRectangle(canvas, 50, 50, 50, 80));
  EXPECT_FALSE(cropRectangle(canvas, 10, 50, 90, 50));
  EXPECT_FALSE(cropRectangle(canvas, 150, 10, 120, 90));
}
