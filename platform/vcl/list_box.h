#pragma once
// TListBox: a list of items of which one may be chosen. A mouse choice (reported when the button
// is released) and a move with the arrow, Home, End and page keys tell the parent LBN_SELCHANGE;
// the list answers the LB_ queries for its count, selection and item texts.
//
// A sorted list keeps its items in order, letter case ignored, as they are added. A multi-select
// list lets several items be selected: a click toggles an item, or with ExtendedSelect a click
// selects just that item, Ctrl+click toggles it and Shift+click selects the run from the last
// item clicked. ItemIndex is then the item that was clicked or moved to last. A plain press on an
// item that is selected already leaves the selection as it is until the release, and keeps it when
// a drag from the list began in between, so that several selected items can be dragged together.

#include <algorithm>

#include "platform/vcl/list_box_strings.h"
#include "platform/vcl/std_control.h"

class TListBox : public TStdControl {
  COMPONENT_CLASS(TListBox)

 public:
  explicit TListBox(TComponent* owner);

  TStrings* Items() const { return &FItems; }
  // -1 for no selection; setting it sends LB_SETCURSEL and reports nothing.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int value);
  int ItemHeight() const { return FItemHeight; }
  // At least 1, at most kMaxCoordinate.
  void SetItemHeight(int value) { FItemHeight = std::max(BoundedSize(value), 1); }
  // The first visible item.
  int TopIndex() const { return FTopIndex; }
  void SetTopIndex(int value);
  bool Sorted() const { return FItems.Sorted(); }
  void SetSorted(bool value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool value) { FExtendedSelect = value; }
  // Whether an item is selected; a single-select list selects its ItemIndex only. EListError
  // for an index outside the items.
  bool Selected(int index) const;
  void SetSelected(int index, bool value);
  // The number of selected items of a multi-select list; -1 for a single-select one, as the
  // framework answers.
  int SelCount() const { return FMultiSelect ? FItems.SelCount() : -1; }

  // Where an item lies in client coordinates (outside the client area when it is scrolled away).
  RECT ItemRect(int index) const;
  // Scrolls the list as the user does to bring an item into view: nothing when it is in view.
  void ScrollIntoView(int index);

  TNotifyEvent OnDblClick;

  void WndProc(TMessage& message) override;
  void DragStarting() override;

 protected:
  // The item under a client point, or -1.
  int ItemAt(POINT point) const;

 private:
  int VisibleRows() const;
  LRESULT ItemText(WPARAM index, LPARAM buffer) const;
  void MoveSelection(WPARAM key);
  // A press of the left button on an item of a multi-select list, with the keys of `keys`
  // (MK_CONTROL, MK_SHIFT) held.
  void PressInMultiSelect(int index, WPARAM keys);

  mutable TListBoxStrings FItems;
  int FItemIndex = -1;
  int FItemHeight = 16;
  int FTopIndex = 0;
  int FAnchor = -1;  // where a Shift+click run starts
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  bool FChoosing = false;     // a mouse press chose an item; its release reports it
  int FPendingCollapse = -1;  // the selection collapses to this item at the release
};
