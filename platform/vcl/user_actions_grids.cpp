// User actions on grids and outlines.

#include "platform/vcl/user_actions_grids.h"

#include "platform/vcl/errors.h"
#include "platform/vcl/grids.h"
#include "platform/vcl/outline.h"
#include "platform/vcl/user_actions.h"

namespace {

void CheckClickableCell(const TCustomGrid& grid, int col, int row) {
  if (col < 0 || col >= grid.ColCount() || row < 0 || row >= grid.RowCount())
    throw EInvalidOperation(Format("%s has no cell %d, %d (%d columns, %d rows)", grid.Name(), col,
                                   row, grid.ColCount(), grid.RowCount()));
  if (col < grid.FixedCols() || row < grid.FixedRows())
    throw EInvalidOperation(
        Format("The cell %d, %d of %s is fixed: it cannot be current", col, row, grid.Name()));
}

POINT CentreOf(const RECT& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The key, and whether Shift goes with it, that types `character`, as the keyboard maps them.
std::pair<BYTE, bool> KeyTyping(char character) {
  BYTE state[256] = {};
  for (const bool shift : {false, true}) {
    state[VK_SHIFT] = shift ? 0x80 : 0;
    for (UINT key = 1; key < 256; ++key) {
      WORD typed = 0;
      if (ToAscii(key, 0, state, &typed, 0) == 1 && static_cast<char>(typed) == character)
        return {static_cast<BYTE>(key), shift};
    }
  }
  throw EInvalidOperation(Format("The keyboard cannot type the character #%d",
                                 static_cast<int>(static_cast<unsigned char>(character))));
}

// The cell a click leaves the editor for: the next one to the right, else the first scrolling
// one of the next row, else the grid's first scrolling cell.
std::pair<int, int> NextCell(const TCustomGrid& grid, int col, int row) {
  if (col + 1 < grid.ColCount()) return {col + 1, row};
  if (row + 1 < grid.RowCount()) return {grid.FixedCols(), row + 1};
  return {grid.FixedCols(), grid.FixedRows()};
}

}  // namespace

void SimulateCellClick(TCustomGrid& grid, int col, int row) {
  CheckClickableCell(grid, col, row);
  grid.MakeCellVisible(col, row);
  SimulateClickAt(grid, CentreOf(grid.CellRect(col, row)));
}

void SimulateCellEdit(TCustomGrid& grid, int col, int row, const std::string& text,
                      TEditLeave leaveWith) {
  CheckClickableCell(grid, col, row);
  if (!grid.Options().Contains(goEditing))
    throw EInvalidOperation(grid.Name() + " cannot edit its cells: goEditing is not in Options");
  std::vector<std::pair<BYTE, bool>> keys;
  keys.reserve(text.size());
  for (const char c : text) keys.push_back(KeyTyping(c));
  const auto [nextCol, nextRow] = NextCell(grid, col, row);
  if (leaveWith == TEditLeave::Click && nextCol == col && nextRow == row)
    throw EInvalidOperation(grid.Name() + " has no other cell to click");
  if (grid.Col() != col || grid.Row() != row) SimulateCellClick(grid, col, row);
  if (!grid.EditorMode()) SimulateCellClick(grid, col, row);
  if (!grid.EditorMode())
    throw EInvalidOperation(
        Format("%s did not open its editor on the cell %d, %d", grid.Name(), col, row));
  SimulateTypedKeyStroke(VK_HOME);
  SimulateTypedKeyStroke(VK_END, true);
  for (const auto& [key, shift] : keys) SimulateTypedKeyStroke(key, shift);
  if (leaveWith == TEditLeave::Enter)
    SimulateTypedKeyStroke(VK_RETURN);
  else
    SimulateCellClick(grid, nextCol, nextRow);
}

int OutlineItemIndex(const TCustomOutline& outline, const std::string& item, bool isIndex) {
  if (isIndex) {
    const int index = StrToIntDef(item, 0);
    if (!outline.Items(index))
      throw EInvalidOperation(
          Format("%s has no item %s (items 1 to %d)", outline.Name(), item, outline.ItemCount()));
    return index;
  }
  for (int i = 1; i <= outline.ItemCount(); ++i)
    if (outline.Items(i)->Text() == item) return i;
  throw EInvalidOperation(Format("%s has no item \"%s\"", outline.Name(), item));
}

void SimulateOutlineChoice(TCustomOutline& outline, int index) {
  const TOutlineNode* node = outline.Items(index);
  if (!node) throw EInvalidOperation(Format("%s has no item %d", outline.Name(), index));
  // The outermost collapsed parent is the one the user must open first.
  const TOutlineNode* collapsed = nullptr;
  for (const TOutlineNode* p = node->Parent(); p; p = p->Parent())
    if (!p->Expanded()) collapsed = p;
  if (collapsed)
    throw EInvalidOperation(Format("The item '%s' of %s is hidden in the collapsed item '%s'",
                                   node->Text(), outline.Name(), collapsed->Text()));
  if (outline.SelectedItem() == index) return;
  const int row = outline.RowOf(*node);
  outline.MakeCellVisible(0, row);
  SimulateClickAt(outline, CentreOf(outline.CellRect(0, row)));
}
