// Titles in every script: what no font draws is found and named, right-to-left
// and joined scripts are shaped, measured on the printed mask's ink.
#include "core_test.h"
#include "design/missing_glyphs.h"
#include "design/text_picture.h"

namespace {

// The ink of a mask: every pixel darker than half, as the engine reads it.
QRect inkOf(const QImage& picture) {
  QRect ink;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qGray(picture.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
  return ink;
}

// Columns without ink between the first and the last inked column.
int emptyColumnsWithin(const QImage& picture) {
  const QRect ink = inkOf(picture);
  int empty = 0;
  for (int x = ink.left(); x <= ink.right(); ++x) {
    bool inked = false;
    for (int y = ink.top(); y <= ink.bottom() && !inked; ++y)
      inked = qGray(picture.pixel(x, y)) < 128;
    if (!inked) ++empty;
  }
  return empty;
}

QImage printed(const QString& text) {
  TextPicture picture;
  picture.print(text);
  return picture.picture;
}

}  // namespace

// Linear A is drawn by no font of a Debian machine; the scripts of the
// fonts the machine set-up installs are.
TEST(MissingGlyphs, OnlyCharactersNoFontDrawsAreNamedOnceInTheirOrder) {
  const std::pair<const char*, QList<char32_t>> cases[] = {
      {"Velloro", {}},
      {"Caf\u00E9 \U00010600", {0x10600}},
      {"\U00010601\U00010600 x\n\U00010600 \U00010602", {0x10601, 0x10600, 0x10602}},
      {"a\u200Db\uFE0F c", {}},  // a joiner and a variation selector draw nothing
      {"\u0928\u092E\u0938\u094D\u0924\u0947 \u0926\u0941\u0928\u093F\u092F\u093E", {}},
      {"\u0E2A\u0E27\u0E31\u0E2A\u0E14\u0E35", {}},
      {"\u05E9\u05DC\u05D5\u05DD and \u0645\u0631\u062D\u0628\u0627", {}},
      {"Caf\u00E9 \U0001F370", {}},
  };
  TextPicture picture;
  for (const auto& [text, missing] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(charactersWithoutGlyph(picture.font, QString::fromUtf8(text), &picture.picture),
              missing);
  }
}

TEST(MissingGlyphs, TheMessageNamesEachCharacterAndItsCodePoint) {
  EXPECT_EQ(missingGlyphsText({0x10600, 0xE9, 0x928}),
            QString::fromUtf8("no font draws '\U00010600' (U+10600), '\u00E9' (U+00E9), "
                              "'\u0928' (U+0928)"));
}

// Lamed rises above the line and final nun falls below it: read from the
// right, lamed comes first, so the highest ink lies well right of the
// lowest; drawn left to right, it would lie left of it.
TEST(TitleScripts, HebrewReadsFromTheRight) {
  const QImage rightToLeft = printed(QString::fromUtf8("\u05DC\u05DF"));
  const QRect ink = inkOf(rightToLeft);
  ASSERT_FALSE(ink.isNull());
  const auto meanInkX = [&](int y) {
    double sum = 0;
    int count = 0;
    for (int x = ink.left(); x <= ink.right(); ++x)
      if (qGray(rightToLeft.pixel(x, y)) < 128) sum += x, ++count;
    return sum / std::max(count, 1);
  };
  EXPECT_GT(meanInkX(ink.top()), meanInkX(ink.bottom()) + ink.width() / 4);
}

// Joined, Arabic letters make one unbroken stroke; a zero-width non-joiner
// between them leaves each letter in its own form, with gaps between.
TEST(TitleScripts, ArabicLettersJoin) {
  EXPECT_EQ(emptyColumnsWithin(printed(QString::fromUtf8("\u0633\u0633\u0633\u0633"))), 0);
  EXPECT_GT(emptyColumnsWithin(printed(QString::fromUtf8("\u0633\u200C\u0633\u200C\u0633"))), 0);
}

// Complex scripts print ink.
TEST(TitleScripts, ComplexScriptsPrintInk) {
  for (const char* text : {"\u0928\u092E\u0938\u094D\u0924\u0947", "\u0E2A\u0E27\u0E31\u0E2A"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(inkOf(printed(QString::fromUtf8(text))).isNull());
  }
}

// A colour emoji is ink all over its shape, light colours too, not the few
// dark pixels of its drawing: the cake fills most of its box.
TEST(TitleScripts, AColourEmojiPrintsItsWholeShape) {
  const QImage cake = printed(QString::fromUtf8("\U0001F370"));
  const QRect ink = inkOf(cake);
  ASSERT_FALSE(ink.isNull());
  int inked = 0;
  for (int y = ink.top(); y <= ink.bottom(); ++y)
    for (int x = ink.left(); x <= ink.right(); ++x) inked += qGray(cake.pixel(x, y)) < 128;
  EXPECT_GT(inked, ink.width() * ink.height() / 2);
}

namespace {

// The ink of the rows from `top` to `bottom`.
QRect inkOfRows(const QImage& picture, int top, int bottom) {
  return inkOf(picture.copy(0, top, picture.width(), bottom - top));
}

}  // namespace

// A long Latin line over a short Hebrew one: "start" puts each line where
// its reading starts, "end" where it ends; left and right ignore direction.
TEST(TitleScripts, StartAndEndFollowEachLinesReadingDirection) {
  struct Case {
    LineAlignment alignment;
    bool leftEdgesMeet;  // else the right edges meet
  };
  const Case cases[] = {{LineAlignment::Start, false},
                        {LineAlignment::End, true},
                        {LineAlignment::Left, true},
                        {LineAlignment::Right, false}};
  const QString text = QString::fromUtf8("Velloro title\n\u05E9\u05DC\u05D5\u05DD");
  for (const Case& row : cases) {
    SCOPED_TRACE(int(row.alignment));
    TextPicture picture;
    picture.arrangement.alignment = row.alignment;
    picture.print(text);
    const int half = picture.picture.height() / 2;
    const QRect latin = inkOfRows(picture.picture, 0, half);
    const QRect hebrew = inkOfRows(picture.picture, half, picture.picture.height());
    ASSERT_GT(latin.width(), 2 * hebrew.width());
    const int leftGap = std::abs(latin.left() - hebrew.left());
    const int rightGap = std::abs(latin.right() - hebrew.right());
    EXPECT_LT(row.leftEdgesMeet ? leftGap : rightGap, 12);
    EXPECT_GT(row.leftEdgesMeet ? rightGap : leftGap, latin.width() / 3);
  }
}
