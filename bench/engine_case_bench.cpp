// The engine's four size cases of a title: the default title on the default
// canvas, four times its pixels, a 300-point title and sixteen times the
// default's pixels. Each case reports the first render of a fresh process,
// later renders, peak memory and the working memory per canvas pixel, for
// this engine and, measured in the same run, for the engine before its speed
// work ("today"), with the ratio of the two.
//
// First renders and memory come from child processes (this program started
// again with --render-child), so every one starts without anything paged in
// or kept by the engine.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "engine.h"
#include "text_like_mask.h"

namespace velloro::bench {
namespace {

struct RenderCase {
  const char* name;
  int32_t maskWidth;
  int32_t maskRows;
  int32_t canvasWidth;
  int32_t canvasRows;
  int32_t pointSize;  // the smoothing size the program passes
};

constexpr RenderCase kCases[] = {
    {"default_title", 440, 160, 631, 331, 100},
    {"four_times_the_pixels", 880, 320, 1262, 662, 200},
    {"title_300pt", 2200, 450, 2300, 500, 300},
    {"sixteen_times_the_pixels", 1760, 640, 2524, 1324, 400},
};

// The four entry points of one engine library, loaded by path.
class EngineLibrary {
 public:
  explicit EngineLibrary(const char* path) : handle_(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
    if (handle_ == nullptr) return;
    action_ = reinterpret_cast<decltype(&ACTION)>(dlsym(handle_, "ACTION"));
    destruction_ = reinterpret_cast<decltype(&DESTRUCTION)>(dlsym(handle_, "DESTRUCTION"));
    texture_ = reinterpret_cast<decltype(&TEXTURE)>(dlsym(handle_, "TEXTURE"));
  }
  EngineLibrary(const EngineLibrary&) = delete;
  EngineLibrary& operator=(const EngineLibrary&) = delete;

  bool loaded() const { return action_ != nullptr && destruction_ != nullptr && texture_; }

  // The engine takes over the work of a render of the same mask, so every
  // other mask it is given has the lowest bit of its first byte flipped,
  // which leaves that pixel's side of the outline alone: every render is
  // then a whole one.
  bool alternatesMask() const { return alternate_ = !alternate_; }

  // One render cycle of the program: TEXTURE, ACTION, DESTRUCTION.
  void render(const RenderCase& c, BenchPicture& mask, BenchPicture& source, BenchPicture& output,
              int32_t deformationType = 0, int32_t deformationAmount = 50) const {
    const int32_t columnOffset = (c.canvasWidth - c.maskWidth) / 2;
    const int32_t rowOffset = (c.canvasRows - c.maskRows) / 2;
    texture_(nullptr, 0, 0, 0, 0);
    action_(mask.bytes.data(), source.bytes.data(), output.bytes.data(), mask.stride, mask.rows,
            output.stride, output.rows, columnOffset, rowOffset, c.pointSize, 0, 0, 0,
            deformationType, 0, deformationAmount, 50, 0, 0, 0, 200, 0, 0, 1, 0, 51, 102, 153, 204,
            255, 255, 204, 153, 102, 51, 0);
    destruction_();
  }

 private:
  void* handle_;
  decltype(&ACTION) action_ = nullptr;
  decltype(&DESTRUCTION) destruction_ = nullptr;
  decltype(&TEXTURE) texture_ = nullptr;
  mutable bool alternate_ = false;
};

// The pictures of a case; the render fills one-pixel gaps in its mask, so
// each render gets a fresh copy of the drawn one.
struct Scene {
  const RenderCase& renderCase;
  BenchPicture drawn;
  BenchPicture mask;
  BenchPicture source;
  BenchPicture output;

  explicit Scene(const RenderCase& c)
      : renderCase(c),
        drawn(textLikeMask(c.maskWidth, c.maskRows)),
        mask(drawn),
        source(c.canvasWidth, c.canvasRows, 255),
        output(c.canvasWidth, c.canvasRows, 255) {}

