// Writing typical capture records to a real log file, their strings already pooled: the cost a
// host pays per recorded user action.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include "bench/bench_records.h"
#include "log/builtin_events.h"
#include "log/log_lifecycle.h"
#include "log/log_stream.h"

namespace {

void BM_WriteTypicalRecord(benchmark::State& state) {
  TLogStream::RegisterProxyClass(TBenchProxy::StaticClass());
  char path[] = "/tmp/tracebook-bench-write-XXXXXX";
  close(mkstemp(path));
  unlink(path);
  CreateLogStream(path, true);
  TLogStream& log = *LogStream();
  log.WriteEvent(std::make_unique<TStartSessionEvent>("Bench"));
  log.WriteEvent(std::make_unique<TBenchClickEvent>("MainForm.Panel1.OKBtn", "&OK", 1));

  for (auto _ : state) {
    log.WriteEvent(std::make_unique<TBenchClickEvent>("MainForm.Panel1.OKBtn", "&OK", 1));
  }
  state.SetItemsProcessed(state.iterations());

  CloseLogStream();
  unlink(path);
  TLogStream::UnregisterProxyClass(TBenchProxy::StaticClass());
}
BENCHMARK(BM_WriteTypicalRecord);

}  // namespace
