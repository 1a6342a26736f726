#pragma once
// TComboBox: an edit or a fixed text with a list of items. In the drop-down style a native "Edit"
// child window holds the text and a list drops down below; the simple style shows its list all
// the time; the drop-down list style has no edit. Dropping the list tells the parent
// CBN_DROPDOWN. A mouse choice in the dropped list ends it (CBN_SELENDOK, CBN_CLOSEUP) before the
// selection is reported (CBN_SELCHANGE); arrow keys in an open list report each move while it is
// still open, and Enter or Esc close it; Home and End in the edit move its caret instead of
// choosing the first or last item. Typing in the edit reports CBN_EDITUPDATE and
// CBN_EDITCHANGE and clears the selection; the focus entering and leaving the combo box, edit
// included, is reported as CBN_SETFOCUS and CBN_KILLFOCUS. The focus entering selects the edit's
// text, and the edit's focus makes the combo box its form's active control.

#include <algorithm>

#include "platform/vcl/std_control.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TStdControl {
  COMPONENT_CLASS(TComboBox)

 public:
  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;

  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle value);
  TStrings* Items() const { return &FItems; }
  // -1 for no selection; setting it shows the item's text and reports nothing.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int value);
  int ItemHeight() const { return FItemHeight; }
  // At least 1, at most kMaxCoordinate.
  void SetItemHeight(int value) { FItemHeight = std::max(BoundedSize(value), 1); }
  // How many items the dropped-down list shows at once (at least one); it takes effect when the
  // list next drops down.
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int value) { FDropDownCount = value > 0 ? value : 1; }
  bool DroppedDown() const { return FDropped; }
  void SetDroppedDown(bool value);

  // The native edit child (0 in the drop-down list style or without a window).
  HWND EditHandle() const { return FEdit; }
  // The dropped-down list window, 0 while the list is closed.
  HWND ListHandle() const { return FDropped ? FList : 0; }
  // Where the user clicks to choose an item, in screen coordinates: in the dropped list, or in
  // the list of the simple style. Only the items from the list's top index (CB_GETTOPINDEX) on,
  // as many as it has rows, are in view.
  POINT ItemScreenPoint(int index) const;
  // The rows the list shows: the dropped-down list's, or the simple style's under its edit.
  int ListRows() const;
  // Where the user clicks to drop the list down or close it, in client coordinates.
  POINT DropButtonPoint() const;

  TNotifyEvent OnChange;

  void WndProc(TMessage& message) override;

 protected:
  void CreateWnd() override;
  std::string DoGetText() const override;
  void DoSetText(const std::string& value) override;

 private:
  friend LRESULT ComboEditProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT ComboListProc(HWND, UINT, WPARAM, LPARAM);
  int EditHeight() const;
  int EditWidth() const;
  void SetListTop(int index);
  void ScrollIntoView(int index);
  void ShowSelection();
  void Select(int index);
  void DropDown();
  void CloseUp(bool chosen);
  void ListChosen(int index);
  bool ComboKey(WPARAM key, LPARAM keyData);
  void FocusChanged();
  void EditCommand(WORD code);
  LRESULT EditWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  TComboBoxStyle FStyle = csDropDown;
  mutable TItemStrings FItems;
  int FItemIndex = -1;
  int FItemHeight = 16;
  int FDropDownCount = 8;
  int FListTop = 0;  // the first item in view in the list
  HWND FEdit = 0;
  WNDPROC FEditDefProc = nullptr;
  HWND FList = 0;
  bool FDropped = false;
  bool FFocused = false;
  bool FSettingText = false;  // the combo box changes its edit's text itself
};
