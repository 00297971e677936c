// Times one render of a layer (ACTION then DESTRUCTION) as the program runs
// it for the default text on the default 631 x 331 canvas.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "engine.h"
#include "text_like_mask.h"

namespace velloro::bench {
namespace {

struct Scene {
  BenchPicture mask = textLikeMask();
  BenchPicture source{631, 331, 255};
  BenchPicture output{631, 331, 255};
};

void renderText(Scene& scene, BenchPicture& mask, int32_t effectType, int32_t material) {
  TEXTURE(nullptr, 0, 0, 0, 0);
  ACTION(mask.bytes.data(), scene.source.bytes.data(), scene.output.bytes.data(), mask.stride,
         mask.rows, scene.output.stride, scene.output.rows, 95, 85, 75, 0, 0, material, 0,
         effectType, 50, 50, 255, 0, 0, 40, 90, 200, 1, 0, 51, 102, 153, 204, 255, 255, 204, 153,
         102, 51, 0);
  DESTRUCTION();
}

void BM_TextRenderByEffect(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) {
    BenchPicture mask = scene.mask;  // the render fills one-pixel gaps in its mask
    renderText(scene, mask, static_cast<int32_t>(state.range(0)), 0);
    benchmark::DoNotOptimize(scene.output.bytes.data());
  }
}
BENCHMARK(BM_TextRenderByEffect)
    ->DenseRange(0, 7)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_TextRenderByMaterial(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) {
    BenchPicture mask = scene.mask;
    renderText(scene, mask, 0, static_cast<int32_t>(state.range(0)));
    benchmark::DoNotOptimize(scene.output.bytes.data());
  }
}
BENCHMARK(BM_TextRenderByMaterial)
    ->DenseRange(0, 7)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A render of slot 1 on a 1024 x 768 picture that also shows a shape with a
// drop shadow in slot 2 and a turned picture outline in slot 3.
struct ThreeSlotScene {
  BenchPicture text = textLikeMask();
  BenchPicture shape = textLikeMask();  // slots 2 and 3 widen its box by up to 32 pixels
  BenchPicture source{1024, 768, 230};
  BenchPicture output{1024, 768, 230};

  void render(BenchPicture& mask, int32_t slot, int32_t columnOffset, int32_t rowOffset,
              int32_t deformationType, int32_t deformationAmount, int32_t effectType) {
    TEXTURE(nullptr, 0, 0, 0, 0);
    ACTION(mask.bytes.data(), source.bytes.data(), output.bytes.data(), mask.stride, mask.rows,
           output.stride, output.rows, columnOffset, rowOffset, 75, 0, 2, 6, deformationType,
           effectType, deformationAmount, 60, 30, 70, 0, 200, 160, 40, slot, 0, 51, 102, 153, 204,
           255, 255, 204, 153, 102, 51, 0);
    DESTRUCTION();
  }
};

