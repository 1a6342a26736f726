// Find over a million visible rows without a match: the whole list is searched, each row's time
// stamp, event type and data, once with the letter case ignored and once matching it.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <string>

#include "bench/bench_logs.h"
#include "viewer/core/event_view.h"
#include "viewer/core/find_rows.h"

namespace {

constexpr int kRecords = 1'000'000;

void FindNothing(benchmark::State& state, bool matchCase) {
  const std::string path = WriteSectionedLog(kRecords, [](int i) {
    return std::make_unique<TUserMessageEvent>("MainForm.Panel1.Button" + std::to_string(i % 100) +
                                               " clicked");
  });
  TOXOptions settings(path + ".ini");
  settings.Load();
  TEventView view(settings);
  view.Load(path);
  const TFindRequest request{"no such text", true, matchCase};
  for (auto _ : state) {
    const TFindResult result = FindRow(view, request);
    if (result.Outcome != TFindOutcome::foNotFound) state.SkipWithError("found something");
  }
  state.counters["rows"] = view.RowCount();
  // Seconds per row searched.
  state.counters["per_row"] = benchmark::Counter(
      view.RowCount(), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  unlink(path.c_str());
}

void BM_FindNothingIgnoringCase(benchmark::State& state) { FindNothing(state, false); }
void BM_FindNothingMatchingCase(benchmark::State& state) { FindNothing(state, true); }
BENCHMARK(BM_FindNothingIgnoringCase)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FindNothingMatchingCase)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
