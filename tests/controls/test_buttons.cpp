// Push buttons, check boxes and radio buttons as their parent and the hooks see them, mnemonics
// of buttons, labels and group boxes, and buttons linked to actions.

#include "tests/controls/controls_fixture.h"

namespace {

class ButtonsTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    panel = Make<TPanel>(form, "Panel1", {10, 10, 300, 200});
    ok = Make<TButton>(panel, "OKBtn", {10, 10, 75, 25});
    ok->SetCaption("&OK");
    ok->OnClick = [this](TObject*) { ++okClicks; };
    check = Make<TCheckBox>(panel, "Check1", {10, 50, 120, 20});
    check->SetCaption("&Verbose");
    check->OnClick = [this](TObject*) { ++checkClicks; };
    form->Handle();
    Forget();
  }

  TPanel* panel = nullptr;
  TButton* ok = nullptr;
  TCheckBox* check = nullptr;
  int okClicks = 0;
  int checkClicks = 0;
};

TEST_F(ButtonsTest, AMouseClickNotifiesTheParentWhichClicksTheButton) {
  Click(*ok);
  EXPECT_EQ(SentOf({WM_COMMAND}), std::vector<Seen>{Notification(*ok, BN_CLICKED)});
  EXPECT_EQ(okClicks, 1);
  EXPECT_TRUE(ok->Focused());

  // Pressed on the button but released elsewhere: no click.
  Forget();
  SimulateMouseDown(TMouseButton::mbLeft, Centre(*ok));
  SimulateMouseUp(TMouseButton::mbLeft, Centre(*check));
  ProcessPendingMessages();
  EXPECT_TRUE(SentOf({WM_COMMAND}).empty());
  EXPECT_EQ(okClicks, 1);

  SendMessageA(ok->Handle(), BM_CLICK, 0, 0);  // program code clicks as the user does
  EXPECT_EQ(SentOf({WM_COMMAND}), std::vector<Seen>{Notification(*ok, BN_CLICKED)});
  EXPECT_EQ(okClicks, 2);
}

