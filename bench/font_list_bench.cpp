// What the font list costs at start: the installed families alone, the
// installed variable fonts' named instances read afresh (fontconfig's list
// of variable files, then each face's axes and names), and the list with
// both once the instances are read; and the static font of one instance
// (Debian's Inter Thin), made when a title is first drawn in it.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QFontDatabase>
#include <variant>

#include "design/font_installed_instances.h"
#include "design/font_instances.h"

namespace {

void installedFamilies(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(QFontDatabase::families());
}
BENCHMARK(installedFamilies)->Unit(benchmark::kMillisecond);

void installedInstancesRead(benchmark::State& state) {
  std::size_t count = 0;
  for (auto _ : state) count = readInstalledInstances().size();
  state.counters["instances"] = double(count);
}
BENCHMARK(installedInstancesRead)->Unit(benchmark::kMillisecond);

void listedFamiliesWithInstances(benchmark::State& state) {
  installedInstances();
  for (auto _ : state) benchmark::DoNotOptimize(listedFamilies());
}
BENCHMARK(listedFamiliesWithInstances)->Unit(benchmark::kMillisecond);

void oneInstanceMade(benchmark::State& state) {
  QFile file(QStringLiteral("/usr/share/fonts/truetype/inter-vf/Inter-roman.var.ttf"));
  if (!file.open(QIODevice::ReadOnly)) {
    state.SkipWithError("Debian's Inter is not installed");
    return;
  }
  const QByteArray bytes = file.readAll();
  for (auto _ : state) {
    const auto made =
        staticFontOf(bytes, 0, 1, {QStringLiteral("Inter Thin"), QStringLiteral("Thin")});
    if (!std::holds_alternative<QByteArray>(made))
      state.SkipWithError("the instance cannot be made");
  }
}
BENCHMARK(oneInstanceMade)->Unit(benchmark::kMillisecond);

}  // namespace
