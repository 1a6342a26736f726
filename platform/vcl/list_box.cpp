// TListBox: selection by mouse and keys, LB_ queries and parent notifications.

#include "platform/vcl/list_box.h"

#include <algorithm>
#include <cstring>
#include <utility>

const TComponentClass& TListBox::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TListBox::Items>("Items"),
      Published<&TListBox::ItemIndex, &TListBox::SetItemIndex>("ItemIndex",
                                                               {.Default = -1, .AfterLists = true}),
      Published<&TListBox::ItemHeight, &TListBox::SetItemHeight>("ItemHeight", {.Default = 16}),
      Published<&TListBox::Sorted, &TListBox::SetSorted>("Sorted", {.Default = false}),
      Published<&TListBox::MultiSelect, &TListBox::SetMultiSelect>("MultiSelect",
                                                                   {.Default = false}),
      Published<&TListBox::ExtendedSelect, &TListBox::SetExtendedSelect>("ExtendedSelect",
                                                                         {.Default = true}),
      kTabStopOnByDefault,
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TListBox",
      .Parent = &TStdControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TListBox>,
  });
  return cls;
}

TListBox::TListBox(TComponent* owner) : TStdControl(owner) {
  SetTabStop(true);
  FItems.SetDuplicates(TDuplicates::dupAccept);  // a list shows every line it is given
  FItems.OnChange = [this] {
    if (FItemIndex >= FItems.Count()) FItemIndex = -1;
    if (FAnchor >= FItems.Count()) FAnchor = -1;
    FPendingCollapse = -1;  // the item it meant may have moved
    SetTopIndex(FTopIndex);
  };
}

void TListBox::SetItemIndex(int value) {
  if (value == FItemIndex) return;
  if (HandleAllocated())
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(value), 0);
  else if (value >= -1 && value < FItems.Count())
    FItemIndex = value;
}

void TListBox::SetSorted(bool value) {
  if (value == Sorted()) return;
  if (!value) {
    FItems.SetSorted(false);
    return;
  }
  FItems.SortLines();
  FItemIndex = FAnchor = -1;
}

void TListBox::SetMultiSelect(bool value) {
  if (value == FMultiSelect) return;
  FMultiSelect = value;
  FItems.ClearSelection();
  if (value && FItemIndex >= 0) FItems.SetSelected(FItemIndex, true);
}

bool TListBox::Selected(int index) const {
  FItems.CheckIndex(index);
  return FMultiSelect ? FItems.Selected(index) : index == FItemIndex;
}

void TListBox::SetSelected(int index, bool value) {
  FItems.CheckIndex(index);
  if (FMultiSelect)
    FItems.SetSelected(index, value);
  else if (value)
    SetItemIndex(index);
  else if (index == FItemIndex)
    SetItemIndex(-1);
}

void TListBox::PressInMultiSelect(int index, WPARAM keys) {
  const bool ctrl = (keys & MK_CONTROL) != 0;
  const bool shift = (keys & MK_SHIFT) != 0;
  if (!FExtendedSelect) {
    FItems.SetSelected(index, !FItems.Selected(index));
  } else if (shift) {
    FItems.SelectRange(FAnchor >= 0 ? FAnchor : index, index, ctrl);
  } else if (ctrl) {
    FItems.SetSelected(index, !FItems.Selected(index));
  } else if (FItems.Selected(index)) {
    FPendingCollapse = index;  // the press may begin a drag of every selected item
  } else {
    FItems.SelectRange(index, index, false);
  }
  if (!shift) FAnchor = index;
  FItemIndex = index;
}

void TListBox::SetTopIndex(int value) {
  FTopIndex = std::clamp(value, 0, std::max(FItems.Count() - 1, 0));
}

void TListBox::ScrollIntoView(int index) {
  if (index < FTopIndex || index >= FTopIndex + VisibleRows()) SetTopIndex(index);
}

void TListBox::DragStarting() {
  FPendingCollapse = -1;
  TStdControl::DragStarting();
}

int TListBox::VisibleRows() const { return std::max(Height() / FItemHeight, 1); }

RECT TListBox::ItemRect(int index) const {
  const int top = BoundedPosition((int64_t{index} - FTopIndex) * FItemHeight);
  return {0, top, Width(), top + FItemHeight};
}

