// Combo boxes in their three styles: the native edit child, dropping the list and how many items
// it shows, choices by mouse and keys, and the order in which the parent hears of them.

#include <limits>

#include "tests/controls/controls_fixture.h"

namespace {

class ComboBoxTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    combo = Make<TComboBox>(form, "Combo1", {10, 10, 150, 21});
    for (const char* item : {"apple", "banana", "cherry"}) combo->Items()->Add(item);
    button = Make<TButton>(form, "OKBtn", {10, 100, 75, 25});
    form->Handle();
    Forget();
  }

  std::vector<WORD> Codes() const {
    std::vector<WORD> codes;
    for (const Seen& s : SentOf({WM_COMMAND}))
      if (static_cast<HWND>(s.lParam) == combo->Handle()) codes.push_back(HIWORD(s.wParam));
    return codes;
  }
  void ClickAt(POINT screen) {
    SimulateClick(TMouseButton::mbLeft, screen);
    ProcessPendingMessages();
  }

  TComboBox* combo = nullptr;
  TButton* button = nullptr;
};

TEST_F(ComboBoxTest, TheDropDownStyleKeepsItsTextInANativeEditChild) {
  const HWND edit = combo->EditHandle();
  ASSERT_NE(edit, 0u);
  char name[16];
  GetClassNameA(edit, name, sizeof name);
  EXPECT_STREQ(name, "Edit");
  EXPECT_EQ(GetParent(edit), combo->Handle());
  EXPECT_EQ(FindControl(edit), nullptr);

  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), "banana");
  combo->SetFocus();
  EXPECT_EQ(GetFocus(), edit);
  Forget();
  Type("x");  // replaces the text that the focus selected
  button->SetFocus();
  EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_EDITUPDATE, CBN_EDITCHANGE, CBN_KILLFOCUS}));
  EXPECT_EQ(combo->Text(), "x");
  EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETCURSEL, 0, 0), -1);
}

TEST_F(ComboBoxTest, AClickIntoTheEditPutsTheCaretAfterTheTextAndFocusesTheComboBox) {
  combo->SetItemIndex(1);
  button->SetFocus();
  ClickAt(combo->ClientToScreen({20, 10}));
  EXPECT_EQ(GetFocus(), combo->EditHandle());
  EXPECT_EQ(form->ActiveControl(), combo);
  Type("s");
  EXPECT_EQ(combo->Text(), "bananas");
  Key(VK_HOME);  // the edit's caret key, not the first item
  Type("a");
  EXPECT_EQ(combo->Text(), "abananas");
  Key(VK_TAB);  // on to the button, and back: the focus selects the text again
  Key(VK_TAB, true);
  EXPECT_EQ(SendMessageA(combo->EditHandle(), EM_GETSEL, 0, 0), MAKELPARAM(0, 8));
  Type("k");
  EXPECT_EQ(combo->Text(), "k");
}

TEST_F(ComboBoxTest, AMouseChoiceClosesTheListBeforeTheSelectionIsReported) {
  ClickAt(combo->ClientToScreen(combo->DropButtonPoint()));
  EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN}));
  EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETDROPPEDSTATE, 0, 0), 1);
  ASSERT_NE(combo->ListHandle(), 0u);
  EXPECT_EQ(WindowFromPoint(combo->ItemScreenPoint(2)), combo->ListHandle());

  Forget();
  ClickAt(combo->ItemScreenPoint(2));
  EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
  EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETDROPPEDSTATE, 0, 0), 0);
  EXPECT_EQ(combo->Text(), "cherry");
  EXPECT_EQ(GetActiveWindow(), form->Handle());  // the list never took the activation
  char text[16];
  EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text)), 6);
  EXPECT_STREQ(text, "cherry");
}

