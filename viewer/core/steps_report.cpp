// Walks the visible rows for the steps report: each row's record is read again from the log and
// worded; numbering and times follow the session table.

#include "viewer/core/steps_report.h"

#include <cstdio>

bool IsNumberedStep(TStepKind kind) {
  return kind == TStepKind::skAction || kind == TStepKind::skMarker ||
         kind == TStepKind::skException;
}

void ForEachStep(const TEventView& view, const std::function<void(const TStepLine&)>& line) {
  const TSessionTable& sessions = view.Sessions();
  int currentSession = -1;
  int number = 0;
  for (int row = 0; row < view.RowCount(); ++row) {
    const TEventEntry& entry = view.View().Entry(row);
    if (entry.Level == kInsertedSeparatorLevel) continue;
    const int32_t recordIndex = view.View()[row];
    TStepLine step;
    const TStepWording wording = WordStep(*view.Record(row));
    step.Kind = wording.Kind;
    step.Text = wording.Text;
    step.Session = view.SessionOf(recordIndex);
    if (step.Session != currentSession) {
      currentSession = step.Session;
      number = 0;
    }
    if (IsNumberedStep(step.Kind)) step.Number = ++number;
    step.Level = entry.Level < 0 ? 0 : entry.Level;
    step.Collapsed = entry.State == esCollapsed;
    if (step.Session >= 0) {
      // Signed, so that a tick counter that wrapped within the session still gives its time.
      const auto elapsed = static_cast<int32_t>(static_cast<uint32_t>(entry.TickCount) -
                                                sessions[step.Session].StartTick);
      step.Time = StepTimeText(elapsed);
    }
    line(step);
  }
}

std::string StepTimeText(int64_t milliseconds) {
  const bool negative = milliseconds < 0;
  const uint64_t span =
      negative ? 0 - static_cast<uint64_t>(milliseconds) : static_cast<uint64_t>(milliseconds);
  const uint64_t ms = span % 1000;
  const uint64_t seconds = span / 1000 % 60;
  const uint64_t minutes = span / 60000 % 60;
  const uint64_t hours = span / 3600000;
  char text[48];
  if (hours > 0) {
    std::snprintf(text, sizeof text, "%s%llu:%02llu:%02llu.%03llu", negative ? "-" : "",
                  static_cast<unsigned long long>(hours), static_cast<unsigned long long>(minutes),
                  static_cast<unsigned long long>(seconds), static_cast<unsigned long long>(ms));
  } else {
    std::snprintf(text, sizeof text, "%s%llu:%02llu.%03llu", negative ? "-" : "",
                  static_cast<unsigned long long>(minutes),
                  static_cast<unsigned long long>(seconds), static_cast<unsigned long long>(ms));
  }
  return text;
}
