// A title with colour glyphs: the fill tile the engine shades (the title's
// fill with the glyphs over it, one tile pixel per density x density mask
// pixels) and the relief it gives, the letters in the fill and the emoji in
// their own colours, both lit, at density 1 and 2 alike.
#include <QPainter>

#include "core_test.h"
#include "design/curve_file.h"
#include "design/design_state.h"
#include "design/text_picture.h"
#include "rendering/colour_glyph_fill.h"
#include "rendering/engine_library.h"
#include "rendering/render_pipeline.h"

namespace {

const QColor red(255, 0, 0);

class ColourGlyphRenderTest : public testing::Test {
 protected:
  void SetUp() override {
    state.model.set(Setting::FillColour, StyleColour{255, 0, 0});
    CurvePoints curve;
    ASSERT_TRUE(
        loadCurve(curve, QStringLiteral("default.txt"), QStringLiteral(SHIPPED_CURVES), platform));
    setCurve(state.model, curve);
  }

  // `text` drawn 20 design pixels from the corner of a white canvas with
  // that much room on every side.
  QImage rendered(const PrintedText& text, int density) {
    const int room = 20 * density;
    captureCanvasBuffers(state, filledPicture(text.picture.width() + 2 * room,
                                              text.picture.height() + 2 * room, Qt::white));
    state.designFrame = {room, room, 0, 0};
    return renderDesign(state, text, RenderMeasures{75, density}, engine.entryPoints(), platform)
        .copy(room, room, text.picture.width(), text.picture.height());
  }

