// Colour glyphs in a printed title: kept in their own colours apart from
// the letters, inked into the mask as deep as they are opaque.
#include "design/colour_glyphs.h"

#include "core_test.h"
#include "design/text_picture.h"

// A glyph pixel is as dark as it is opaque; a pen's grey stays where it is
// darker; where a letter's black mixed into a glyph's colours it is ink.
TEST(ColourGlyphs, AGlyphInksTheMaskAsDeepAsItIsOpaque) {
  const std::tuple<QRgb, QRgb, int> cases[] = {
      // printed, glyph (premultiplied), grey
      {qRgb(255, 255, 255), qRgba(255, 255, 255, 255), 0},  // the cake's white cream
      {qRgb(250, 120, 80), qRgba(245, 100, 60, 255), 0},
      {qRgb(250, 200, 190), qRgba(120, 30, 20, 128), 127},  // a soft edge
      {qRgb(255, 255, 255), 0, 255},
      {qRgb(90, 90, 90), qRgba(20, 10, 0, 40), 90},
      {qRgb(220, 220, 220), qRgba(20, 10, 0, 100), 155},
      {qRgb(40, 90, 20), 0, 0},
  };
  for (const auto& [printedColour, glyph, grey] : cases) {
    SCOPED_TRACE(printedColour);
    QImage printed(1, 1, QImage::Format_RGB888), glyphs(1, 1, QImage::Format_ARGB32_Premultiplied);
    printed.setPixel(0, 0, printedColour);
    glyphs.setPixel(0, 0, glyph);
    inkColourGlyphs(printed, glyphs);
    EXPECT_EQ(printed.pixel(0, 0), qRgb(grey, grey, grey));
  }
}

// The cake keeps its colours right of the letter, and its opaque pixels
// are ink; a title of letters alone has no colour layer.
TEST(ColourGlyphs, ATitlePrintsItsEmojiInTheirColoursBesideItsLetters) {
  TextPicture text;
  text.print(QString::fromUtf8("A\U0001F370"));
  ASSERT_EQ(text.colourGlyphs.size(), text.picture.size());
  int inkLeft = text.picture.width(), cakeLeft = inkLeft, opaque = 0, coloured = 0;
  for (int y = 0; y < text.picture.height(); ++y)
    for (int x = 0; x < text.picture.width(); ++x) {
      const QRgb glyph = text.colourGlyphs.pixel(x, y);
      if (qGray(text.picture.pixel(x, y)) < 128) inkLeft = std::min(inkLeft, x);
      if (qAlpha(glyph) > 0) cakeLeft = std::min(cakeLeft, x);
      if (qAlpha(glyph) < 255) continue;
      ++opaque;
      coloured += QColor(glyph).hsvSaturation() > 100;
      EXPECT_EQ(text.picture.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
    }
  EXPECT_GT(cakeLeft, inkLeft + 30);
  EXPECT_GT(coloured, opaque / 2);
  text.print(QStringLiteral("A"));
  EXPECT_TRUE(text.colourGlyphs.isNull());
  EXPECT_FALSE(holdsColouredPixels(text.picture));
}
