#include "state/visible_extent.h"

#include <gtest/gtest.h>

namespace {

QImage clearPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  return picture;
}

}  // namespace

TEST(VisibleExtentTest, BoundsEveryPixelThatIsNotFullyTransparent) {
  struct Case {
    std::vector<QPoint> visible;
    QRect extent;
  };
  const std::vector<Case> cases{
      {{}, QRect()},
      {{{0, 0}}, QRect(0, 0, 1, 1)},
      {{{9, 7}}, QRect(9, 7, 1, 1)},
      {{{3, 2}, {6, 5}}, QRect(3, 2, 4, 4)},
      {{{6, 1}, {2, 4}}, QRect(2, 1, 5, 4)},
      {{{0, 7}, {9, 0}}, QRect(0, 0, 10, 8)},
  };
  for (const Case& c : cases) {
    QImage picture = clearPicture(10, 8);
    for (QPoint p : c.visible) picture.setPixel(p, qRgba(255, 255, 255, 1));
    EXPECT_EQ(visibleExtent(picture), c.extent) << c.visible.size();
  }
}

TEST(VisibleExtentTest, TrimKeepsTheMarginOnAllSidesEvenPastTheEdge) {
  QImage picture = clearPicture(20, 10);
  picture.setPixel(1, 6, qRgba(10, 20, 30, 255));
  picture.setPixel(3, 8, qRgba(40, 50, 60, 128));
  const QImage trimmed = trimmedToVisible(picture, 4);
  ASSERT_EQ(trimmed.size(), QSize(3 + 8, 3 + 8));
  EXPECT_EQ(trimmed.pixel(4, 4), qRgba(10, 20, 30, 255));
  EXPECT_EQ(trimmed.pixel(6, 6), qRgba(40, 50, 60, 128));
  EXPECT_EQ(qAlpha(trimmed.pixel(0, 0)), 0);    // past the left edge
  EXPECT_EQ(qAlpha(trimmed.pixel(10, 10)), 0);  // past the bottom edge
  EXPECT_EQ(visibleExtent(trimmed), QRect(4, 4, 3, 3));
}

TEST(VisibleExtentTest, NegativeMarginTrimsTightAndNothingVisibleGivesNoPicture) {
  QImage picture = clearPicture(6, 6);
  EXPECT_TRUE(trimmedToVisible(picture, 4).isNull());
  picture.setPixel(2, 3, qRgba(1, 2, 3, 4));
  EXPECT_EQ(trimmedToVisible(picture, -3).size(), QSize(1, 1));
  EXPECT_EQ(trimmedToVisible(picture, 0).pixel(0, 0), qRgba(1, 2, 3, 4));
}
