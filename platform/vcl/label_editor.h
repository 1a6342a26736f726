#pragma once
// The edit box in which tree and list views edit an item's label: a system "Edit" window over the
// item, holding its text. Enter, or the focus leaving the box, finishes the edit with the typed
// text; Esc cancels it. The view is told either way, once, and the box goes.

#include <functional>
#include <string>

#include "platform/win32/windows.h"

class TLabelEditor {
 public:
  // `finished` receives the typed text, or nullptr when the edit was cancelled.
  using TFinished = std::function<void(const std::string* text)>;

  TLabelEditor() = default;
  ~TLabelEditor();
  TLabelEditor(const TLabelEditor&) = delete;
  TLabelEditor& operator=(const TLabelEditor&) = delete;

  // Opens the box in `parent` at `bounds` with `text`, all of it selected, and focuses it.
  void Begin(HWND parent, const RECT& bounds, const std::string& text, TFinished finished);
  // Ends an open edit as Enter (or Esc, with `cancel`) does.
  void End(bool cancel);
  // Closes an open box without telling the view (which is going away).
  void Discard();
  bool Editing() const { return FEdit != 0; }
  HWND Handle() const { return FEdit; }

 private:
  friend LRESULT LabelEditProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Finish(bool cancel, bool restoreFocus);

  HWND FEdit = 0;
  WNDPROC FDefProc = nullptr;
  TFinished FFinished;
};
