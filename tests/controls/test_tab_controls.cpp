// Tab controls and page controls: what their parent hears when the user chooses a tab with the
// mouse or the keys, refusals, the page shown and the focus that leaves a hidden page.

#include "platform/vcl/user_actions_controls.h"
#include "tests/controls/common_controls_fixture.h"

namespace {

class TabControlsTest : public CommonControlsTest {
 protected:
  void SetUp() override {
    CommonControlsTest::SetUp();
    tabs = Make<TTabControl>(form, "Tabs1", {10, 10, 300, 60});
    for (const char* text : {"Day", "Week", "Month"}) tabs->Tabs()->Add(text);
    tabs->SetTabIndex(0);
    pages = Make<TPageControl>(form, "Pages1", {10, 80, 360, 180});
    for (const char* name : {"General", "Details", "Notes"}) {
      auto* page = Make<TTabSheet>(pages, name, {0, 0, 0, 0});
      page->SetCaption(name);
    }
    edit = Make<TEdit>(pages->Pages(0), "NameEdit", {8, 8, 100, 21});
    form->Handle();
    Heard();
  }

  TTabControl* tabs = nullptr;
  TPageControl* pages = nullptr;
  TEdit* edit = nullptr;
};

TEST_F(TabControlsTest, AClickOnATabAsksThenTellsWithTheNewIndexInPlace) {
  int changes = 0;
  tabs->OnChange = [&](TObject*) { ++changes; };
  SimulateTabChoice(*tabs, 2);
  EXPECT_EQ(Heard(), (Lines{"TCN_SELCHANGING tab=0", "TCN_SELCHANGE tab=2"}));
  EXPECT_EQ(tabs->TabIndex(), 2);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(tabs->Focused());
  SimulateTabChoice(*tabs, 2);  // the tab already chosen
  EXPECT_EQ(Heard(), Lines{});
}

TEST_F(TabControlsTest, ArrowKeysStepThroughTheTabsAndStopAtTheEnds) {
  tabs->SetFocus();
  Key(VK_RIGHT);
  Key(VK_RIGHT);
  Key(VK_RIGHT);
  Key(VK_LEFT);
  EXPECT_EQ(Heard(),
            (Lines{"TCN_SELCHANGING tab=0", "TCN_SELCHANGE tab=1", "TCN_SELCHANGING tab=1",
                   "TCN_SELCHANGE tab=2", "TCN_SELCHANGING tab=2", "TCN_SELCHANGE tab=1"}));
  EXPECT_TRUE(tabs->Focused());
}

TEST_F(TabControlsTest, ARefusedChangeKeepsTheTab) {
  tabs->OnChanging = [](TObject*, bool& allow) { allow = false; };
  SimulateTabChoice(*tabs, 1);
  EXPECT_EQ(Heard(), Lines{"TCN_SELCHANGING tab=0"});
  EXPECT_EQ(tabs->TabIndex(), 0);
}

TEST_F(TabControlsTest, ProgramCodeChoosesSilentlyAndCannotChooseBeyondTheTabs) {
  tabs->SetTabIndex(1);
  tabs->SetTabIndex(-1);
  EXPECT_EQ(Heard(), Lines{});
  EXPECT_THROW(tabs->SetTabIndex(3), EInvalidOperation);
  EXPECT_THROW(tabs->SetTabIndex(-2), EInvalidOperation);
  EXPECT_EQ(tabs->TabIndex(), -1);
  EXPECT_THROW(SimulateTabChoice(*tabs, 3), EInvalidOperation);
  tabs->SetTabIndex(2);
  tabs->Tabs()->Delete(2);  // the chosen tab goes: none is chosen
  EXPECT_EQ(tabs->TabIndex(), -1);
}

TEST_F(TabControlsTest, TabsShareTheRowAndNarrowWhenItIsShort) {
  const RECT week = tabs->TabRect(1);
  EXPECT_EQ(tabs->TabAtPoint({(week.left + week.right) / 2, 5}), 1);
  EXPECT_EQ(tabs->TabAtPoint({5, 40}), -1);  // below the row
  tabs->SetWidth(30);
  EXPECT_LE(tabs->TabRect(2).right, 30);
  EXPECT_GT(tabs->TabRect(2).right, tabs->TabRect(2).left);
}

TEST_F(TabControlsTest, APageControlsTabsAreItsVisiblePagesCaptions) {
  pages->Pages(1)->SetTabVisible(false);
  pages->Pages(2)->SetCaption("Remarks");
  EXPECT_EQ(pages->Tabs()->Text(), "General\nRemarks\n");
  EXPECT_EQ(pages->PageOfTab(1), pages->Pages(2));
  EXPECT_EQ(pages->Pages(2)->TabIndex(), 1);
  EXPECT_EQ(pages->Pages(1)->TabIndex(), -1);
  EXPECT_EQ(pages->PageCount(), 3);
  EXPECT_THROW(pages->Pages(3), EListError);
}

TEST_F(TabControlsTest, ChoosingAPageShowsItAndHidesTheOthers) {
  EXPECT_EQ(pages->ActivePage(), pages->Pages(0));
  SimulateTabChoice(*pages, 2);
  EXPECT_EQ(Heard(), (Lines{"TCN_SELCHANGING tab=0", "TCN_SELCHANGE tab=2"}));
  EXPECT_EQ(pages->ActivePage(), pages->Pages(2));
  EXPECT_EQ(pages->TabIndex(), 2);
  EXPECT_TRUE(pages->Pages(2)->Visible());
  EXPECT_FALSE(pages->Pages(0)->Visible());
  const RECT display = pages->DisplayRect();
  EXPECT_EQ(pages->Pages(2)->Top(), display.top);
  EXPECT_EQ(pages->Pages(2)->Width(), pages->Width());
}

TEST_F(TabControlsTest, CtrlTabInsideAPageControlMovesToTheNextPageRoundTheEnd) {
  edit->SetFocus();
  Heard();
  Key(VK_TAB, false, true);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(1));
  // The focus left the hidden page for the page control, which has it now.
  EXPECT_TRUE(pages->Focused());
  Key(VK_TAB, true, true);
  Key(VK_TAB, true, true);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(2));
  EXPECT_EQ(Heard(), (Lines{"TCN_SELCHANGING tab=0", "TCN_SELCHANGE tab=1",
                            "WM_COMMAND 512",  // the edit's EN_KILLFOCUS as its page hides
                            "TCN_SELCHANGING tab=1", "TCN_SELCHANGE tab=0", "TCN_SELCHANGING tab=0",
                            "TCN_SELCHANGE tab=2"}));
}

TEST_F(TabControlsTest, CtrlTabOutsideThePageControlIsNotItsOwn) {
  auto* button = Make<TButton>(form, "OKBtn", {10, 270, 75, 25});
  button->SetFocus();
  Key(VK_TAB, false, true);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(0));
}

TEST_F(TabControlsTest, ARemovedPageHandsTheActivePageOn) {
  delete pages->Pages(0);
  EXPECT_EQ(pages->ActivePage(), pages->Pages(0));
  EXPECT_EQ(pages->ActivePage()->Name(), "Details");
  EXPECT_EQ(pages->Tabs()->Text(), "Details\nNotes\n");
  auto* other = Make<TPageControl>(form, "Pages2", {0, 0, 100, 100});
  EXPECT_THROW(other->SetActivePage(pages->Pages(0)), EInvalidOperation);
}

}  // namespace
