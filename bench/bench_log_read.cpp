// Reading a large log back from a file in the page cache: the cost of opening a log in the viewer.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <string>

#include "bench/bench_records.h"
#include "log/builtin_events.h"
#include "log/log_lifecycle.h"
#include "log/log_stream.h"

namespace {

constexpr int kRecords = 1'000'000;

// A log of one session with a million click records on a hundred controls.
std::string WriteLargeLog() {
  char path[] = "/tmp/tracebook-bench-read-XXXXXX";
  close(mkstemp(path));
  unlink(path);
  CreateLogStream(path, true);
  TLogStream& log = *LogStream();
  log.WriteEvent(std::make_unique<TStartSessionEvent>("Bench"));
  for (int i = 0; i < kRecords; ++i) {
    log.WriteEvent(
        std::make_unique<TBenchClickEvent>("MainForm.Panel1.Button" + std::to_string(i % 100),
                                           "Caption " + std::to_string(i % 37), i));
  }
  CloseLogStream();
  return path;
}

void BM_ReadLargeLog(benchmark::State& state) {
  TLogStream::RegisterProxyClass(TBenchProxy::StaticClass());
  const std::string path = WriteLargeLog();
  int64_t records = 0;
  for (auto _ : state) {
    CreateLogStream(path, false);
    while (std::unique_ptr<TLogEvent> record = LogStream()->ReadEvent()) {
      benchmark::DoNotOptimize(record.get());
      ++records;
    }
    CloseLogStream();
  }
  state.SetItemsProcessed(records);
  unlink(path.c_str());
  TLogStream::UnregisterProxyClass(TBenchProxy::StaticClass());
}
BENCHMARK(BM_ReadLargeLog)->Unit(benchmark::kMillisecond);

}  // namespace
