// The standard-control family: what a user does with buttons, edits, lists, combo boxes and
// scroll bars, as the log records it.

#include "families/std_events.h"
#include "tests/families/std_family_form.h"

namespace {

using StdControls = StdFamilyForm;

TEST_F(StdControls, ButtonsRecordTheirClickAndCheckBoxesTheirNewState) {
  auto* button = Make<TButton>(form, "Button1", {10, 10, 75, 25}, "Go");
  auto* check = Make<TCheckBox>(form, "Check1", {10, 50, 100, 20}, "Check");
  ShowAndStart(true);
  Click(*button);
  Click(*check);
  check->SetChecked(false);  // program code: the check message is what counts
  check->SetState(cbGrayed);
  const TRecords records = Recorded();
  EXPECT_EQ(TextsOf(records), (TTexts{{"TMouseClickEvent", "Form1.Button1"},
                                      {"TButtonEvent", "Form1.Button1 "},
                                      {"TMouseClickEvent", "Form1.Check1"},
                                      {"TButtonEvent", "Form1.Check1  (checked)"},
                                      {"TButtonEvent", "Form1.Check1  (unchecked)"},
                                      {"TButtonEvent", "Form1.Check1  (indeterminate)"}}));
  EXPECT_EQ(records[1]->GetEventName(), "button click");
  TStringList lines;
  records[3]->GetPropertiesAndValues(&lines);
  EXPECT_EQ(lines.Text(),
            "EventName=button click\nAction= (checked)\nTickCount=500\nWindowName=Form1.Check1\n");
}

TEST_F(StdControls, ARadioGroupRecordsTheCheckedItemOnly) {
  auto* group = Make<TRadioGroup>(form, "Colours", {10, 10, 150, 100});
  for (const char* item : {"Red", "Green", "Blue"}) group->Items()->Add(item);
  auto* radio = Make<TRadioButton>(form, "Radio1", {200, 10, 100, 20}, "Loose");
  ShowAndStart();
  SimulateListChoice(*group, 1);
  SimulateListChoice(*group, 2);  // Green is unchecked on the way: no record for it
  group->SetItemIndex(0);
  Click(*radio);
  const TRecords records = Recorded();
  EXPECT_EQ(TextsOf(records), (TTexts{{"TRadioGroupEvent", "Form1.Colours Green (1)"},
                                      {"TRadioGroupEvent", "Form1.Colours Blue (2)"},
                                      {"TRadioGroupEvent", "Form1.Colours Red (0)"},
                                      {"TButtonEvent", "Form1.Radio1  (checked)"}}));
  EXPECT_EQ(records[0]->GetEventName(), "radio group select");
}

TEST_F(StdControls, EditsAreRecordedOncePerChangedVisitWithTheirShownText) {
  auto* edit = Make<TEdit>(form, "Edit1", {10, 10, 100, 21});
  auto* memo = Make<TMemo>(form, "Memo1", {10, 40, 200, 80});
  auto* secret = Make<TEdit>(form, "Secret", {10, 130, 100, 21});
  secret->SetPasswordChar('*');
  auto* button = Make<TButton>(form, "Button1", {10, 200, 75, 25}, "Go");
  ShowAndStart();
  edit->SetFocus();
  Type("abc");
  button->SetFocus();
  edit->SetFocus();  // a visit without typing
  button->SetFocus();
  memo->SetFocus();
  Type("memo");
  secret->SetFocus();
  Type("pw12");
  button->SetFocus();
  const TRecords records = Recorded();
  EXPECT_EQ(TextsOf(records), (TTexts{{"TEditEvent", "Form1.Edit1 \"abc\""},
                                      {"TEditEvent", "Form1.Memo1 \"memo...\""},
                                      {"TEditEvent", "Form1.Secret ****"}}));
  EXPECT_EQ(records[0]->GetEventName(), "edit update");
}

TEST_F(StdControls, AListBoxRecordsEachChoice) {
  Make<TButton>(form, "Button1", {10, 300, 75, 25}, "Go");  // has the focus when the form shows
  auto* list = Make<TListBox>(form, "List1", {10, 10, 100, 80});
  for (const char* item : {"one", "two", "three"}) list->Items()->Add(item);
  ShowAndStart(true);
  TLogStream::EnableEvent("TSetFocusEvent", true);
  SimulateListChoice(*list, 1);
  Key(VK_DOWN);
  list->SetItemIndex(0);  // program code reports nothing
  const TRecords records = Recorded();
  // The press focuses the list before the button is released; the list reports its choice at the
  // release, after the mouse hooks saw it.
  EXPECT_EQ(TextsOf(records), (TTexts{{"TSetFocusEvent", "Form1.List1"},
                                      {"TMouseClickEvent", "Form1.List1"},
                                      {"TListBoxSelectEvent", "Form1.List1 \"two\" (1)"},
                                      {"TListBoxSelectEvent", "Form1.List1 \"three\" (2)"}}));
  EXPECT_EQ(records[2]->GetEventName(), "list box select");
}

class StdComboBoxes : public StdFamilyForm {
 protected:
  TComboBox* Combo(const std::string& name, TComboBoxStyle style, int top) {
    auto* combo = Make<TComboBox>(form, name, {10, top, 150, 21});
    combo->SetStyle(style);
    for (const char* item : {"apple", "banana", "cherry"}) combo->Items()->Add(item);
    return combo;
  }
};

TEST_F(StdComboBoxes, AMouseChoiceIsRecordedAfterTheListClosesAndAgainWhenTheFocusLeaves) {
  auto* combo = Combo("Combo1", csDropDown, 10);
  auto* button = Make<TButton>(form, "Button1", {10, 300, 75, 25}, "Go");
  ShowAndStart();
  SimulateListChoice(*combo, 2);
  button->SetFocus();
  combo->SetFocus();
  Type("x");  // replaces the text the focus selected; typed text has no item
  button->SetFocus();
  EXPECT_EQ(Texts(), (TTexts{{"TComboBoxSelectEvent", "Form1.Combo1 \"cherry\" (2)"},
                             {"TComboBoxSelectEvent", "Form1.Combo1 \"cherry\" (2)"},
                             {"TComboBoxSelectEvent", "Form1.Combo1 \"x\" (-1)"}}));
}

TEST_F(StdComboBoxes, BrowsingAnOpenListIsNotAChoiceUntilTheFocusLeaves) {
  auto* combo = Combo("Combo1", csDropDown, 10);
  auto* button = Make<TButton>(form, "Button1", {10, 300, 75, 25}, "Go");
  ShowAndStart();
  combo->SetFocus();
  Key(VK_F1 + 3);  // F4 opens the list
  Key(VK_DOWN);
  Key(VK_DOWN);
  Key(VK_RETURN);
  button->SetFocus();
  EXPECT_EQ(Texts(), (TTexts{{"TComboBoxSelectEvent", "Form1.Combo1 \"banana\" (1)"}}));
}

TEST_F(StdComboBoxes, TheListOnlyStyleRecordsChoicesButNotTheFocusLeaving) {
  auto* combo = Combo("Pick", csDropDownList, 10);
  auto* button = Make<TButton>(form, "Button1", {10, 300, 75, 25}, "Go");
  ShowAndStart();
  SimulateListChoice(*combo, 1);
  Key(VK_DOWN);  // closed: each move is a choice
  button->SetFocus();
  EXPECT_EQ(Texts(), (TTexts{{"TComboBoxSelectEvent", "Form1.Pick \"banana\" (1)"},
                             {"TComboBoxSelectEvent", "Form1.Pick \"cherry\" (2)"}}));
}

// The open list reports the browsing only while it is open, and a list-only combo box records
// nothing when the focus leaves: the choice is recorded once, when the list closes.
TEST_F(StdComboBoxes, AListOnlyChoiceByKeysInTheOpenListIsRecordedWhenTheListCloses) {
  auto* combo = Combo("Pick", csDropDownList, 10);
  auto* button = Make<TButton>(form, "Button1", {10, 300, 75, 25}, "Go");
  ShowAndStart();
  combo->SetFocus();
  Key(VK_F1 + 3);
  Key(VK_DOWN);
  Key(VK_DOWN);
  Key(VK_RETURN);
  Key(VK_F1 + 3);  // opened and closed without browsing: no choice
  Key(VK_ESCAPE);
  Key(VK_F1 + 3);
  Key(VK_UP);
  button->SetFocus();  // leaving closes the list
  combo->SetFocus();
  Key(VK_F1 + 3);
  Key(VK_DOWN);
  SimulateListChoice(*combo, 2);  // the mouse ends the browsing: one choice
  Key(VK_UP);                     // and the closed list takes keys as choices again
  EXPECT_EQ(Texts(), (TTexts{{"TComboBoxSelectEvent", "Form1.Pick \"banana\" (1)"},
                             {"TComboBoxSelectEvent", "Form1.Pick \"apple\" (0)"},
                             {"TComboBoxSelectEvent", "Form1.Pick \"cherry\" (2)"},
                             {"TComboBoxSelectEvent", "Form1.Pick \"banana\" (1)"}}));
}

TEST_F(StdComboBoxes, TheSimpleStyleRecordsAChoiceInItsList) {
  auto* combo = Combo("Simple", csSimple, 10);
  combo->SetHeight(120);
  ShowAndStart();
  SimulateListChoice(*combo, 0);
  EXPECT_EQ(Texts(), (TTexts{{"TComboBoxSelectEvent", "Form1.Simple \"apple\" (0)"}}));
}

TEST_F(StdControls, AScrollGestureIsRecordedOnceWithItsFinalPosition) {
  auto* bar = Make<TScrollBar>(form, "Bar1", {10, 10, 200, 17});
  auto* box = Make<TScrollBox>(form, "Box1", {10, 50, 200, 100});
  Make<TPanel>(box, "Tall", {0, 0, 150, 400});
  ShowAndStart();
  SimulateScrollTo(*bar, 40);
  SimulateScrollTo(*box, 120);
  const TRecords records = Recorded();
  // The box's thumb lands on the position nearest to its pixel, which need not be 120 itself.
  const int boxPosition = box->VertScrollBar()->Position();
  EXPECT_NEAR(boxPosition, 120, 2);
  EXPECT_EQ(TextsOf(records),
            (TTexts{{"TScrollBarEvent", "Form1.Bar1 40 (horizontal)"},
                    {"TScrollBarEvent", Format("Form1.Box1 %d (vertical)", boxPosition)}}));
  EXPECT_EQ(records[0]->GetEventName(), "scrollbar position");
}

}  // namespace
