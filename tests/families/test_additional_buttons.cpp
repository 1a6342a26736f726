// The additional-control family's speed buttons, splitters and check list boxes, as a user's
// clicks, drags and keys record them.

#include "families/additional_events.h"
#include "platform/vcl/actions.h"
#include "tests/families/additional_family_form.h"

namespace {

class AdditionalButtons : public AdditionalFamilyForm {
 protected:
  TSpeedButton* MakeSpeedButton(TWinControl* parent, const std::string& name, int left,
                                const std::string& caption) {
    return Make<TSpeedButton>(parent, name, {left, 10, 60, 25}, caption);
  }
};

TEST_F(AdditionalButtons, ASpeedButtonIsRecordedAtTheReleaseOverTheButtonThatWasPressed) {
  auto* panel = Make<TPanel>(form, "Tools", {0, 0, 300, 45});
  auto* save = MakeSpeedButton(panel, "SaveBtn", 10, "&Save");
  auto* open = MakeSpeedButton(panel, "OpenBtn", 80, "&Open");
  auto* action = new TAction(form);
  action->SetName("OpenAction");
  open->SetAction(action);
  ShowAndStart();
  PressAndRelease(*save, *open);  // slipped off: no click
  PressAndRelease(*panel, *save);
  PressAndRelease(*save, *save);
  Click(*open);
  EXPECT_EQ(Texts(), (TTexts{{"TSpeedButtonEvent", "Form1.Tools.SaveBtn"},
                             {"TActionEvent", "OpenAction action linked to OpenBtn"},
                             {"TSpeedButtonEvent", "Form1.Tools.OpenBtn"}}));
}

TEST_F(AdditionalButtons, ADisabledSpeedButtonIsNoClickWithTheMouseOrItsMnemonic) {
  auto* save = MakeSpeedButton(form, "SaveBtn", 10, "&Save");
  auto* button = Make<TButton>(form, "Button1", {10, 100, 75, 25}, "Go");
  save->SetEnabled(false);
  ShowAndStart();
  button->SetFocus();
  Click(*save);
  Key('S', false, false, true);
  Key('S');
  EXPECT_EQ(Texts(), TTexts{});
}

TEST_F(AdditionalButtons, AMnemonicClicksASpeedButtonWithAltOrWhereTheFocusWantsNoCharacters) {
  MakeSpeedButton(form, "SaveBtn", 10, "&Save");
  auto* edit = Make<TEdit>(form, "Edit1", {10, 60, 100, 21});
  auto* button = Make<TButton>(form, "Button1", {10, 100, 75, 25}, "Go");
  ShowAndStart();
  edit->SetFocus();
  Key('S');                      // typed into the edit
  Key('S', false, true, false);  // Ctrl+S is a shortcut, never a mnemonic
  Key('S', false, false, true);
  button->SetFocus();
  Key('S');
  Key(VK_F1 + 1);  // F2 types no character
  EXPECT_EQ(Texts(), (TTexts{{"TSpeedButtonEvent", "Form1.SaveBtn"},
                             {"TEditEvent", "Form1.Edit1 \"s\""},
                             {"TSpeedButtonEvent", "Form1.SaveBtn"}}));
}

TEST_F(AdditionalButtons, ASplitterRecordsItsLeftOrTopWhereTheDragEnds) {
  auto* left = Make<TPanel>(form, "Left", {0, 0, 100, 100});
  left->SetAlign(alLeft);
  auto* vertical = Make<TSplitter>(form, "VSplit", {100, 0, 4, 100});
  vertical->SetAlign(alLeft);
  auto* top = Make<TPanel>(form, "Top", {0, 0, 100, 80});
  top->SetAlign(alTop);
  auto* horizontal = Make<TSplitter>(form, "HSplit", {0, 80, 100, 4});
  horizontal->SetAlign(alTop);  // a new splitter stands at the left: its height is the rest's
  horizontal->SetHeight(4);
  ShowAndStart();
  SimulateUserDrag(*vertical, {2, 50}, {32, 50});    // from 100
  SimulateUserDrag(*horizontal, {50, 2}, {50, 22});  // from 80
  EXPECT_EQ(Texts(), (TTexts{{"TSplitterEvent", "Form1.VSplit 130"},
                             {"TSplitterEvent", "Form1.HSplit 100"}}));
}

// Space toggles the selected item's check without a choice in the list, which is what the family
// records: the check is seen at the next click.
TEST_F(AdditionalButtons, ACheckListBoxRecordsTheClickedItemWithItsNewCheckAndNoListBoxChoice) {
  auto* fruit = Make<TCheckListBox>(form, "Fruit", {10, 10, 150, 100});
  for (const char* item : {"Apple", "Pear", "Plum"}) fruit->Items()->Add(item);
  ShowAndStart();
  const int itemHeight = fruit->ItemHeight();
  const auto box = [&](int index) {
    return POINT{itemHeight / 2, index * itemHeight + itemHeight / 2};
  };
  SimulateClickAt(*fruit, box(0));                              // checks Apple
  SimulateClickAt(*fruit, box(0));                              // unchecks it
  SimulateClickAt(*fruit, {100, itemHeight + itemHeight / 2});  // chooses Pear, no toggle
  Key(VK_SPACE);                                                // checks Pear
  SimulateClickAt(*fruit, {100, itemHeight + itemHeight / 2});
  SimulateClickAt(*fruit, box(1));  // unchecks Pear
  EXPECT_EQ(Texts(), (TTexts{{"TCheckListBoxEvent", "Form1.Fruit \"Apple\" (0) Checked"},
                             {"TCheckListBoxEvent", "Form1.Fruit \"Apple\" (0) Unchecked"},
                             {"TCheckListBoxEvent", "Form1.Fruit \"Pear\" (1) Unchecked"},
                             {"TCheckListBoxEvent", "Form1.Fruit \"Pear\" (1) Checked"},
                             {"TCheckListBoxEvent", "Form1.Fruit \"Pear\" (1) Unchecked"}}));
}

// What a check list box that lost its selection tells its parent, as a program may make it do.
TEST_F(AdditionalButtons, ACheckListBoxWithoutASelectedItemRecordsNoneUnchecked) {
  auto* fruit = Make<TCheckListBox>(form, "Fruit", {10, 10, 150, 100});
  fruit->Items()->Add("Apple");
  fruit->SetChecked(0, true);
  ShowAndStart();
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(LOWORD(fruit->Handle()), LBN_SELCHANGE),
               fruit->Handle());
  ProcessPendingMessages();
  EXPECT_EQ(Texts(), (TTexts{{"TCheckListBoxEvent", "Form1.Fruit <none> (-1) Unchecked"}}));
}

TEST_F(AdditionalButtons, ASplitterFreedDuringItsDragIsNotRecorded) {
  Make<TPanel>(form, "Left", {0, 0, 100, 100})->SetAlign(alLeft);
  auto* splitter = Make<TSplitter>(form, "Split", {100, 0, 4, 100});
  splitter->SetAlign(alLeft);
  ShowAndStart();
  const POINT grip = Centre(*splitter);
  SimulateMouseDown(TMouseButton::mbLeft, grip);
  ProcessPendingMessages();
  delete splitter;
  SimulateMouseUp(TMouseButton::mbLeft, grip);
  ProcessPendingMessages();
  EXPECT_EQ(Texts(), TTexts{});
}

}  // namespace
