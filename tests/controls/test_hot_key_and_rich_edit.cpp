// Hot-key controls take their value from the keys pressed in them; rich edits notify their
// parent as edits do, but without EN_UPDATE.

#include "platform/vcl/user_actions_controls.h"
#include "tests/controls/common_controls_fixture.h"

namespace {

class HotKeyTest : public CommonControlsTest {
 protected:
  void SetUp() override {
    CommonControlsTest::SetUp();
    box = Make<THotKey>(form, "ShortcutBox", {10, 10, 120, 21});
    button = Make<TButton>(form, "OKBtn", {10, 50, 75, 25});
    form->Handle();
  }

  THotKey* box = nullptr;
  TButton* button = nullptr;
};

TEST_F(HotKeyTest, TheKeyPressedWithItsModifiersIsTheValue) {
  int changes = 0;
  box->OnChange = [&](TObject*) { ++changes; };
  SimulateHotKeyEntry(*box, TextToShortCut("Ctrl+Shift+A"));
  EXPECT_EQ(box->HotKeyText(), "Shift+Ctrl+A");
  EXPECT_EQ(changes, 1);           // the modifiers alone changed nothing
  EXPECT_TRUE(button->Focused());  // left with Tab
  const auto value = static_cast<WORD>(SendMessageA(box->Handle(), HKM_GETHOTKEY, 0, 0));
  EXPECT_EQ(value, ((HOTKEYF_SHIFT | HOTKEYF_CONTROL) << 8) | 'A');
}

TEST_F(HotKeyTest, ArrowsAndAltKeysAreKeysOfTheValueAndBackspaceClearsIt) {
  box->SetFocus();
  Key(VK_LEFT, false, true);
  EXPECT_EQ(box->HotKeyText(), "Ctrl+Left");
  Key(VK_F1 + 4, false, false, true);
  EXPECT_EQ(box->HotKeyText(), "Alt+F5");
  EXPECT_TRUE(box->Focused());
  Key('X');
  EXPECT_EQ(box->HotKeyText(), "X");
  Key(VK_BACK);
  EXPECT_EQ(box->HotKey(), 0);
  SimulateHotKeyEntry(*box, TextToShortCut("Ctrl+Q"));
  SimulateHotKeyEntry(*box, 0);
  EXPECT_EQ(box->HotKey(), 0);
}

TEST_F(HotKeyTest, ItWantsCharactersAndArrowsOnly) {
  EXPECT_EQ(SendMessageA(box->Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS | DLGC_WANTARROWS);
  box->SetFocus();
  Key(VK_TAB);
  EXPECT_TRUE(button->Focused());
  EXPECT_EQ(box->HotKey(), 0);
}

TEST_F(HotKeyTest, TheValueAsTextReadsAnyOrderAndRefusesWhatIsNoShortcut) {
  box->SetHotKeyText("shift+alt+b");
  EXPECT_EQ(box->HotKeyText(), "Shift+Alt+B");
  EXPECT_THROW(box->SetHotKeyText("Ctrl+Nothing"), EConvertError);
  EXPECT_EQ(box->HotKeyText(), "Shift+Alt+B");
  box->SetHotKeyText("");
  EXPECT_EQ(box->HotKey(), 0);
}

class RichEditTest : public CommonControlsTest {
 protected:
  void SetUp() override {
    CommonControlsTest::SetUp();
    rich = Make<TRichEdit>(form, "Notes", {10, 10, 200, 100});
    button = Make<TButton>(form, "OKBtn", {10, 120, 75, 25});
    form->Handle();
    Heard();
  }

  TRichEdit* rich = nullptr;
  TButton* button = nullptr;
};

TEST_F(RichEditTest, TypingReportsChangesWithoutUpdates) {
  Click(*rich);
  Type("ab");
  Click(*button);
  Lines heard = Heard();
  std::erase_if(heard, [](const std::string& line) { return line == "WM_COMMAND 0"; });  // clicks
  EXPECT_EQ(heard,
            (Lines{Format("WM_COMMAND %d", EN_SETFOCUS), Format("WM_COMMAND %d", EN_CHANGE),
                   Format("WM_COMMAND %d", EN_CHANGE), Format("WM_COMMAND %d", EN_KILLFOCUS)}));
  EXPECT_EQ(rich->Text(), "ab");
}

TEST_F(RichEditTest, ItIsAMultiLineEditWithLines) {
  rich->Lines()->Add("one");
  rich->Lines()->Add("two");
  EXPECT_EQ(rich->Text(), "one\r\ntwo");
  EXPECT_NE(SendMessageA(rich->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, 0);
  EXPECT_NE(dynamic_cast<TCustomMemo*>(rich), nullptr);
  EXPECT_EQ(Heard(), Lines{});  // program code changes no lines of a multi-line edit aloud
}

}  // namespace
