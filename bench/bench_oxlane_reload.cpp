// Twenty thousand sessions in the viewer's main window, on Qt's offscreen platform: reloading the
// log (every session but the last collapses again) and opening it as the last log of the previous
// run (the section of every session collapses again, from the settings).

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "log/builtin_events.h"
#include "log/log_lifecycle.h"
#include "viewer/core/event_view.h"
#include "viewer/core/settings.h"
#include "viewer/gui/main_window.h"
#include "viewer/gui/user_dialogs.h"

namespace {

constexpr int kSessions = 20'000;
// Rows of one session: start, two messages, a section with one message, stop, and the separator
// the viewer inserts.
constexpr int kRowsPerSession = 8;
constexpr int kSectionRow = 3;

// Writes the log and returns its name.
std::string WriteSessions() {
  char path[] = "/tmp/tracebook-bench-sessions-XXXXXX";
  close(mkstemp(path));
  unlink(path);
  for (int session = 0; session < kSessions; ++session) {
    CreateLogStream(path, true);
    TLogStream& log = *LogStream();
    log.WriteEvent(std::make_unique<TStartSessionEvent>("Bench"));
    log.WriteEvent(std::make_unique<TUserMessageEvent>("opened"));
    log.WriteEvent(std::make_unique<TUserMessageEvent>("working"));
    log.WriteEvent(std::make_unique<TEnterSectionEvent>("step"));
    log.WriteEvent(std::make_unique<TUserMessageEvent>("in the step"));
    log.WriteEvent(std::make_unique<TLeaveSectionEvent>("step"));
    log.WriteEvent(std::make_unique<TStopSessionEvent>());
    CloseLogStream();
  }
  return path;
}

class TBenchWindow {
 public:
  explicit TBenchWindow(TOXOptions& settings) : FWindow(settings, FDialogs) {
    FWindow.resize(1000, 700);
    FWindow.show();
  }
  TEventForm& operator*() { return FWindow; }

 private:
  TUserDialogs FDialogs;
  TEventForm FWindow;
};

void CheckRows(benchmark::State& state, TEventForm& window, int expected) {
  state.counters["rows"] = window.View().RowCount();
  if (window.View().RowCount() != expected) state.SkipWithError("unexpected rows after loading");
}

void BM_ReloadTwentyThousandSessions(benchmark::State& state) {
  const std::string path = WriteSessions();
  TOXOptions settings(path + ".ini");
  settings.Load();
  TBenchWindow window(settings);
  (*window).Load(path);
  for (auto _ : state) (*window).Load(path);
  // Every earlier session shows its start row and separator, the last one all its rows.
  CheckRows(state, *window, 2 * (kSessions - 1) + kRowsPerSession);
  unlink(path.c_str());
  unlink((path + ".ini").c_str());
}
BENCHMARK(BM_ReloadTwentyThousandSessions)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RestoreTwentyThousandCollapsedSections(benchmark::State& state) {
  const std::string path = WriteSessions();
  TOXOptions settings(path + ".ini");
  settings.Load();
  {
    TEventView view(settings);
    view.Load(path);
    settings.LastLog = {path, view.Records().front().TickCount};
  }
  std::vector<int32_t> sections;
  for (int session = 0; session < kSessions; ++session) {
    sections.push_back(session * kRowsPerSession + kSectionRow);
  }
  settings.SetCollapse(sections);
  int rows = 0;
  for (auto _ : state) {
    state.PauseTiming();
    TBenchWindow window(settings);
    state.ResumeTiming();
    (*window).Load(path);
    state.PauseTiming();
    rows = (*window).View().RowCount();
    state.ResumeTiming();
  }
  state.counters["rows"] = rows;
  if (rows != kSessions * (kRowsPerSession - 2)) state.SkipWithError("sections not collapsed");
  unlink(path.c_str());
  unlink((path + ".ini").c_str());
}
BENCHMARK(BM_RestoreTwentyThousandCollapsedSections)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