int TListBox::ItemAt(POINT point) const {
  if (point.y < 0) return -1;
  const int index = FTopIndex + point.y / FItemHeight;
  return index < FItems.Count() ? index : -1;
}

LRESULT TListBox::ItemText(WPARAM index, LPARAM buffer) const {
  if (index >= static_cast<WPARAM>(FItems.Count())) return LB_ERR;
  const std::string& text = FItems.Get(static_cast<int>(index));
  if (buffer) std::memcpy(reinterpret_cast<char*>(buffer), text.c_str(), text.size() + 1);
  return static_cast<LRESULT>(text.size());
}

void TListBox::MoveSelection(WPARAM key) {
  const int last = FItems.Count() - 1;
  if (last < 0) return;
  int index = FItemIndex;
  switch (key) {
    case VK_UP:
    case VK_LEFT:
      index = std::max(index - 1, 0);
      break;
    case VK_DOWN:
    case VK_RIGHT:
      index = std::min(index + 1, last);
      break;
    case VK_HOME:
      index = 0;
      break;
    case VK_END:
      index = last;
      break;
    case VK_PRIOR:
      index = std::max(index - VisibleRows(), 0);
      break;
    case VK_NEXT:
      index = std::min(std::max(index, 0) + VisibleRows(), last);
      break;
    default:
      return;
  }
  if (index == FItemIndex) return;
  FItemIndex = FAnchor = index;
  if (FMultiSelect && FExtendedSelect) FItems.SelectRange(index, index, false);
  if (index < FTopIndex) FTopIndex = index;
  if (index >= FTopIndex + VisibleRows()) FTopIndex = index - VisibleRows() + 1;
  NotifyParent(LBN_SELCHANGE);
}

void TListBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case LB_GETCOUNT:
      message.Result = FItems.Count();
      return;
    case LB_GETCURSEL:
      message.Result = FItemIndex;
      return;
    case LB_SETCURSEL: {
      const auto index = static_cast<int>(static_cast<LPARAM>(message.WParam));
      const bool valid = index >= 0 && index < FItems.Count();
      FItemIndex = valid ? index : -1;
      message.Result = valid ? index : LB_ERR;
      return;
    }
    case LB_GETTEXT:
      message.Result = ItemText(message.WParam, message.LParam);
      return;
    case LB_GETTEXTLEN:
      message.Result = ItemText(message.WParam, 0);
      return;
    case LB_GETTOPINDEX:
      message.Result = FTopIndex;
      return;
    case LB_GETITEMHEIGHT:
      message.Result = FItemHeight;
      return;
    case LB_ADDSTRING:
      message.Result = FItems.Add(reinterpret_cast<const char*>(message.LParam));
      return;
    case LB_RESETCONTENT:
      FItems.Clear();
      return;
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_LBUTTONDOWN: {
      FPendingCollapse = -1;
      if (CanFocus()) SetFocus();
      const int index = ItemAt(PointOfMessage(message.LParam));
      if (index >= 0 && FMultiSelect)
        PressInMultiSelect(index, message.WParam);
      else if (index >= 0)
        FItemIndex = index;
      FChoosing = index >= 0;
      return;
    }
    case WM_LBUTTONUP: {
      const int collapse = std::exchange(FPendingCollapse, -1);
      if (collapse >= 0) FItems.SelectRange(collapse, collapse, false);
      if (std::exchange(FChoosing, false)) NotifyParent(LBN_SELCHANGE);
      return;
    }
    case WM_LBUTTONDBLCLK:
      if (ItemAt(PointOfMessage(message.LParam)) >= 0) NotifyParent(LBN_DBLCLK);
      return;
    case WM_KEYDOWN:
      MoveSelection(message.WParam);
      return;
    case WM_SETFOCUS:
      TStdControl::WndProc(message);
      NotifyParent(LBN_SETFOCUS);
      return;
    case WM_KILLFOCUS:
      TStdControl::WndProc(message);
      NotifyParent(LBN_KILLFOCUS);
      return;
    case CN_COMMAND:
      if (HIWORD(message.WParam) == LBN_SELCHANGE) Click();
      if (HIWORD(message.WParam) == LBN_DBLCLK && OnDblClick) OnDblClick(this);
      return;
  }
  TStdControl::WndProc(message);
}
