// Colour glyphs in a printed title: found by the two pens, kept in their
// own colours, inked into the mask as deep as they are opaque; a title
// without them prints no colour layer at all.
#include "design/colour_glyphs.h"

#include "core_test.h"
#include "design/text_picture.h"

namespace {

QImage onePixel(QImage::Format format, QRgb colour) {
  QImage picture(1, 1, format);
  picture.setPixel(0, 0, colour);
  return picture;
}

// The box of the pixels at least `alpha` opaque.
QRect opaqueBox(const QImage& picture, int alpha) {
  QRect box;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qAlpha(picture.pixel(x, y)) >= alpha) box |= QRect(x, y, 1, 1);
  return box;
}

QRect inkBox(const QImage& picture) {
  QRect box;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qGray(picture.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace

TEST(ColourGlyphs, OnlyAPixelThatIsNoGreyIsColoured) {
  const std::pair<QRgb, bool> cases[] = {{qRgb(255, 255, 255), false},
                                         {qRgb(0, 0, 0), false},
                                         {qRgb(77, 77, 77), false},
                                         {qRgb(77, 77, 78), true},
                                         {qRgb(200, 10, 10), true}};
  for (const auto& [colour, coloured] : cases) {
    SCOPED_TRACE(colour);
    QImage printed(5, 3, QImage::Format_RGB888);
    printed.fill(Qt::white);
    printed.setPixel(4, 2, colour);
    EXPECT_EQ(holdsColouredPixels(printed), coloured);
  }
}

// Each pair of pixels beside a pixel of a glyph the pens agree on; without
// that pixel the prints hold no colour glyph at all.
TEST(ColourGlyphs, ThePixelsTheTwoPensAgreeOnAreKept) {
  struct Case {
    QRgb inBlack, inWhite, kept;
  };
  const Case cases[] = {
      {qRgba(200, 40, 10, 255), qRgba(200, 40, 10, 255), qRgba(200, 40, 10, 255)},
      {qRgba(60, 30, 0, 128), qRgba(60, 30, 0, 128), qRgba(60, 30, 0, 128)},
      {qRgba(0, 0, 0, 255), qRgba(255, 255, 255, 255), 0},  // a letter
      {qRgba(0, 0, 0, 90), qRgba(90, 90, 90, 90), 0},       // a letter's soft edge
      {0, 0, 0},
  };
  const QRgb glyph = qRgba(30, 160, 40, 255);
  for (const Case& row : cases) {
    SCOPED_TRACE(row.inBlack);
    QImage inBlack(2, 1, QImage::Format_ARGB32_Premultiplied);
    inBlack.fill(Qt::transparent);
    QImage inWhite = inBlack;
    inBlack.setPixel(0, 0, row.inBlack);
    inWhite.setPixel(0, 0, row.inWhite);
    EXPECT_EQ(colourGlyphsOf(inBlack, inWhite).isNull(), row.kept == 0);
    inBlack.setPixel(1, 0, glyph);
    inWhite.setPixel(1, 0, glyph);
    const QImage kept = colourGlyphsOf(inBlack, inWhite);
    EXPECT_EQ(kept.pixel(0, 0), row.kept);
    EXPECT_EQ(kept.pixel(1, 0), glyph);
  }
}

// A glyph pixel is as dark as it is opaque; a pen's grey stays where it is
// darker; where a letter's black mixed into a glyph's colours it is ink.
TEST(ColourGlyphs, AGlyphInksTheMaskAsDeepAsItIsOpaque) {
  struct Case {
    QRgb printed;
    QRgb glyph;  // premultiplied
    int grey;
  };
  const Case cases[] = {
      {qRgb(255, 255, 255), qRgba(255, 255, 255, 255), 0},  // the cake's white cream
      {qRgb(250, 120, 80), qRgba(245, 100, 60, 255), 0},
      {qRgb(250, 200, 190), qRgba(120, 30, 20, 128), 127},  // a soft edge
      {qRgb(255, 255, 255), 0, 255},
      {qRgb(90, 90, 90), 0, 90},
      {qRgb(90, 90, 90), qRgba(20, 10, 0, 40), 90},
      {qRgb(220, 220, 220), qRgba(20, 10, 0, 100), 155},
      {qRgb(40, 90, 20), 0, 0},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.printed);
    QImage printed = onePixel(QImage::Format_RGB888, row.printed);
    inkColourGlyphs(printed, onePixel(QImage::Format_ARGB32_Premultiplied, row.glyph));
    EXPECT_EQ(printed.pixel(0, 0), qRgb(row.grey, row.grey, row.grey));
  }
}

// The cake keeps its colours right of the letter, and all of its shape is
// ink; the letter is no colour glyph. Printed again without the cake, the
// title has no colour layer.
TEST(ColourGlyphs, ATitlePrintsItsEmojiInTheirColoursBesideItsLetters) {
  TextPicture text;
  text.print(QString::fromUtf8("A\U0001F370"));
  ASSERT_FALSE(text.colourGlyphs.isNull());
  EXPECT_EQ(text.colourGlyphs.size(), text.picture.size());
  const QRect cake = opaqueBox(text.colourGlyphs, 1);
  const QRect ink = inkBox(text.picture);
  ASSERT_FALSE(cake.isEmpty());
  EXPECT_GT(cake.left(), ink.left() + cake.width() / 2);
  EXPECT_EQ(ink.right(), opaqueBox(text.colourGlyphs, 128).right());
  int colours = 0;
  for (int y = cake.top(); y <= cake.bottom(); ++y)
    for (int x = cake.left(); x <= cake.right(); ++x) {
      const QRgb glyph = text.colourGlyphs.pixel(x, y);
      if (qAlpha(glyph) < 255) continue;
      EXPECT_EQ(text.picture.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
      colours += QColor(glyph).hsvSaturation() > 100;
    }
  EXPECT_GT(colours, cake.width() * cake.height() / 4);
  text.print(QStringLiteral("A"));
  EXPECT_TRUE(text.colourGlyphs.isNull());
  EXPECT_FALSE(holdsColouredPixels(text.picture));
}
