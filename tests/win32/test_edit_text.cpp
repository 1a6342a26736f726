// What typing, Delete and EM_SETSEL do to an edit's text and selection; the caret keys are
// exercised through the edit control.

#include "platform/win32/edit_text.h"

#include <gtest/gtest.h>

namespace {

TEST(EditText, TypingReplacesTheSelectionAndBackspaceTakesALineBreakWhole) {
  std::string text = "first\r\n";
  EditSelection selection = EditSelection::AtEnd(text);
  EXPECT_TRUE(TypeIntoEdit(text, selection, '\b', true));
  EXPECT_EQ(text, "first");
  EXPECT_FALSE(TypeIntoEdit(text, selection, '\r', false));  // no line break in one line
  EXPECT_FALSE(TypeIntoEdit(text, selection, '\x1B', false));
  selection = {1, 4};  // "irs"
  EXPECT_TRUE(TypeIntoEdit(text, selection, 'X', false));
  EXPECT_EQ(text, "fXt");
  EXPECT_EQ(selection.caret, 2u);
  EXPECT_TRUE(selection.Empty());
  selection = {3, 0};  // selected backwards
  EXPECT_TRUE(TypeIntoEdit(text, selection, '\b', false));
  EXPECT_EQ(text, "");
  EXPECT_FALSE(TypeIntoEdit(text, selection, '\b', false));
}

TEST(EditText, DeleteTakesTheSelectionOrTheCharacterAfterTheCaret) {
  std::string text = "a\r\nb";
  EditSelection selection{1, 1};
  EXPECT_TRUE(DeleteInEdit(text, selection));
  EXPECT_EQ(text, "ab");
  selection = EditSelection::AtEnd(text);
  EXPECT_FALSE(DeleteInEdit(text, selection));
  selection = {0, 2};
  EXPECT_TRUE(DeleteInEdit(text, selection));
  EXPECT_EQ(text, "");
}

TEST(EditText, SetSelectionTakesMinusOneAsTheEndOrAsNoSelection) {
  const std::string text = "abcd";
  EditSelection selection;
  SetEditSelection(text, selection, 0, -1);
  DWORD start = 99;
  DWORD end = 99;
  EXPECT_EQ(
      GetEditSelection(selection, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)),
      MAKELPARAM(0, 4));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 4u);
  SetEditSelection(text, selection, 3, 1);  // the caret goes to the end given
  EXPECT_EQ(selection.caret, 1u);
  EXPECT_EQ(selection.Start(), 1u);
  SetEditSelection(text, selection, static_cast<WPARAM>(-1), 0);
  EXPECT_TRUE(selection.Empty());
  EXPECT_EQ(selection.caret, 1u);
  SetEditSelection(text, selection, 2, 50);  // beyond the text: to its end
  EXPECT_EQ(selection.End(), 4u);

  // A selection left over from a longer text never reaches past the text.
  std::string shorter = "ab";
  EXPECT_TRUE(TypeIntoEdit(shorter, selection, 'c', false));
  EXPECT_EQ(shorter, "abc");
}

}  // namespace
