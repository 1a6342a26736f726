#pragma once
// TListBox: a list of items of which one may be chosen. A mouse choice (reported when the button
// is released) and a move with the arrow, Home, End and page keys tell the parent LBN_SELCHANGE;
// the list answers the LB_ queries for its count, selection and item texts.

#include <algorithm>

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
  // Where an item lies in client coordinates (outside the client area when it is scrolled away).
  RECT ItemRect(int index) const;

  TNotifyEvent OnDblClick;

  void WndProc(TMessage& message) override;

 protected:
  // The item under a client point, or -1.
  int ItemAt(POINT point) const;

 private:
  int VisibleRows() const;
  LRESULT ItemText(WPARAM index, LPARAM buffer) const;
  void MoveSelection(WPARAM key);

  mutable TItemStrings FItems;
  int FItemIndex = -1;
  int FItemHeight = 16;
  int FTopIndex = 0;
  bool FChoosing = false;  // a mouse press chose an item; its release reports it
};