TEST_F(ButtonsTest, SpaceClicksTheFocusedButtonAndEnterAndEscClickDefaultAndCancel) {
  auto* cancel = Make<TButton>(panel, "CancelBtn", {100, 10, 75, 25});
  cancel->SetCancel(true);
  ok->SetDefault(true);
  int cancelClicks = 0;
  cancel->OnClick = [&](TObject*) { ++cancelClicks; };

  cancel->SetFocus();
  Key(VK_SPACE);
  EXPECT_EQ(cancelClicks, 1);
  Key(VK_RETURN);  // a focused button takes Enter itself
  EXPECT_EQ(cancelClicks, 2);
  EXPECT_EQ(okClicks, 0);

  check->SetFocus();
  Forget();
  Key(VK_RETURN);
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(SentOf({WM_COMMAND}), std::vector<Seen>{Notification(*ok, BN_CLICKED)});
  Key(VK_ESCAPE);
  EXPECT_EQ(cancelClicks, 3);
  EXPECT_EQ(SendMessageA(ok->Handle(), WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
}

TEST_F(ButtonsTest, ACheckBoxSetsItsOwnStateBeforeNotifyingTheParent) {
  Click(*check);
  const std::vector<Seen> expected = {{check->Handle(), BM_SETCHECK, BST_CHECKED, 0},
                                      Notification(*check, BN_CLICKED)};
  EXPECT_EQ(SentOf({BM_SETCHECK, WM_COMMAND}), expected);
  EXPECT_EQ(SendMessageA(check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(checkClicks, 1);

  Click(*check);
  EXPECT_EQ(check->State(), cbUnchecked);
  check->SetAllowGrayed(true);
  Click(*check);
  Click(*check);
  EXPECT_EQ(check->State(), cbGrayed);
  EXPECT_EQ(SendMessageA(check->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
}

TEST_F(ButtonsTest, CheckingFromProgramCodeSendsTheCheckMessageButNoNotification) {
  check->SetChecked(true);
  EXPECT_EQ(SentOf({BM_SETCHECK, WM_COMMAND}),
            (std::vector<Seen>{{check->Handle(), BM_SETCHECK, BST_CHECKED, 0}}));
  EXPECT_EQ(checkClicks, 1);
  check->SetChecked(true);  // no change, no message
  EXPECT_EQ(SentOf({BM_SETCHECK}).size(), 1u);
}

TEST_F(ButtonsTest, ARadioButtonChecksItselfThenUnchecksItsSiblings) {
  auto* first = Make<TRadioButton>(panel, "Radio1", {10, 80, 100, 20});
  auto* second = Make<TRadioButton>(panel, "Radio2", {10, 100, 100, 20});
  first->SetChecked(true);
  Forget();
  Click(*second);
  const std::vector<Seen> expected = {{second->Handle(), BM_SETCHECK, BST_CHECKED, 0},
                                      {first->Handle(), BM_SETCHECK, BST_UNCHECKED, 0},
                                      Notification(*second, BN_CLICKED)};
  EXPECT_EQ(SentOf({BM_SETCHECK, WM_COMMAND}), expected);
  EXPECT_FALSE(first->Checked());
  EXPECT_EQ(SendMessageA(second->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);

  Forget();
  Click(*second);  // already checked: the parent still hears of the click
  EXPECT_EQ(SentOf({BM_SETCHECK, WM_COMMAND}),
            std::vector<Seen>{Notification(*second, BN_CLICKED)});
}

TEST_F(ButtonsTest, ArrowsMoveToTheNeighbouringRadioButtonOfTheSameParentAndClickIt) {
  auto* first = Make<TRadioButton>(panel, "Radio1", {10, 80, 100, 20});
  auto* off = Make<TRadioButton>(panel, "Radio2", {10, 100, 100, 20});
  auto* third = Make<TRadioButton>(panel, "Radio3", {10, 120, 100, 20});
  auto* elsewhere = Make<TRadioButton>(form, "Radio4", {10, 250, 100, 20});
  off->SetEnabled(false);
  Click(*first);
  Forget();
  Key(VK_DOWN);  // over the disabled one
  EXPECT_TRUE(third->Focused());
  EXPECT_FALSE(elsewhere->Checked());
  // What a click on the radio button sends, after the focus moved there.
  const std::vector<Seen> expected = {{third->Handle(), BM_SETCHECK, BST_CHECKED, 0},
                                      {first->Handle(), BM_SETCHECK, BST_UNCHECKED, 0},
                                      Notification(*third, BN_CLICKED)};
  EXPECT_EQ(SentOf({BM_SETCHECK, WM_COMMAND}), expected);

  Key(VK_RIGHT);  // round the end
  EXPECT_TRUE(first->Checked());
  Key(VK_UP, false, false, true);  // Alt+Up is no move
  EXPECT_TRUE(first->Focused());
}

TEST_F(ButtonsTest, MnemonicsClickButtonsDirectlyWithAltOrWhenTheFocusWantsNoCharacters) {
  check->SetFocus();
  Key('O', false, false, true);
  EXPECT_EQ(okClicks, 1);
  EXPECT_TRUE(SentOf({WM_COMMAND}).empty());  // clicked directly, not through the parent
  Key('O');                                   // a check box wants no characters
  EXPECT_EQ(okClicks, 2);

  Forget();
  Key('V', false, false, true);
  EXPECT_TRUE(check->Checked());
  EXPECT_EQ(SentOf({BM_SETCHECK}).size(), 1u);
  Key('X', false, false, true);  // nobody's mnemonic
  EXPECT_EQ(okClicks, 2);
}

TEST_F(ButtonsTest, LabelAndGroupBoxMnemonicsMoveTheFocus) {
  auto* label = new TLabel(form);
  label->SetParent(panel);
  label->SetCaption("&Name");
  label->SetFocusControl(check);
  auto* group = Make<TGroupBox>(panel, "Group1", {150, 10, 140, 100});
  group->SetCaption("&Group");
  auto* inside = Make<TButton>(group, "Inner", {10, 20, 75, 25});

  ok->SetFocus();
  Key('N', false, false, true);
  EXPECT_TRUE(check->Focused());
  Key('G', false, false, true);
  EXPECT_TRUE(inside->Focused());

  ok->SetFocus();
  label->SetShowAccelChar(false);
  Key('N', false, false, true);
  EXPECT_TRUE(ok->Focused());
}

TEST_F(ButtonsTest, AButtonLinkedToAnActionShowsItAndExecutesIt) {
  auto* list = new TActionList(form);
  auto* save = new TAction(form);
  save->SetActionList(list);
  save->SetCaption("&Save");
  int executed = 0;
  save->OnExecute = [&](TObject*) { ++executed; };
  auto* button = Make<TButton>(panel, "SaveBtn", {100, 10, 75, 25});
  button->SetAction(save);
  EXPECT_EQ(button->Caption(), "&Save");

  Click(*button);
  EXPECT_EQ(executed, 1);
  save->SetEnabled(false);
  EXPECT_FALSE(button->Enabled());
  delete save;
  EXPECT_EQ(button->Action(), nullptr);
  Click(*button);  // disabled: nothing
  EXPECT_EQ(executed, 1);
}

}  // namespace
