// Writing typical capture records to a real log file, their strings already pooled: the cost a
// host pays per recorded user action. The log writes each record in one write to the file; the
// second benchmark writes the same bytes with one write per primitive (the begin token, the class
// name's pool index, each field), which is what the log would cost without assembling records.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include "bench/bench_records.h"
#include "log/builtin_events.h"
#include "log/log_lifecycle.h"
#include "log/log_stream.h"

namespace {

// A log in a temporary file, open for writing, whose pool holds the typical record's strings.
class TPooledLog {
 public:
  TPooledLog() {
    TLogStream::RegisterProxyClass(TBenchProxy::StaticClass());
    close(mkstemp(FPath));
    unlink(FPath);
    CreateLogStream(FPath, true);
    Log().WriteEvent(std::make_unique<TStartSessionEvent>("Bench"));
    Log().WriteEvent(TypicalRecord());
  }
  ~TPooledLog() {
    CloseLogStream();
    unlink(FPath);
    TLogStream::UnregisterProxyClass(TBenchProxy::StaticClass());
  }
  TPooledLog(const TPooledLog&) = delete;
  TPooledLog& operator=(const TPooledLog&) = delete;

  static TLogStream& Log() { return *LogStream(); }
  static int64_t FileSize() { return FileStream()->Size(); }
  static std::unique_ptr<TBenchClickEvent> TypicalRecord() {
    return std::make_unique<TBenchClickEvent>("MainForm.Panel1.OKBtn", "&OK", 1);
  }

 private:
  char FPath[40] = "/tmp/tracebook-bench-write-XXXXXX";
};

// Both ways must write the same bytes per record: the counter shows it.
void ReportRecords(benchmark::State& state, int64_t bytesWritten) {
  state.SetItemsProcessed(state.iterations());
  state.counters["bytes_per_record"] =
      static_cast<double>(bytesWritten) / static_cast<double>(state.iterations());
}

void BM_WriteTypicalRecord(benchmark::State& state) {
  TPooledLog pooled;
  const int64_t before = TPooledLog::FileSize();
  for (auto _ : state) TPooledLog::Log().WriteEvent(TPooledLog::TypicalRecord());
  ReportRecords(state, TPooledLog::FileSize() - before);
}
BENCHMARK(BM_WriteTypicalRecord);

// Outside WriteEvent the log hands every primitive straight to the file: one write each.
void BM_WriteTypicalRecordPerPrimitive(benchmark::State& state) {
  TPooledLog pooled;
  TLogStream& log = TPooledLog::Log();
  const int64_t before = TPooledLog::FileSize();
  for (auto _ : state) {
    const std::unique_ptr<TBenchClickEvent> record = TPooledLog::TypicalRecord();
    log.WriteBeginToken();
    log.WritePoolString(record->ClassName());
    record->Write(log);
  }
  ReportRecords(state, TPooledLog::FileSize() - before);
}
BENCHMARK(BM_WriteTypicalRecordPerPrimitive);

}  // namespace
