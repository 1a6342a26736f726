// The outline family: the selected item of an outline changed with keys or seen at a click, and
// what the additional-control family records of an outline, which is a grid too.

#include <new>

#include "families/win31_events.h"
#include "tests/families/additional_family_form.h"

namespace {

class OutlineFamily : public AdditionalFamilyForm {
 protected:
  // Vehicles (1) with Cars (2) and Bikes (3) below it, then Boats (4); collapsed.
  TOutline* MakeOutline(const std::string& name = "Tree") {
    auto* outline = Make<TOutline>(form, name, {10, 10, 200, 150});
    Fill(*outline);
    return outline;
  }
  static void Fill(TOutline& outline) {
    outline.SetLines({"Vehicles", "\tCars", "\tBikes", "Boats"});
  }
  static void ClickRow(const TCustomOutline& outline, int row) {
    const RECT cell = outline.CellRect(0, row);
    SimulateClickAt(outline, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
  }
  // Only the outline's own records, unless a test asks for the cells too.
  void StartWithoutCells() {
    ShowAndStart();
    TLogStream::EnableEvent("TGridCellChangeEvent", false);
  }
};

TEST_F(OutlineFamily, KeysRecordEachNewSelectionAndNothingAtTheLastItem) {
  auto* outline = MakeOutline();
  StartWithoutCells();
  outline->SetFocus();
  Key(VK_UP);  // at the first item: a fresh outline records it all the same
  Key(VK_DOWN);
  Key(VK_DOWN);  // Boats is the last item shown
  EXPECT_EQ(Texts(), (TTexts{{"TOutlineNodeChangeEvent", "Form1.Tree 1: Vehicles"},
                             {"TOutlineNodeChangeEvent", "Form1.Tree 4: Boats"}}));
}

TEST_F(OutlineFamily, EnterAndTheKeypadMultiplyCheckTheSelectionAndLettersDoNot) {
  auto* outline = MakeOutline();
  StartWithoutCells();
  outline->SetFocus();
  Key(VK_RETURN);  // expands Vehicles: a fresh outline's first check
  Key(VK_DOWN);    // Cars
  outline->SetSelectedItem(4);
  Key('B');  // no check: Boats stays unrecorded
  Key(VK_MULTIPLY);
  EXPECT_EQ(Texts(), (TTexts{{"TOutlineNodeChangeEvent", "Form1.Tree 1: Vehicles"},
                             {"TOutlineNodeChangeEvent", "Form1.Tree 2: Cars"},
                             {"TOutlineNodeChangeEvent", "Form1.Tree 4: Boats"}}));
}

TEST_F(OutlineFamily, APressRecordsTheSelectionBeforeItAndNoCellOfTheOutline) {
  auto* outline = MakeOutline();
  ShowAndStart();
  ClickRow(*outline, 1);  // a fresh outline: Vehicles, selected until now
  ClickRow(*outline, 1);  // Boats, which the first click selected
  ClickRow(*outline, 1);  // already recorded
  EXPECT_EQ(Texts(), (TTexts{{"TOutlineNodeChangeEvent", "Form1.Tree 1: Vehicles"},
                             {"TOutlineNodeChangeEvent", "Form1.Tree 4: Boats"}}));
}

// The additional family takes an outline's movement keys as a grid's: its current cell (column
// 0, the selected item's row among those shown) follows the item's record.
TEST_F(OutlineFamily, AKeyThatMovesTheSelectionAlsoRecordsTheOutlinesCell) {
  auto* outline = MakeOutline();
  ShowAndStart();
  outline->SetFocus();
  Key(VK_RETURN);
  Key(VK_DOWN);
  EXPECT_EQ(Texts(), (TTexts{{"TOutlineNodeChangeEvent", "Form1.Tree 1: Vehicles"},
                             {"TOutlineNodeChangeEvent", "Form1.Tree 2: Cars"},
                             {"TGridCellChangeEvent", "Form1.Tree 0, 1"}}));
}

TEST_F(OutlineFamily, AnEmptyOutlineRecordsNothing) {
  auto* outline = Make<TOutline>(form, "Empty", {10, 10, 200, 150});
  StartWithoutCells();
  outline->SetFocus();
  Key(VK_DOWN);
  Key(VK_MULTIPLY);
  ClickRow(*outline, 0);
  EXPECT_EQ(Texts(), TTexts{});
}

TEST_F(OutlineFamily, AFreedOutlinePassesNoLastItemToAnOutlineMadeAtItsPlace) {
  alignas(TOutline) unsigned char storage[sizeof(TOutline)];
  const auto make = [&](const char* name) {
    auto* outline = new (storage) TOutline(nullptr);
    outline->SetName(name);
    outline->SetParent(form);
    outline->SetBounds(10, 10, 200, 150);
    Fill(*outline);
    return outline;
  };
  TOutline* first = make("First");
  StartWithoutCells();
  first->SetFocus();
  Key(VK_UP);
  first->~TOutline();
  TOutline* second = make("Second");
  second->SetFocus();
  Key(VK_UP);
  second->~TOutline();
  EXPECT_EQ(Texts(), (TTexts{{"TOutlineNodeChangeEvent", "Form1.First 1: Vehicles"},
                             {"TOutlineNodeChangeEvent", "Form1.Second 1: Vehicles"}}));
}

}  // namespace
