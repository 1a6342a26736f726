#pragma once
// How an edit window changes its text and selection, shared by the system's "Edit" class and the
// framework's edits, which keep their text themselves and answer the window's text messages. The
// selection runs from an anchor to the caret (the same place when nothing is selected). What is
// typed replaces the selection; the caret keys move the caret, and with Shift held they move only
// the caret, so the selection grows or shrinks from the anchor.

#include <cstddef>
#include <string>

#include "platform/win32/windows.h"

struct EditSelection {
  size_t anchor = 0;
  size_t caret = 0;

  size_t Start() const { return anchor < caret ? anchor : caret; }
  size_t End() const { return anchor < caret ? caret : anchor; }
  bool Empty() const { return anchor == caret; }
  // The caret after the last character, nothing selected.
  static EditSelection AtEnd(const std::string& text) { return {text.size(), text.size()}; }
};

// A typed character: a printable one replaces the selection; Backspace deletes the selection, or
// else the character before the caret (a line break as a whole); Enter breaks the line in a
// multi-line edit. Answers whether `text` changed; other characters change nothing.
bool TypeIntoEdit(std::string& text, EditSelection& selection, char character, bool multiLine);
// How long the text would be after TypeIntoEdit with the character.
size_t LengthAfterTyping(const std::string& text, EditSelection selection, char character,
                         bool multiLine);
// The Delete key: deletes the selection, or else the character after the caret.
bool DeleteInEdit(std::string& text, EditSelection& selection);
// Left, Right, Home and End move the caret of a one-line edit (Left and Right without Shift first
// drop a selection at its start or end). Answers whether `key` is one of them.
bool MoveEditCaret(const std::string& text, EditSelection& selection, WPARAM key, bool shift);
// EM_SETSEL: selects from `start` to `end`, the caret at `end`; an end of -1 or beyond the text
// means the text's end, and a start of -1 drops the selection, leaving the caret where it is.
void SetEditSelection(const std::string& text, EditSelection& selection, WPARAM start, LPARAM end);
// WM_GETTEXT: copies at most size - 1 characters of the text and a terminating zero into the
// buffer; answers how many characters were copied.
LRESULT CopyWindowText(const std::string& text, WPARAM size, LPARAM buffer);
// EM_GETSEL: the start and end of the selection, stored at the addresses in wParam and lParam
// when they are given, and answered in the low and high words.
LRESULT GetEditSelection(const EditSelection& selection, WPARAM startOut, LPARAM endOut);
