// The transparent design, laid over a background the way a browser does,
// against the engine's own render of the same design over that background:
// the default text "Velloro" at 75 points with each outside effect in turn.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTemporaryDir>
#include <cmath>

#include "desktop/scripted_platform.h"
#include "state/design_state.h"
#include "state/engine_library.h"
#include "state/outside_effects.h"
#include "state/render_pipeline.h"
#include "state/stored_layers.h"
#include "state/text_picture.h"
#include "state/transparent_design.h"
#include "state/web_encoding.h"

namespace {

QImage textureCanvas() {
  const QImage tile(QStringLiteral(SHIPPED_TEXTURES "/stone.bmp"));
  QImage canvas(631, 331, QImage::Format_RGB888);
  QPainter painter(&canvas);
  painter.drawTiledPixmap(canvas.rect(), QPixmap::fromImage(tile));
  return canvas;
}

QImage solidCanvas(QColor colour) {
  QImage canvas(631, 331, QImage::Format_RGB888);
  canvas.fill(colour);
  return canvas;
}

struct Agreement {
  int largest = 0;          // largest difference in any channel
  int opaque = 0;           // pixels the design replaces, opaque in the export
  int opaqueDifferent = 0;  // of those, pixels not exactly the render's colour
};

// The export laid over the background with straight alpha, rounded, against
// the render; the design's opaque pixels must be the render's exactly.
Agreement agreementOf(const QImage& design, const QImage& background, const QImage& rendered) {
  Agreement result;
  for (int y = 0; y < design.height(); ++y)
    for (int x = 0; x < design.width(); ++x) {
      const QRgb d = design.pixel(x, y), b = background.pixel(x, y), r = rendered.pixel(x, y);
      const int a = qAlpha(d);
      for (int shift : {16, 8, 0}) {  // red, green, blue
        const auto channel = [shift](QRgb pixel) { return int(pixel >> shift & 0xFF); };
        const int laid = int(std::lround((channel(d) * a + channel(b) * (255 - a)) / 255.0));
        result.largest = std::max(result.largest, std::abs(laid - channel(r)));
      }
      result.opaque += a == 255;
      result.opaqueDifferent += a == 255 && (d & RGB_MASK) != (r & RGB_MASK);
    }
  return result;
}

class DesignExactnessTest : public testing::TestWithParam<EffectType> {
 protected:
  void SetUp() override {
    state.workingFiles.canvas = folder.filePath(QStringLiteral("canvas.bmp"));
    state.effectType = GetParam();
    text.print(QStringLiteral("Velloro"));
  }

  QImage renderOver(const QImage& canvas) {
    captureCanvas(state, canvas);
    return renderDesign(state, text.picture, panels, engine.entryPoints(), platform);
  }

  // The exported picture as a browser would get it: encoded as PNG and read.
  QImage exportedDesign() {
    const QImage design =
        transparentDesign(storedLayersOver(solidCanvas(Qt::black), engine.entryPoints()),
                          storedLayersOver(solidCanvas(Qt::white), engine.entryPoints()));
    return QImage::fromData(encodeWebPicture(design, {WebFormat::Png, true, 100}))
        .convertToFormat(QImage::Format_ARGB32);
  }

  QTemporaryDir folder;
  DesignState state;
  PanelReadings panels;
  TextPicture text;
  ScriptedPlatform platform;
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
};

}  // namespace

// Every effect, Engraved and Raised included, changes the background
// affinely with one factor for the three channels, so the only error left is
// the engine's truncations and the 8-bit alpha: measured, at most 1 per
// channel over mid-grey and 2 over the stone texture, on every pixel.
TEST_P(DesignExactnessTest, ExportAndRepaintOverGreyAndTextureMatchTheRender) {
  struct Background {
    const char* name;
    QImage picture;
    int largestDifference;
  };
  for (const Background& background : {Background{"grey", solidCanvas(QColor(128, 128, 128)), 1},
                                       Background{"stone", textureCanvas(), 2}}) {
    const QImage rendered = renderOver(background.picture);
    const QImage design = exportedDesign();
    ASSERT_EQ(design.size(), rendered.size());
    const Agreement agreement = agreementOf(design, background.picture, rendered);
    EXPECT_LE(agreement.largest, background.largestDifference) << background.name;
    EXPECT_EQ(agreement.opaqueDifferent, 0) << background.name;
    EXPECT_GT(agreement.opaque, 5000) << background.name;  // the letters' faces
    // Painting the stored layers again renders nothing anew: over the
    // captured canvas it gives the canvas the Draw showed, to the byte.
    EXPECT_EQ(storedLayersOver(background.picture, engine.entryPoints()), rendered)
        << background.name;
  }
  EXPECT_EQ(qAlpha(exportedDesign().pixel(620, 320)), 0);  // far from the design
}

INSTANTIATE_TEST_SUITE_P(OutsideEffects, DesignExactnessTest, testing::ValuesIn([] {
                           std::vector<EffectType> types;
                           for (const OutsideEffect& effect : outsideEffects())
                             types.push_back(effect.type);
                           return types;
                         }()));
