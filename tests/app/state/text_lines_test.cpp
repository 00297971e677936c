// Titles of several lines, their alignment and spacing, and letter spacing,
// measured on the printed mask.
#include <gtest/gtest.h>

#include "state/text_picture.h"

namespace {

bool darkRow(const QImage& picture, int y) {
  for (int x = 0; x < picture.width(); ++x)
    if (qRed(picture.pixel(x, y)) < 128) return true;
  return false;
}

// Runs of rows holding ink, top to bottom.
int inkBands(const QImage& picture) {
  int bands = 0;
  bool inBand = false;
  for (int y = 0; y < picture.height(); ++y) {
    const bool dark = darkRow(picture, y);
    if (dark && !inBand) ++bands;
    inBand = dark;
  }
  return bands;
}

// The first and last inked column of rows [top, bottom).
std::pair<int, int> inkColumns(const QImage& picture, int top, int bottom) {
  int first = picture.width(), last = -1;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qRed(picture.pixel(x, y)) < 128) first = std::min(first, x), last = std::max(last, x);
  return {first, last};
}

TextPicture printed(const QString& text, TextArrangement arrangement) {
  TextPicture picture;
  picture.font.setPointSize(30);
  picture.arrangement = arrangement;
  picture.print(text);
  return picture;
}

}  // namespace

TEST(TextLines, LineBreaksOfEveryKindSplitTheTitle) {
  EXPECT_EQ(titleLines(QStringLiteral("a\r\nb\rc\nd")).size(), 4);
  EXPECT_EQ(titleLinesProblem(QString(19, QChar('\n'))), QString());
}

TEST(TextLines, EachLineIsABandOfRows) {
  const QString twoLines = QStringLiteral("HH\nHH");
  const QImage close = printed(twoLines, {}).picture;
  EXPECT_EQ(inkBands(printed(QStringLiteral("HH"), {}).picture), 1);
  EXPECT_EQ(inkBands(close), 2);
}

// "HHHH" over "H": the short line starts, ends or centres with the long one.
TEST(TextLines, AlignmentPlacesTheShortLine) {
  const QString text = QStringLiteral("HHHH\nH");
  const int firstLineRows = printed(QStringLiteral("H"), {}).picture.height();
  for (LineAlignment alignment :
       {LineAlignment::Left, LineAlignment::Centre, LineAlignment::Right}) {
    const QImage picture = printed(text, {alignment, 1.5, 0}).picture;
    const auto [longFirst, longLast] = inkColumns(picture, 0, firstLineRows);
    const auto [shortFirst, shortLast] = inkColumns(picture, firstLineRows, picture.height());
    const int leftGap = shortFirst - longFirst;
    const int rightGap = longLast - shortLast;
    EXPECT_GT(leftGap + rightGap, (longLast - longFirst) / 2);
    switch (alignment) {
      case LineAlignment::Left: EXPECT_EQ(leftGap, 0); break;
      case LineAlignment::Centre: EXPECT_NEAR(leftGap, rightGap, 1); break;
      case LineAlignment::Right: EXPECT_NEAR(rightGap, 0, 1); break;
    }
  }
}

TEST(TextLines, LetterSpacingWidensTheDesignBetweenLetters) {
  const QString word = QStringLiteral("HHHH");
  for (int spacing : {17, -5}) {
    const QImage plain = printed(word, {}).picture;
    const QImage spaced = printed(word, {LineAlignment::Left, 1, spacing}).picture;
    const auto [plainFirst, plainLast] = inkColumns(plain, 0, plain.height());
    const auto [spacedFirst, spacedLast] = inkColumns(spaced, 0, spaced.height());
    EXPECT_EQ(spacedFirst, plainFirst);
    EXPECT_NEAR((spacedLast - spacedFirst) - (plainLast - plainFirst), 3 * spacing, 1);
    EXPECT_EQ(spaced.width() - plain.width(), 3 * spacing);
  }
}
