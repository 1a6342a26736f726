#pragma once
// Grids: TCustomGrid shows cells in columns and rows, the first FixedCols columns and FixedRows
// rows fixed (they stay in place while the rest scrolls and are never the current cell). One
// cell is current: the arrow keys, PgUp and PgDn (a page of rows), Home and End (the first and
// last column; with Ctrl the first and last cell) and a left-button press on a cell move it, and
// the grid scrolls to keep it in view; a key at the grid's edge moves nothing. With goTabs, Tab
// and Shift+Tab move it along the rows too. With goEditing the grid edits the current cell in an
// in-place editor (TInplaceEdit), which opens on F2, on Enter, on a typed character (which
// replaces the cell's text) and on a click on the current cell, and closes on Enter, on a click on
// another cell or when the focus leaves the grid; Esc closes it and leaves the cell's text as it
// was. TDrawGrid is a grid whose cells its program paints;
// TStringGrid keeps a text per cell, which its editor edits.

#include <string>
#include <vector>

#include "platform/vcl/inplace_edit.h"
#include "platform/vcl/sets.h"
#include "platform/vcl/win_control.h"

enum TGridOption {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

// The options of a new grid.
inline constexpr TGridOptions kDefaultGridOptions = {goFixedVertLine, goFixedHorzLine, goVertLine,
                                                     goHorzLine, goRangeSelect};

// A column and a row of a grid.
struct TGridCoord {
  int X = 0;
  int Y = 0;
  constexpr bool operator==(const TGridCoord&) const = default;
};

class TCustomGrid : public TWinControl {
  COMPONENT_CLASS(TCustomGrid)

 public:
  explicit TCustomGrid(TComponent* owner);
  ~TCustomGrid() override;

  // The current cell. Setting it as the program does moves it there (to a cell that is not fixed,
  // or EInvalidOperation) and scrolls it into view.
  int Col() const { return FCol; }
  int Row() const { return FRow; }
  void SetCol(int value);
  void SetRow(int value);

  // At least 1; a count that leaves no column (row) beside the fixed ones takes fixed ones away
  // until one scrolls.
  int ColCount() const { return FColCount; }
  void SetColCount(int value);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int value);
  // Below ColCount (RowCount), or EInvalidOperation.
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int value);
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int value);
  // Every column is as wide, and every row as high, as these (at least 1 pixel).
  int DefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int value);
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions value);
  // The character the in-place editor shows for each of its characters ('\0' for the text).
  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char value);

  // Whether the in-place editor is open. Opening it as the program does needs goEditing.
  bool EditorMode() const;
  void SetEditorMode(bool value);
  // The in-place editor, or nullptr until a cell is first edited.
  TInplaceEdit* InplaceEditor() const { return FEditor; }

  // The first scrolling row and column shown.
  int TopRow() const { return FTopRow; }
  void SetTopRow(int value);
  int LeftCol() const { return FLeftCol; }
  void SetLeftCol(int value);
  // How many scrolling rows (columns) the client area shows whole, at least one.
  int VisibleRowCount() const;
  int VisibleColCount() const;
  // Where a cell lies in client coordinates; empty when the cell is scrolled away or outside the
  // grid.
  RECT CellRect(int col, int row) const;
  // The cell under a client point, or {-1, -1} outside every cell.
  TGridCoord MouseCoord(int x, int y) const;
  // Scrolls so that the cell (not a fixed one) is shown.
  void MakeCellVisible(int col, int row);

  void WndProc(TMessage& message) override;

 protected:
  // The text the editor starts with for a cell, and where the editor's text goes when it closes
  // other than by Esc. A grid without texts has none.
  virtual std::string GetEditText(int col, int row) const;
  virtual void SetEditText(int col, int row, const std::string& value);
  // The user (or the program) moves the current cell to a cell that is not fixed.
  virtual void FocusCell(TGridCoord cell) { MoveCurrent(cell); }
  // Closes the editor, makes the cell current and scrolls it into view.
  void MoveCurrent(TGridCoord cell);
  // A key pressed in the grid, and a left-button press at a client point.
  virtual void KeyDown(WPARAM key);
  virtual void MouseDown(POINT point);
  // ColCount or RowCount changed.
  virtual void SizeChanged() {}

 private:
  friend class TInplaceEdit;
  void CheckCell(TGridCoord cell) const;
  // Opens the editor over the current cell with the cell's text, all of it selected, and focuses
  // it; nothing without goEditing or when the grid cannot take the focus.
  void ShowEditor();
  // Closes the editor; unless `cancel`, the cell takes its text.
  void HideEditor(bool cancel);
  // The focus left the editor (for the grid or elsewhere): it closes, keeping its text.
  void EditorLostFocus();
  // A key the editor leaves to the grid: Enter, Esc, Tab and the keys that move between rows.
  void EditorKeyDown(WPARAM key);
  void Typed(char character);
  void ClampScroll();

  int FCol = 1;
  int FRow = 1;
  int FColCount = 5;
  int FRowCount = 5;
  int FFixedCols = 1;
  int FFixedRows = 1;
  int FDefaultColWidth = 64;
  int FDefaultRowHeight = 24;
  TGridOptions FOptions = kDefaultGridOptions;
  char FPasswordChar = '\0';
  int FTopRow = 1;  // the first row and column shown after the fixed ones
  int FLeftCol = 1;
  TInplaceEdit* FEditor = nullptr;  // a child window, which the grid destroys
  bool FEditing = false;
  bool FClosingEditor = false;  // closing moves the focus, which must not close it again
};

class TDrawGrid : public TCustomGrid {
  COMPONENT_CLASS(TDrawGrid)

 public:
  using TCustomGrid::TCustomGrid;
};

class TStringGrid : public TDrawGrid {
  COMPONENT_CLASS(TStringGrid)

 public:
  using TDrawGrid::TDrawGrid;

  // "" for a cell never given a text; EInvalidOperation outside the grid.
  std::string Cells(int col, int row) const;
  void SetCells(int col, int row, const std::string& value);

  // The texts as form files store them: a line per row, the cells of the row separated by tab
  // characters, without the empty cells at the row's end (and without the empty rows at the end).
  // A line with more cells than the grid has columns, or more lines than it has rows, is refused
  // with ELineError, and nothing changes.
  std::vector<std::string> RowLines() const;
  void SetRowLines(const std::vector<std::string>& lines);

 protected:
  std::string GetEditText(int col, int row) const override { return Cells(col, row); }
  void SetEditText(int col, int row, const std::string& value) override {
    SetCells(col, row, value);
  }
  void SizeChanged() override;

 private:
  // A vector per row, as long as the row's last cell with a text.
  std::vector<std::vector<std::string>> FCells;
};
