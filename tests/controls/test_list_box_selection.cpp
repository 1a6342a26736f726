// List boxes that sort their items and let several be selected: sorted insertion, Ctrl and Shift
// clicks, and the selection following its items.

#include "tests/controls/controls_fixture.h"

namespace {

class ListBoxSelectionTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    list = Make<TListBox>(form, "List1", {10, 10, 120, 100});
    list->SetMultiSelect(true);
    for (const char* item : {"a", "b", "c", "d", "e"}) list->Items()->Add(item);
    form->Handle();
  }

  void ClickItem(int index, bool ctrl = false, bool shift = false) {
    if (ctrl) SimulateKeyDown(VK_CONTROL);
    if (shift) SimulateKeyDown(VK_SHIFT);
    const RECT r = list->ItemRect(index);
    SimulateClick(TMouseButton::mbLeft, list->ClientToScreen({r.left + 5, r.top + 5}));
    if (shift) SimulateKeyUp(VK_SHIFT);
    if (ctrl) SimulateKeyUp(VK_CONTROL);
    ProcessPendingMessages();
  }

  std::vector<int> SelectedItems() const {
    std::vector<int> selected;
    for (int i = 0; i < list->Items()->Count(); ++i)
      if (list->Selected(i)) selected.push_back(i);
    return selected;
  }

  TListBox* list = nullptr;
};

TEST(ListBoxSorting, ItemsGoToTheirPlaceIgnoringCaseAndDuplicatesStay) {
  TListBox list(nullptr);
  list.Items()->Add("Window");
  list.SetSorted(true);
  for (const char* item : {"button", "Edit", "apple", "edit"}) list.Items()->Add(item);
  std::vector<std::string> lines;
  for (int i = 0; i < list.Items()->Count(); ++i) lines.push_back(list.Items()->Get(i));
  EXPECT_EQ(lines, (std::vector<std::string>{"apple", "button", "edit", "Edit", "Window"}));
  EXPECT_EQ(list.Items()->Add("Combo"), 2);
}

TEST_F(ListBoxSelectionTest, CtrlClickTogglesAndShiftClickSelectsTheRunFromTheLastClick) {
  ClickItem(1);
  ClickItem(3, true);
  EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 3}));
  EXPECT_EQ(list->SelCount(), 2);
  ClickItem(1, true);  // off again
  EXPECT_EQ(SelectedItems(), (std::vector<int>{3}));
  ClickItem(4, false, true);  // the run from 1, the item clicked last
  EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(list->ItemIndex(), 4);
  ClickItem(2);  // a plain click selects that item alone
  EXPECT_EQ(SelectedItems(), (std::vector<int>{2}));
}

TEST_F(ListBoxSelectionTest, WithoutExtendedSelectEveryClickToggles) {
  list->SetExtendedSelect(false);
  ClickItem(0);
  ClickItem(4);
  ClickItem(0);
  EXPECT_EQ(SelectedItems(), (std::vector<int>{4}));
}

TEST_F(ListBoxSelectionTest, TheSelectionFollowsItsItemsWhenLinesComeAndGo) {
  list->SetSelected(1, true);
  list->SetSelected(3, true);
  list->Items()->Delete(0);
  list->Items()->Insert(0, "new");
  list->Items()->Insert(0, "newer");
  EXPECT_EQ(SelectedItems(), (std::vector<int>{2, 4}));
  EXPECT_EQ(list->Items()->Get(2), "b");
  // Moving the selected lines out from the bottom up, as a dialog moves them to another list.
  for (int i = list->Items()->Count() - 1; i >= 0; --i)
    if (list->Selected(i)) list->Items()->Delete(i);
  EXPECT_EQ(list->SelCount(), 0);
  EXPECT_EQ(list->Items()->Count(), 4);
  EXPECT_THROW(list->Selected(4), EListError);
  EXPECT_THROW(list->SetSelected(-1, true), EListError);
}

TEST_F(ListBoxSelectionTest, ASingleSelectListSelectsItsItemIndex) {
  list->SetMultiSelect(false);
  list->SetSelected(2, true);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(SelectedItems(), (std::vector<int>{2}));
  EXPECT_EQ(list->SelCount(), -1);
  list->SetSelected(1, false);  // not the selected one: nothing changes
  EXPECT_EQ(list->ItemIndex(), 2);
  list->SetSelected(2, false);
  EXPECT_EQ(list->ItemIndex(), -1);
}

}  // namespace
