// Times the whole Draw of the default text at 75 points on the default
// 631 x 331 canvas: the text printed into its mask, the relief engine, and
// the result shown and painted on the canvas.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "main_window/frm_main.h"
#include "platform/scripted_platform.h"
#include "state/design_state.h"
#include "state/engine_library.h"

namespace {

void BM_DrawDefaultText(benchmark::State& run) {
  auto scripted = std::make_unique<ScriptedPlatform>();
  const ScriptedPlatform& seam = *scripted;
  usePlatform(std::move(scripted));
  design() = DesignState{};
  createStartupWorkingFiles(design().workingFiles);
  QTemporaryDir folder;
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  FrmMain window(folder.path());
  window.useEngine(engine);
  window.resize(556, 433);
  window.show();
  window.fillSizeList();
  window.captureCanvas();
  for (auto _ : run) {
    window.draw();
    window.canvasView()->repaint();
  }
  if (!seam.messages.empty()) run.SkipWithError(seam.messages.front().text.toUtf8().constData());
  deleteWorkingFiles(design().workingFiles);
}
BENCHMARK(BM_DrawDefaultText)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
