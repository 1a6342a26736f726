// Grids: their size, scrolling, current cell, keys, mouse and in-place editing; the string grid's
// texts.

#include "platform/vcl/grids.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/vcl/errors.h"
#include "platform/vcl/std_control.h"

namespace {

constexpr BYTE VK_F2 = VK_F1 + 1;

constexpr std::string_view kGridOptionIdents[] = {
    "goFixedVertLine", "goFixedHorzLine",     "goVertLine",     "goHorzLine",
    "goRangeSelect",   "goDrawFocusSelected", "goRowSizing",    "goColSizing",
    "goRowMoving",     "goColMoving",         "goEditing",      "goTabs",
    "goRowSelect",     "goAlwaysShowEditor",  "goThumbTracking"};

bool CtrlDown() { return GetKeyState(VK_CONTROL) < 0; }

}  // namespace

// ---- TCustomGrid --------------------------------------------------------------------------------

const TComponentClass& TCustomGrid::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      kTabOrderProperty,
      kTabStopOnByDefault,
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TCustomGrid",
      .Parent = &TWinControl::StaticClass(),
      .OwnProperties = kProperties,
  });
  return cls;
}

TCustomGrid::TCustomGrid(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 320, 120);  // the framework's size for a new grid
}

// The editor goes first, while the grid it reports to is whole; an open edit is dropped.
TCustomGrid::~TCustomGrid() {
  FEditing = false;
  delete FEditor;
}

void TCustomGrid::CheckCell(TGridCoord cell) const {
  if (cell.X < FFixedCols || cell.X >= FColCount || cell.Y < FFixedRows || cell.Y >= FRowCount)
    throw EInvalidOperation(
        Format("%s has no cell %d, %d that can be current: columns %d to %d, "
               "rows %d to %d",
               Name(), cell.X, cell.Y, FFixedCols, FColCount - 1, FFixedRows, FRowCount - 1));
}

void TCustomGrid::SetCol(int value) {
  CheckCell({value, FRow});
  FocusCell({value, FRow});
}

void TCustomGrid::SetRow(int value) {
  CheckCell({FCol, value});
  FocusCell({FCol, value});
}

void TCustomGrid::MoveCurrent(TGridCoord cell) {
  HideEditor(false);
  FCol = cell.X;
  FRow = cell.Y;
  MakeCellVisible(FCol, FRow);
}

void TCustomGrid::SetColCount(int value) {
  HideEditor(false);
  FColCount = std::max(value, 1);
  FFixedCols = std::min(FFixedCols, FColCount - 1);
  FCol = std::clamp(FCol, FFixedCols, FColCount - 1);
  ClampScroll();
  SizeChanged();
}

void TCustomGrid::SetRowCount(int value) {
  HideEditor(false);
  FRowCount = std::max(value, 1);
  FFixedRows = std::min(FFixedRows, FRowCount - 1);
  FRow = std::clamp(FRow, FFixedRows, FRowCount - 1);
  ClampScroll();
  SizeChanged();
}

void TCustomGrid::SetFixedCols(int value) {
  if (value < 0 || value >= FColCount)
    throw EInvalidOperation(
        Format("Fixed column count must be less than column count (%d fixed of %d columns)", value,
               FColCount));
  HideEditor(false);
  FFixedCols = value;
  FCol = std::max(FCol, FFixedCols);
  ClampScroll();
}

void TCustomGrid::SetFixedRows(int value) {
  if (value < 0 || value >= FRowCount)
    throw EInvalidOperation(Format(
        "Fixed row count must be less than row count (%d fixed of %d rows)", value, FRowCount));
  HideEditor(false);
  FFixedRows = value;
  FRow = std::max(FRow, FFixedRows);
  ClampScroll();
}

void TCustomGrid::SetDefaultColWidth(int value) {
  FDefaultColWidth = std::max(BoundedSize(value), 1);
  ClampScroll();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
  FDefaultRowHeight = std::max(BoundedSize(value), 1);
  ClampScroll();
}

void TCustomGrid::SetOptions(TGridOptions value) {
  FOptions = value;
  if (!FOptions.Contains(goEditing)) HideEditor(false);
}

void TCustomGrid::SetPasswordChar(char value) {
  FPasswordChar = value;
  if (FEditor) FEditor->SetPasswordChar(value);
}

// ---- scrolling and geometry ---------------------------------------------------------------------

namespace {

// How many scrolling columns (rows) fit whole beside the fixed ones, at least one and at most as
// many as there are. Counts and sizes may be large: the products need 64 bits.
int ScrollingCells(int clientSize, int count, int fixed, int size) {
  const int64_t fit = (clientSize - int64_t{fixed} * size) / size;
  return static_cast<int>(std::clamp<int64_t>(fit, 1, std::max(count - fixed, 1)));
}

}  // namespace