void BM_ThreeSlotComposite(benchmark::State& state) {
  ThreeSlotScene scene;
  BenchPicture shape = scene.shape;
  scene.render(shape, 2, 300 - 32, 450 - 32, 0, 50, 1);
  BenchPicture picture = scene.shape;
  scene.render(picture, 3, 500 - 32, 100 - 32, 1, 10, 0);
  for (auto _ : state) {
    BenchPicture mask = scene.text;
    scene.render(mask, 1, 100, 200, 2, 70, 5);
    benchmark::DoNotOptimize(scene.output.bytes.data());
  }
}
BENCHMARK(BM_ThreeSlotComposite)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The default title at density 1 to 4: the mask and the canvas that many
// times as large, the engine's own measures that many times as long.
void BM_TextRenderAtDensity(benchmark::State& state) {
  const auto density = static_cast<int32_t>(state.range(0));
  const BenchPicture dense = textLikeMask(440 * density, 160 * density);
  BenchPicture source{631 * density, 331 * density, 255};
  BenchPicture output{631 * density, 331 * density, 255};
  VelloroEngine* engine = ENGINE_NEW(2);
  for (auto _ : state) {
    BenchPicture mask = dense;
    ENGINE_TEXTURE(engine, nullptr, 0, 0, 0, 0);
    ENGINE_ACTION(engine, density, mask.bytes.data(), source.bytes.data(), output.bytes.data(),
                  mask.stride, mask.rows, output.stride, output.rows, 95 * density, 85 * density,
                  75, 0, 2, 7, 0, 7, 50, 50, 255, 200, 0, 40, 90, 200, 1, 0, 51, 102, 153, 204, 255,
                  255, 204, 153, 102, 51, 0);
    ENGINE_DESTRUCTION(engine);
    benchmark::DoNotOptimize(output.bytes.data());
  }
  ENGINE_FREE(engine);
}
BENCHMARK(BM_TextRenderAtDensity)
    ->DenseRange(1, 4)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Frames of a turn's or a bend's amount dragged (first argument 1: turn,
// 2: bend; second: the outside effect, 0 none or 3 engraved, whose layer
// shades the whole region round the title) over a 300-point title on the
// 2524 x 1324 canvas, on one thread as the
// preview switches drafts on: each frame lays the stored layer anew. A
// frame at rest comes first, then the drag's first frame, which readies
// the layer's draft texels once for the whole drag, so the timed frames
// are those of a drag under way.
void BM_DraftFrameOnLargeCanvas(benchmark::State& state) {
  const auto deformation = static_cast<int32_t>(state.range(0));
  const auto effect = static_cast<int32_t>(state.range(1));
  const BenchPicture title = textLikeMask(2200, 450);
  BenchPicture source{2524, 1324, 255};
  BenchPicture output{2524, 1324, 255};
  VelloroEngine* engine = ENGINE_NEW(1);
  const auto frame = [&](int32_t amount) {
    BenchPicture mask = title;
    ENGINE_ACTION(engine, 1, mask.bytes.data(), source.bytes.data(), output.bytes.data(),
                  mask.stride, mask.rows, output.stride, output.rows, 162, 437, 300, 0, 0, 6,
                  deformation, effect, amount, 50, 50, 50, 0, 40, 90, 200, 1, 0, 51, 102, 153, 204,
                  255, 255, 204, 153, 102, 51, 0);
    ENGINE_DESTRUCTION(engine);
    benchmark::DoNotOptimize(output.bytes.data());
  };
  frame(20);
  ENGINE_PREVIEW(engine, 1);
  frame(22);
  constexpr int32_t kAmounts[] = {23, 30, 37, 64, 71, 78};
  size_t step = 0;
  for (auto _ : state) frame(kAmounts[step++ % std::size(kAmounts)]);
  ENGINE_FREE(engine);
  state.SetLabel(std::string(deformation == 1 ? "turn" : "bend") +
                 (effect == 3 ? ", engraved" : ""));
}
BENCHMARK(BM_DraftFrameOnLargeCanvas)
    ->ArgsProduct({{1, 2}, {0, 3}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Resident memory of the process in kilobytes (Linux), 0 where unknown.
long residentKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

// What making and freeing an engine object costs; the counter tells how
// much resident memory 1,000 objects, each used for a render, left behind.
void BM_EngineObjectMadeAndFreed(benchmark::State& state) {
  for (auto _ : state) {
    VelloroEngine* engine = ENGINE_NEW(1);
    benchmark::DoNotOptimize(engine);
    ENGINE_FREE(engine);
  }
  Scene scene;
  const auto renderOnFreshObject = [&] {
    VelloroEngine* engine = ENGINE_NEW(1);
    BenchPicture mask = scene.mask;
    ENGINE_ACTION(engine, 1, mask.bytes.data(), scene.source.bytes.data(),
                  scene.output.bytes.data(), mask.stride, mask.rows, scene.output.stride,
                  scene.output.rows, 95, 85, 75, 0, 0, 6, 0, 7, 50, 50, 255, 0, 0, 40, 90, 200, 1,
                  0, 51, 102, 153, 204, 255, 255, 204, 153, 102, 51, 0);
    ENGINE_DESTRUCTION(engine);
    ENGINE_FREE(engine);
  };
  renderOnFreshObject();  // the heap grows to a render's size once
  const long before = residentKilobytes();
  for (int i = 0; i < 1000; ++i) renderOnFreshObject();
  state.counters["kB_left_by_1000"] = static_cast<double>(residentKilobytes() - before);
}
BENCHMARK(BM_EngineObjectMadeAndFreed)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velloro::bench

BENCHMARK_MAIN();
