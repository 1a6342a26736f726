// List views: selection changes for the item losing and the item gaining the selection, keys,
// column clicks and caption editing, as the parent sees them.

#include "tests/controls/views_fixture.h"

namespace {

class ListViewTest : public ViewsTest {
 protected:
  void SetUp() override {
    ViewsTest::SetUp();
    view = Make<TListView>(form, "List1", {10, 10, 300, 17 + 3 * 17});  // three rows
    view->SetViewStyle(vsReport);
    for (auto [caption, width] : {std::pair{"Name", 100}, {"Age", 40}, {"Role", 80}}) {
      TListColumn* column = view->Columns()->Add();
      column->SetCaption(caption);
      column->SetWidth(width);
    }
    for (const char* name : {"Alice", "Bob", "Carol", "Dave"}) {
      TListItem* item = view->Items()->Add();
      item->SetCaption(name);
      item->SubItems()->Add("42");
    }
    form->Handle();
    Forget();
  }

  TListView* view = nullptr;
};

TEST_F(ListViewTest, ASelectionChangeIsToldForTheItemLosingItAndThenTheItemGainingIt) {
  SimulateListViewSelect(*view, 1);
  SimulateListViewSelect(*view, 2);
  SimulateListViewSelect(*view, 2);  // selected already: no click
  EXPECT_EQ(Notices(), (std::vector<std::string>{
                           "LVN_ITEMCHANGED 1 0 new=3 old=0 changed=8",
                           "LVN_ITEMCHANGED 1 0 new=0 old=3 changed=8",
                           "LVN_ITEMCHANGED 2 0 new=3 old=0 changed=8",
                       }));
  EXPECT_TRUE(view->Items()->Items(2)->Selected());
  EXPECT_FALSE(view->Items()->Items(1)->Selected());
  EXPECT_EQ(view->Selected()->Caption(), "Carol");
  EXPECT_TRUE(view->Focused());
}

TEST_F(ListViewTest, KeysMoveTheSelectionAndScrollItIntoView) {
  view->SetFocus();
  Key(VK_DOWN);
  Key(VK_END);
  Key(VK_DOWN);  // at the end: nothing
  Key(VK_HOME);
  EXPECT_EQ(Notices(), (std::vector<std::string>{
                           "LVN_ITEMCHANGED 0 0 new=3 old=0 changed=8",
                           "LVN_ITEMCHANGED 0 0 new=0 old=3 changed=8",
                           "LVN_ITEMCHANGED 3 0 new=3 old=0 changed=8",
                           "LVN_ITEMCHANGED 3 0 new=0 old=3 changed=8",
                           "LVN_ITEMCHANGED 0 0 new=3 old=0 changed=8",
                       }));
  EXPECT_EQ(view->TopIndex(), 0);
  SimulateListViewSelect(*view, 3);  // scrolled to it first
  EXPECT_EQ(view->TopIndex(), 1);
  EXPECT_EQ(view->ItemIndex(), 3);
}

TEST_F(ListViewTest, AColumnHeaderClickNamesTheColumn) {
  SimulateColumnClick(*view, 2);
  EXPECT_EQ(Notices(), (std::vector<std::string>{"LVN_COLUMNCLICK -1 2 new=0 old=0 changed=0"}));
  EXPECT_EQ(view->Column(2)->Caption(), "Role");
  EXPECT_EQ(view->Column(3), nullptr);
  EXPECT_THROW(SimulateColumnClick(*view, 3), EInvalidOperation);
  view->SetViewStyle(vsList);
  EXPECT_THROW(SimulateColumnClick(*view, 0), EInvalidOperation);
}

TEST_F(ListViewTest, CaptionEditsFinishWithEnterOrAreCancelledWithEsc) {
  SimulateBeginListViewEdit(*view, 1);
  Type("ROBERT");
  Key(VK_RETURN);
  Key(VK_F1 + 1);
  Type("X");
  Key(VK_ESCAPE);
  EXPECT_EQ(Notices(), (std::vector<std::string>{
                           "LVN_ITEMCHANGED 1 0 new=3 old=0 changed=8",
                           "LVN_BEGINLABELEDITA 1 'Bob'",
                           "LVN_ENDLABELEDITA 1 'robert'",
                           "LVN_BEGINLABELEDITA 1 'robert'",
                           "LVN_ENDLABELEDITA 1 null",
                       }));
  EXPECT_EQ(view->Items()->Items(1)->Caption(), "robert");
  EXPECT_TRUE(view->Focused());
  EXPECT_EQ(ListViewItemIndex(*view, "ROBERT", false), 1);
  EXPECT_EQ(ListViewItemIndex(*view, "3", true), 3);
  EXPECT_THROW(ListViewItemIndex(*view, "4", true), EInvalidOperation);
  EXPECT_THROW(ListViewItemIndex(*view, "Eve", false), EInvalidOperation);
}

TEST_F(ListViewTest, AReadOnlyListViewEditsNoCaptions) {
  view->SetReadOnly(true);
  EXPECT_THROW(SimulateBeginListViewEdit(*view, 0), EInvalidOperation);
  SimulateListViewSelect(*view, 0);
  SimulateClickAt(*view, view->ItemPoint(0));
  Key(VK_F1 + 1);
  EXPECT_FALSE(view->IsEditing());
}

// Items taken away under the selection and the edit leave neither behind.
TEST_F(ListViewTest, ClearingTheItemsDropsTheSelectionAndCancelsTheEdit) {
  SimulateBeginListViewEdit(*view, 3);
  Notices();
  view->Items()->Clear();
  EXPECT_EQ(Notices(), (std::vector<std::string>{"LVN_ENDLABELEDITA 3 null"}));
  EXPECT_EQ(view->Selected(), nullptr);
  EXPECT_FALSE(view->IsEditing());
  Key(VK_DOWN);
  EXPECT_TRUE(Notices().empty());
}

}  // namespace
