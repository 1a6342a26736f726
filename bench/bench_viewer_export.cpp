// Exporting a million visible rows to a text file and to comma-separated values, as Export does
// from the window and --export from the command line.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <string>

#include "bench/bench_logs.h"
#include "bench/bench_records.h"
#include "viewer/core/event_view.h"
#include "viewer/core/row_export.h"

namespace {

constexpr int kRecords = 1'000'000;

void BM_ExportMillionRows(benchmark::State& state) {
  const auto format = static_cast<TExportFormat>(state.range(0));
  TLogStream::RegisterProxyClass(TBenchProxy::StaticClass());
  const std::string path = WriteSectionedLog(kRecords, [](int i) {
    return std::make_unique<TBenchClickEvent>("MainForm.Panel1.Button" + std::to_string(i % 100),
                                              "Caption, \"quoted\"", i);
  });
  TOXOptions settings(path + ".ini");
  settings.Load();
  TEventView view(settings);
  view.Load(path);
  const std::string out = path + (format == TExportFormat::efCsv ? ".csv" : ".txt");
  for (auto _ : state) ExportRowsToFile(view, format, out);
  if (view.RowCount() < kRecords) state.SkipWithError("the view does not show every record");
  state.counters["rows"] = view.RowCount();
  state.SetItemsProcessed(state.iterations() * view.RowCount());
  unlink(out.c_str());
  unlink(path.c_str());
  TLogStream::UnregisterProxyClass(TBenchProxy::StaticClass());
}
BENCHMARK(BM_ExportMillionRows)
    ->Arg(static_cast<int>(TExportFormat::efText))
    ->Arg(static_cast<int>(TExportFormat::efCsv))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
