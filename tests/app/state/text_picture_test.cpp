#include "state/text_picture.h"

#include <gtest/gtest.h>

#include "failure_of.h"

TEST(TextPicture, MarginAndSizeFollowTheFontSize) {
  const TextLayout layout = textLayout({100.4, 46.5}, 40, 46.5);
  EXPECT_DOUBLE_EQ(layout.margin, 10);
  EXPECT_EQ(layout.width, 132);                       // 100.4 + 12 + 2 x 10, rounded
  EXPECT_EQ(layout.height, roundHalfEven(46 * 1.3));  // 46.5 rounds to the even 46 first
  EXPECT_EQ(textLayout({0, 10}, 75, 10).width, 50);   // 12 + 37.5 gives 49.5, to the even 50
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
}

TEST(TextPicture, PrintsDarkTextOnWhiteSizedToTheText) {
  TextPicture text;
  text.font.setPointSize(40);
  const QSizeF measured = text.textSize(QStringLiteral("Velloro"));
  text.print(QStringLiteral("Velloro"));
  const TextLayout layout = textLayout(measured, 40, measured.height());
  EXPECT_EQ(text.picture.size(), QSize(layout.width, layout.height));
  EXPECT_EQ(text.picture.pixelColor(0, 0), QColor(Qt::white));
  int dark = 0;
  for (int y = 0; y < text.picture.height(); ++y)
    for (int x = 0; x < text.picture.width(); ++x)
      if (qRed(text.picture.pixel(x, y)) < 128) ++dark;
  EXPECT_GT(dark, 200);
  EXPECT_EQ(text.roundedFontSize(), 40);
}

TEST(TextPicture, EmptyTextGivesTheMarginsAlone) {
  TextPicture text;
  text.print(QString());
  EXPECT_EQ(text.picture.width(), textLayout({0, 0}, 75, 0).width);
  EXPECT_GT(text.picture.height(), 0);
}

TEST(TextPicture, TooLargeAPictureIsRefusedAndTheOldOneStays) {
  TextPicture text;
  text.font.setPointSize(300);
  text.print(QStringLiteral("V"));
  const QSize before = text.picture.size();
  EXPECT_THROW(text.print(QString(80, QChar('W'))), Failure);
  EXPECT_EQ(text.picture.size(), before);
}

// Measured whole, 80,000 W at 300 points overflow Qt's text measure and
// came out narrow enough to pass.
TEST(TextPicture, TextBeyondTheMeasuresRangeIsRefused) {
  TextPicture text;
  text.font.setPointSize(300);
  EXPECT_EQ(failureOf([&] { text.print(QString(80000, QChar('W'))); }).number(),
            errorNumber::OutOfMemory);
  EXPECT_EQ(text.picture.size(), QSize(1, 1));
}
