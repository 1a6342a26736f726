// Menus: the system menu table, choices with the mouse through the menu loop, shortcuts found
// through the forwarded key-down, invisible items, and popup menus.

#include "platform/vcl/errors.h"
#include "platform/vcl/user_actions.h"
#include "tests/controls/controls_fixture.h"

namespace {

std::string MenuString(HMENU menu, UINT item, UINT flags) {
  char text[64] = "";
  GetMenuStringA(menu, item, text, sizeof text, flags);
  return text;
}

class MenusTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    menu = new TMainMenu(form);
    fileItem = AddItem(menu->Items(), "&File");
    openItem = AddItem(fileItem, "&Open");
    openItem->SetShortCut(TextToShortCut("Ctrl+O"));
    AddItem(fileItem, "-");
    recentItem = AddItem(fileItem, "&Recent");
    firstRecent = AddItem(recentItem, "&1 orders.evt");
    form->SetMenu(menu);
    edit = Make<TEdit>(form, "Edit1", {10, 10, 100, 21});
    edit->SetFocus();
    Forget();
  }

  TMenuItem* AddItem(TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(form);
    item->SetCaption(caption);
    item->OnClick = [this, item](TObject*) { clicked.push_back(item->Caption()); };
    parent->Add(item);
    return item;
  }

  TMainMenu* menu = nullptr;
  TMenuItem* fileItem = nullptr;
  TMenuItem* openItem = nullptr;
  TMenuItem* recentItem = nullptr;
  TMenuItem* firstRecent = nullptr;
  TEdit* edit = nullptr;
  std::vector<std::string> clicked;
};

TEST_F(MenusTest, TheSystemMenusMirrorTheItems) {
  const HMENU bar = GetMenu(form->Handle());
  ASSERT_EQ(bar, menu->Handle());
  EXPECT_EQ(GetMenuItemCount(bar), 1);
  const HMENU file = GetSubMenu(bar, 0);
  EXPECT_EQ(file, fileItem->Handle());
  EXPECT_EQ(GetMenuItemCount(file), 3);
  EXPECT_EQ(GetMenuItemID(file, 0), openItem->Command());
  EXPECT_EQ(GetMenuItemID(file, 2), static_cast<UINT>(-1));  // a sub-menu
  EXPECT_EQ(MenuString(file, 0, MF_BYPOSITION), "&Open\tCtrl+O");
  EXPECT_EQ(MenuString(bar, firstRecent->Command(), MF_BYCOMMAND), "&1 orders.evt");
  EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
  EXPECT_NE(openItem->Command(), firstRecent->Command());

  openItem->SetEnabled(false);
  openItem->SetCaption("&Open...");
  EXPECT_EQ(GetMenuState(file, 0, MF_BYPOSITION) & MF_GRAYED, MF_GRAYED);
  EXPECT_EQ(MenuString(file, 0, MF_BYPOSITION), "&Open...\tCtrl+O");
  EXPECT_EQ(GetMenuItemCount(0x1234), -1);
  EXPECT_EQ(GetSubMenu(file, 7), 0u);
}

