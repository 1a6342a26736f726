#pragma once
// Edits: TEdit holds one line, a memo (TMemo, TRichEdit) several. An edit keeps its text itself, as
// the system's edit control does (the window's text messages read and set it), so typing changes it
// in place. Typing changes the text and tells the parent EN_UPDATE and then EN_CHANGE; gaining and
// losing the focus tell it EN_SETFOCUS and EN_KILLFOCUS. An edit wants characters and arrows
// (WM_GETDLGCODE); a memo wants every key. A password character hides what the edit shows, not what
// it holds. A read-only edit ignores what is typed, and a character that would take the text beyond
// MaxLength is refused (EN_MAXTEXT); neither limits text set by program code. What is typed
// replaces the selection (EM_SETSEL); a one-line edit with AutoSelect selects its whole text when
// the focus enters it other than by a click, which puts the caret after the text instead.

#include "platform/vcl/memo_lines.h"
#include "platform/vcl/std_control.h"
#include "platform/win32/edit_text.h"

class TCustomEdit : public TStdControl {
  COMPONENT_CLASS(TCustomEdit)

 public:
  explicit TCustomEdit(TComponent* owner) : TStdControl(owner) { SetTabStop(true); }

  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  // The most characters typing may bring the text to (a line break counts two); 0 for no limit.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int value);
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value) { FAutoSelect = value; }
  void SelectAll();

  TNotifyEvent OnChange;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  virtual bool MultiLine() const { return false; }
  // Whether the parent hears EN_UPDATE before each EN_CHANGE.
  virtual bool ReportsUpdates() const { return true; }
  // The text changed, by typing or by WM_SETTEXT.
  virtual void TextChanged() {}
  void DoEnter() override;
  std::string DoGetText() const override { return FText; }

 private:
  void Typed(char character);
  void KeyDown(WPARAM key);
  // Reports a change of the text that the user's editing made.
  void Edited();
  bool Refused(size_t newLength);

  char FPasswordChar = '\0';
  bool FReadOnly = false;
  int FMaxLength = 0;
  bool FAutoSelect = true;
  EditSelection FSelection;
};

class TEdit : public TCustomEdit {
  COMPONENT_CLASS(TEdit)

 public:
  using TCustomEdit::TCustomEdit;
};

// What the multi-line edits share: their text as lines.
class TCustomMemo : public TCustomEdit {
  COMPONENT_CLASS(TCustomMemo)

 public:
  explicit TCustomMemo(TComponent* owner);

  // The text's lines; changing them changes the text.
  TStrings* Lines() const { return &FLines; }

 protected:
  bool MultiLine() const override { return true; }
  void TextChanged() override { FLines.TextChanged(); }
  void DoSetText(const std::string& value) override;

 private:
  mutable TMemoStrings FLines;
};

class TMemo : public TCustomMemo {
  COMPONENT_CLASS(TMemo)

 public:
  using TCustomMemo::TCustomMemo;
};
