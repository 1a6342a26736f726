// The standard-control family: menu commands, actions and mnemonics, as the log records them.

#include "families/std_events.h"
#include "platform/win32/menus.h"
#include "tests/families/std_family_form.h"

namespace {

// Form1 with a menu bar &File (&Open Ctrl+O, &Recent > Doc1, &Save linked to SaveAction), a
// button linked to SaveAction, an action list with a shortcut-only action, and an edit with a
// popup menu.
class StdMenus : public StdFamilyForm {
 protected:
  void SetUp() override {
    StdFamilyForm::SetUp();
    actions = new TActionList(form);
    actions->SetName("ActionList1");
    save = Action("SaveAction", "&Save", 0);
    Action("FindAction", "Find", TextToShortCut("Ctrl+F"));
    menu = new TMainMenu(form);
    menu->SetName("MainMenu1");
    TMenuItem* file = Item(menu->Items(), "FileItem", "&File");
    open = Item(file, "OpenItem", "&Open");
    open->SetShortCut(TextToShortCut("Ctrl+O"));
    TMenuItem* recent = Item(file, "RecentItem", "&Recent");
    Item(recent, "Doc1Item", "Doc1");
    Item(file, "SaveItem", "")->SetAction(save);
    form->SetMenu(menu);
    button = Make<TButton>(form, "SaveBtn", {10, 10, 75, 25});
    button->SetAction(save);
    edit = Make<TEdit>(form, "Edit1", {10, 50, 100, 21});
    auto* popup = new TPopupMenu(form);
    popup->SetName("EditMenu");
    Item(popup->Items(), "CopyItem", "&Copy")->SetShortCut(TextToShortCut("Ctrl+C"));
    edit->SetPopupMenu(popup);
  }

  TAction* Action(const std::string& name, const std::string& caption, TShortCut shortCut) {
    auto* action = new TAction(form);
    action->SetName(name);
    action->SetCaption(caption);
    action->SetShortCut(shortCut);
    action->SetActionList(actions);
    return action;
  }
  TMenuItem* Item(TMenuItem* parent, const std::string& name, const std::string& caption) {
    auto* item = new TMenuItem(form);
    item->SetName(name);
    if (!caption.empty()) item->SetCaption(caption);
    parent->Add(item);
    return item;
  }
  std::string Id(const TMenuItem& item) const { return Format("[ ID = %d ]", item.Command()); }
  std::string Id(const std::string& name) const {
    return Id(*static_cast<TMenuItem*>(form->FindComponent(name)));
  }

