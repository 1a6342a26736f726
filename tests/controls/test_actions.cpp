// Actions: what linked menu items take from them, execution through items, and shortcuts of
// action lists.

#include "platform/vcl/user_actions.h"
#include "tests/controls/controls_fixture.h"

namespace {

class ActionsTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    list = new TActionList(form);
    save = new TAction(form);
    save->SetName("SaveAction");
    save->SetCaption("&Save");
    save->SetShortCut(TextToShortCut("Ctrl+S"));
    save->SetActionList(list);
    save->OnExecute = [this](TObject*) { ++saves; };
    menu = new TMainMenu(form);
    file = new TMenuItem(form);
    file->SetCaption("&File");
    menu->Items()->Add(file);
    form->SetMenu(menu);
    button = Make<TButton>(form, "OKBtn", {10, 10, 75, 25});
    button->SetFocus();
  }

  TActionList* list = nullptr;
  TAction* save = nullptr;
  TMainMenu* menu = nullptr;
  TMenuItem* file = nullptr;
  TButton* button = nullptr;
  int saves = 0;
};

TEST_F(ActionsTest, AMenuItemShowsItsActionAndExecutesItWhenChosen) {
  auto* item = new TMenuItem(form);
  file->Add(item);
  item->SetAction(save);
  EXPECT_EQ(item->Caption(), "&Save");
  EXPECT_EQ(item->ShortCut(), TextToShortCut("Ctrl+S"));
  SimulateMenuChoice(*form, "&File|&Save");
  EXPECT_EQ(saves, 1);

  save->SetEnabled(false);
  EXPECT_FALSE(item->Enabled());
  SimulateMenuChoice(*form, "&File|&Save");
  EXPECT_EQ(saves, 1);
}

TEST_F(ActionsTest, AnActionListExecutesTheActionOfAShortcut) {
  Key('S', false, true);
  EXPECT_EQ(saves, 1);
  save->SetEnabled(false);
  Key('S', false, true);
  EXPECT_EQ(saves, 1);
}

TEST_F(ActionsTest, EveryActionListOfTheFormIsAskedForAShortcut) {
  auto* other = new TActionList(form);
  auto* alsoSave = new TAction(form);
  alsoSave->SetShortCut(TextToShortCut("Ctrl+S"));
  alsoSave->SetActionList(other);
  int others = 0;
  alsoSave->OnExecute = [&](TObject*) { ++others; };
  Key('S', false, true);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(others, 1);
  EXPECT_EQ(list->ActionCount(), 1);
  delete alsoSave;
  EXPECT_EQ(other->ActionCount(), 0);
}

TEST_F(ActionsTest, AMenuShortcutComesBeforeTheActionLists) {
  auto* item = new TMenuItem(form);
  item->SetCaption("&Store");
  item->SetShortCut(TextToShortCut("Ctrl+S"));
  int stores = 0;
  item->OnClick = [&](TObject*) { ++stores; };
  file->Add(item);
  Key('S', false, true);
  EXPECT_EQ(stores, 1);
  EXPECT_EQ(saves, 0);
}

}  // namespace
