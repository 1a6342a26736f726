#pragma once
// What a user does with grids and outlines, played through the simulated mouse and keyboard, so
// that the controls react with their own message handling. Each action dispatches the messages it
// causes before it returns, and raises EInvalidOperation when the control cannot do it or has no
// such cell or item, without touching it.

#include <string>

class TCustomGrid;
class TCustomOutline;

// How the user leaves the in-place editor after typing.
enum class TEditLeave { Enter, Click };

// Scrolls a grid's cell into view as the program does (the scroll bars' thumbs move there) and
// clicks it. A fixed cell, or one outside the grid, is an error.
void SimulateCellClick(TCustomGrid& grid, int col, int row);
// Edits a cell as a user does: clicks it when it is not the current cell, clicks it (again) to
// open the editor, selects the whole text (Ctrl+A is not an edit's key: Home, then Shift+End),
// types `text` and leaves with Enter, or with a click on the next cell (the one to the right, or
// the first scrolling one of the row below at the last column, or of the first scrolling row at
// the last cell). A grid without goEditing is an error.
void SimulateCellEdit(TCustomGrid& grid, int col, int row, const std::string& text,
                      TEditLeave leaveWith);
// The index of the outline item named by `item`: a number from 1 when `isIndex`, else the text
// of the first item (in the outline's order) that has it.
int OutlineItemIndex(const TCustomOutline& outline, const std::string& item, bool isIndex);
// Scrolls the item's row into view and clicks it; nothing when it is selected already. An item
// hidden in a collapsed parent is an error naming that parent.
void SimulateOutlineChoice(TCustomOutline& outline, int index);
