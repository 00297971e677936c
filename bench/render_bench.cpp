// The in-process parts of `Velloro --render`: one title rendered onto the
// fresh canvas or a canvas fitted to it (the text printed, the engine, the canvas back), its PNG
// encoding, and reading a style document.
#include <benchmark/benchmark.h>

#include "design/effect_stack.h"
#include "design/style_json.h"
#include "headless/console_platform.h"
#include "headless/picture_output.h"
#include "headless/title_renderer.h"
#include "rendering/engine_library.h"

namespace {

TitleScene freshScene() {
  TitleScene scene;
  scene.style.curveValues = {40, 130, 200, 230, 180, 90};
  scene.canvas = QImage(631, 331, QImage::Format_RGB888);
  scene.canvas.fill(Qt::white);
  return scene;
}

void BM_RenderDefaultTitle(benchmark::State& run) {
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  ConsolePlatform console(stderr);
  TitleRenderer renderer(freshScene(), engine.entryPoints(), console);
  for (auto _ : run) benchmark::DoNotOptimize(renderer.render(QStringLiteral("Velloro")));
}
BENCHMARK(BM_RenderDefaultTitle)->Unit(benchmark::kMillisecond);

// Without a canvas of its own the title gets one that fits its whole design.
void BM_RenderFittedTitle(benchmark::State& run) {
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  ConsolePlatform console(stderr);
  TitleScene scene = freshScene();
  scene.canvas = QImage();
  TitleRenderer renderer(scene, engine.entryPoints(), console);
  for (auto _ : run) benchmark::DoNotOptimize(renderer.render(QStringLiteral("Velloro")));
}
BENCHMARK(BM_RenderFittedTitle)->Unit(benchmark::kMillisecond);

// A title of three lines at 75 points against its longest line alone, on a
// canvas that holds the block: the goal is at most twice the line's time.
void renderTitle(benchmark::State& run, const QString& text) {
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  ConsolePlatform console(stderr);
  TitleScene scene = freshScene();
  scene.canvas = QImage(800, 420, QImage::Format_RGB888);
  scene.canvas.fill(Qt::white);
  TitleRenderer renderer(scene, engine.entryPoints(), console);
  for (auto _ : run) benchmark::DoNotOptimize(renderer.render(text));
}

void BM_RenderLongestLineAlone(benchmark::State& run) {
  renderTitle(run, QStringLiteral("Fresh bread"));
}
BENCHMARK(BM_RenderLongestLineAlone)->Unit(benchmark::kMillisecond);

void BM_RenderThreeLineTitle(benchmark::State& run) {
  renderTitle(run, QStringLiteral("Sunny\nFresh bread\nBakery"));
}
BENCHMARK(BM_RenderThreeLineTitle)->Unit(benchmark::kMillisecond);

// The default title with one effect alone, then with the three of them
// stacked (argument 3), on the fresh canvas: what each entry of a stack
// costs against the effect alone. Each title is new, so every entry is
// rendered in full.
void BM_RenderStackedTitle(benchmark::State& run) {
  const EffectStack stack{
      {EffectType::DropShadow, {60, 70, 70}, {}, true},
      {EffectType::Glow, {60, 0, 0}, {255, 200, 40}, true},
      {EffectType::Outline1, {30, 0, 0}, {255, 255, 255}, true},
  };
  const auto choice = size_t(run.range(0));
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  ConsolePlatform console(stderr);
  TitleScene scene = freshScene();
  scene.style.effects = choice < stack.size() ? EffectStack{stack[choice]} : stack;
  TitleRenderer renderer(scene, engine.entryPoints(), console);
  int title = 0;
  for (auto _ : run)
    benchmark::DoNotOptimize(renderer.render(QStringLiteral("Velloro %1").arg(++title % 10)));
  static const char* const labels[] = {"drop shadow", "glow", "outline", "three-entry stack"};
  run.SetLabel(labels[std::min<size_t>(choice, 3)]);
}
BENCHMARK(BM_RenderStackedTitle)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_EncodeTitlePng(benchmark::State& run) {
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  ConsolePlatform console(stderr);
  TitleRenderer renderer(freshScene(), engine.entryPoints(), console);
  const QImage title = renderer.render(QStringLiteral("Velloro")).picture;
  for (auto _ : run)
    benchmark::DoNotOptimize(encodedPicture(title, QStringLiteral("png"), std::nullopt));
}
BENCHMARK(BM_EncodeTitlePng)->Unit(benchmark::kMillisecond);

void BM_ReadStyleDocument(benchmark::State& run) {
  const Style base = freshScene().style;
  const QByteArray document = styleDocument(base, QStringLiteral("Engraved blue"));
  for (auto _ : run) benchmark::DoNotOptimize(readStyle(document, base));
}
BENCHMARK(BM_ReadStyleDocument)->Unit(benchmark::kMicrosecond);

}  // namespace
