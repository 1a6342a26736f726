#pragma once
// Find: searching the visible rows' three texts for a text, from the focused row on, down or up.

#include <string>

#include "viewer/core/event_view.h"

inline constexpr const char* kSearchBlankText = "Search string cannot be blank.";

struct TFindRequest {
  std::string Text;
  bool Down = true;
  bool MatchCase = false;
};

enum class TFindOutcome {
  foFound,     // Row is the match; the caller selects it
  foBlank,     // an empty text: the caller shows kSearchBlankText as an error
  foNotFound,  // ran past the last (first) row: the caller shows NotFoundMessage as information
  foNothing,   // no row to start from: stop silently
};

struct TFindResult {
  TFindOutcome Outcome = TFindOutcome::foNothing;
  int Row = -1;
};

// Starting row: without a focused row, row 0 itself; with the focused row selected, the next row
// in the direction; with it not selected, the focused row itself. Without match case both texts
// are upper-cased with the locale's rules first.
TFindResult FindRow(const TEventView& view, const TFindRequest& request);
// Search string "<text>" not found.
std::string NotFoundMessage(const std::string& text);
