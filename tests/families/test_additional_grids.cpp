// The additional-control family's grids: the current cell moved with keys and clicks, cells
// edited in place, and the last recorded cell of each grid.

#include <new>

#include "families/additional_events.h"
#include "log/proxy_list.h"
#include "tests/families/additional_family_form.h"

namespace {

constexpr BYTE VK_F2 = VK_F1 + 1;

class AdditionalGrids : public AdditionalFamilyForm {
 protected:
  // A string grid of 5 columns and 6 rows with one fixed column and row: its first current cell
  // is (1, 1).
  TStringGrid* MakeGrid(const std::string& name = "Grid", bool editing = false) {
    auto* grid = Make<TStringGrid>(form, name, {10, 10, 300, 200});
    Shape(*grid, editing);
    return grid;
  }
  static void Shape(TStringGrid& grid, bool editing = false) {
    grid.SetColCount(5);
    grid.SetRowCount(6);
    grid.SetFixedCols(1);
    grid.SetFixedRows(1);
    if (editing) grid.SetOptions(TGridOptions(grid.Options()).Include(goEditing));
  }
  static void ClickCell(const TCustomGrid& grid, int col, int row) {
    const RECT cell = grid.CellRect(col, row);
    SimulateClickAt(grid, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
  }
};

TEST_F(AdditionalGrids, KeysRecordEachNewCellAndNothingAtTheEdge) {
  auto* grid = MakeGrid();
  ShowAndStart();
  grid->SetFocus();
  Key(VK_UP);  // at the top edge: nothing moves, but a fresh grid records its cell
  Key(VK_UP);
  Key(VK_RIGHT);
  Key(VK_DOWN);
  Key(VK_END);
  Key(VK_RIGHT);  // at the right edge
  Key(VK_NEXT);
  Key('A');  // a letter moves nothing and checks nothing
  EXPECT_EQ(Texts(), (TTexts{{"TGridCellChangeEvent", "Form1.Grid 1, 1"},
                             {"TGridCellChangeEvent", "Form1.Grid 2, 1"},
                             {"TGridCellChangeEvent", "Form1.Grid 2, 2"},
                             {"TGridCellChangeEvent", "Form1.Grid 4, 2"},
                             {"TGridCellChangeEvent", "Form1.Grid 4, 5"}}));
}

TEST_F(AdditionalGrids, APressRecordsTheCellTheGridStoodAtBeforeIt) {
  auto* grid = MakeGrid();
  ShowAndStart();
  ClickCell(*grid, 3, 2);  // a fresh grid: its first cell
  ClickCell(*grid, 2, 4);  // the cell the first click chose
  ClickCell(*grid, 2, 4);
  ClickCell(*grid, 2, 4);  // nothing moved since the last press
  EXPECT_EQ(Texts(), (TTexts{{"TGridCellChangeEvent", "Form1.Grid 1, 1"},
                             {"TGridCellChangeEvent", "Form1.Grid 3, 2"},
                             {"TGridCellChangeEvent", "Form1.Grid 2, 4"}}));
}

TEST_F(AdditionalGrids, AnEditedCellIsRecordedWithItsValueAndNeedsNoCellChangeAfterIt) {
  auto* grid = MakeGrid("Grid", true);
  auto* secret = MakeGrid("Secret", true);
  secret->SetTop(220);
  secret->SetPasswordChar('*');
  ShowAndStart();
  grid->SetFocus();
  Key(VK_F2);
  Type("PEARS");
  Key(VK_RETURN);
  Key(VK_UP);  // at the edge: the edited cell is the cell last recorded
  Key(VK_RIGHT);
  Key(VK_F2);
  Key(VK_RETURN);  // opened and closed without a change
  secret->SetFocus();
  Key(VK_F2);
  Type("PW");
  Key(VK_RETURN);
  const TRecords records = Recorded();
  EXPECT_EQ(TextsOf(records), (TTexts{{"TGridEditEvent", "Form1.Grid 1, 1: \"pears\""},
                                      {"TGridCellChangeEvent", "Form1.Grid 2, 1"},
                                      {"TGridEditEvent", "Form1.Secret 1, 1: **"}}));
  EXPECT_EQ(records[0]->GetEventName(), "grid cell edit");
}

TEST_F(AdditionalGrids, AFreedGridPassesNoLastCellToAGridMadeAtItsPlace) {
  // The second grid is built in the first one's storage, so that it has the same address.
  alignas(TStringGrid) unsigned char storage[sizeof(TStringGrid)];
  auto* first = new (storage) TStringGrid(nullptr);
  first->SetName("First");
  first->SetParent(form);
  first->SetBounds(10, 10, 300, 200);
  Shape(*first);
  ShowAndStart();
  first->SetFocus();
  Key(VK_UP);
  first->~TStringGrid();
  auto* second = new (storage) TStringGrid(nullptr);
  second->SetName("Second");
  second->SetParent(form);
  second->SetBounds(10, 10, 300, 200);
  Shape(*second);
  second->SetFocus();
  Key(VK_UP);  // its first check: its cell is recorded although the first grid stood there too
  second->~TStringGrid();
  EXPECT_EQ(Texts(), (TTexts{{"TGridCellChangeEvent", "Form1.First 1, 1"},
                             {"TGridCellChangeEvent", "Form1.Second 1, 1"}}));
}

// A check arrives after the action that posted it: the log may have been stopped, or the control
// freed, meanwhile.
TEST_F(AdditionalGrids, ChecksPostedWithoutALogOrForAFreedControlBuildNothing) {
  auto* grid = MakeGrid();
  auto* list = Make<TCheckListBox>(form, "Fruit", {10, 220, 100, 60});
  list->Items()->Add("Apple");
  auto* freed = MakeGrid("Freed");
  form->Show();
  const HWND proxies = ProxyList().GetHandle();
  PostMessageA(proxies, TAdditionalProxy::WM_GRIDCELLCHECK, 0, grid->Handle());
  PostMessageA(proxies, TAdditionalProxy::WM_CHECKLISTBOXCLICKED, 0, list->Handle());
  ProcessPendingMessages();
  ShowAndStart();
  const HWND freedWindow = freed->Handle();
  delete freed;
  PostMessageA(proxies, TAdditionalProxy::WM_GRIDCELLCHECK, 0, freedWindow);
  ProcessPendingMessages();
  grid->SetFocus();
  Key(VK_UP);  // still the grid's first check
  EXPECT_EQ(Texts(), (TTexts{{"TGridCellChangeEvent", "Form1.Grid 1, 1"}}));
}

}  // namespace
