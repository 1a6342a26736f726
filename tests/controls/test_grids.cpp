// Grids: the current cell moved by keys and clicks and kept in view, and the in-place editor with
// what it tells the grid while it opens, takes typing and closes.

#include "tests/controls/grids_fixture.h"

namespace {

constexpr BYTE VK_F2 = VK_F1 + 1;

class GridTest : public GridsTest {
 protected:
  void SetUp() override {
    GridsTest::SetUp();
    // Two scrolling columns and three scrolling rows are shown whole.
    grid = Make<TStringGrid>(form, "Grid1", {10, 10, 200, 100});
    grid->SetColCount(6);
    grid->SetRowCount(10);
    edit = Make<TEdit>(form, "Edit1", {10, 150, 100, 21});
    form->Handle();
    grid->SetFocus();
    Forget();
  }

  void AllowEditing() {
    TGridOptions options = grid->Options();
    grid->SetOptions(options.Include(goEditing));
  }

  TStringGrid* grid = nullptr;
  TEdit* edit = nullptr;
};

TEST_F(GridTest, EveryMovingKeyMovesTheCurrentCellAndTheGridScrollsToIt) {
  ASSERT_EQ(grid->VisibleColCount(), 2);
  ASSERT_EQ(grid->VisibleRowCount(), 3);
  struct Step {
    BYTE key;
    bool ctrl;
    TGridCoord cell;
    int leftCol;
    int topRow;
  };
  const Step steps[] = {
      {VK_RIGHT, false, {2, 1}, 1, 1}, {VK_DOWN, false, {2, 2}, 1, 1},
      {VK_END, false, {5, 2}, 4, 1},   {VK_HOME, false, {1, 2}, 1, 1},
      {VK_NEXT, false, {1, 5}, 1, 3},  {VK_END, true, {5, 9}, 4, 7},
      {VK_PRIOR, false, {5, 6}, 4, 6}, {VK_LEFT, false, {4, 6}, 4, 6},
      {VK_UP, false, {4, 5}, 4, 5},    {VK_HOME, true, {1, 1}, 1, 1},
  };
  for (const Step& step : steps) {
    Key(step.key, false, step.ctrl);
    EXPECT_EQ(Current(*grid), step.cell) << int{step.key};
    EXPECT_EQ(grid->LeftCol(), step.leftCol) << int{step.key};
    EXPECT_EQ(grid->TopRow(), step.topRow) << int{step.key};
  }
}

// Fixed cells are never current: the keys stop at the first scrolling column and row, and at the
// grid's last ones.
TEST_F(GridTest, AKeyAtTheGridsEdgeMovesNothing) {
  for (BYTE key : {VK_LEFT, VK_UP, VK_PRIOR, VK_HOME}) {
    Key(key);
    EXPECT_EQ(Current(*grid), (TGridCoord{1, 1})) << int{key};
  }
  Key(VK_HOME, false, true);
  EXPECT_EQ(Current(*grid), (TGridCoord{1, 1}));
  Key(VK_END, false, true);
  for (BYTE key : {VK_RIGHT, VK_DOWN, VK_NEXT, VK_END}) {
    Key(key);
    EXPECT_EQ(Current(*grid), (TGridCoord{5, 9})) << int{key};
  }
}

// Without goTabs, Tab leaves the grid for the next control.
TEST_F(GridTest, WithGoTabsTabMovesAlongTheRowsAndShiftTabBack) {
  Key(VK_TAB);
  EXPECT_TRUE(edit->Focused());
  grid->SetOptions(TGridOptions(kDefaultGridOptions).Include(goTabs).Include(goEditing));
  grid->SetFocus();
  SimulateCellClick(*grid, 5, 1);
  Key(VK_TAB);
  EXPECT_EQ(Current(*grid), (TGridCoord{1, 2}));
  Key(VK_TAB, true);
  EXPECT_EQ(Current(*grid), (TGridCoord{5, 1}));
  Key(VK_HOME);
  Key(VK_TAB, true);  // the first cell: nothing before it
  EXPECT_EQ(Current(*grid), (TGridCoord{1, 1}));
  EXPECT_TRUE(grid->Focused());
  // In the editor, Tab keeps the text and moves on.
  Type("t");
  Key(VK_TAB);
  EXPECT_EQ(grid->Cells(1, 1), "t");
  EXPECT_EQ(Current(*grid), (TGridCoord{2, 1}));
  EXPECT_TRUE(grid->Focused());
}

TEST_F(GridTest, APressOnACellMakesItCurrentButNotOnAFixedOne) {
  edit->SetFocus();
  ClickCell(*grid, 2, 3);
  EXPECT_EQ(Current(*grid), (TGridCoord{2, 3}));
  EXPECT_TRUE(grid->Focused());
  ClickCell(*grid, 0, 2);
  ClickCell(*grid, 3, 0);
  EXPECT_EQ(Current(*grid), (TGridCoord{2, 3}));
  // Beyond the last column of a narrow grid there is no cell.
  grid->SetColCount(2);
  SimulateClickAt(*grid, {150, 40});
  EXPECT_EQ(Current(*grid), (TGridCoord{1, 3}));
  EXPECT_EQ(grid->MouseCoord(150, 40), (TGridCoord{-1, -1}));
}

TEST_F(GridTest, ClickingACellScrollsItIntoViewFirstAndRefusesFixedAndMissingCells) {
  SimulateCellClick(*grid, 5, 8);
  EXPECT_EQ(Current(*grid), (TGridCoord{5, 8}));
  EXPECT_EQ(grid->LeftCol(), 4);
  EXPECT_EQ(grid->TopRow(), 6);
  EXPECT_EQ(grid->CellRect(1, 1).right, 0);  // scrolled away
  EXPECT_THROW(SimulateCellClick(*grid, 0, 3), EInvalidOperation);
  EXPECT_THROW(SimulateCellClick(*grid, 2, 0), EInvalidOperation);
  EXPECT_THROW(SimulateCellClick(*grid, 6, 3), EInvalidOperation);
  EXPECT_THROW(SimulateCellClick(*grid, 2, -1), EInvalidOperation);
  EXPECT_EQ(Current(*grid), (TGridCoord{5, 8}));
  EXPECT_THROW(grid->SetCol(0), EInvalidOperation);
}

TEST_F(GridTest, TheSizeKeepsTheCurrentCellAndTheFixedOnesInside) {
  SimulateCellClick(*grid, 5, 9);
  grid->SetColCount(3);
  grid->SetRowCount(4);
  EXPECT_EQ(Current(*grid), (TGridCoord{2, 3}));
  EXPECT_THROW(grid->SetFixedCols(3), EInvalidOperation);
  EXPECT_THROW(grid->SetFixedRows(4), EInvalidOperation);
  grid->SetColCount(1);
  EXPECT_EQ(grid->FixedCols(), 0);
  EXPECT_EQ(grid->Col(), 0);
}

// The editor's text is loaded (an edit reports that as a change), then it gains the focus; each
// typed character is an update and a change; it loses the focus while its cell is still current.
TEST_F(GridTest, AnEditTellsTheGridFocusEachTypedCharacterAndTheFocusLostInOrder) {
  AllowEditing();
  grid->SetCells(2, 1, "old");
  SimulateCellEdit(*grid, 2, 1, "ab", TEditLeave::Enter);
  EXPECT_EQ(Notices(), (std::vector<std::string>{"EN_UPDATE 2,1 'old'", "EN_CHANGE 2,1 'old'",
                                                 "EN_SETFOCUS 2,1 'old'", "EN_UPDATE 2,1 'a'",
                                                 "EN_CHANGE 2,1 'a'", "EN_UPDATE 2,1 'ab'",
                                                 "EN_CHANGE 2,1 'ab'", "EN_KILLFOCUS 2,1 'ab'"}));
  EXPECT_EQ(grid->Cells(2, 1), "ab");
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_TRUE(grid->Focused());
  ASSERT_NE(grid->InplaceEditor(), nullptr);
  EXPECT_EQ(grid->InplaceEditor()->Parent(), grid);
  EXPECT_FALSE(grid->InplaceEditor()->Visible());
}

TEST_F(GridTest, EscClosesTheEditorAndGivesTheCellItsTextBack) {
  AllowEditing();
  grid->SetCells(1, 1, "old");
  Key(VK_F2);
  ASSERT_TRUE(grid->EditorMode());
  Notices();
  Type("x");
  Key(VK_ESCAPE);
  EXPECT_EQ(Notices(), (std::vector<std::string>{"EN_UPDATE 1,1 'x'", "EN_CHANGE 1,1 'x'",
                                                 "EN_UPDATE 1,1 'old'", "EN_CHANGE 1,1 'old'",
                                                 "EN_KILLFOCUS 1,1 'old'"}));
  EXPECT_EQ(grid->Cells(1, 1), "old");
  EXPECT_FALSE(grid->EditorMode());
}

TEST_F(GridTest, ATypedCharacterOpensTheEditorAndReplacesTheText) {
  AllowEditing();
  grid->SetCells(1, 1, "old");
  Type("z");
  EXPECT_TRUE(grid->EditorMode());
  EXPECT_EQ(grid->InplaceEditor()->Text(), "z");
  Key(VK_RETURN);
  EXPECT_EQ(grid->Cells(1, 1), "z");
  // Enter opens it again with the cell's text, and closes it keeping the text.
  Key(VK_RETURN);
  EXPECT_TRUE(grid->EditorMode());
  EXPECT_EQ(grid->InplaceEditor()->Text(), "z");
  Key(VK_RETURN);
  EXPECT_FALSE(grid->EditorMode());
}

TEST_F(GridTest, AClickOnAnotherCellClosesTheEditorBeforeTheCellMoves) {
  AllowEditing();
  ClickCell(*grid, 1, 1);  // the current cell: the editor opens
  ASSERT_TRUE(grid->EditorMode());
  Type("q");
  ClickCell(*grid, 2, 2);
  EXPECT_EQ(Notices().back(), "EN_KILLFOCUS 1,1 'q'");
  EXPECT_EQ(grid->Cells(1, 1), "q");
  EXPECT_EQ(Current(*grid), (TGridCoord{2, 2}));
  EXPECT_FALSE(grid->EditorMode());
  // Leaving by a click on the next cell, as the user action does.
  SimulateCellEdit(*grid, 2, 2, "r", TEditLeave::Click);
  EXPECT_EQ(grid->Cells(2, 2), "r");
  EXPECT_EQ(Current(*grid), (TGridCoord{3, 2}));
}

TEST_F(GridTest, TheFocusLeavingTheGridOrAKeyToAnotherRowClosesTheEditor) {
  AllowEditing();
  Type("q");
  edit->SetFocus();
  EXPECT_EQ(Notices().back(), "EN_KILLFOCUS 1,1 'q'");
  EXPECT_EQ(grid->Cells(1, 1), "q");
  EXPECT_FALSE(grid->EditorMode());
  grid->SetFocus();
  Type("w");
  Key(VK_DOWN);
  EXPECT_EQ(Notices().back(), "EN_KILLFOCUS 1,1 'w'");
  EXPECT_EQ(grid->Cells(1, 1), "w");
  EXPECT_EQ(Current(*grid), (TGridCoord{1, 2}));
  EXPECT_TRUE(grid->Focused());
}

// A text the cell cannot hold (program code gave the editor a tab) stays in the open editor.
TEST_F(GridTest, AnEditorTextTheCellRefusesKeepsTheEditorOpen) {
  AllowEditing();
  Key(VK_F2);
  grid->InplaceEditor()->SetText("a\tb");
  EXPECT_THROW(grid->SetEditorMode(false), EInvalidOperation);
  EXPECT_TRUE(grid->EditorMode());
  grid->InplaceEditor()->SetText("ab");
  Key(VK_RETURN);
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(1, 1), "ab");
}