int TCustomGrid::VisibleRowCount() const {
  return ScrollingCells(Height(), FRowCount, FFixedRows, FDefaultRowHeight);
}

int TCustomGrid::VisibleColCount() const {
  return ScrollingCells(Width(), FColCount, FFixedCols, FDefaultColWidth);
}

void TCustomGrid::SetTopRow(int value) {
  FTopRow = std::clamp(value, FFixedRows, std::max(FRowCount - VisibleRowCount(), FFixedRows));
  if (FEditing) FEditor->Place(CellRect(FCol, FRow));
}

void TCustomGrid::SetLeftCol(int value) {
  FLeftCol = std::clamp(value, FFixedCols, std::max(FColCount - VisibleColCount(), FFixedCols));
  if (FEditing) FEditor->Place(CellRect(FCol, FRow));
}

void TCustomGrid::ClampScroll() {
  SetTopRow(FTopRow);
  SetLeftCol(FLeftCol);
  MakeCellVisible(FCol, FRow);
}

void TCustomGrid::MakeCellVisible(int col, int row) {
  if (col >= FFixedCols) {
    if (col < FLeftCol) SetLeftCol(col);
    if (col >= FLeftCol + VisibleColCount()) SetLeftCol(col - VisibleColCount() + 1);
  }
  if (row >= FFixedRows) {
    if (row < FTopRow) SetTopRow(row);
    if (row >= FTopRow + VisibleRowCount()) SetTopRow(row - VisibleRowCount() + 1);
  }
}

namespace {

// Where a column (row) starts along its axis: the fixed ones at the start, the scrolling ones
// from the first shown; -1 for one scrolled away before the first shown.
int64_t CellStart(int index, int fixed, int first, int size) {
  if (index < fixed) return int64_t{index} * size;
  if (index < first) return -1;
  return (int64_t{fixed} + index - first) * size;
}

// The column (row) at a position along its axis, or -1 past the last one.
int CellAtPosition(int position, int count, int fixed, int first, int size) {
  if (position < 0) return -1;
  const int index = position / size;
  const int64_t cell = index < fixed ? index : int64_t{first} + index - fixed;
  return cell < count ? static_cast<int>(cell) : -1;
}

}  // namespace

RECT TCustomGrid::CellRect(int col, int row) const {
  if (col < 0 || col >= FColCount || row < 0 || row >= FRowCount) return {};
  const int64_t left = CellStart(col, FFixedCols, FLeftCol, FDefaultColWidth);
  const int64_t top = CellStart(row, FFixedRows, FTopRow, FDefaultRowHeight);
  if (left < 0 || top < 0 || left >= Width() || top >= Height()) return {};
  // Within the client area, so within int.
  const int x = static_cast<int>(left);
  const int y = static_cast<int>(top);
  return {x, y, std::min(x + FDefaultColWidth, Width()), std::min(y + FDefaultRowHeight, Height())};
}

TGridCoord TCustomGrid::MouseCoord(int x, int y) const {
  if (x >= Width() || y >= Height()) return {-1, -1};
  const int col = CellAtPosition(x, FColCount, FFixedCols, FLeftCol, FDefaultColWidth);
  const int row = CellAtPosition(y, FRowCount, FFixedRows, FTopRow, FDefaultRowHeight);
  if (col < 0 || row < 0) return {-1, -1};
  return {col, row};
}

// ---- the in-place editor ------------------------------------------------------------------------

bool TCustomGrid::EditorMode() const { return FEditing; }

void TCustomGrid::SetEditorMode(bool value) {
  if (value)
    ShowEditor();
  else
    HideEditor(false);
}

std::string TCustomGrid::GetEditText(int, int) const { return {}; }

void TCustomGrid::SetEditText(int, int, const std::string&) {}

void TCustomGrid::ShowEditor() {
  if (FEditing || !FOptions.Contains(goEditing) || !CanFocus()) return;
  if (!FEditor) FEditor = new TInplaceEdit(this);
  MakeCellVisible(FCol, FRow);
  FEditor->SetPasswordChar(FPasswordChar);
  FEditor->Place(CellRect(FCol, FRow));
  const std::string text = GetEditText(FCol, FRow);
  if (FEditor->Text() != text) FEditor->SetText(text);
  FEditing = true;
  FEditor->SetVisible(true);
  FEditor->SetFocus();
  FEditor->SelectAll();
}

