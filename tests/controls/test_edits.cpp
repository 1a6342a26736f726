// Edits and memos: the focus and change notifications their parent sees, dialog codes, password
// characters, read-only edits, length limits and the memo's lines.

#include <string>

#include "platform/vcl/form_files.h"
#include "tests/controls/controls_fixture.h"

namespace {

class EditsTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    edit = Make<TEdit>(form, "Edit1", {10, 10, 120, 21});
    other = Make<TButton>(form, "OKBtn", {10, 50, 75, 25});
    other->SetDefault(true);
    other->OnClick = [this](TObject*) { ++defaultClicks; };
    form->Handle();
    Forget();
  }

  // The edit's selection as EM_GETSEL answers it: start and end.
  static std::pair<DWORD, DWORD> Selection(TWinControl& control) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(control.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }

  TEdit* edit = nullptr;
  TButton* other = nullptr;
  int defaultClicks = 0;
};

TEST_F(EditsTest, TypingAndLeavingNotifyTheParentInOrder) {
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  Click(*edit);
  Type("ab");
  Key(VK_BACK);
  other->SetFocus();
  const std::vector<Seen> expected = {
      Notification(*edit, EN_SETFOCUS), Notification(*edit, EN_UPDATE),
      Notification(*edit, EN_CHANGE),   Notification(*edit, EN_UPDATE),
      Notification(*edit, EN_CHANGE),   Notification(*edit, EN_UPDATE),
      Notification(*edit, EN_CHANGE),   Notification(*edit, EN_KILLFOCUS)};
  EXPECT_EQ(SentOf({WM_COMMAND}), expected);
  EXPECT_EQ(edit->Text(), "a");
  EXPECT_EQ(changes, 3);
}