TEST_F(MenusTest, AMouseChoiceRunsTheMenuLoopAndPostsTheCommandToTheForm) {
  SimulateMenuChoice(*form, "&File|&Recent|&1 orders.evt");
  const HWND h = form->Handle();
  const HMENU bar = menu->Handle();
  const HMENU file = fileItem->Handle();
  const HMENU recent = recentItem->Handle();
  const std::vector<Seen> expected = {
      {h, WM_INITMENU, bar, 0},
      {h, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE | MF_MOUSESELECT),
       static_cast<LPARAM>(bar)},
      {h, WM_INITMENUPOPUP, file, 0},
      {h, WM_MENUSELECT, MAKEWPARAM(2, MF_POPUP | MF_HILITE | MF_MOUSESELECT),
       static_cast<LPARAM>(file)},
      {h, WM_INITMENUPOPUP, recent, 2},
      {h, WM_MENUSELECT, MAKEWPARAM(firstRecent->Command(), MF_HILITE | MF_MOUSESELECT),
       static_cast<LPARAM>(recent)},
      {h, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0}};
  EXPECT_EQ(SentOf({WM_INITMENU, WM_INITMENUPOPUP, WM_MENUSELECT}), expected);
  const std::vector<Seen> commands = {{h, WM_COMMAND, firstRecent->Command(), 0}};
  std::vector<Seen> retrieved;
  for (const Seen& s : gRetrieved)
    if (s.message == WM_COMMAND) retrieved.push_back(s);
  EXPECT_EQ(retrieved, commands);
  // Opening a sub-menu clicks its item too.
  EXPECT_EQ(clicked, (std::vector<std::string>{"&File", "&Recent", "&1 orders.evt"}));
}

TEST_F(MenusTest, DisabledItemsAndUnknownCaptionsChooseNothing) {
  openItem->SetEnabled(false);
  SimulateMenuChoice(*form, "&File|&Open");
  EXPECT_EQ(clicked, std::vector<std::string>{"&File"});
  EXPECT_THROW(SimulateMenuChoice(*form, "&File|&Save"), EInvalidOperation);
}

// The user can click a disabled sub-menu, on the bar or further down, but it does not open: no
// WM_INITMENUPOPUP, no click of its item, nothing chosen below it.
TEST_F(MenusTest, ADisabledSubMenuIsHighlightedButDoesNotOpen) {
  recentItem->SetEnabled(false);
  const std::vector<int> throughRecent{0, 2, 0};
  EXPECT_FALSE(SimulateMenuBarChoice(form->Handle(), throughRecent));
  ProcessPendingMessages();
  const HWND h = form->Handle();
  const std::vector<Seen> expected = {
      {h, WM_INITMENU, menu->Handle(), 0},
      {h, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE | MF_MOUSESELECT),
       static_cast<LPARAM>(menu->Handle())},
      {h, WM_INITMENUPOPUP, fileItem->Handle(), 0},
      {h, WM_MENUSELECT, MAKEWPARAM(2, MF_GRAYED | MF_POPUP | MF_HILITE | MF_MOUSESELECT),
       static_cast<LPARAM>(fileItem->Handle())},
      {h, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0}};
  EXPECT_EQ(SentOf({WM_INITMENU, WM_INITMENUPOPUP, WM_MENUSELECT}), expected);
  EXPECT_EQ(clicked, std::vector<std::string>{"&File"});
  EXPECT_THROW(SimulateMenuChoice(*form, "&File|&Recent|&1 orders.evt"), EInvalidOperation);

  fileItem->SetEnabled(false);
  EXPECT_THROW(SimulateMenuChoice(*form, "&File|&Open"), EInvalidOperation);
  SimulateMenuChoice(*form, "&File");  // clicked on the bar, and nothing opens
  EXPECT_EQ(clicked, std::vector<std::string>{"&File"});

  auto* popup = new TPopupMenu(form);
  TMenuItem* format = AddItem(popup->Items(), "&Format");
  AddItem(format, "&Bold");
  format->SetEnabled(false);
  edit->SetPopupMenu(popup);
  EXPECT_THROW(SimulatePopupChoice(*edit, "&Format|&Bold"), EInvalidOperation);
  const std::vector<int> throughFormat{0, 0};
  SimulateNextPopupChoice(throughFormat);
  popup->Popup(10, 10);
  ProcessPendingMessages();
  EXPECT_EQ(clicked, std::vector<std::string>{"&File"});
  for (const Seen& s : gRetrieved) EXPECT_NE(s.message, WM_COMMAND);
}