void TCustomGrid::HideEditor(bool cancel) {
  if (!FEditing || FClosingEditor) return;
  if (!cancel) SetEditText(FCol, FRow, FEditor->Text());  // a text refused keeps the editor open
  FClosingEditor = true;
  if (cancel) {
    const std::string text = GetEditText(FCol, FRow);
    if (FEditor->Text() != text) FEditor->SetText(text);
  }
  // The editor hears that it lost the focus while its cell is still the current one.
  if (FEditor->Focused() && CanFocus()) SetFocus();
  FEditing = false;
  FEditor->SetVisible(false);
  FClosingEditor = false;
}

void TCustomGrid::EditorLostFocus() { HideEditor(false); }

void TCustomGrid::EditorKeyDown(WPARAM key) {
  switch (key) {
    case VK_RETURN:
      HideEditor(false);
      return;
    case VK_ESCAPE:
      HideEditor(true);
      return;
    default:
      KeyDown(key);  // the keys that move between rows leave the editor for the new row
  }
}

// ---- keys and the mouse -------------------------------------------------------------------------

void TCustomGrid::KeyDown(WPARAM key) {
  TGridCoord cell{FCol, FRow};
  const int lastCol = FColCount - 1;
  const int lastRow = FRowCount - 1;
  switch (key) {
    case VK_LEFT:
      cell.X = std::max(cell.X - 1, FFixedCols);
      break;
    case VK_RIGHT:
      cell.X = std::min(cell.X + 1, lastCol);
      break;
    case VK_UP:
      cell.Y = std::max(cell.Y - 1, FFixedRows);
      break;
    case VK_DOWN:
      cell.Y = std::min(cell.Y + 1, lastRow);
      break;
    case VK_PRIOR:
      cell.Y = cell.Y - FFixedRows > VisibleRowCount() ? cell.Y - VisibleRowCount() : FFixedRows;
      break;
    case VK_NEXT:
      cell.Y = lastRow - cell.Y > VisibleRowCount() ? cell.Y + VisibleRowCount() : lastRow;
      break;
    case VK_HOME:
      cell = {FFixedCols, CtrlDown() ? FFixedRows : cell.Y};
      break;
    case VK_END:
      cell = {lastCol, CtrlDown() ? lastRow : cell.Y};
      break;
    case VK_TAB:
      // With goTabs, Tab goes on along the row and into the next one, Shift+Tab back.
      if (!FOptions.Contains(goTabs)) return;
      if (GetKeyState(VK_SHIFT) >= 0) {
        if (cell.X < lastCol)
          ++cell.X;
        else if (cell.Y < lastRow)
          cell = {FFixedCols, cell.Y + 1};
      } else if (cell.X > FFixedCols) {
        --cell.X;
      } else if (cell.Y > FFixedRows) {
        cell = {lastCol, cell.Y - 1};
      }
      break;
    case VK_F2:
    case VK_RETURN:
      ShowEditor();
      return;
    default:
      return;
  }
  if (cell != TGridCoord{FCol, FRow}) FocusCell(cell);
}

void TCustomGrid::MouseDown(POINT point) {
  if (CanFocus()) SetFocus();  // an open editor closes, keeping its text
  const TGridCoord cell = MouseCoord(point.x, point.y);
  if (cell.X < FFixedCols || cell.Y < FFixedRows) return;  // a fixed cell, or outside every cell
  if (cell == TGridCoord{FCol, FRow})
    ShowEditor();
  else
    FocusCell(cell);
}

void TCustomGrid::Typed(char character) {
  if (FEditing || static_cast<unsigned char>(character) < ' ' || !FOptions.Contains(goEditing))
    return;
  ShowEditor();
  if (FEditing) SendMessageA(FEditor->Handle(), WM_CHAR, static_cast<BYTE>(character), 0);
}

void TCustomGrid::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS |
                       (FOptions.Contains(goEditing) ? DLGC_WANTCHARS | DLGC_WANTALLKEYS : 0) |
                       (FOptions.Contains(goTabs) ? DLGC_WANTTAB : 0);
      return;
    case WM_KEYDOWN:
      KeyDown(message.WParam);
      return;
    case WM_CHAR:
      Typed(static_cast<char>(message.WParam));
      return;
    case WM_LBUTTONDOWN:
      MouseDown(PointOfMessage(message.LParam));
      return;
    case WM_SIZE:
      TWinControl::WndProc(message);
      ClampScroll();
      return;
  }
  TWinControl::WndProc(message);
}

// ---- TDrawGrid and TStringGrid ------------------------------------------------------------------

