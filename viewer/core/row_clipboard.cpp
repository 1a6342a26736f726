// The clipboard texts of a row.

#include "viewer/core/row_clipboard.h"

std::string CopyEventText(const TEventView& view, int row) {
  return view.ColumnText(row, 0) + '\t' + view.ColumnText(row, 1) + '\t' + view.ColumnText(row, 2);
}

std::string CopyDataText(const TEventView& view, int row) { return view.ColumnText(row, 2); }