  TActionList* actions = nullptr;
  TAction* save = nullptr;
  TMainMenu* menu = nullptr;
  TMenuItem* open = nullptr;
  TButton* button = nullptr;
  TEdit* edit = nullptr;
};

TEST_F(StdMenus, MouseChoicesNameTheItemAndTheCaptionsLeadingToIt) {
  ShowAndStart();
  SimulateMenuChoice(*form, "&File|&Open");
  SimulateMenuChoice(*form, "&File|&Recent|Doc1");
  const TRecords records = Recorded();
  EXPECT_EQ(TextsOf(records),
            (TTexts{{"TMenuEvent", "OpenItem: &File | &Open " + Id(*open)},
                    {"TMenuEvent", "Doc1Item: &File | &Recent | Doc1 " + Id("Doc1Item")}}));
  EXPECT_EQ(records[0]->GetEventName(), "menu select");
}

// Clicks through a disabled menu, on the bar or a sub-menu header, open nothing: nothing is chosen
// and nothing recorded.
TEST_F(StdMenus, NothingIsChosenThroughADisabledMenu) {
  ShowAndStart();
  TMenuItem* recent = menu->Items()->Items(0)->Items(1);
  recent->SetEnabled(false);
  const std::vector<int> doc1{0, 1, 0};
  EXPECT_FALSE(SimulateMenuBarChoice(form->Handle(), doc1));
  menu->Items()->Items(0)->SetEnabled(false);
  const std::vector<int> openPath{0, 0};
  EXPECT_FALSE(SimulateMenuBarChoice(form->Handle(), openPath));
  ProcessPendingMessages();
  EXPECT_TRUE(Texts().empty());
}

TEST_F(StdMenus, ShortcutsOfMenusAndPopupMenusNameTheItem) {
  ShowAndStart();
  edit->SetFocus();
  Key('O', false, true);
  Key('C', false, true);  // the edit's popup menu answers first
  EXPECT_EQ(Texts(), (TTexts{{"TMenuEvent", "OpenItem: &File | &Open " + Id(*open)},
                             {"TMenuEvent", "CopyItem: &Copy " + Id("CopyItem")}}));
}

// Alt makes the key a system key; its shortcut is run all the same, so it is recorded too.
TEST_F(StdMenus, AnAltShortcutNamesTheItem) {
  TMenuItem* close = Item(menu->Items()->Items(0), "CloseItem", "&Close");
  close->SetShortCut(TextToShortCut("Alt+X"));
  int clicks = 0;
  close->OnClick = [&clicks](TObject*) { ++clicks; };
  ShowAndStart();
  edit->SetFocus();
  Key('X', false, false, true);
  Key('X', true, false, true);  // Shift+Alt+X is no shortcut here
  EXPECT_EQ(Texts(), (TTexts{{"TMenuEvent", "CloseItem: &File | &Close " + Id(*close)}}));
  EXPECT_EQ(clicks, 1);
}

TEST_F(StdMenus, ACommandOnTheMenuBarIsNamedFromTheBar) {
  TMenuItem* help = Item(menu->Items(), "HelpItem", "&Help");
  ShowAndStart();
  SimulateMenuChoice(*form, "&File|&Open");
  SimulateMenuChoice(*form, "&Help");
  EXPECT_EQ(Texts(), (TTexts{{"TMenuEvent", "OpenItem: &File | &Open " + Id(*open)},
                             {"TMenuEvent", "HelpItem: &Help " + Id(*help)}}));
}

TEST_F(StdMenus, APopupMenuChoiceNamesItsItem) {
  ShowAndStart();
  SimulatePopupChoice(*edit, "&Copy");
  EXPECT_EQ(Texts(), (TTexts{{"TMenuEvent", "CopyItem: &Copy " + Id("CopyItem")}}));
}

TEST_F(StdMenus, AnActionIsRecordedBeforeTheControlOrItemThatFiredIt) {
  ShowAndStart();
  Click(*button);
  SimulateMenuChoice(*form, "&File|&Save");
  edit->SetFocus();
  Key('S', false, true);  // neither a menu item nor an action has it: nothing
  Key('F', false, true);  // an action list's shortcut only
  const TRecords records = Recorded();
  EXPECT_EQ(TextsOf(records), (TTexts{{"TActionEvent", "SaveAction action linked to SaveBtn"},
                                      {"TButtonEvent", "Form1.SaveBtn "},
                                      {"TActionEvent", "SaveAction action linked to SaveItem"},
                                      {"TMenuEvent", "SaveItem: &File | &Save " + Id("SaveItem")},
                                      {"TActionEvent", "FindAction action linked to "}}));
  EXPECT_EQ(records[0]->GetEventName(), "action execute");
}

TEST_F(StdMenus, AMnemonicPressesAButtonWithAltOrWhereCharactersAreNotWanted) {
  button->SetAction(nullptr);
  button->SetCaption("&Go");
  ShowAndStart();
  edit->SetFocus();
  Key('G');  // the edit wants the character
  Key('G', false, false, true);
  button->SetFocus();
  Key('G', false, true);  // Ctrl+G is a shortcut, not the mnemonic: nothing is pressed
  Key('G');
  EXPECT_EQ(Texts(), (TTexts{{"TButtonEvent", "Form1.SaveBtn "},
                             {"TEditEvent", "Form1.Edit1 \"g\""},  // the focus left it
                             {"TButtonEvent", "Form1.SaveBtn "}}));
}

// Only a key that types a character is a mnemonic: F1 and F3 share their key codes with p and r,
// but they press neither button, on the form or in the log; the keypad and the punctuation keys
// type their characters, which are mnemonics as typed.
TEST_F(StdMenus, OnlyAKeyThatTypesACharacterIsAMnemonic) {
  button->SetAction(nullptr);
  button->SetCaption("&Print");
  auto* reset = Make<TButton>(form, "ResetBtn", {100, 10, 75, 25}, "&Reset");
  auto* one = Make<TButton>(form, "OneBtn", {190, 10, 75, 25}, "&1 copy");
  auto* dash = Make<TButton>(form, "DashBtn", {280, 10, 75, 25}, "&- none");
  std::vector<std::string> pressed;
  for (TButton* b : {button, reset, one, dash})
    b->OnClick = [&pressed, b](TObject*) { pressed.push_back(b->Name()); };
  ShowAndStart();
  reset->SetFocus();
  Key(VK_F1);
  Key(VK_F1 + 2);
  Key(VK_F1, false, false, true);
  Key(VK_NUMPAD0 + 1);  // its key code is the letter a
  Key(VK_OEM_MINUS, false, false, true);
  Key('P', true, false, true);  // Alt+Shift+P types P, the same mnemonic
  EXPECT_EQ(pressed, (std::vector<std::string>{"OneBtn", "DashBtn", "SaveBtn"}));
  EXPECT_EQ(Texts(), (TTexts{{"TButtonEvent", "Form1.OneBtn "},
                             {"TButtonEvent", "Form1.DashBtn "},
                             {"TButtonEvent", "Form1.SaveBtn "}}));
}

// A label's or a group box's mnemonic only gives the focus to the button it leads to.
TEST_F(StdMenus, AMnemonicThatLeadsToAButtonPressesNothing) {
  button->SetAction(nullptr);
  auto* group = Make<TGroupBox>(form, "Group1", {10, 100, 200, 80}, "&Options");
  auto* add = Make<TButton>(group, "AddBtn", {10, 20, 75, 25}, "Add");
  auto* label = Make<TLabel>(form, "Label1", {220, 10, 50, 16}, "&Keep");
  label->SetFocusControl(button);
  ShowAndStart();
  edit->SetFocus();
  Key('O', false, false, true);
  EXPECT_TRUE(add->Focused());
  Key('K', false, false, true);
  EXPECT_TRUE(button->Focused());
  EXPECT_TRUE(Texts().empty());
}

// The focus moved to the edit while no log ran: the key goes to the edit, which wants it.
TEST_F(StdMenus, AMnemonicIsJudgedByTheWindowThatHasTheFocusWhenTheKeyArrives) {
  button->SetAction(nullptr);
  button->SetCaption("&Go");
  ShowAndStart();
  button->SetFocus();
  StopEventLog();
  edit->SetFocus();
  Start();
  Key('G');
  Key('G', false, false, true);
  std::vector<std::string> classes;
  for (const auto& record : Recorded()) classes.push_back(record->ClassName());
  EXPECT_EQ(classes,
            (std::vector<std::string>{"TStopSessionEvent", "TStartSessionEvent", "TButtonEvent"}));
  EXPECT_EQ(edit->Text(), "g");
}

}  // namespace