namespace {

constexpr TPublishedProperty kGridProperties[] = {
    Published<&TCustomGrid::ColCount, &TCustomGrid::SetColCount>("ColCount", {.Default = 5}),
    Published<&TCustomGrid::RowCount, &TCustomGrid::SetRowCount>("RowCount", {.Default = 5}),
    Published<&TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth>("DefaultColWidth",
                                                                               {.Default = 64}),
    Published<&TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight>("DefaultRowHeight",
                                                                                 {.Default = 24}),
    Published<&TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols>("FixedCols", {.Default = 1}),
    Published<&TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows>("FixedRows", {.Default = 1}),
    Published<&TCustomGrid::Options, &TCustomGrid::SetOptions>(
        "Options", {.ValueNames = kGridOptionIdents, .Default = kDefaultGridOptions.Bits()}),
    Published<&TCustomGrid::PasswordChar, &TCustomGrid::SetPasswordChar>("PasswordChar",
                                                                         {.Default = 0}),
};

}  // namespace

const TComponentClass& TDrawGrid::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TDrawGrid",
      .Parent = &TCustomGrid::StaticClass(),
      .OwnProperties = kGridProperties,
      .Create = &ConstructComponent<TDrawGrid>,
  });
  return cls;
}

const TComponentClass& TStringGrid::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TStringGrid::RowLines, &TStringGrid::SetRowLines>("Rows"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TStringGrid",
      .Parent = &TDrawGrid::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TStringGrid>,
  });
  return cls;
}

namespace {

constexpr char kCellSeparator = '\t';

// A tab would split the cell when the grid is read back, a line break the row.
bool StorableCellText(const std::string& text) {
  return text.find_first_of("\t\r\n") == std::string::npos;
}

std::vector<std::string> SplitRowLine(const std::string& line) {
  std::vector<std::string> cells;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find(kCellSeparator, start);
    cells.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return cells;
    start = tab + 1;
  }
}

}  // namespace

std::string TStringGrid::Cells(int col, int row) const {
  if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
    throw EInvalidOperation(Format("%s has no cell %d, %d (%d columns, %d rows)", Name(), col, row,
                                   ColCount(), RowCount()));
  if (static_cast<size_t>(row) >= FCells.size()) return {};
  const std::vector<std::string>& cells = FCells[static_cast<size_t>(row)];
  return static_cast<size_t>(col) < cells.size() ? cells[static_cast<size_t>(col)] : std::string();
}

void TStringGrid::SetCells(int col, int row, const std::string& value) {
  Cells(col, row);  // checks the cell
  if (!StorableCellText(value))
    throw EInvalidOperation(
        Format("A cell of %s cannot hold a tab or a line break: '%s'", Name(), value));
  if (value.empty() && Cells(col, row).empty()) return;
  if (static_cast<size_t>(row) >= FCells.size()) FCells.resize(static_cast<size_t>(row) + 1);
  std::vector<std::string>& cells = FCells[static_cast<size_t>(row)];
  if (static_cast<size_t>(col) >= cells.size()) cells.resize(static_cast<size_t>(col) + 1);
  cells[static_cast<size_t>(col)] = value;
}

void TStringGrid::SizeChanged() {
  if (FCells.size() > static_cast<size_t>(RowCount()))
    FCells.resize(static_cast<size_t>(RowCount()));
  for (std::vector<std::string>& cells : FCells)
    if (cells.size() > static_cast<size_t>(ColCount()))
      cells.resize(static_cast<size_t>(ColCount()));
}

std::vector<std::string> TStringGrid::RowLines() const {
  std::vector<std::string> lines;
  lines.reserve(FCells.size());
  for (const std::vector<std::string>& cells : FCells) {
    size_t used = cells.size();
    while (used > 0 && cells[used - 1].empty()) --used;
    std::string line;
    for (size_t i = 0; i < used; ++i) {
      if (i > 0) line += kCellSeparator;
      line += cells[i];
    }
    lines.push_back(std::move(line));
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

void TStringGrid::SetRowLines(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const int index = static_cast<int>(i);
    if (index >= RowCount())
      throw ELineError(index, Format("%s has %d rows, but Rows gives a line for row %d (set "
                                     "RowCount first)",
                                     Name(), RowCount(), index));
    rows.push_back(SplitRowLine(lines[i]));
    if (rows.back().size() > static_cast<size_t>(ColCount()))
      throw ELineError(index,
                       Format("%s has %d columns, but row %d of Rows has %d cells (set "
                              "ColCount first)",
                              Name(), ColCount(), index, static_cast<int>(rows.back().size())));
    if (rows.back().size() == 1 && rows.back()[0].empty()) rows.back().clear();
  }
  FCells = std::move(rows);
}
