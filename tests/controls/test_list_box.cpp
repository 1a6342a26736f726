// List boxes: choices by mouse and keys as the parent and the hooks see them, and the LB_ queries.

#include "tests/controls/controls_fixture.h"

namespace {

class ListBoxTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    list = Make<TListBox>(form, "List1", {10, 10, 120, 48});  // three rows
    for (const char* item : {"red", "green", "blue", "cyan"}) list->Items()->Add(item);
    list->OnClick = [this](TObject*) { ++clicks; };
    form->Handle();
    Forget();
  }

  void ClickItem(int index) {
    const RECT r = list->ItemRect(index);
    SimulateClick(TMouseButton::mbLeft, list->ClientToScreen({r.left + 5, r.top + 5}));
    ProcessPendingMessages();
  }

  TListBox* list = nullptr;
  int clicks = 0;
};

TEST_F(ListBoxTest, AMouseChoiceIsReportedWhenTheButtonIsReleased) {
  ClickItem(1);
  std::vector<UINT> order;
  for (const Seen& s : gRetrieved)
    if (s.message == WM_LBUTTONDOWN || s.message == WM_LBUTTONUP) order.push_back(s.message);
  EXPECT_EQ(order, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
  EXPECT_EQ(SentOf({WM_COMMAND}), (std::vector<Seen>{Notification(*list, LBN_SETFOCUS),
                                                     Notification(*list, LBN_SELCHANGE)}));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETCURSEL, 0, 0), 1);
  char text[16];
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text)), 5);
  EXPECT_STREQ(text, "green");
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETTEXT, 9, reinterpret_cast<LPARAM>(text)), LB_ERR);
}

TEST_F(ListBoxTest, ArrowKeysReportEachMoveAndScrollTheSelectionIntoView) {
  list->SetFocus();
  Forget();
  Key(VK_DOWN);
  Key(VK_END);
  Key(VK_DOWN);  // at the end: nothing moves, nothing is reported
  EXPECT_EQ(SentOf({WM_COMMAND}), (std::vector<Seen>{Notification(*list, LBN_SELCHANGE),
                                                     Notification(*list, LBN_SELCHANGE)}));
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(list->TopIndex(), 1);
  EXPECT_EQ(clicks, 2);
}

TEST_F(ListBoxTest, ProgramCodeSelectsWithoutAReport) {
  list->SetItemIndex(2);
  EXPECT_EQ(SentOf({LB_SETCURSEL, WM_COMMAND}),
            (std::vector<Seen>{{list->Handle(), LB_SETCURSEL, 2, 0}}));
  EXPECT_EQ(clicks, 0);
  list->Items()->Delete(3);
  list->Items()->Delete(2);
  EXPECT_EQ(list->ItemIndex(), -1);  // the chosen item went away
}

// New items in one update (a text set, a list assigned) replace the old ones, and the choice goes
// with them; the list hears of the new items once.
TEST_F(ListBoxTest, ItemsReplacedInOneUpdateDropTheChoice) {
  list->SetItemIndex(1);
  list->Items()->SetText("one\ntwo\nthree");
  EXPECT_EQ(list->ItemIndex(), -1);
  ClickItem(2);
  EXPECT_EQ(list->ItemIndex(), 2);
  TStringList other;
  other.SetText("a\nb\nc\nd");
  list->Items()->Assign(other);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->Items()->Count(), 4);
}

}  // namespace
