// Times one render of a layer (ACTION then DESTRUCTION) as the program runs
// it for the default text on the default 631 x 331 canvas.
#include <benchmark/benchmark.h>

#include <algorithm>

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
    ACTION(mask.bytes.data(), scene.source.bytes.data(), scene.output.bytes.data(), mask.stride, mask.rows,
           scene.output.stride, scene.output.rows, 95, 85, 75, 0, 0, material, 0, effectType, 50, 50, 255, 0, 0,
           40, 90, 200, 1, 0, 51, 102, 153, 204, 255, 255, 204, 153, 102, 51, 0);
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
BENCHMARK(BM_TextRenderByEffect)->DenseRange(0, 7)->Unit(benchmark::kMillisecond)
    ->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace velloro::bench

BENCHMARK_MAIN();
