// Outlines: items counted over the whole tree, rows for the items shown, and the selection and
// expansion by keys and clicks.

#include "tests/controls/grids_fixture.h"

namespace {

class OutlineTest : public GridsTest {
 protected:
  void SetUp() override {
    GridsTest::SetUp();
    outline = Make<TOutline>(form, "Outline1", {10, 10, 200, 240});
    outline->SetLines({"Vehicles", "\tCars", "\t\tCoupe", "\t\tEstate", "\tBoats", "Animals",
                       "\tCats", "Plants"});
    form->Handle();
    outline->SetFocus();
  }

  // The texts of the items shown, row by row.
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (int row = 0; outline->NodeAtRow(row); ++row)
      rows.push_back(outline->NodeAtRow(row)->Text());
    return rows;
  }
  std::string Selected() const { return outline->Items(outline->SelectedItem())->Text(); }

  TOutline* outline = nullptr;
};

TEST_F(OutlineTest, ItemsAreCountedFromOneOverTheWholeTreeWithTheirLevels) {
  ASSERT_EQ(outline->ItemCount(), 8);
  const TOutlineNode* estate = outline->Items(4);
  EXPECT_EQ(estate->Text(), "Estate");
  EXPECT_EQ(estate->Index(), 4);
  EXPECT_EQ(estate->Level(), 3);
  EXPECT_EQ(estate->Parent()->Text(), "Cars");
  EXPECT_TRUE(outline->Items(1)->HasItems());
  EXPECT_FALSE(outline->Items(8)->HasItems());
  EXPECT_EQ(outline->Items(0), nullptr);
  EXPECT_EQ(outline->Items(9), nullptr);
  // Collapsed items have no rows; the first item is selected, in the first row.
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Vehicles", "Animals", "Plants"}));
  EXPECT_EQ(outline->RowCount(), 3);
  EXPECT_EQ(outline->SelectedItem(), 1);
  EXPECT_EQ(Current(*outline), (TGridCoord{0, 0}));
}

TEST_F(OutlineTest, KeysMoveTheSelectionOverTheRowsShown) {
  Key(VK_DOWN);
  EXPECT_EQ(outline->SelectedItem(), 6);  // Animals, in the second row
  EXPECT_EQ(outline->Row(), 1);
  Key(VK_END);
  EXPECT_EQ(Selected(), "Plants");
  Key(VK_DOWN);  // the last row
  Key(VK_RIGHT);
  EXPECT_EQ(outline->SelectedItem(), 8);
  Key(VK_HOME);
  EXPECT_EQ(outline->SelectedItem(), 1);
  Key(VK_UP);
  Key(VK_PRIOR);
  EXPECT_EQ(outline->SelectedItem(), 1);
  Key(VK_NEXT);
  EXPECT_EQ(Selected(), "Plants");
  Type("a");  // letters do nothing
  EXPECT_EQ(Selected(), "Plants");
}

TEST_F(OutlineTest, EnterPlusMinusAndTheKeypadsMultiplyExpandAndCollapse) {
  Key(VK_RETURN);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Vehicles", "Cars", "Boats", "Animals", "Plants"}));
  Key(VK_RETURN);
  EXPECT_EQ(Rows().size(), 3u);
  Key(VK_MULTIPLY);  // everything below Vehicles, and nothing else
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Vehicles", "Cars", "Coupe", "Estate", "Boats",
                                              "Animals", "Plants"}));
  Key(VK_DOWN);
  Key(VK_SUBTRACT);
  EXPECT_EQ(Rows().size(), 5u);
  Key(VK_ADD);
  EXPECT_EQ(Rows().size(), 7u);
  Key(VK_OEM_MINUS);  // the '-' of the main keys
  EXPECT_FALSE(outline->Items(2)->Expanded());
  Key(VK_OEM_PLUS, true);  // '+' is Shift and '='
  EXPECT_TRUE(outline->Items(2)->Expanded());
  EXPECT_EQ(Selected(), "Cars");
}

TEST_F(OutlineTest, CollapsingAParentOfTheSelectedItemSelectsThatParent) {
  outline->SetSelectedItem(4);  // Estate: its parents open
  EXPECT_EQ(outline->Row(), 3);
  EXPECT_TRUE(outline->Items(2)->Expanded());
  outline->Items(1)->Collapse();
  EXPECT_EQ(outline->SelectedItem(), 1);
  EXPECT_EQ(outline->Row(), 0);
  outline->Items(1)->FullExpand();
  EXPECT_EQ(Rows().size(), 7u);
  EXPECT_THROW(outline->SetSelectedItem(9), EInvalidOperation);
}

