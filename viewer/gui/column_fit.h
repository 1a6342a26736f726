#pragma once
// How wide a column of the record list must be for every row's text, its indentation included:
// what a double click on the column's divider applies. Qt's own measure lays out the text of each
// row through every role of the model, which takes seconds for a million rows.

#include <QFont>

#include "viewer/core/event_view.h"

// The widest indentation and text of the column among the visible rows, in `font` with the bold
// and italic of each row's record class; separator rows, drawn as lines, do not count. Every row
// is bounded from its characters' advances, and only rows whose bound could beat the widest text
// found are laid out exactly; the result may exceed the widest text by a few pixels, never fall
// short of it.
int WidestText(const TEventView& view, int column, const QFont& font);
// The indentation and text width of one row's cell, laid out exactly.
int CellTextWidth(const TEventView& view, int row, int column, const QFont& font);
