// Pictures for the web: the design cut out of its renders over black and
// over white, its PNG and WebP files, and the cut-out laid over a background
// as a browser does against the engine's own render over it.
#include <QImageWriter>
#include <QPainter>
#include <cmath>

#include "core_test.h"
#include "design/design_state.h"
#include "design/outside_effects.h"
#include "design/text_picture.h"
#include "files/picture_formats.h"
#include "files/png_encoding.h"
#include "files/web_encoding.h"
#include "rendering/engine_library.h"
#include "rendering/render_pipeline.h"
#include "rendering/stored_layers.h"
#include "rendering/transparent_design.h"
#include "rendering/visible_extent.h"

namespace {

QImage textureCanvas() {
  const QImage tile(QStringLiteral(SHIPPED_TEXTURES "/stone.bmp"));
  QImage canvas(631, 331, QImage::Format_RGB888);
  QPainter painter(&canvas);
  painter.drawTiledPixmap(canvas.rect(), QPixmap::fromImage(tile));
  return canvas;
}

// The export laid over the background with straight alpha, rounded, against
// the render: the largest difference in any channel, the pixels opaque in the
// export, and of those the pixels not exactly the render's colour.
std::array<int, 3> agreementOf(const QImage& design, const QImage& background,
                               const QImage& rendered) {
  auto [largest, opaque, opaqueDifferent] = std::array<int, 3>{};
  for (int y = 0; y < design.height(); ++y)
    for (int x = 0; x < design.width(); ++x) {
      const QRgb d = design.pixel(x, y), b = background.pixel(x, y), r = rendered.pixel(x, y);
      const int a = qAlpha(d);
      for (int shift : {16, 8, 0}) {  // red, green, blue
        const auto channel = [shift](QRgb pixel) { return int(pixel >> shift & 0xFF); };
        const int laid = int(std::lround((channel(d) * a + channel(b) * (255 - a)) / 255.0));
        largest = std::max(largest, std::abs(laid - channel(r)));
      }
      opaque += a == 255;
      opaqueDifferent += a == 255 && (d & RGB_MASK) != (r & RGB_MASK);
    }
  return {largest, opaque, opaqueDifferent};
}

}  // namespace

TEST(WebEncodingTest, FormatsGoByExtensionAndLossyWebpShrinksWithQuality) {
  const std::pair<const char*, std::optional<WebFormat>> cases[] = {
      {"title.png", WebFormat::Png},   {"TITLE.PNG", WebFormat::Png},
      {"a.b.webp", WebFormat::Webp},   {"x.WebP", WebFormat::Webp},
      {"title.bmp", std::nullopt},     {"png", std::nullopt},
      {"title.png.jpg", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& [name, format] : cases)
    EXPECT_EQ(webFormatOfName(QString::fromLatin1(name)), format) << name;
  if (!QImageWriter::supportedImageFormats().contains("webp"))
    GTEST_SKIP() << "no WebP writer in this Qt";
  QImage picture = filledPicture(200, 100, Qt::transparent, QImage::Format_ARGB32);
  for (int y = 20; y < 80; ++y)
    for (int x = 30; x < 170; ++x) picture.setPixel(x, y, qRgba(x, y * 2, 200, 255));
  const QByteArray low = encodeWebPicture(picture, {WebFormat::Webp, false, 5});
  const QByteArray high = encodeWebPicture(picture, {WebFormat::Webp, false, 95});
  EXPECT_EQ(low.mid(8, 4), QByteArray("WEBP"));
  EXPECT_NE(low.mid(12, 4), QByteArray("VP8L"));
  EXPECT_LT(low.size(), high.size());
  EXPECT_EQ(QImage::fromData(high).pixelColor(100, 50).alpha(), 255);
}

TEST(PngEncoding, PixelsComeBackExactlyAndAnEmptyPictureIsRefused) {
  // Width, height, format and the colour type in byte 25 of the file.
  const std::tuple<int, int, QImage::Format, char> cases[] = {
      {631, 331, QImage::Format_RGB888, 2},
      {1, 1, QImage::Format_RGB888, 2},
      {5, 3, QImage::Format_RGB32, 2},
      {7, 2, QImage::Format_ARGB32, 6},
      {3, 9, QImage::Format_ARGB32_Premultiplied, 6},
      {300, 1, QImage::Format_RGBA8888, 6}};
  for (const auto& [width, height, format, colourType] : cases) {
    SCOPED_TRACE(testing::Message() << width << 'x' << height);
    const QImage picture = patterned(width, height, format);
    const QByteArray file = pngFileBytes(picture);
    EXPECT_EQ(file.left(16), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16));
    EXPECT_EQ(file.at(25), colourType);
    EXPECT_TRUE(file.endsWith(QByteArray("\0\0\0\0IEND\xae\x42\x60\x82", 12)));
    EXPECT_EQ(QImage::fromData(file, "PNG").convertToFormat(QImage::Format_ARGB32),
              picture.convertToFormat(QImage::Format_ARGB32));
  }
  // An empty picture is refused, or gives no bytes.
  EXPECT_TRUE(encodeWebPicture(QImage(), {WebFormat::Png, true, 90}).isEmpty());
  EXPECT_EQ(failureOf([] { pngFileBytes(QImage()); }).description(),
            QStringLiteral("cannot encode a png picture: the picture is empty"));
}