TEST_F(MenusTest, AShortcutIsFoundThroughTheForwardedKeyDown) {
  Key('O', false, true);
  EXPECT_EQ(clicked, std::vector<std::string>{"&Open"});
  const std::vector<Seen> forwarded = SentOf({CN_KEYDOWN});
  ASSERT_EQ(forwarded.size(), 2u);  // Ctrl, then O
  EXPECT_EQ(forwarded[1].hwnd, edit->Handle());
  EXPECT_EQ(forwarded[1].wParam, WPARAM{'O'});
  EXPECT_EQ(edit->Text(), "");  // the key went to the menu, not the edit

  fileItem->SetEnabled(false);  // an item under a disabled one has no shortcut
  Key('O', false, true);
  EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(MenusTest, AnInvisibleItemIsLeftOutOfTheMenuButKeepsItsShortcut) {
  openItem->SetVisible(false);
  const HMENU file = fileItem->Handle();
  ASSERT_EQ(GetMenuItemCount(file), 2);
  EXPECT_EQ(GetMenuState(file, 0, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
  EXPECT_EQ(MenuString(file, openItem->Command(), MF_BYCOMMAND), "");
  EXPECT_THROW(SimulateMenuChoice(*form, "&File|&Open"), EInvalidOperation);
  SimulateMenuChoice(*form, "&File|&Recent|&1 orders.evt");  // the positions left close up
  EXPECT_EQ(clicked.back(), "&1 orders.evt");
  Key('O', false, true);
  EXPECT_EQ(clicked.back(), "&Open");

  clicked.clear();
  recentItem->SetVisible(false);  // a hidden sub-menu's items stay out of reach of the mouse
  EXPECT_THROW(SimulateMenuChoice(*form, "&File|&Recent|&1 orders.evt"), EInvalidOperation);
  openItem->SetVisible(true);
  SimulateMenuChoice(*form, "&File|&Open");
  EXPECT_EQ(clicked, (std::vector<std::string>{"&File", "&Open"}));
  EXPECT_EQ(GetMenuItemCount(file), 2);
}

TEST_F(MenusTest, KeysInAComboBoxEditAreForwardedToTheComboBox) {
  auto* combo = Make<TComboBox>(form, "Combo1", {10, 40, 100, 21});
  combo->SetFocus();
  Forget();
  Key('O', false, true);
  EXPECT_EQ(clicked, std::vector<std::string>{"&Open"});
  ASSERT_FALSE(SentOf({CN_KEYDOWN}).empty());
  EXPECT_EQ(SentOf({CN_KEYDOWN})[0].hwnd, combo->Handle());
}

TEST_F(MenusTest, APopupMenuOpensOnARightClickAndCommandsItsHiddenWindow) {
  auto* popup = new TPopupMenu(form);
  TMenuItem* copy = AddItem(popup->Items(), "&Copy");
  AddItem(popup->Items(), "&Paste");
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetBounds(10, 100, 80, 15);
  edit->SetPopupMenu(popup);
  label->SetPopupMenu(popup);

  SimulatePopupChoice(*edit, "&Copy");
  EXPECT_EQ(clicked, std::vector<std::string>{"&Copy"});
  EXPECT_EQ(popup->PopupComponent(), edit);
  std::vector<Seen> commands;
  for (const Seen& s : gRetrieved)
    if (s.message == WM_COMMAND) commands.push_back(s);
  EXPECT_EQ(commands, (std::vector<Seen>{{popup->WindowHandle(), WM_COMMAND, copy->Command(), 0}}));
  EXPECT_EQ(SentOf({WM_INITMENU})[0],
            (Seen{popup->WindowHandle(), WM_INITMENU, popup->Handle(), 0}));

  SimulatePopupChoice(*label, "&Paste");  // a control without a window of its own
  EXPECT_EQ(popup->PopupComponent(), label);
  EXPECT_EQ(clicked.back(), "&Paste");

  popup->Popup(10, 10);  // program code, nothing chosen
  EXPECT_EQ(clicked.size(), 2u);
  EXPECT_THROW(SimulatePopupChoice(*form, "&Copy"), EInvalidOperation);
}

}  // namespace