TEST_F(OutlineTest, APressSelectsTheItemOfItsRowAndADoubleClickTogglesIt) {
  ClickCell(*outline, 0, 1);
  EXPECT_EQ(Selected(), "Animals");
  const RECT first = outline->CellRect(0, 0);
  SimulateUserClick(TMouseButton::mbLeft, outline->ClientToScreen({first.left + 20, first.top + 5}),
                    true);
  EXPECT_EQ(Selected(), "Vehicles");
  EXPECT_TRUE(outline->Items(1)->Expanded());
  // A press below the last row selects nothing.
  SimulateClickAt(*outline, {20, 230});
  EXPECT_EQ(Selected(), "Vehicles");
}

TEST_F(OutlineTest, ChoosingAnItemClicksItsRowAndNamesTheCollapsedParentThatHidesIt) {
  try {
    SimulateOutlineChoice(*outline, OutlineItemIndex(*outline, "Estate", false));
    ADD_FAILURE() << "a hidden item was chosen";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(),
              "The item 'Estate' of Outline1 is hidden in the collapsed item 'Vehicles'");
  }
  outline->Items(1)->Expand();
  try {
    SimulateOutlineChoice(*outline, 4);
    ADD_FAILURE() << "a hidden item was chosen";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "The item 'Estate' of Outline1 is hidden in the collapsed item 'Cars'");
  }
  SimulateOutlineChoice(*outline, OutlineItemIndex(*outline, "5", true));
  EXPECT_EQ(Selected(), "Boats");
  Forget();
  SimulateOutlineChoice(*outline, 5);  // selected already: no click
  EXPECT_TRUE(SentOf({WM_LBUTTONDOWN}).empty());
  EXPECT_THROW(OutlineItemIndex(*outline, "9", true), EInvalidOperation);
  EXPECT_THROW(OutlineItemIndex(*outline, "x", true), EInvalidOperation);
  EXPECT_THROW(OutlineItemIndex(*outline, "Trucks", false), EInvalidOperation);
}

TEST_F(OutlineTest, AnEmptyOutlineHasNoSelectionAndTakesKeysAndClicks) {
  outline->Clear();
  EXPECT_EQ(outline->SelectedItem(), 0);
  EXPECT_EQ(outline->ItemCount(), 0);
  for (BYTE key : {VK_DOWN, VK_END, VK_RETURN, VK_MULTIPLY, VK_ADD}) Key(key);
  SimulateClickAt(*outline, {20, 5});
  EXPECT_EQ(outline->SelectedItem(), 0);
  outline->Add(nullptr, "Only");
  EXPECT_EQ(outline->SelectedItem(), 1);
  // Items added at the end: a row for each one shown, none below a collapsed one.
  outline->Add(outline->Items(1), "Child");
  outline->Add(nullptr, "Second");
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Only", "Second"}));
  outline->Items(1)->Expand();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Only", "Child", "Second"}));
  EXPECT_EQ(outline->Items(2)->Level(), 2);
}

TEST_F(OutlineTest, AChildAddedToAnEarlierItemRenumbersTheItemsAfterIt) {
  TOutlineNode* truck = outline->Add(outline->Items(2), "Truck");
  EXPECT_EQ(truck->Index(), 5);
  EXPECT_EQ(truck->Level(), 3);
  EXPECT_EQ(outline->Items(6)->Text(), "Boats");
  EXPECT_EQ(outline->Items(9)->Text(), "Plants");
  auto* other = Make<TOutline>(form, "Outline2", {220, 10, 100, 100});
  other->SetLines({"Elsewhere"});
  EXPECT_THROW(outline->Add(other->Items(1), "Stray"), EInvalidOperation);
  EXPECT_EQ(outline->ItemCount(), 9);
}

// Lines refused leave the items as they were.
TEST_F(OutlineTest, LinesAreCheckedBeforeAnythingChanges) {
  for (const auto& [lines, reason] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"a", "\t\tb"},
            "The outline item 'b' is indented 2 levels below the one before it; "
            "one level at most"},
           {{"\ta"}, "The first outline item must not be indented: '\ta'"},
           {{"a", " \t"}, "An outline item needs a text"},
       }) {
    try {
      outline->SetLines(lines);
      ADD_FAILURE() << reason;
    } catch (const ELineError& e) {
      EXPECT_EQ(e.Message(), reason);
    }
  }
  EXPECT_EQ(outline->ItemCount(), 8);
  // Spaces indent as tabs do; the lines come back with tabs.
  outline->SetLines({"a", " b", "  c"});
  EXPECT_EQ(outline->Lines(), (std::vector<std::string>{"a", "\tb", "\t\tc"}));
}

}  // namespace
