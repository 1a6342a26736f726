// A log of a million records in the viewer's main window, on Qt's offscreen platform: opening it
// up to its first paint (reporting the process's peak memory after the loads), and fitting a
// column to every row, as a double click on the column's divider does.

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QPixmap>
#include <string>

#include "bench/bench_logs.h"
#include "viewer/core/settings.h"
#include "viewer/gui/event_list_view.h"
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

void BM_FitColumnsToMillionRows(benchmark::State& state) {
  const std::string path = WriteSectionedLog(kRecords, [](int i) {
    return std::make_unique<TUserMessageEvent>("message " + std::to_string(i));
  });
  TOXOptions settings(path + ".ini");
  settings.Load();
  TUserDialogs dialogs;
  TEventForm window(settings, dialogs);
  window.resize(1000, 700);
  window.Load(path);
  window.show();
  for (auto _ : state) {
    for (int column = 0; column < 3; ++column) window.List().resizeColumnToContents(column);
  }
  state.counters["rows"] = window.View().RowCount();
  unlink(path.c_str());
}
BENCHMARK(BM_FitColumnsToMillionRows)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
