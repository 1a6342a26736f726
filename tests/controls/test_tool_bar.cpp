// Tool bars: button clicks through the parent, drop-down arrows and their menus, and mnemonics.

#include "tests/controls/views_fixture.h"

namespace {

class ToolBarTest : public ViewsTest {
 protected:
  void SetUp() override {
    ViewsTest::SetUp();
    bar = Make<TToolBar>(form, "ToolBar1", {0, 0, 300, 26});
    bar->SetShowCaptions(true);
    bold = AddButton("BoldBtn", "&Bold", tbsButton);
    AddButton("Sep1", "", tbsSeparator);
    colour = AddButton("ColourBtn", "&Colour", tbsDropDown);
    more = AddButton("MoreBtn", "&More", tbsButton);
    menu = new TPopupMenu(form);
    menu->SetName("ColourMenu");
    for (const char* caption : {"&Red", "&Green"}) {
      auto* item = new TMenuItem(form);
      item->SetCaption(caption);
      item->OnClick = [caption](TObject*) {
        gViewNotices.push_back(std::string("menu ") + caption);
      };
      menu->Items()->Add(item);
    }
    colour->SetDropdownMenu(menu);
    edit = Make<TEdit>(form, "Edit1", {10, 40, 100, 20});
    form->Handle();
    Forget();
    Notices();
  }

  TToolButton* AddButton(const char* name, const char* caption, TToolButtonStyle style) {
    auto* button = new TToolButton(form);
    button->SetName(name);
    button->SetCaption(caption);
    button->SetStyle(style);
    button->SetParent(bar);
    button->OnClick = [name](TObject*) { gViewNotices.push_back(std::string("click ") + name); };
    return button;
  }

  // What happened, notifications and handlers alike, in order.
  static std::vector<std::string> Happened() { return Notices(); }

  TToolBar* bar = nullptr;
  TToolButton* bold = nullptr;
  TToolButton* colour = nullptr;
  TToolButton* more = nullptr;
  TPopupMenu* menu = nullptr;
  TEdit* edit = nullptr;
};

TEST_F(ToolBarTest, ButtonsSitSideBySideWithTheirPositionsAsCommandIdentifiers) {
  EXPECT_EQ(bar->ButtonCount(), 4);
  EXPECT_EQ(colour->Index(), 2);
  EXPECT_EQ(bar->Buttons(3), more);
  EXPECT_EQ(colour->Left(), 23 + 8);
  EXPECT_EQ(colour->Width(), 23 + TToolButton::kArrowWidth);
  EXPECT_EQ(more->Left(), colour->Left() + colour->Width());
  EXPECT_THROW(bar->Buttons(4), EListError);
  delete bold;
  EXPECT_EQ(colour->Index(), 1);
  EXPECT_EQ(colour->Left(), 8);
}

// The click reaches the parent as WM_COMMAND with the position, and comes back to the button.
TEST_F(ToolBarTest, AClickTellsTheParentTheButtonsPositionBeforeTheButtonClicks) {
  Click(*more);
  Click(*colour);  // the body of a drop-down button clicks it too
  EXPECT_EQ(Happened(),
            (std::vector<std::string>{"WM_COMMAND 3 from ToolBar1", "click MoreBtn",
                                      "WM_COMMAND 2 from ToolBar1", "click ColourBtn"}));
  EXPECT_EQ(SentOf({WM_COMMAND})[0].wParam, MAKEWPARAM(3, 0));
  EXPECT_FALSE(bar->Focused());  // a tool bar does not take the focus from a click
}

TEST_F(ToolBarTest, DisabledButtonsSeparatorsAndCommandsBeyondTheButtonsDoNothing) {
  bold->SetEnabled(false);
  Click(*bold);
  SimulateClickAt(*bar, {26, 10});  // the separator
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(9, 0), static_cast<LPARAM>(bar->Handle()));
  EXPECT_EQ(Happened(), (std::vector<std::string>{"WM_COMMAND 9 from ToolBar1"}));
}

TEST_F(ToolBarTest, ActionsCheckStylesAndMenuItemsAreWhatAClickRuns) {
  auto* action = new TAction(form);
  action->SetCaption("&Italic");
  action->OnExecute = [](TObject*) { gViewNotices.push_back("action"); };
  more->OnClick = nullptr;
  more->SetAction(action);
  EXPECT_EQ(more->Caption(), "&Italic");
  Click(*more);
  bold->OnClick = nullptr;
  auto* item = new TMenuItem(form);
  item->OnClick = [](TObject*) { gViewNotices.push_back("item"); };
  bold->SetMenuItem(item);
  bold->SetStyle(tbsCheck);
  Click(*bold);
  EXPECT_TRUE(bold->Down());
  EXPECT_EQ(Happened(), (std::vector<std::string>{"WM_COMMAND 3 from ToolBar1", "action",
                                                  "WM_COMMAND 0 from ToolBar1", "item"}));
  delete item;
  EXPECT_EQ(bold->MenuItem(), nullptr);
}

// The arrow tells TBN_DROPDOWN first; the menu then drops down and a choice clicks its item.
TEST_F(ToolBarTest, TheArrowOfADropDownButtonTellsTheParentAndShowsItsMenu) {
  const std::string green = "&Green";
  SimulateToolDropDown(*colour, &green);
  EXPECT_EQ(Happened(), (std::vector<std::string>{"TBN_DROPDOWN 2", "menu &Green"}));
  SimulateToolDropDown(*colour, nullptr);  // closed again without a choice
  EXPECT_EQ(Happened(), (std::vector<std::string>{"TBN_DROPDOWN 2"}));
  EXPECT_EQ(menu->PopupComponent(), colour);
  EXPECT_THROW(SimulateToolDropDown(*bold, nullptr), EInvalidOperation);
  const std::string missing = "&Blue";
  EXPECT_THROW(SimulateToolDropDown(*colour, &missing), EInvalidOperation);
  EXPECT_TRUE(Happened().empty());
}

// Alt and the mnemonic, or the mnemonic alone while the bar has the focus, act on the button
// directly: no WM_COMMAND.
TEST_F(ToolBarTest, MnemonicsClickOrDropDownWithoutACommand) {
  edit->SetFocus();
  Forget();
  Key('B', false, false, true);
  bar->SetFocus();
  Key('M');
  Key('C', false, false, true);  // a drop-down button's mnemonic clicks it
  more->SetDropdownMenu(menu);
  SimulateNextPopupChoice(std::vector<int>{0});
  Key('M');  // another button with a drop-down menu shows the menu
  CancelPendingPopupChoice();
  EXPECT_EQ(Happened(), (std::vector<std::string>{"click BoldBtn", "click MoreBtn",
                                                  "click ColourBtn", "menu &Red"}));
}

TEST_F(ToolBarTest, MnemonicsNeedCaptionsShownAnEnabledBarAndAltOrTheFocus) {
  edit->SetFocus();
  Key('B');  // typed into the edit
  EXPECT_EQ(edit->Text(), "b");
  bar->SetShowCaptions(false);
  Key('B', false, false, true);
  bar->SetShowCaptions(true);
  bar->SetEnabled(false);
  Key('B', false, false, true);
  EXPECT_TRUE(Happened().empty());
}

}  // namespace
