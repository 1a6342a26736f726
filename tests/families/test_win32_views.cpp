// The common-control family with tree views, list views, header controls and tool bars: what a
// user does with them, as the log records it.

#include "families/std_events.h"
#include "families/win32_events.h"
#include "platform/vcl/comctrls.h"
#include "platform/vcl/menus.h"
#include "platform/vcl/user_actions_views.h"
#include "tests/families/std_family_form.h"

namespace {

using Win32Views = StdFamilyForm;

// Fruit (Apple, Pear) and Veg (Leek): absolute indexes 0 to 4 in that order.
class Win32Tree : public Win32Views {
 protected:
  void SetUp() override {
    Win32Views::SetUp();
    tree = Make<TTreeView>(form, "Tree", {10, 10, 200, 150});
    TTreeNodes& nodes = *tree->Items();
    TTreeNode* fruit = nodes.Add("Fruit");
    nodes.AddChild(fruit, "Apple");
    nodes.AddChild(fruit, "Pear");
    nodes.AddChild(nodes.Add("Veg"), "Leek");
  }
  TTreeNode& Node(int index) const { return *tree->Items()->Item(index); }

  TTreeView* tree = nullptr;
};

TEST_F(Win32Tree, ExpansionsSelectionsAndFinishedLabelEditsAreRecorded) {
  ShowAndStart();
  SimulateTreeExpand(*tree, Node(0), true);
  SimulateTreeSelect(*tree, Node(2));
  SimulateBeginTreeEdit(*tree, Node(2));
  Type("plum");
  Key(VK_RETURN);
  SimulateBeginTreeEdit(*tree, Node(2));
  Type("fig");
  Key(VK_ESCAPE);  // cancelled: nothing
  SimulateTreeSelect(*tree, Node(3));
  Key(VK_RIGHT);  // the keys expand and collapse as the mouse does
  Key(VK_LEFT);
  SimulateTreeExpand(*tree, Node(0), false);
  const TRecords records = Recorded();
  ASSERT_EQ(TextsOf(records), (TTexts{{"TTreeViewExpandEvent", "Form1.Tree 0"},
                                      {"TTreeViewChangeEvent", "Form1.Tree 2"},
                                      {"TTreeViewEditEvent", "Form1.Tree 2 \"plum\""},
                                      {"TTreeViewChangeEvent", "Form1.Tree 3"},
                                      {"TTreeViewExpandEvent", "Form1.Tree 3"},
                                      {"TTreeViewCollapseEvent", "Form1.Tree 3"},
                                      {"TTreeViewCollapseEvent", "Form1.Tree 0"}}));
  EXPECT_EQ(records[2]->GetEventName(), "tree view edit");
  EXPECT_EQ(Node(2).Text(), "plum");
}

class Win32ListView : public Win32Views {
 protected:
  void SetUp() override {
    Win32Views::SetUp();
    list = Make<TListView>(form, "Files", {10, 10, 300, 150});
    list->SetViewStyle(vsReport);
    for (const char* caption : {"Name", "Size"}) list->Columns()->Add()->SetCaption(caption);
    for (const char* caption : {"a.txt", "b.txt", "c.txt"}) {
      TListItem* item = list->Items()->Add();
      item->SetCaption(caption);
      item->SubItems()->Add("1 KB");
    }
  }
  TListView* list = nullptr;
};

TEST_F(Win32ListView, OnlyTheItemGainingTheSelectionIsRecorded) {
  ShowAndStart();
  SimulateListViewSelect(*list, 1);
  SimulateListViewSelect(*list, 2);  // b.txt loses the selection first: nothing for it
  Key(VK_HOME);
  EXPECT_EQ(Texts(), (TTexts{{"TListViewChangeEvent", "Form1.Files 1"},
                             {"TListViewChangeEvent", "Form1.Files 2"},
                             {"TListViewChangeEvent", "Form1.Files 0"}}));
}

TEST_F(Win32ListView, ColumnClicksAndLabelEditsAreRecorded) {
  ShowAndStart();
  SimulateColumnClick(*list, 1);
  SimulateBeginListViewEdit(*list, 0);
  Type("z");
  Key(VK_ESCAPE);
  SimulateBeginListViewEdit(*list, 0);
  Type("x");
  Key(VK_RETURN);
  const TRecords records = Recorded();
  ASSERT_EQ(TextsOf(records), (TTexts{{"TListViewColumnClickEvent", "Form1.Files: Size (1)"},
                                      {"TListViewChangeEvent", "Form1.Files 0"},
                                      {"TListViewEditEvent", "Form1.Files 0 \"x\""}}));
  EXPECT_EQ(records[0]->GetEventName(), "list view column click");
  EXPECT_EQ(dynamic_cast<const THeaderEvent&>(*records[0]).Size(), 0);
}

TEST_F(Win32Views, AHeaderSectionRecordsItsNewWidthAndItsClicks) {
  auto* header = Make<THeaderControl>(form, "Header1", {10, 10, 300, 20});
  for (const char* text : {"Name", "Size"}) {
    THeaderSection* section = header->Sections()->Add();
    section->SetText(text);
    section->SetWidth(80);
  }
  ShowAndStart();
  SimulateSectionResize(*header, 0, 120);
  SimulateSectionClick(*header, 1);
  const TRecords records = Recorded();
  ASSERT_EQ(TextsOf(records), (TTexts{{"THeaderSizeEvent", "Form1.Header1: Name (0) 120"},
                                      {"THeaderClickEvent", "Form1.Header1: Size (1)"}}));
  EXPECT_EQ(records[0]->GetEventName(), "header resize");
  EXPECT_EQ(records[1]->GetEventName(), "header click");
}

// ToolBar1 with captions shown: OpenBtn (&Open, linked to OpenAction), MenuBtn (&Recent, a
// drop-down button with a menu) and FileBtn (&Files, a plain button with that menu).
class Win32ToolBar : public Win32Views {
 protected:
  void SetUp() override {
    Win32Views::SetUp();
    bar = Make<TToolBar>(form, "ToolBar1", {0, 0, 400, 26});
    bar->SetShowCaptions(true);
    bar->SetButtonWidth(60);
    auto* action = new TAction(form);
    action->SetName("OpenAction");
    action->SetCaption("&Open");
    open = Button("OpenBtn", "&Open", tbsButton);
    open->SetAction(action);
    auto* menu = new TPopupMenu(form);
    menu->SetName("RecentMenu");
    auto* item = new TMenuItem(form);
    item->SetName("Doc1Item");
    item->SetCaption("Doc1");
    menu->Items()->Add(item);
    dropDown = Button("MenuBtn", "&Recent", tbsDropDown);
    dropDown->SetDropdownMenu(menu);
    files = Button("FileBtn", "&Files", tbsButton);
    files->SetDropdownMenu(menu);
    Make<TEdit>(form, "Edit1", {10, 40, 100, 21});
  }
  TToolButton* Button(const std::string& name, const std::string& caption, TToolButtonStyle style) {
    auto* button = new TToolButton(form);
    button->SetName(name);
    button->SetStyle(style);
    button->SetParent(bar);
    button->SetCaption(caption);
    return button;
  }