TEST(PictureFormatsTest, WebNameReplacesTheLastExtensionOnlyAndSaveEntriesEndAtWebp) {
  const std::tuple<const char*, WebFormat, const char*> cases[] = {
      {"/out/logo.png", WebFormat::Png, "/out/logo.png"},
      {"/out/logo.PNG", WebFormat::Png, "/out/logo.PNG"},  // already a PNG name
      {"/out/logo.bmp", WebFormat::Png, "/out/logo.png"},
      {"/out/logo.png", WebFormat::Webp, "/out/logo.webp"},
      {"/out/logo", WebFormat::Webp, "/out/logo.webp"},
      {"/out/my.title.jpg", WebFormat::Png, "/out/my.title.png"},
      {"/out.d/logo", WebFormat::Png, "/out.d/logo.png"},  // a dot in the folder only
      {"/out/.hidden", WebFormat::Png, "/out/.hidden.png"},
  };
  for (const auto& [chosen, format, name] : cases)
    EXPECT_EQ(webNameOf(QString::fromLatin1(chosen), format), QString::fromLatin1(name)) << chosen;
  // No entry lies beyond the save dialog's types, and WebP is saved without loss.
  EXPECT_EQ(webFormatOfSaveEntry(4), std::nullopt);
  EXPECT_EQ(webFormatOfSaveEntry(-1), std::nullopt);
  EXPECT_TRUE(savedWebEncoding(WebFormat::Webp).lossless);
}

