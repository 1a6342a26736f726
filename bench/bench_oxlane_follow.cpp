// Follow mode in the viewer's main window, on Qt's offscreen platform: a log of a million records
// is shown, and a host appends a thousand records at a time, which the window reads on and shows.
// Against it, the full reload that follow mode spares.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <memory>
#include <string>

#include "bench/bench_logs.h"
#include "viewer/core/settings.h"
#include "viewer/gui/event_list_view.h"
#include "viewer/gui/main_window.h"
#include "viewer/gui/user_dialogs.h"

namespace {

constexpr int kRecords = 1'000'000;
constexpr int kAppended = 1'000;

void AppendMessages(const std::string& path, int count) {
  CreateLogStream(path, true);
  for (int i = 0; i < count; ++i) {
    LogStream()->WriteEvent(std::make_unique<TUserMessageEvent>("appended"));
  }
  CloseLogStream();
}

struct TShownLog {
  TShownLog()
      : Path(WriteSectionedLog(
            kRecords, [](int) { return std::make_unique<TUserMessageEvent>("recorded"); })),
        Settings(Path + ".ini") {
    Settings.Load();
    Window = std::make_unique<TEventForm>(Settings, Dialogs);
    Window->resize(1000, 700);
    Window->show();
    Window->Load(Path);
  }
  ~TShownLog() {
    unlink(Path.c_str());
    unlink((Path + ".ini").c_str());
  }
  std::string Path;
  TOXOptions Settings;
  TUserDialogs Dialogs;
  std::unique_ptr<TEventForm> Window;
};

void BM_FollowThousandAppendedToAMillion(benchmark::State& state) {
  TShownLog shown;
  shown.Window->List().scrollToBottom();
  for (auto _ : state) {
    state.PauseTiming();
    AppendMessages(shown.Path, kAppended);
    state.ResumeTiming();
    shown.Window->ReadAppended();
  }
  state.counters["rows"] = shown.Window->View().RowCount();
  state.SetItemsProcessed(state.iterations() * kAppended);
}
BENCHMARK(BM_FollowThousandAppendedToAMillion)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_ReloadInsteadOfFollowing(benchmark::State& state) {
  TShownLog shown;
  for (auto _ : state) {
    state.PauseTiming();
    AppendMessages(shown.Path, kAppended);
    state.ResumeTiming();
    shown.Window->Load(shown.Path);
  }
  state.counters["rows"] = shown.Window->View().RowCount();
}
BENCHMARK(BM_ReloadInsteadOfFollowing)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
