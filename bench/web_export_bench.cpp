// Times Export for the web of the default text "Velloro" at 75 points on the
// default 631 x 331 canvas: the stored layers painted over black and white
// and solved for colour and alpha, then trimmed (the export's own work), and
// apart from it the encoders' time for the trimmed picture.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "design/design_state.h"
#include "design/text_picture.h"
#include "desktop/scripted_platform.h"
#include "output/web_export.h"
#include "rendering/engine_library.h"
#include "rendering/render_pipeline.h"
#include "rendering/stored_layers.h"

namespace {

const QSize defaultCanvas(631, 331);

// Draws the default text once, so that the engine holds its layer.
class DefaultDesign {
 public:
  DefaultDesign() : engine_(QStringLiteral(ENGINE_PATH)) {
    state_.workingFiles.canvas = folder_.filePath(QStringLiteral("canvas.bmp"));
    QImage canvas(defaultCanvas, QImage::Format_RGB888);
    canvas.fill(Qt::white);
    captureCanvas(state_, canvas);
    TextPicture text;
    text.print(QStringLiteral("Velloro"));
    renderDesign(state_, {text.picture}, RenderMeasures{}, engine_.entryPoints(), platform_);
  }

  const EngineEntryPoints& engine() { return engine_.entryPoints(); }

 private:
  QTemporaryDir folder_;
  DesignState state_;
  ScriptedPlatform platform_;
  EngineLibrary engine_;
};

void BM_ExportWithoutEncoding(benchmark::State& run) {
  DefaultDesign design;
  for (auto _ : run) {
    const QImage picture = exportedPicture(designAlone(defaultCanvas, design.engine()), {});
    benchmark::DoNotOptimize(picture.constBits());
  }
}
BENCHMARK(BM_ExportWithoutEncoding)->Unit(benchmark::kMillisecond);

void BM_Encoding(benchmark::State& run, WebEncoding encoding) {
  DefaultDesign design;
  const QImage picture = exportedPicture(designAlone(defaultCanvas, design.engine()), {});
  for (auto _ : run) benchmark::DoNotOptimize(encodeWebPicture(picture, encoding).size());
}
BENCHMARK_CAPTURE(BM_Encoding, png, WebEncoding{WebFormat::Png, true, 90})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Encoding, webp_lossless, WebEncoding{WebFormat::Webp, true, 90})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Encoding, webp_quality_80, WebEncoding{WebFormat::Webp, false, 80})
    ->Unit(benchmark::kMillisecond);

}  // namespace