  TToolBar* bar = nullptr;
  TToolButton* open = nullptr;
  TToolButton* dropDown = nullptr;
  TToolButton* files = nullptr;
};

TEST_F(Win32ToolBar, AClickRecordsTheActionFirstAndTheArrowADropDown) {
  ShowAndStart();
  Click(*open);
  SimulateToolDropDown(*dropDown, nullptr);
  const TRecords records = Recorded();
  ASSERT_EQ(TextsOf(records),
            (TTexts{{"TActionEvent", "OpenAction action linked to OpenBtn"},
                    {"TToolButtonEvent", "Form1.ToolBar1.OpenBtn clicked"},
                    {"TToolButtonEvent", "Form1.ToolBar1.MenuBtn dropped down"}}));
  EXPECT_EQ(records[1]->GetEventName(), "toolbar button");
}

TEST_F(Win32ToolBar, AMnemonicOnTheFocusedBarClicksOrDropsDownAsTheButtonDoes) {
  ShowAndStart();
  bar->SetFocus();
  Key('R');  // a drop-down button's mnemonic clicks it: its arrow drops the menu down
  Key('F');  // a plain button with a menu drops it down
  Key('O', false, false, true);
  Key('O', false, true);  // Ctrl+O is a shortcut, not the mnemonic
  EXPECT_EQ(Texts(), (TTexts{{"TToolButtonEvent", "Form1.ToolBar1.MenuBtn clicked"},
                             {"TToolButtonEvent", "Form1.ToolBar1.FileBtn dropped down"},
                             {"TActionEvent", "OpenAction action linked to OpenBtn"},
                             {"TToolButtonEvent", "Form1.ToolBar1.OpenBtn clicked"}}));
}

TEST_F(Win32ToolBar, AMnemonicCountsOnlyOnAFocusedBarThatShowsItsCaptionsForAnEnabledButton) {
  ShowAndStart();
  static_cast<TWinControl*>(form->FindComponent("Edit1"))->SetFocus();
  Key('O', false, false, true);  // the bar clicks it, but the focus is elsewhere
  bar->SetFocus();
  bar->SetShowCaptions(false);
  Key('O');
  bar->SetShowCaptions(true);
  static_cast<TControl*>(form->FindComponent("FileBtn"))->SetEnabled(false);
  Key('F');  // the bar does nothing for a disabled button
  EXPECT_EQ(Texts(), TTexts{});
}

}  // namespace
