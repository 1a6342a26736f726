// Which control a mnemonic activates, and the texts of the values controls show.

#include <gtest/gtest.h>

#include <tuple>

#include "families/qv_utils.h"
#include "platform/vcl/additional_controls.h"
#include "platform/vcl/comctrls.h"
#include "platform/vcl/stdctrls.h"
#include "tests/support/family_fixture.h"

namespace {

class ControlTexts : public FamilyFixture {
 protected:
  void SetUp() override {
    FamilyFixture::SetUp();
    form = Application().CreateForm<TForm>();
    form->SetName("Form1");
    form->SetBounds(100, 50, 400, 300);
  }

  template <typename T>
  T* Add(TWinControl* parent, const std::string& name, const std::string& caption = "") {
    T* control = PlaceControl<T>(form, parent, name, {0, 0, 50, 20});
    control->SetCaption(caption);
    return control;
  }

  TForm* form = nullptr;
};

TEST_F(ControlTexts, AMnemonicFindsTheControlItActivates) {
  auto* group = Add<TGroupBox>(form, "Group1", "&Group");
  auto* inner = Add<TPanel>(group, "Inner");
  auto* label = Add<TLabel>(form, "Label1", "&Options");
  auto* target = Add<TPanel>(form, "Target");
  label->SetFocusControl(target);
  auto* ok = Add<TButton>(form, "OK", "&OK");
  auto* check = Add<TCheckBox>(form, "Check", "&Check");
  auto* radio = Add<TRadioButton>(form, "Radio", "&Radio");

  EXPECT_EQ(GetAcceleratorControl(*ok, 'G'), inner);
  EXPECT_EQ(GetAcceleratorControl(*ok, 'O'), target);  // the label answers before the button
  EXPECT_EQ(GetAcceleratorControl(*inner, 'C'), check);
  EXPECT_EQ(GetAcceleratorControl(*form, 'R'), radio);
  EXPECT_EQ(GetAcceleratorControl(*form, 'X'), nullptr);
  label->SetShowAccelChar(false);
  EXPECT_EQ(GetAcceleratorControl(*form, 'O'), ok);
  ok->SetEnabled(false);  // it can no longer take the focus
  EXPECT_EQ(GetAcceleratorControl(*form, 'O'), nullptr);

  TButton loose(nullptr);
  loose.SetCaption("&Radio");
  EXPECT_EQ(GetAcceleratorControl(loose, 'R'), nullptr);  // on no form
}

// The group box takes its mnemonic even without controls, so the button after it is not pressed.
TEST_F(ControlTexts, AGroupBoxWithoutControlsEndsTheSearch) {
  auto* empty = Add<TGroupBox>(form, "Empty", "&Go");
  auto* button = Add<TButton>(form, "Go", "&Go");
  EXPECT_EQ(GetAcceleratorControl(*form, 'G'), nullptr);
  empty->SetEnabled(false);  // a group box that cannot take the focus lets the search go on
  EXPECT_EQ(GetAcceleratorControl(*form, 'G'), button);
}

// A tool button answers without being enabled or able to take the focus; its tool bar decides.
TEST_F(ControlTexts, AToolButtonAnswersItsMnemonicWhateverItsState) {
  auto* bar = Add<TToolBar>(form, "Bar");
  auto* button = new TToolButton(form);
  button->SetParent(bar);
  button->SetCaption("&Print");
  button->SetEnabled(false);
  auto* later = Add<TButton>(form, "PrintBtn", "&Print");
  EXPECT_EQ(GetAcceleratorControl(*later, 'P'), button);
  EXPECT_EQ(GetAcceleratorControl(*later, 'Q'), nullptr);
}

// A speed button takes no focus: being enabled is enough for it to answer.
TEST_F(ControlTexts, AnEnabledSpeedButtonAnswersItsMnemonic) {
  auto* speed = Add<TSpeedButton>(Add<TPanel>(form, "Tools"), "SaveSpeed", "&Save");
  auto* button = Add<TButton>(form, "SaveBtn", "&Save");
  EXPECT_EQ(GetAcceleratorControl(*button, 'S'), speed);
  speed->SetEnabled(false);
  EXPECT_EQ(GetAcceleratorControl(*button, 'S'), button);
}

TEST_F(ControlTexts, CheckStatesAreTextsWithALeadingBlank) {
  auto* check = Add<TCheckBox>(Add<TPanel>(form, ""), "Check1");
  auto* push = Add<TButton>(form, "Button1");
  std::string name;
  std::string state;
  const std::pair<int32_t, const char*> states[] = {
      {1, " (checked)"}, {0, " (unchecked)"}, {2, " (indeterminate)"}, {7, " (indeterminate)"}};
  for (const auto& [value, text] : states) {
    GetButtonInfo(*check, value, name, state);
    EXPECT_EQ(state, text) << value;  // an unknown state keeps the text it had
  }
  EXPECT_EQ(name, "Form1.Panel.Check1");
  GetButtonInfo(*push, 1, name, state);
  EXPECT_EQ(name, "Form1.Button1");
  EXPECT_EQ(state, "");
}

TEST_F(ControlTexts, EditTextsAreQuotedMemosCutAndPasswordsMasked) {
  auto* edit = Add<TEdit>(form, "Edit1", "secret");
  auto* memo = Add<TMemo>(form, "Memo1", std::string(100, 'a') + std::string(20, 'b'));
  std::string name;
  std::string text;
  GetEditInfo(*edit, name, text);
  EXPECT_EQ(name, "Form1.Edit1");
  EXPECT_EQ(text, "\"secret\"");
  edit->SetPasswordChar('*');
  GetEditInfo(*edit, name, text);
  EXPECT_EQ(text, "******");
  HonorPasswordChar = false;
  GetEditInfo(*edit, name, text);
  EXPECT_EQ(text, "\"secret\"");
  HonorPasswordChar = true;

  GetEditInfo(*memo, name, text);
  EXPECT_EQ(name, "Form1.Memo1");
  EXPECT_EQ(text, "\"" + std::string(50, 'a') + "...\"");
  memo->SetText("ab");
  memo->SetPasswordChar('*');  // a memo is never masked
  GetEditInfo(*memo, name, text);
  EXPECT_EQ(text, "\"ab...\"");
}

TEST_F(ControlTexts, SelectedItemsAreQuotedAndNoSelectionIsNone) {
  auto* list = Add<TListBox>(form, "List1");
  list->Items()->Add("first");
  list->Items()->Add("second");
  std::string name;
  std::string item;
  int32_t index = 99;
  GetListBoxInfo(*list, name, item, index);
  EXPECT_EQ(name, "Form1.List1");
  EXPECT_EQ(item, "<none>");
  EXPECT_EQ(index, -1);
  list->SetItemIndex(1);
  GetListBoxInfo(*list, name, item, index);
  EXPECT_EQ(item, "\"second\"");
  EXPECT_EQ(index, 1);
}

TEST_F(ControlTexts, ARadioGroupItemIsFoundByItsButtonsWindow) {
  auto* group = Add<TRadioGroup>(form, "Group1");
  group->Items()->Add("small");
  group->Items()->Add("large");
  auto* extra = Add<TRadioButton>(group, "Extra");  // a button without an item
  auto* outside = Add<TRadioButton>(form, "Outside");
  std::string name;
  std::string item;
  int32_t index = 99;
  GetRadioGroupInfo(*group, group->Buttons(1)->Handle(), name, item, index);
  EXPECT_EQ(std::tie(name, item, index), std::make_tuple("Form1.Group1", "large", 1));
  GetRadioGroupInfo(*group, extra->Handle(), name, item, index);
  EXPECT_EQ(std::tie(item, index), std::make_tuple("", 2));
  GetRadioGroupInfo(*group, outside->Handle(), name, item, index);
  EXPECT_EQ(std::tie(item, index), std::make_tuple("", -1));
}

TEST_F(ControlTexts, AComboBoxWithoutSelectionShowsItsEditTextUnlessItHasNone) {
  auto* combo = Add<TComboBox>(form, "Combo1");
  combo->Items()->Add("red");
  combo->Items()->Add("green");
  combo->SetText("typed");
  std::string name;
  std::string item;
  int32_t index = 99;
  GetComboBoxInfo(*combo, name, item, index);
  EXPECT_EQ(name, "Form1.Combo1");
  EXPECT_EQ(item, "\"typed\"");
  EXPECT_EQ(index, -1);
  combo->SetStyle(csDropDownList);
  GetComboBoxInfo(*combo, name, item, index);
  EXPECT_EQ(item, "<none>");
  combo->SetItemIndex(1);
  GetComboBoxInfo(*combo, name, item, index);
  EXPECT_EQ(item, "\"green\"");
  EXPECT_EQ(index, 1);
}

TEST_F(ControlTexts, ScrollTextsGiveTheBarsOrientationAndPosition) {
  auto* bar = Add<TScrollBar>(form, "Bar1");
  auto* box = Add<TScrollBox>(form, "Box1");
  box->SetBounds(0, 0, 100, 100);
  Add<TPanel>(box, "Large")->SetBounds(0, 0, 300, 400);
  bar->SetPosition(30);
  box->HorzScrollBar()->SetPosition(20);
  box->VertScrollBar()->SetPosition(40);
  std::string name;
  std::string orientation;
  int32_t position = 0;

  GetScrollBarInfo(*bar, name, orientation, position);
  EXPECT_EQ(std::tie(name, orientation, position), std::make_tuple("Form1.Bar1", "horizontal", 30));
  bar->SetKind(sbVertical);
  GetScrollBarInfo(*bar, name, orientation, position);
  EXPECT_EQ(orientation, "vertical");

  GetScrollingWinControlInfo(*box, WM_HSCROLL, name, orientation, position);
  EXPECT_EQ(std::tie(name, orientation, position), std::make_tuple("Form1.Box1", "horizontal", 20));
  GetScrollingWinControlInfo(*box, WM_VSCROLL, name, orientation, position);
  EXPECT_EQ(std::tie(orientation, position), std::make_tuple("vertical", 40));
  GetScrollingWinControlInfo(*box, WM_NULL, name, orientation, position);  // any other message
  EXPECT_EQ(std::tie(orientation, position), std::make_tuple("vertical", 40));
}

}  // namespace
