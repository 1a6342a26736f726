// Find over the visible rows' texts.

#include "viewer/core/find_rows.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/sysutils.h"

namespace {

// The row the search starts at, or -1 when there is none.
int StartRow(const TEventView& view, int step) {
  if (view.RowCount() == 0) return -1;
  const int focused = view.Focused();
  if (!view.View().IsRow(focused)) return 0;
  if (focused != view.Selected()) return focused;
  const int next = focused + step;
  return view.View().IsRow(next) ? next : -1;
}

// Tests rows for the text. A row's event type is its record class's event name, the same for
// every record of the class, so it is tested once per class and search.
class TRowMatcher {
 public:
  TRowMatcher(const TEventView& view, const TFindRequest& request)
      : FView(view),
        FMatchCase(request.MatchCase),
        FNeedle(request.MatchCase ? request.Text : AnsiUpperCase(request.Text)) {}

  bool Matches(int row) {
    if (Contains(FView.ColumnText(row, 0))) return true;  // also checks the row
    return EventNameMatches(*FView.View().Entry(row).Class) ||
           Contains(FView.Record(row)->AsString());
  }

 private:
  bool Contains(const std::string& text) const {
    if (FMatchCase) return text.find(FNeedle) != std::string::npos;
    return AnsiUpperCase(text).find(FNeedle) != std::string::npos;
  }
  bool EventNameMatches(const TLogEventClass& recordClass) {
    const TLogEventClass* cls = &recordClass;
    const auto known = std::find_if(FEventNameMatches.begin(), FEventNameMatches.end(),
                                    [cls](const auto& item) { return item.first == cls; });
    if (known != FEventNameMatches.end()) return known->second;
    const bool matches = Contains(cls->GetEventName());
    FEventNameMatches.emplace_back(cls, matches);
    return matches;
  }

  const TEventView& FView;
  const bool FMatchCase;
  const std::string FNeedle;  // upper-cased once unless matching case
  std::vector<std::pair<const TLogEventClass*, bool>> FEventNameMatches;
};

}  // namespace

TFindResult FindRow(const TEventView& view, const TFindRequest& request) {
  if (request.Text.empty()) return {TFindOutcome::foBlank, -1};
  const int step = request.Down ? 1 : -1;
  const int start = StartRow(view, step);
  if (start < 0) return {TFindOutcome::foNothing, -1};

  TRowMatcher matcher(view, request);
  for (int row = start; view.View().IsRow(row); row += step) {
    if (matcher.Matches(row)) return {TFindOutcome::foFound, row};
  }
  return {TFindOutcome::foNotFound, -1};
}

std::string NotFoundMessage(const std::string& text) {
  return "Search string \"" + text + "\" not found.";
}
