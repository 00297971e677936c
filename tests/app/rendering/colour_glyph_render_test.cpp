// A title with colour glyphs: the fill tile the engine shades, and the
// relief it gives, the letter in the fill and the emoji in its own colours,
// both lit, at density 1 and 2 alike.
#include <QPainter>

#include "core_test.h"
#include "design/curve_file.h"
#include "design/design_state.h"
#include "design/text_picture.h"
#include "rendering/colour_glyph_fill.h"
#include "rendering/engine_library.h"
#include "rendering/render_pipeline.h"

namespace {

class ColourGlyphRenderTest : public testing::Test {
 protected:
  void SetUp() override {
    state.model.set(Setting::FillColour, StyleColour{255, 0, 0});
    CurvePoints curve;
    ASSERT_TRUE(
        loadCurve(curve, QStringLiteral("default.txt"), QStringLiteral(SHIPPED_CURVES), platform));
    setCurve(state.model, curve);
  }

  // `text` drawn on white with room around it, cut back to the mask's place.
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

// The mean colour of `picture` where `glyphs` is opaque.
std::array<int, 3> meanUnder(const QImage& picture, const QImage& glyphs) {
  std::array<qint64, 4> sums{};
  for (int y = 0; y < glyphs.height(); ++y)
    for (int x = 0; x < glyphs.width(); ++x)
      if (qAlpha(glyphs.pixel(x, y)) == 255) {
        const QRgb pixel = picture.pixel(x, y);
        sums[0] += qRed(pixel), sums[1] += qGreen(pixel), sums[2] += qBlue(pixel), ++sums[3];
      }
  const qint64 count = std::max<qint64>(sums[3], 1);
  return {int(sums[0] / count), int(sums[1] / count), int(sums[2] / count)};
}

}  // namespace

// One tile pixel per design pixel, one column more than the mask: a design
// pixel the glyph covers at all takes its colour whole (the mask softens
// its edge), the others the fill.
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
      EXPECT_EQ(tile.pixelColor(fill), QColor(255, 0, 0)) << fill.x() << "," << fill.y();
    const QRgb edge = tile.pixel(4, 2);
    EXPECT_EQ(edge & 0xffff00u, 0u);
    EXPECT_NEAR(qBlue(edge), 255, 2);
  }
}

// Under glyphs that cover nothing the title draws as its own fill draws, to
// the byte: a colour, a texture repeated from the mask's corner, a gradient.
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

// The letter's ink is red, lit light and dark; the cake's ink holds its own
// colours far from red, lit lighter and darker than the glyph; the cake
// drawn twice as dense shows the same colours.
TEST_F(ColourGlyphRenderTest, TheEmojiKeepsItsColoursAndTheLetterTheFillBothLit) {
  const QString title = QString::fromUtf8("A\U0001F370");
  const TextPicture text = printedAt(title, 1);
  const QImage picture = rendered({text.picture, text.colourGlyphs}, 1);
  int letterInk = 0, reddish = 0, cakeInk = 0, farFromRed = 0, lighter = 0, darker = 0;
  int letterLightest = 0, letterDarkest = 255;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QColor pixel = picture.pixelColor(x, y);
      const QColor glyph = text.colourGlyphs.pixelColor(x, y);
      if (qGray(text.picture.pixel(x, y)) >= 128) continue;
      if (glyph.alpha() == 0) {
        ++letterInk;
        reddish += pixel.red() > pixel.green() + 40 && pixel.green() == pixel.blue();
        letterLightest = std::max(letterLightest, pixel.lightness());
        letterDarkest = std::min(letterDarkest, pixel.lightness());
      } else if (glyph.alpha() == 255) {
        ++cakeInk;
        farFromRed += pixel.hsvSaturation() > 80 && pixel.hsvHue() > 25 && pixel.hsvHue() < 330;
        lighter += pixel.lightness() > glyph.lightness() + 20;
        darker += pixel.lightness() < glyph.lightness() - 20;
      }
    }
  EXPECT_GT(letterInk, 500);
  EXPECT_EQ(reddish, letterInk);
  EXPECT_GT(letterLightest - letterDarkest, 60);
  EXPECT_GT(farFromRed, cakeInk / 8);
  EXPECT_GT(std::min(lighter, darker), 20);

  const TextPicture dense = printedAt(title, 2);
  const auto once = meanUnder(picture, text.colourGlyphs);
  const auto twice =
      meanUnder(rendered({dense.picture, dense.colourGlyphs}, 2), dense.colourGlyphs);
  for (size_t channel = 0; channel < 3; ++channel) EXPECT_NEAR(twice[channel], once[channel], 12);
}
