// Opening a log of a million records in the viewer's main window up to its first paint, on Qt's
// offscreen platform. Reports the process's peak memory after the loads.

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QPixmap>
#include <string>

#include "bench/bench_logs.h"
#include "viewer/core/settings.h"
#include "viewer/gui/main_window.h"
#include "viewer/gui/user_dialogs.h"

namespace {

constexpr int kRecords = 1'000'000;

void BM_OpenAndPaintMillionRecordLog(benchmark::State& state) {
  const std::string path = WriteSectionedLog(kRecords, [](int i) {
    return std::make_unique<TUserMessageEvent>("message " + std::to_string(i));
  });
  TOXOptions settings(path + ".ini");
  settings.Load();
  TUserDialogs dialogs;
  for (auto _ : state) {
    TEventForm window(settings, dialogs);
    window.resize(1000, 700);
    window.Load(path);
    benchmark::DoNotOptimize(window.grab());  // the first paint
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  unlink(path.c_str());
}
BENCHMARK(BM_OpenAndPaintMillionRecordLog)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