TEST_F(GridTest, WithoutGoEditingNothingOpensAnEditor) {
  grid->SetCells(1, 1, "old");
  Key(VK_F2);
  Key(VK_RETURN);
  Type("z");
  ClickCell(*grid, 1, 1);
  EXPECT_EQ(grid->InplaceEditor(), nullptr);
  EXPECT_EQ(grid->Cells(1, 1), "old");
  EXPECT_THROW(SimulateCellEdit(*grid, 1, 1, "x", TEditLeave::Enter), EInvalidOperation);
}

TEST_F(GridTest, TheEditorShowsTheGridsPasswordCharacter) {
  AllowEditing();
  grid->SetPasswordChar('*');
  Key(VK_F2);
  EXPECT_EQ(grid->InplaceEditor()->PasswordChar(), '*');
  grid->SetPasswordChar('#');
  EXPECT_EQ(grid->InplaceEditor()->PasswordChar(), '#');
  EXPECT_EQ(SendMessageA(grid->InplaceEditor()->Handle(), EM_GETPASSWORDCHAR, 0, 0), '#');
}

TEST_F(GridTest, CellTextsStayInsideTheGridAndHoldNoSeparators) {
  grid->SetCells(5, 9, "last");
  EXPECT_THROW(grid->SetCells(6, 0, "x"), EInvalidOperation);
  EXPECT_THROW(grid->Cells(0, 10), EInvalidOperation);
  EXPECT_THROW(grid->SetCells(1, 1, "a\tb"), EInvalidOperation);
  EXPECT_THROW(grid->SetCells(1, 1, "a\nb"), EInvalidOperation);
  EXPECT_EQ(grid->Cells(1, 1), "");
  // Cells a smaller grid loses do not come back when it grows again.
  grid->SetRowCount(5);
  grid->SetRowCount(10);
  EXPECT_EQ(grid->Cells(5, 9), "");
}