  double renderSeconds(const EngineLibrary& engine) {
    mask.bytes = drawn.bytes;
    if (engine.alternatesMask()) mask.bytes[0] ^= 1;
    const auto start = std::chrono::steady_clock::now();
    engine.render(renderCase, mask, source, output);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
  }
};

// Kilobytes of a line of /proc/self/status ("VmRSS", "VmHWM").
long statusKilobytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(field) + ":";
  while (std::getline(status, line)) {
    if (line.rfind(prefix, 0) == 0) return std::atol(line.c_str() + prefix.size());
  }
  return 0;
}

// What a child process measured.
struct ChildReport {
  double firstSeconds = 0;
  long peakKilobytes = 0;     // the whole process
  long workingKilobytes = 0;  // peak above the resident size before the first render
  long growthKilobytes = 0;   // resident size after the last render above that after the tenth
};

// The child: the pictures are made and paged in before the engine is
// loaded; then one first render and `renders` - 1 later ones.
int runChild(const char* libraryPath, int caseIndex, int renders) {
  Scene scene(kCases[caseIndex]);
  const long before = statusKilobytes("VmRSS");
  EngineLibrary engine(libraryPath);
  if (!engine.loaded()) return 1;
  const double first = scene.renderSeconds(engine);
  long afterTenth = 0;
  for (int i = 1; i < renders; ++i) {
    scene.renderSeconds(engine);
    if (i == 9) afterTenth = statusKilobytes("VmRSS");
  }
  const long growth = renders >= 10 ? statusKilobytes("VmRSS") - afterTenth : 0;
  std::printf("%.9f %ld %ld %ld\n", first, statusKilobytes("VmHWM"),
              statusKilobytes("VmHWM") - before, growth);
  return 0;
}

std::string selfPath;

std::optional<ChildReport> measureInChild(const char* libraryPath, int caseIndex, int renders) {
  const std::string command = "'" + selfPath + "' --render-child '" + libraryPath + "' " +
                              std::to_string(caseIndex) + " " + std::to_string(renders);
  FILE* child = popen(command.c_str(), "r");
  if (child == nullptr) return std::nullopt;
  ChildReport report;
  const int read =
      std::fscanf(child, "%lf %ld %ld %ld", &report.firstSeconds, &report.peakKilobytes,
                  &report.workingKilobytes, &report.growthKilobytes);
  if (pclose(child) != 0 || read != 4) return std::nullopt;
  return report;
}

double canvasPixels(const RenderCase& c) {
  return static_cast<double>(c.canvasWidth) * static_cast<double>(c.canvasRows);
}

constexpr auto kAverage = benchmark::Counter::kAvgIterations;

void BM_FirstRender(benchmark::State& state) {
  const int caseIndex = static_cast<int>(state.range(0));
  const RenderCase& c = kCases[caseIndex];
  double todaySeconds = 0;
  double todayPeak = 0;
  double todayWorking = 0;
  double peak = 0;
  double working = 0;
  for (auto _ : state) {
    const auto report = measureInChild(ENGINE_PATH, caseIndex, 6);
    if (!report) {
      state.SkipWithError("the child render failed");
      return;
    }
    state.SetIterationTime(report->firstSeconds);
    peak += report->peakKilobytes / 1024.0;
    working += report->workingKilobytes * 1024.0 / canvasPixels(c);
#ifdef TODAY_ENGINE_PATH
    if (const auto today = measureInChild(TODAY_ENGINE_PATH, caseIndex, 6)) {
      todaySeconds += today->firstSeconds;
      todayPeak += today->peakKilobytes / 1024.0;
      todayWorking += today->workingKilobytes * 1024.0 / canvasPixels(c);
    }
#endif
  }
  state.SetLabel(c.name);
  state.counters["peak_MB"] = benchmark::Counter(peak, kAverage);
  state.counters["bytes_per_pixel"] = benchmark::Counter(working, kAverage);
#ifdef TODAY_ENGINE_PATH
  state.counters["today_ms"] = benchmark::Counter(todaySeconds * 1000, kAverage);
  state.counters["today_peak_MB"] = benchmark::Counter(todayPeak, kAverage);
  state.counters["today_bytes_per_pixel"] = benchmark::Counter(todayWorking, kAverage);
#endif
}
BENCHMARK(BM_FirstRender)
    ->DenseRange(0, 3)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// Renders after the first, both engines in turn in this process.
void BM_LaterRenders(benchmark::State& state) {
  const RenderCase& c = kCases[state.range(0)];
  Scene scene(c);
  EngineLibrary engine(ENGINE_PATH);
  if (!engine.loaded()) {
    state.SkipWithError("the engine did not load");
    return;
  }
  scene.renderSeconds(engine);
#ifdef TODAY_ENGINE_PATH
  EngineLibrary today(TODAY_ENGINE_PATH);
  double todaySeconds = 0;
  double seconds = 0;
  if (today.loaded()) scene.renderSeconds(today);
#endif
  for (auto _ : state) {
    const double took = scene.renderSeconds(engine);
    state.SetIterationTime(took);
#ifdef TODAY_ENGINE_PATH
    seconds += took;
    if (today.loaded()) todaySeconds += scene.renderSeconds(today);
#endif
  }
  state.SetLabel(c.name);
#ifdef TODAY_ENGINE_PATH
  state.counters["today_ms"] = benchmark::Counter(todaySeconds * 1000, kAverage);
  if (todaySeconds > 0) state.counters["ratio"] = seconds / todaySeconds;
#endif
}
BENCHMARK(BM_LaterRenders)->DenseRange(0, 3)->UseManualTime()->Unit(benchmark::kMillisecond);

// Renders of the same mask whose deformation changes from one to the next,
// as while the deformation slider of the live preview is dragged: the
// engine lays the layer of the render before again (argument 2: curved).
void BM_DeformedRenders(benchmark::State& state) {
  const RenderCase& c = kCases[3];
  const int32_t deformation = static_cast<int32_t>(state.range(0));
  Scene scene(c);
  int32_t amount = 0;
  const auto timed = [&](const EngineLibrary& engine) {
    scene.mask.bytes = scene.drawn.bytes;
    const auto start = std::chrono::steady_clock::now();
    engine.render(c, scene.mask, scene.source, scene.output, deformation, amount);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
  };
  EngineLibrary engine(ENGINE_PATH);
  if (!engine.loaded()) {
    state.SkipWithError("the engine did not load");
    return;
  }
  timed(engine);
#ifdef TODAY_ENGINE_PATH
  EngineLibrary today(TODAY_ENGINE_PATH);
  double todaySeconds = 0;
  double seconds = 0;
#endif
  for (auto _ : state) {
    amount = (amount + 1) % 90;
    const double took = timed(engine);
    state.SetIterationTime(took);
#ifdef TODAY_ENGINE_PATH
    seconds += took;
    if (today.loaded()) todaySeconds += timed(today);
#endif
  }
  state.SetLabel(deformation == 0 ? "straight" : "curved");
#ifdef TODAY_ENGINE_PATH
  state.counters["today_ms"] = benchmark::Counter(todaySeconds * 1000, kAverage);
  if (todaySeconds > 0) state.counters["ratio"] = seconds / todaySeconds;
#endif
}
BENCHMARK(BM_DeformedRenders)->Arg(0)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);

// Resident memory after 1,000 renders of the default title against that
// after ten: the engine keeps what it needs and nothing more.
void BM_MemoryGrowthOver1000Renders(benchmark::State& state) {
  for (auto _ : state) {
    const auto report = measureInChild(ENGINE_PATH, 0, 1000);
    if (!report) {
      state.SkipWithError("the child render failed");
      return;
    }
    state.counters["growth_kB"] = static_cast<double>(report->growthKilobytes);
  }
}
BENCHMARK(BM_MemoryGrowthOver1000Renders)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace velloro::bench

int main(int argc, char** argv) {
  if (argc == 5 && std::strcmp(argv[1], "--render-child") == 0) {
    return velloro::bench::runChild(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
  }
  std::error_code failed;
  velloro::bench::selfPath = std::filesystem::read_symlink("/proc/self/exe", failed).string();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
