#include "state/transparent_design.h"

#include <gtest/gtest.h>

#include "state/visible_extent.h"

namespace {

QImage clearPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  return picture;
}

QImage onePixel(QRgb colour) {
  QImage picture(1, 1, QImage::Format_RGB888);
  picture.setPixel(0, 0, colour);
  return picture;
}

}  // namespace

TEST(TransparentDesignTest, SolvesColourAndAlphaOfOnePixel) {
  struct Case {
    const char* what;
    QRgb overBlack, overWhite, expected;  // expected: non-premultiplied ARGB
  };
  const Case cases[] = {
      {"untouched background", qRgb(0, 0, 0), qRgb(255, 255, 255), qRgba(0, 0, 0, 0)},
      {"replaced pixel keeps its exact colour", qRgb(12, 200, 3), qRgb(12, 200, 3),
       qRgba(12, 200, 3, 255)},
      // Blue 200 at transparency 0.5: 100 over black, 227.5 -> 227 over white;
      // the truncations leave the colour one below.
      {"half-transparent layer colour", qRgb(0, 0, 100), qRgb(127, 127, 227),
       qRgba(0, 0, 199, 128)},
      // A shadow factor of 0.6 is black at alpha 0.4.
      {"shadow darkening", qRgb(0, 0, 0), qRgb(153, 153, 153), qRgba(0, 0, 0, 102)},
      // Engraving at h = 0.75: 255 - 0.5 (255 - b), white at alpha 0.5.
      {"engraving lightening", qRgb(127, 127, 127), qRgb(255, 255, 255), qRgba(255, 255, 255, 127)},
      // Channels truncated differently still share one alpha.
      {"uneven truncation", qRgb(40, 40, 40), qRgb(167, 168, 166), qRgba(80, 80, 80, 128)},
      {"white darker than black reads as opaque", qRgb(90, 90, 90), qRgb(80, 80, 80),
       qRgba(90, 90, 90, 255)},
  };
  for (const Case& c : cases) {
    const QImage design = transparentDesign(onePixel(c.overBlack), onePixel(c.overWhite));
    ASSERT_EQ(design.format(), QImage::Format_ARGB32);
    EXPECT_EQ(design.pixel(0, 0), c.expected) << c.what;
  }
}

TEST(TransparentDesignTest, PicturesOfDifferentSizesGiveNothingVisible) {
  QImage black(4, 3, QImage::Format_RGB888);
  black.fill(Qt::red);
  QImage white(5, 3, QImage::Format_RGB888);
  white.fill(Qt::red);
  const QImage design = transparentDesign(black, white);
  EXPECT_EQ(design.size(), QSize(4, 3));
  EXPECT_FALSE(anythingVisible(design));
}

TEST(TransparentDesignTest, AnythingVisibleSeesOneFaintPixel) {
  QImage design = clearPicture(7, 5);
  EXPECT_FALSE(anythingVisible(design));
  EXPECT_FALSE(anythingVisible(QImage()));
  design.setPixel(6, 4, qRgba(0, 0, 0, 1));
  EXPECT_TRUE(anythingVisible(design));
}

TEST(VisibleExtentTest, BoundsEveryPixelThatIsNotFullyTransparent) {
  const std::pair<std::vector<QPoint>, QRect> cases[] = {
      {{}, QRect()},
      {{{0, 0}}, QRect(0, 0, 1, 1)},
      {{{9, 7}}, QRect(9, 7, 1, 1)},
      {{{3, 2}, {6, 5}}, QRect(3, 2, 4, 4)},
      {{{6, 1}, {2, 4}}, QRect(2, 1, 5, 4)},
      {{{0, 7}, {9, 0}}, QRect(0, 0, 10, 8)},
  };
  for (const auto& [visible, extent] : cases) {
    QImage picture = clearPicture(10, 8);
    for (QPoint p : visible) picture.setPixel(p, qRgba(255, 255, 255, 1));
    EXPECT_EQ(visibleExtent(picture), extent) << visible.size();
  }
}

// A margin on every side, past the canvas too, is the trimmed render's test.
TEST(VisibleExtentTest, NegativeMarginTrimsTightAndNothingVisibleGivesNoPicture) {
  QImage picture = clearPicture(6, 6);
  EXPECT_TRUE(trimmedToVisible(picture, 4).isNull());
  picture.setPixel(2, 3, qRgba(1, 2, 3, 4));
  EXPECT_EQ(trimmedToVisible(picture, -3).size(), QSize(1, 1));
  EXPECT_EQ(trimmedToVisible(picture, 0).pixel(0, 0), qRgba(1, 2, 3, 4));
}

// White showing through by 764 of 765 rounds to alpha 0; by 763 it does not.
TEST(VisibleExtentTest, DesignExtentFindsWhatTheCutOutShowsWithoutSolvingIt) {
  QImage black(6, 4, QImage::Format_RGB888);
  black.fill(Qt::black);
  QImage white(6, 4, QImage::Format_RGB888);
  white.fill(Qt::white);
  EXPECT_TRUE(designExtent(black, white).isNull());
  black.setPixel(1, 1, qRgb(0, 0, 1));
  EXPECT_TRUE(designExtent(black, white).isNull());
  black.setPixel(4, 2, qRgb(0, 1, 1));
  white.setPixel(2, 3, qRgb(255, 254, 254));
  EXPECT_EQ(designExtent(black, white), QRect(2, 2, 3, 2));
  EXPECT_EQ(designExtent(black, white), visibleExtent(transparentDesign(black, white)));
  EXPECT_TRUE(designExtent(black, white.copy(0, 0, 5, 4)).isNull());
}