// Counts as large as a form file may give: positions beyond the client area need 64 bits.
TEST_F(GridTest, AGridOfTheLargestSizeMovesAndMeasuresWithoutOverflow) {
  constexpr int kLargest = 0x7FFFFFFF;
  grid->SetColCount(kLargest);
  grid->SetRowCount(kLargest);
  grid->SetFixedRows(kLargest - 2);
  EXPECT_EQ(grid->VisibleRowCount(), 1);
  Key(VK_END, false, true);
  EXPECT_EQ(Current(*grid), (TGridCoord{kLargest - 1, kLargest - 1}));
  Key(VK_NEXT);
  Key(VK_PRIOR);
  EXPECT_EQ(grid->Row(), kLargest - 2);
  EXPECT_EQ(grid->CellRect(kLargest - 1, kLargest - 3).right, 0);  // a fixed row far below
  EXPECT_EQ(grid->CellRect(1, kLargest - 2).right, 0);             // scrolled away to the left
  EXPECT_EQ(grid->MouseCoord(100, 50), (TGridCoord{grid->LeftCol(), 2}));
}

// The editor goes before the grid's own parts, and tells the grid nothing on its way out.
TEST_F(GridTest, AGridDestroyedWhileItEditsDropsTheEdit) {
  AllowEditing();
  Type("q");
  ASSERT_TRUE(grid->EditorMode());
  Notices();
  delete grid;
  grid = nullptr;
  EXPECT_EQ(Notices(), std::vector<std::string>{});
  edit->SetFocus();
  EXPECT_TRUE(edit->Focused());
}

}  // namespace
