// The title printed as a mask: its size and margins, its lines, their
// alignment and spacing, and letter spacing, measured on the mask.
#include "design/text_picture.h"

#include "core_test.h"

// Margin and size follow the font size; the text prints on white, an empty one
// as the margins alone.
TEST(TextPicture, MarginAndSizeFollowTheFontSizeAndTheTextPrintsOnWhite) {
  const TextLayout layout = textLayout({100.4, 46.5}, 40, 46.5);
  EXPECT_DOUBLE_EQ(layout.margin, 10);
  EXPECT_EQ(layout.width, 132);                       // 100.4 + 12 + 2 x 10, rounded
  EXPECT_EQ(layout.height, roundHalfEven(46 * 1.3));  // 46.5 rounds to the even 46 first
  EXPECT_EQ(textLayout({0, 10}, 75, 10).width, 50);   // 12 + 37.5 gives 49.5, to the even 50
  TextPicture text;
  text.font.setPointSizeF(40.5);  // rounds to the even 40
  text.print(QStringLiteral("Velloro"));
  EXPECT_EQ(text.picture.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_EQ(text.roundedFontSize(), 40);
  text.print(QString());  // an empty text gives the margins alone
  EXPECT_EQ(text.picture.width(), textLayout({0, 0}, 40, 0).width);
  EXPECT_GT(text.picture.height(), 0);
}

// Printing again on one picture gives what a fresh print gives, whatever
// changed in between; printing the same again leaves the picture untouched.
TEST(TextPicture, PrintingAgainFollowsEveryChangeAndKeepsAnUnchangedPicture) {
  using Change = void (*)(TextPicture&, QString&);
  const std::pair<const char*, Change> changes[] = {
      {"text", [](TextPicture&, QString& text) { text = QStringLiteral("Ve\nloro"); }},
      {"bold", [](TextPicture& p, QString&) { p.font.setBold(false); }},
      {"letter spacing", [](TextPicture& p, QString&) { p.arrangement.letterSpacing = 9; }},
      {"alignment",
       [](TextPicture& p, QString&) { p.arrangement.alignment = LineAlignment::Right; }},
      {"dots per inch", [](TextPicture& p, QString&) { p.setDotsPerInch(120); }},
      {"picture painted over", [](TextPicture& p, QString&) { p.picture.fill(Qt::black); }},
  };
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    QString text = QStringLiteral("Vel\nlo");
    QString freshText = text;
    TextPicture reused;
    reused.print(text);
    const qint64 printedKey = reused.picture.cacheKey();
    reused.print(text);
    EXPECT_EQ(reused.picture.cacheKey(), printedKey);
    change(reused, text);
    reused.print(text);
    TextPicture fresh;
    change(fresh, freshText);
    fresh.print(freshText);
    EXPECT_TRUE(reused.picture == fresh.picture);
  }
}

// Measured whole, 80,000 W at 300 points overflowed Qt's text measure and
// came out narrow enough to pass.
TEST(TextPicture, TooLargeAPictureIsRefusedAndTheOldOneStays) {
  TextPicture text;
  text.font.setPointSize(300);
  EXPECT_EQ(failureOf([&] { text.print(QString(80000, QChar('W'))); }).number(),
            errorNumber::OutOfMemory);
  EXPECT_EQ(text.picture.size(), QSize(1, 1));
  text.print(QStringLiteral("V"));
  const QSize before = text.picture.size();
  EXPECT_THROW(text.print(QString(80, QChar('W'))), Failure);
  EXPECT_EQ(text.picture.size(), before);
}

namespace {

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

// Line breaks of every kind split the title; twenty lines are allowed.
TEST(TextLines, LineBreaksOfEveryKindSplitTheTitle) {
  EXPECT_EQ(titleLines(QStringLiteral("a\r\nb\rc\nd")).size(), 4);
  EXPECT_EQ(titleLinesProblem(QString(19, QChar('\n'))), QString());
}

// "HHHH" over "H": the short line starts, ends or centres with the long one.
TEST(TextLines, AlignmentPlacesTheShortLine) {
  const QString text = QStringLiteral("HHHH\nH");
  const int firstLineRows = printed(QStringLiteral("H"), {}).picture.height();
  for (LineAlignment alignment : {LineAlignment::Left, LineAlignment::Centre, LineAlignment::Right,
                                  LineAlignment::Start, LineAlignment::End}) {
    const QImage picture = printed(text, {alignment, 1.5, 0}).picture;
    const auto [longFirst, longLast] = inkColumns(picture, 0, firstLineRows);
    const auto [shortFirst, shortLast] = inkColumns(picture, firstLineRows, picture.height());
    const int leftGap = shortFirst - longFirst;
    const int rightGap = longLast - shortLast;
    EXPECT_GT(leftGap + rightGap, (longLast - longFirst) / 2);
    switch (alignment) {
      // Latin lines read left to right: they start at the left.
      case LineAlignment::Left:
      case LineAlignment::Start: EXPECT_EQ(leftGap, 0); break;
      case LineAlignment::Centre: EXPECT_NEAR(leftGap, rightGap, 1); break;
      case LineAlignment::Right:
      case LineAlignment::End: EXPECT_NEAR(rightGap, 0, 1); break;
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
