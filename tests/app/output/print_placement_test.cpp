#include "output/print_placement.h"

#include <gtest/gtest.h>

namespace {

// Letter-like portrait sheet at 300 units per inch with 100 units unprintable.
const PrinterPage portrait{{2400, 3300}, {2300, 3200}};
const PagePreview preview = previewOf(portrait, 15, 15);

}  // namespace

TEST(PrintPlacement, APortraitPageIs259PixelsHighAndNarrower) {
  EXPECT_EQ(preview.twips, QSize(2825, 3885));
  EXPECT_EQ(preview.pixels, QSize(188, 259));
  EXPECT_DOUBLE_EQ(preview.scale, 2400.0 / 2825);
  EXPECT_NEAR(preview.unprintableX, 100.0 * 2825 / 2400 / 15, 1e-9);
}

TEST(PrintPlacement, AWidePictureIsFittedToThePrintableWidthAndCentred) {
  const QRect box = centredPicture(preview, {631, 331});
  // 2707 x 1420 twips of the 2825 x 3885 page, centred, in pixels.
  EXPECT_EQ(box.left(), 4);
  EXPECT_EQ(box.top(), 82);
  EXPECT_EQ(box.left() + box.width(), 184);
  EXPECT_EQ(box.top() + box.height(), 177);
}

TEST(PrintPlacement, ShrinkingKeepsTheCornerAndStopsAtOneLayoutUnit) {
  EXPECT_EQ(shrunk(QRect(10, 20, 100, 50), preview), QRect(10, 20, 95, 48));
  EXPECT_EQ(shrunk(QRect(10, 20, 15, 40), preview), QRect(10, 20, 15, 40));
}

TEST(PrintPlacement, GrowingStopsAtThePrintableLimitKeepingProportions) {
  QRect box(10, 20, 40, 20);
  EXPECT_EQ(grown(box, preview), QRect(10, 20, 42, 21));
  for (int i = 0; i < 100; ++i) box = grown(box, preview);
  EXPECT_LE(box.left() + box.width(), preview.rightLimit());
  EXPECT_GE(box.left() + box.width(), preview.rightLimit() - 1);
  EXPECT_NEAR(double(box.width()) / box.height(), 2.0, 0.08);  // whole pixels at each step
  EXPECT_EQ(grown(box, preview), box);
}

TEST(PrintPlacement, DraggingStopsAtThePrintableEdges) {
  // The limits are about 3.9 and 184.4.
  const QRect box(50, 50, 40, 20);
  EXPECT_EQ(dragged(box, {5, -3}, preview), QRect(55, 47, 40, 20));
  EXPECT_EQ(dragged(box, {-100, -100}, preview).topLeft(), QPoint(4, 4));
  EXPECT_EQ(dragged(box, {500, 500}, preview).topLeft(), QPoint(184 - 40, 255 - 20));
}

TEST(PrintPlacement, TheBoxIsPrintedInPrinterUnitsFromTheSheetCorner) {
  const double k = 2400.0 / 2825;
  EXPECT_EQ(
      onPrinter(QRect(4, 82, 180, 95), preview),
      QRect(qRound(4 * 15 * k), qRound(82 * 15 * k), qRound(180 * 15 * k), qRound(95 * 15 * k)));
}
