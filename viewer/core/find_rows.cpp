// Find over the visible rows' texts.

#include "viewer/core/find_rows.h"

#include "platform/sysutils.h"

namespace {

constexpr int kSearchedColumns = 3;  // time stamp, event type, data

// The row the search starts at, or -1 when there is none.
int StartRow(const TEventView& view, int step) {
  if (view.RowCount() == 0) return -1;
  const int focused = view.Focused();
  if (!view.View().IsRow(focused)) return 0;
  if (focused != view.Selected()) return focused;
  const int next = focused + step;
  return view.View().IsRow(next) ? next : -1;
}

bool RowMatches(const TEventView& view, int row, const std::string& needle, bool matchCase) {
  for (int column = 0; column < kSearchedColumns; ++column) {
    const std::string text = view.ColumnText(row, column);
    const bool found = matchCase ? text.find(needle) != std::string::npos
                                 : AnsiUpperCase(text).find(needle) != std::string::npos;
    if (found) return true;
  }
  return false;
}

}  // namespace

TFindResult FindRow(const TEventView& view, const TFindRequest& request) {
  if (request.Text.empty()) return {TFindOutcome::foBlank, -1};
  const int step = request.Down ? 1 : -1;
  const int start = StartRow(view, step);
  if (start < 0) return {TFindOutcome::foNothing, -1};

  const std::string needle = request.MatchCase ? request.Text : AnsiUpperCase(request.Text);
  for (int row = start; view.View().IsRow(row); row += step) {
    if (RowMatches(view, row, needle, request.MatchCase)) return {TFindOutcome::foFound, row};
  }
  return {TFindOutcome::foNotFound, -1};
}

std::string NotFoundMessage(const std::string& text) {
  return "Search string \"" + text + "\" not found.";
}