TEST_F(EditsTest, AnEditWantsCharactersSoEnterGoesToTheDefaultButton) {
  EXPECT_EQ(SendMessageA(edit->Handle(), WM_GETDLGCODE, 0, 0),
            DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
  edit->SetFocus();
  Type("o");  // the button's mnemonic is no mnemonic while an edit has the focus
  Key(VK_RETURN);
  EXPECT_EQ(edit->Text(), "o");
  EXPECT_EQ(defaultClicks, 1);
}

TEST_F(EditsTest, ThePasswordCharacterHidesNothingOfTheText) {
  edit->SetPasswordChar('*');
  edit->SetFocus();
  Type("secret");
  EXPECT_EQ(edit->Text(), "secret");
  EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
}

TEST_F(EditsTest, TextSetByProgramCodeIsReportedOnlyBySingleLineEdits) {
  auto* memo = Make<TMemo>(form, "Memo1", {150, 10, 200, 100});
  memo->Handle();
  Forget();
  edit->SetText("abc");
  memo->SetText("x");
  EXPECT_EQ(SentOf({WM_COMMAND}),
            (std::vector<Seen>{Notification(*edit, EN_UPDATE), Notification(*edit, EN_CHANGE)}));
}

TEST_F(EditsTest, AMemoTakesEnterAsANewLineAndKeepsItsLinesInStep) {
  auto* memo = Make<TMemo>(form, "Memo1", {150, 10, 200, 100});
  memo->Lines()->Add("first");
  EXPECT_EQ(memo->Text(), "first");
  memo->SetFocus();
  Key(VK_RETURN);
  Type("two");
  EXPECT_EQ(defaultClicks, 0);
  EXPECT_EQ(memo->Text(), "first\r\ntwo");
  ASSERT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Get(1), "two");
  EXPECT_EQ(SendMessageA(memo->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, DLGC_WANTALLKEYS);
}

TEST_F(EditsTest, AReadOnlyEditIgnoresTypingButNotItsKeysOrProgramCode) {
  edit->SetText("fixed");
  edit->SetReadOnly(true);
  EXPECT_TRUE(GetWindowLongPtrA(edit->Handle(), GWL_STYLE) & ES_READONLY);
  edit->SetFocus();
  Forget();
  Type("x");
  Key(VK_BACK);
  Key(VK_DELETE);
  Key(VK_LEFT);  // still the edit's own key: no dialog key moves the focus
  EXPECT_TRUE(edit->Focused());
  EXPECT_TRUE(SentOf({WM_COMMAND}).empty());
  EXPECT_EQ(edit->Text(), "fixed");
  edit->SetText("by code");
  edit->SetReadOnly(false);
  Type("s");
  EXPECT_EQ(edit->Text(), "by codes");
}

TEST_F(EditsTest, TheFocusComingByKeyOrCodeSelectsTheTextSoTypingReplacesIt) {
  edit->SetText("old");
  other->SetFocus();
  Key(VK_TAB, true);
  ASSERT_TRUE(edit->Focused());
  EXPECT_EQ(Selection(*edit), (std::pair<DWORD, DWORD>{0, 3}));
  Type("new");
  EXPECT_EQ(edit->Text(), "new");
  other->SetFocus();
  edit->SetFocus();  // as program code, or the host's "type" command, moves it
  Type("x");
  EXPECT_EQ(edit->Text(), "x");
}

TEST_F(EditsTest, AClickPutsTheCaretAfterTheTextInsteadOfSelectingIt) {
  edit->SetText("old");
  Click(*edit);
  EXPECT_EQ(Selection(*edit), (std::pair<DWORD, DWORD>{3, 3}));
  Type("er");
  EXPECT_EQ(edit->Text(), "older");
  edit->SelectAll();
  Click(*edit);  // a click drops a selection too
  Type("s");
  EXPECT_EQ(edit->Text(), "olders");
}

TEST_F(EditsTest, NeitherAnEditWithoutAutoSelectNorAMemoSelectsItsText) {
  edit->SetAutoSelect(false);
  edit->SetText("old");
  edit->SetFocus();
  Type("er");
  EXPECT_EQ(edit->Text(), "older");
  auto* memo = Make<TMemo>(form, "Memo1", {150, 10, 200, 100});
  memo->Lines()->Add("first");
  memo->SetFocus();
  Type("x");
  EXPECT_EQ(memo->Text(), "firstx");
}

TEST_F(EditsTest, TheFocusComingBackWithItsFormLeavesTheSelectionAsItWas) {
  edit->SetText("old");
  edit->SetFocus();
  Key(VK_END);
  auto* second = Application().CreateForm<TForm>();
  second->SetBounds(520, 100, 200, 100);
  second->Show();
  ASSERT_FALSE(edit->Focused());
  SimulateFrameActivate(form->Handle());
  ASSERT_TRUE(edit->Focused());
  Type("s");
  EXPECT_EQ(edit->Text(), "olds");
}

TEST_F(EditsTest, CaretKeysAndDeleteWorkOnTheSelection) {
  edit->SetText("abcd");
  edit->SetFocus();
  Key(VK_LEFT);         // drops the selection at its start
  Key(VK_RIGHT, true);  // selects "a"
  Key(VK_DELETE);
  EXPECT_EQ(edit->Text(), "bcd");
  Key(VK_END);
  Key(VK_LEFT);
  Key(VK_BACK);
  EXPECT_EQ(edit->Text(), "bd");
  Key(VK_HOME, true);
  EXPECT_EQ(Selection(*edit), (std::pair<DWORD, DWORD>{0, 1}));
  Type("x");
  EXPECT_EQ(edit->Text(), "xd");
  SendMessageA(edit->Handle(), EM_SETSEL, 1, -1);
  Type("y");
  EXPECT_EQ(edit->Text(), "xy");
}

TEST_F(EditsTest, TypingStopsAtMaxLengthWhereALineBreakCountsTwo) {
  edit->SetMaxLength(3);
  edit->SetFocus();
  Type("abcd");
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(SentOf({WM_COMMAND}).back(), Notification(*edit, EN_MAXTEXT));
  edit->SetText("longer by code");
  EXPECT_EQ(edit->Text(), "longer by code");

  auto* memo = Make<TMemo>(form, "Memo1", {150, 10, 200, 100});
  memo->SetMaxLength(3);
  memo->SetFocus();
  Type("ab");
  Key(VK_RETURN);  // two characters, one is left
  Type("c");
  EXPECT_EQ(memo->Text(), "abc");
}

// The edit keeps its text itself: the window's text messages read it and set it, and typing a long
// text changes it in place.
TEST_F(EditsTest, TheWindowsTextMessagesReadAndSetTheEditsOwnText) {
  edit->SetFocus();
  const std::string typed(10000, 'x');
  for (int i = 0; i < 10000; ++i) Key('X');
  EXPECT_EQ(edit->Text(), typed);
  EXPECT_EQ(GetWindowTextLengthA(edit->Handle()), 10000);
  char start[4];
  EXPECT_EQ(GetWindowTextA(edit->Handle(), start, sizeof start), 3);
  EXPECT_STREQ(start, "xxx");
  SetWindowTextA(edit->Handle(), "set");
  EXPECT_EQ(edit->Text(), "set");
  Type("s");
  EXPECT_EQ(edit->Text(), "sets");
  edit->DestroyHandle();
  EXPECT_EQ(edit->Text(), "sets");  // kept for the next window
}

// A memo of a hundred thousand lines is read in one update; the lines follow what is typed when
// they are next read, also through a list kept from before.
TEST_F(EditsTest, AMemoOfAHundredThousandLinesIsReadAndTypedIntoAsAnyOther) {
  std::string text = "object Notes: TMemo\n  Width = 200\n  Height = 100\n  Lines.Strings = (\n";
  for (int i = 0; i < 100000; ++i) text += "    'line " + std::to_string(i) + "'\n";
  text += "  )\nend\n";
  auto* memo = static_cast<TMemo*>(ReadComponentsText(text).front().release());
  memo->SetParent(form);  // which destroys it
  TStrings* lines = memo->Lines();
  ASSERT_EQ(lines->Count(), 100000);
  EXPECT_EQ(lines->Get(99999), "line 99999");
  EXPECT_EQ(memo->Text().substr(0, 14), "line 0\r\nline 1");
  memo->SetFocus();
  Type("new");
  Key(VK_RETURN);
  EXPECT_EQ(lines->Count(), 100001);
  EXPECT_EQ(lines->Get(0), "new");
  EXPECT_EQ(lines->Get(1), "line 0");
}

TEST_F(EditsTest, ChangesOfAMemosLinesInAnUpdateGiveItsTextOnceAtTheEnd) {
  auto* memo = Make<TMemo>(form, "Memo1", {150, 10, 200, 100});
  TStrings* lines = memo->Lines();
  lines->BeginUpdate();
  lines->Add("a");
  lines->Add("");
  EXPECT_EQ(memo->Text(), "");
  lines->EndUpdate();
  EXPECT_EQ(memo->Text(), "a\r\n");
  EXPECT_EQ(lines->Count(), 2);  // the empty last line stays a line
  memo->SetText("x\r\ny");
  EXPECT_EQ(lines->Get(1), "y");
}

}  // namespace