TEST_F(ComboBoxTest, ArrowsInAnOpenListReportWhileItIsOpenAndEnterClosesIt) {
  combo->SetFocus();
  Key(VK_F1 + 3);  // F4
  Forget();
  Key(VK_DOWN);
  EXPECT_TRUE(combo->DroppedDown());
  Key(VK_RETURN);
  EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(combo->Text(), "apple");

  Forget();
  Key(VK_DOWN);  // closed: the move is reported at once
  EXPECT_EQ(Codes(), std::vector<WORD>{CBN_SELCHANGE});
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboBoxTest, TheDropDownListStyleHasNoEditAndPicksItemsByTheirFirstLetter) {
  combo->SetStyle(csDropDownList);
  EXPECT_EQ(combo->EditHandle(), 0u);
  combo->SetFocus();
  Forget();
  Type("c");
  EXPECT_EQ(combo->Text(), "cherry");
  EXPECT_EQ(Codes(), std::vector<WORD>{CBN_SELCHANGE});
  button->SetFocus();
  EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_SELCHANGE, CBN_KILLFOCUS}));
}

TEST_F(ComboBoxTest, TheSimpleStyleShowsItsListUnderTheEdit) {
  combo->SetStyle(csSimple);
  combo->SetHeight(100);
  ClickAt(combo->ItemScreenPoint(1));
  EXPECT_EQ(Codes(), (std::vector<WORD>{CBN_SETFOCUS, CBN_SELCHANGE}));
  EXPECT_EQ(combo->Text(), "banana");
  EXPECT_NE(combo->EditHandle(), 0u);
}

TEST_F(ComboBoxTest, TheDroppedListShowsDropDownCountItemsAndScrollsToTheSelection) {
  EXPECT_EQ(combo->DropDownCount(), 8);
  for (int i = 3; i < 12; ++i) combo->Items()->Add("item" + std::to_string(i));
  combo->SetDropDownCount(5);
  combo->SetItemIndex(9);
  combo->SetDroppedDown(true);
  RECT list;
  ASSERT_TRUE(GetWindowRect(combo->ListHandle(), &list));
  EXPECT_EQ(list.bottom - list.top, 5 * combo->ItemHeight());
  EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETTOPINDEX, 0, 0), 5);  // the selection in view
  EXPECT_EQ(WindowFromPoint(combo->ItemScreenPoint(9)), combo->ListHandle());
  EXPECT_NE(WindowFromPoint(combo->ItemScreenPoint(4)), combo->ListHandle());

  ClickAt(combo->ItemScreenPoint(6));
  EXPECT_EQ(combo->ItemIndex(), 6);
  SimulateListChoice(*combo, 0);  // the user scrolls the list up to the item first
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(combo->Text(), "apple");

  combo->SetFocus();
  Key(VK_F1 + 3);  // F4
  for (int i = 0; i < 6; ++i) Key(VK_DOWN);
  EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETTOPINDEX, 0, 0), 2);  // item 6 in the last row
  Key(VK_RETURN);
  EXPECT_EQ(combo->ItemIndex(), 6);
  EXPECT_EQ(SendMessageA(combo->Handle(), CB_SETTOPINDEX, 12, 0), CB_ERR);
}

// Item heights and counts at the ends of the range: the item height is a size, so it stays within
// the coordinate space, and so do the dropped list and the places of its items.
TEST_F(ComboBoxTest, HugeItemHeightsAndCountsKeepTheListWithinTheCoordinateSpace) {
  combo->SetItemHeight(std::numeric_limits<int>::max());
  EXPECT_EQ(combo->ItemHeight(), kMaxCoordinate);
  combo->SetDropDownCount(std::numeric_limits<int>::max());
  combo->SetDroppedDown(true);
  RECT list;
  ASSERT_TRUE(GetWindowRect(combo->ListHandle(), &list));
  EXPECT_EQ(list.bottom - list.top, kMaxCoordinate);
  // The third item's top lies beyond the space: it stops at its end, the centre half an item on.
  EXPECT_EQ(combo->ItemScreenPoint(2).y,
            combo->ClientToScreen({0, kMaxCoordinate + kMaxCoordinate / 2}).y);
  combo->SetItemHeight(-5);
  EXPECT_EQ(combo->ItemHeight(), 1);

  auto* list1 = Make<TListBox>(form, "List1", {10, 40, 100, 50});
  list1->SetItemHeight(std::numeric_limits<int>::max());
  EXPECT_EQ(list1->ItemRect(std::numeric_limits<int>::max()).top, kMaxCoordinate);
  EXPECT_EQ(list1->ItemRect(0).bottom, kMaxCoordinate);
}

}  // namespace
