// TWinControl: tab stops, the tab order of windowed children and the searches through it that Tab
// and the arrow keys make.

#include <algorithm>

#include "platform/vcl/form.h"
#include "platform/vcl/win_control.h"

void TWinControl::SetTabStop(bool value) {
  if (value == FTabStop) return;
  FTabStop = value;
  if (!FHandle) return;
  const LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE) & ~LONG_PTR{WS_TABSTOP};
  SetWindowLongPtrA(FHandle, GWL_STYLE, style | (value ? LONG_PTR{WS_TABSTOP} : 0));
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const std::vector<TWinControl*>& order = Parent()->FTabList;
  return static_cast<int>(std::find(order.begin(), order.end(), this) - order.begin());
}

void TWinControl::SetTabOrder(int value) {
  // While a form file is read, later siblings do not exist yet: the parent places it once read.
  if (Loading())
    FTabOrder = value;
  else
    UpdateTabOrder(value);
}

void TWinControl::UpdateTabOrder(int value) {
  if (!Parent()) return;
  std::vector<TWinControl*>& order = Parent()->FTabList;
  order.erase(std::find(order.begin(), order.end(), this));
  const int last = static_cast<int>(order.size());
  order.insert(order.begin() + std::clamp(value, 0, last), this);
}

// Children whose form file gave them a place in the order go there, in the order of their places;
// the others keep theirs among them.
void TWinControl::FixupTabList() {
  std::vector<TWinControl*> placed(FWinControls.size(), nullptr);
  for (TWinControl* child : FWinControls) {
    if (child->FTabOrder >= 0 && child->FTabOrder < static_cast<int>(placed.size()))
      placed[static_cast<size_t>(child->FTabOrder)] = child;
  }
  for (size_t i = 0; i < placed.size(); ++i)
    if (placed[i]) placed[i]->UpdateTabOrder(static_cast<int>(i));
}

void TWinControl::ReadCompleted() {
  TControl::ReadCompleted();
  FixupTabList();
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
  std::vector<TWinControl*> list;
  for (TWinControl* child : FTabList) {
    list.push_back(child);
    const std::vector<TWinControl*> inner = child->TabOrderList();
    list.insert(list.end(), inner.begin(), inner.end());
  }
  return list;
}

TWinControl* TWinControl::FindNextControl(const TWinControl* current, bool goForward,
                                          bool checkTabStop, bool checkParent) const {
  const std::vector<TWinControl*> list = TabOrderList();
  if (list.empty()) return nullptr;
  const size_t count = list.size();
  size_t start = static_cast<size_t>(std::find(list.begin(), list.end(), current) - list.begin());
  if (start == count) start = goForward ? count - 1 : 0;
  size_t i = start;
  do {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* candidate = list[i];
    if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop()) &&
        (!checkParent || candidate->Parent() == this))
      return candidate;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectFirst() {
  TCustomForm* form = GetParentForm(this);
  if (!form) return;
  TWinControl* first = FindNextControl(nullptr, true, true, false);
  if (!first) first = FindNextControl(nullptr, true, false, false);
  if (first) form->SetActiveControl(first);
}
