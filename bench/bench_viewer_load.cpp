// Opening a large log in the viewer: reading it whole, grouping it into sessions and sections and
// building the view list. Reports the process's peak memory after the loads.

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
  TOXOptions settings("/tmp/tracebook-bench-viewer.ini");
  for (auto _ : state) {
    TEventView view(settings);
    benchmark::DoNotOptimize(view.Load(path));
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  unlink(path.c_str());
  TLogStream::UnregisterProxyClass(TBenchProxy::StaticClass());
}
BENCHMARK(BM_OpenMillionRecordLog)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
