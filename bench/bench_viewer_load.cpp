// Opening a large log in the viewer: reading it whole, grouping it into sessions and sections and
// building the view list of every row, with the settings loaded as the program loads them.
// Reports the rows shown and the process's peak memory after the loads.

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <string>

#include "bench/bench_logs.h"
#include "bench/bench_records.h"
#include "viewer/core/event_view.h"

namespace {

constexpr int kRecords = 1'000'000;

void BM_OpenMillionRecordLog(benchmark::State& state) {
  TLogStream::RegisterProxyClass(TBenchProxy::StaticClass());
  const std::string path = WriteSectionedLog(kRecords, [](int i) {
    return std::make_unique<TBenchClickEvent>("MainForm.Panel1.Button" + std::to_string(i % 100),
                                              "Caption", i);
  });
  // Settings of a fresh installation, loaded once the record class is registered: every class is
  // shown.
  TOXOptions settings(path + ".ini");
  settings.Load();
  int rows = 0;
  for (auto _ : state) {
    TEventView view(settings);
    benchmark::DoNotOptimize(view.Load(path));
    rows = view.RowCount();
  }
  if (rows < kRecords) state.SkipWithError("the view does not show every record");
  state.counters["rows"] = rows;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  unlink(path.c_str());
  TLogStream::UnregisterProxyClass(TBenchProxy::StaticClass());
}
BENCHMARK(BM_OpenMillionRecordLog)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