  ScriptedPlatform platform;
  DesignState state;
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
};

TextPicture printedAt(const QString& text, int density) {
  TextPicture printed;
  printed.font.setPointSizeF(75 * density);
  printed.print(text);
  return printed;
}

QImage transparentPicture(QSize size) {
  QImage picture(size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  return picture;
}

int hue(QRgb pixel) { return QColor(pixel).hsvHue(); }

// The mean of `picture` over the pixels where `glyphs` is opaque.
QColor meanUnder(const QImage& picture, const QImage& glyphs) {
  qint64 sums[3]{}, count = 0;
  for (int y = 0; y < glyphs.height(); ++y)
    for (int x = 0; x < glyphs.width(); ++x) {
      if (qAlpha(glyphs.pixel(x, y)) < 255) continue;
      const QRgb pixel = picture.pixel(x, y);
      sums[0] += qRed(pixel), sums[1] += qGreen(pixel), sums[2] += qBlue(pixel), ++count;
    }
  if (count == 0) return {};
  return QColor(int(sums[0] / count), int(sums[1] / count), int(sums[2] / count));
}

}  // namespace

// A design pixel wholly covered takes the glyph's colour, and so does one
// covered in its top left mask pixel alone, or by a half transparent glyph:
// the mask, not the tile, softens a glyph's edge.
TEST_F(ColourGlyphRenderTest, TheTileIsTheFillWithTheGlyphsOverItOnePixelPerDesignPixel) {
  for (const int density : {1, 2, 3}) {
    SCOPED_TRACE(density);
    const QImage mask = filledPicture(6 * density, 4 * density, Qt::white);
    QImage glyphs = transparentPicture(mask.size());
    QPainter painter(&glyphs);
    painter.fillRect(2 * density, 1 * density, density, density, QColor(250, 200, 20));
    painter.fillRect(4 * density, 2 * density, 1, 1, QColor(0, 0, 255));
    painter.end();
    const QImage tile = colourGlyphFill(state, pictureBufferOf(mask), glyphs, density);
    ASSERT_EQ(tile.size(), QSize(7, 4));
    EXPECT_EQ(tile.pixelColor(2, 1), QColor(250, 200, 20));
    for (const QPoint fill : {QPoint(0, 0), QPoint(6, 3), QPoint(3, 1), QPoint(2, 2)})
      EXPECT_EQ(tile.pixelColor(fill), red) << fill.x() << "," << fill.y();
    const QColor edge = tile.pixelColor(4, 2);
    EXPECT_EQ(edge.red(), 0);
    EXPECT_EQ(edge.green(), 0);
    EXPECT_NEAR(edge.blue(), 255, 2);
  }
  const QImage mask = filledPicture(2, 1, Qt::white);
  QImage glyphs = transparentPicture(mask.size());
  glyphs.setPixel(0, 0, qRgba(60, 30, 0, 128));
  EXPECT_EQ(colourGlyphFill(state, pictureBufferOf(mask), glyphs, 1).pixelColor(0, 0),
            QColor(120, 60, 0));  // 60 and 30 times 255 / 128, rounded
}

// Under glyphs that cover nothing, the tile is the fill as the engine lays
// it without them, to the byte: a colour, a texture repeated from the
// mask's corner, a gradient.
TEST_F(ColourGlyphRenderTest, UnderNoGlyphTheTitleDrawsAsItsOwnFillDraws) {
  loadTexture(state, QImage(QStringLiteral(SHIPPED_TEXTURES "/stone.bmp")));
  setGradient(state.model, {{QColor(255, 128, 0), QColor(32, 64, 192)}, 30});
  const std::pair<FillKind, int> cases[] = {{FillKind::Colour, 1},
                                            {FillKind::Colour, 2},
                                            {FillKind::Texture, 1},
                                            {FillKind::Texture, 2},
                                            {FillKind::Gradient, 1}};
  for (const auto& [fill, density] : cases) {
    SCOPED_TRACE(testing::Message() << "fill " << int(fill) << " at density " << density);
    setKind(state.model, Setting::FillKind, fill);
    const TextPicture text = printedAt(QStringLiteral("Vel"), density);
    const QImage alone = rendered({text.picture}, density);
    EXPECT_EQ(rendered({text.picture, transparentPicture(text.picture.size())}, density), alone);
  }
}

// The letter's face is red; inside the cake's box lie its own colours, far
// from red; each is lit, with light and dark sides; the cake drawn twice as
// dense shows the same colours.
TEST_F(ColourGlyphRenderTest, TheEmojiKeepsItsColoursAndTheLetterTheFillBothLit) {
  const QString title = QString::fromUtf8("A\U0001F370");
  const TextPicture text = printedAt(title, 1);
  ASSERT_FALSE(text.colourGlyphs.isNull());
  const QImage picture = rendered({text.picture, text.colourGlyphs}, 1);
  QRect cake;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qAlpha(text.colourGlyphs.pixel(x, y)) == 255) cake |= QRect(x, y, 1, 1);
  ASSERT_GT(cake.width(), 40);
  int letterInk = 0, reddish = 0, cakeInk = 0, farFromRed = 0;
  int letterLightest = 0, letterDarkest = 255, lighterThanGlyph = 0, darkerThanGlyph = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      if (qGray(text.picture.pixel(x, y)) >= 128) continue;
      const QRgb pixel = picture.pixel(x, y);
      if (x < cake.left()) {
        ++letterInk;
        reddish += qRed(pixel) > qGreen(pixel) + 40 && qGreen(pixel) == qBlue(pixel);
        letterLightest = std::max(letterLightest, QColor(pixel).lightness());
        letterDarkest = std::min(letterDarkest, QColor(pixel).lightness());
        continue;
      }
      const QRgb glyph = text.colourGlyphs.pixel(x, y);
      if (qAlpha(glyph) < 255) continue;
      ++cakeInk;
      farFromRed += QColor(pixel).hsvSaturation() > 80 && hue(pixel) > 25 && hue(pixel) < 330;
      const int lit = QColor(pixel).lightness() - QColor(glyph).lightness();
      lighterThanGlyph += lit > 20;
      darkerThanGlyph += lit < -20;
    }
  EXPECT_GT(letterInk, 500);
  EXPECT_EQ(reddish, letterInk);
  EXPECT_GT(letterLightest - letterDarkest, 60);
  EXPECT_GT(farFromRed, cakeInk / 8);
  EXPECT_GT(lighterThanGlyph, 20);
  EXPECT_GT(darkerThanGlyph, 20);

  const TextPicture dense = printedAt(title, 2);
  const QColor once = meanUnder(picture, text.colourGlyphs);
  const QColor twice =
      meanUnder(rendered({dense.picture, dense.colourGlyphs}, 2), dense.colourGlyphs);
  EXPECT_NEAR(twice.red(), once.red(), 12);
  EXPECT_NEAR(twice.green(), once.green(), 12);
  EXPECT_NEAR(twice.blue(), once.blue(), 12);
}