TEST(TransparentDesignTest, SolvesColourAndAlphaOfOnePixelAndSeesOneFaintPixel) {
  // Over black, over white, and the non-premultiplied ARGB expected.
  const std::tuple<const char*, QRgb, QRgb, QRgb> cases[] = {
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
  for (const auto& [what, overBlack, overWhite, expected] : cases) {
    const QImage design = transparentDesign(filledPicture(1, 1, QColor(overBlack)),
                                            filledPicture(1, 1, QColor(overWhite)));
    ASSERT_EQ(design.format(), QImage::Format_ARGB32);
    EXPECT_EQ(design.pixel(0, 0), expected) << what;
  }
  // Pictures of different sizes give nothing visible.
  QImage design = transparentDesign(filledPicture(7, 5, Qt::red), filledPicture(8, 5, Qt::red));
  EXPECT_EQ(design.size(), QSize(7, 5));
  EXPECT_FALSE(anythingVisible(design));
  EXPECT_FALSE(anythingVisible(QImage()));
  design.setPixel(6, 4, qRgba(0, 0, 0, 1));
  EXPECT_TRUE(anythingVisible(design));
}

TEST(VisibleExtentTest, BoundsEveryPixelThatIsNotFullyTransparentAndTrims) {
  const std::pair<std::vector<QPoint>, QRect> cases[] = {
      {{}, QRect()},
      {{{0, 0}}, QRect(0, 0, 1, 1)},
      {{{9, 7}}, QRect(9, 7, 1, 1)},
      {{{3, 2}, {6, 5}}, QRect(3, 2, 4, 4)},
      {{{6, 1}, {2, 4}}, QRect(2, 1, 5, 4)},
      {{{0, 7}, {9, 0}}, QRect(0, 0, 10, 8)},
  };
  for (const auto& [visible, extent] : cases) {
    QImage picture = filledPicture(10, 8, Qt::transparent, QImage::Format_ARGB32);
    for (QPoint p : visible) picture.setPixel(p, qRgba(255, 255, 255, 1));
    EXPECT_EQ(visibleExtent(picture), extent) << visible.size();
  }
  QImage picture = filledPicture(6, 6, Qt::transparent, QImage::Format_ARGB32);
  EXPECT_TRUE(trimmedToVisible(picture, 4).isNull());
  picture.setPixel(2, 3, qRgba(1, 2, 3, 4));
  EXPECT_EQ(trimmedToVisible(picture, -3).size(), QSize(1, 1));
  EXPECT_EQ(trimmedToVisible(picture, 0).pixel(0, 0), qRgba(1, 2, 3, 4));
  // The design's extent is that of its transparent picture.
  QImage black = filledPicture(6, 4, Qt::black);
  QImage white = filledPicture(6, 4, Qt::white);
  black.setPixel(1, 1, qRgb(0, 0, 1));
  black.setPixel(4, 2, qRgb(0, 1, 1));
  white.setPixel(2, 3, qRgb(255, 254, 254));
  EXPECT_EQ(designExtent(black, white), QRect(2, 2, 3, 2));
  EXPECT_EQ(designExtent(black, white), visibleExtent(transparentDesign(black, white)));
  EXPECT_TRUE(designExtent(black, white.copy(0, 0, 5, 4)).isNull());
}

// Every effect, Engraved and Raised included, changes the background
// affinely with one factor for the three channels, so the only error left is
// the engine's truncations and the 8-bit alpha: measured, at most 1 per
// channel over mid-grey and 2 over the stone texture, on every pixel.
TEST(DesignExactnessTest, ExportAndRepaintOverGreyAndTextureMatchTheRenderOfEachEffect) {
  QTemporaryDir folder;
  DesignState state;
  state.workingFiles.canvas = folder.filePath(QStringLiteral("canvas.bmp"));
  TextPicture text;
  text.print(QStringLiteral("Velloro"));
  ScriptedPlatform platform;
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  // The exported picture as a browser would get it: encoded as PNG and read.
  const auto exportedDesign = [&engine] {
    const QImage design = transparentDesign(
        storedLayersOver(filledPicture(631, 331, Qt::black), engine.entryPoints()),
        storedLayersOver(filledPicture(631, 331, Qt::white), engine.entryPoints()));
    return QImage::fromData(encodeWebPicture(design, {WebFormat::Png, true, 100}))
        .convertToFormat(QImage::Format_ARGB32);
  };
  // Each background with the largest difference allowed over it.
  const std::tuple<const char*, QImage, int> backgrounds[] = {
      {"grey", filledPicture(631, 331, QColor(128, 128, 128)), 1}, {"stone", textureCanvas(), 2}};
  for (const OutsideEffect& effect : outsideEffects()) {
    // Each effect at the start positions of the first effect showing its sliders.
    EffectStack stack = effectStackOf(effect.type);
    if (!stack.empty())
      stack.back().values =
          std::ranges::find(outsideEffects(), effect.sliders, &OutsideEffect::sliders)
              ->startPositions;
    state.model.set(Setting::Effects, stack);
    for (const auto& [name, background, largestDifference] : backgrounds) {
      SCOPED_TRACE(testing::Message() << effect.name.data() << " over " << name);
      captureCanvas(state, background);
      const QImage rendered =
          renderDesign(state, {text.picture}, RenderMeasures{}, engine.entryPoints(), platform);
      const QImage design = exportedDesign();
      ASSERT_EQ(design.size(), rendered.size());
      const auto [largest, opaque, opaqueDifferent] = agreementOf(design, background, rendered);
      EXPECT_LE(largest, largestDifference);
      EXPECT_EQ(opaqueDifferent, 0);
      EXPECT_GT(opaque, 5000);  // the letters' faces
      // Painting the stored layers again renders nothing anew: over the
      // captured canvas it gives the canvas the Draw showed, to the byte.
      EXPECT_EQ(storedLayersOver(background, engine.entryPoints()), rendered);
    }
    EXPECT_EQ(qAlpha(exportedDesign().pixel(620, 320)), 0);  // far from the design
  }
}
