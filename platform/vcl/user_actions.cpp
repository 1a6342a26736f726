// User actions on menus, lists and scroll bars through the simulated input.

#include "platform/vcl/user_actions.h"

#include <iterator>
#include <vector>

#include "platform/vcl/errors.h"
#include "platform/vcl/form.h"
#include "platform/vcl/stdctrls.h"
#include "platform/win32/input.h"

namespace {

// The position of an item in its system menu, which holds only the visible items.
int SystemMenuPosition(const TMenuItem& item) {
  int position = 0;
  for (int i = 0; i < item.MenuIndex(); ++i)
    if (item.Parent()->Items(i)->Visible()) ++position;
  return position;
}

// The positions in the system menus of the items that `captions` name, from the menu's top level
// down. The user cannot choose an item that is not shown, nor reach one under a disabled item,
// whose sub-menu does not open.
std::vector<int> MenuPath(const TMenu& menu, std::string_view captions) {
  std::vector<int> positions;
  const TMenuItem* item = menu.Items();
  while (true) {
    const size_t bar = captions.find('|');
    const std::string_view caption = captions.substr(0, bar);
    const TMenuItem* next = item->Find(caption);
    if (!next)
      throw EInvalidOperation(
          Format("The menu %s has no item '%s'", menu.Name(), std::string(caption)));
    if (!next->Visible())
      throw EInvalidOperation(
          Format("The item '%s' of the menu %s is not visible", std::string(caption), menu.Name()));
    positions.push_back(SystemMenuPosition(*next));
    item = next;
    if (bar == std::string_view::npos) return positions;
    if (!item->Enabled())
      throw EInvalidOperation(Format("The item '%s' of the menu %s is disabled and does not open",
                                     std::string(caption), menu.Name()));
    captions.remove_prefix(bar + 1);
  }
}

void ClickAt(POINT screenPoint, TMouseButton button = TMouseButton::mbLeft) {
  SimulateUserClick(button, screenPoint);
}

POINT Centre(const TControl& control) {
  return control.ClientToScreen({control.Width() / 2, control.Height() / 2});
}

void CheckIndex(const TControl& control, int index, int count) {
  if (index < 0 || index >= count)
    throw EInvalidOperation(Format("%s has no item %d", control.Name(), index));
}

}  // namespace

void SimulateUserClick(TMouseButton button, POINT screenPoint, bool doubleClick) {
  SimulateMouseDown(button, screenPoint);
  ProcessPendingMessages();
  SimulateMouseUp(button, screenPoint);
  ProcessPendingMessages();
  if (!doubleClick) return;
  SimulateMouseDown(button, screenPoint, true);
  ProcessPendingMessages();
  SimulateMouseUp(button, screenPoint);
  ProcessPendingMessages();
}

void SimulateClickAt(const TControl& control, POINT clientPoint) {
  SimulateUserClick(TMouseButton::mbLeft, control.ClientToScreen(clientPoint));
}

// The screen points are taken before the press: a control that moves under the pointer (a
// splitter) must not carry the rest of the drag along with it.
void SimulateUserDrag(const TControl& control, POINT from, POINT to) {
  const POINT start = control.ClientToScreen(from);
  const POINT end = control.ClientToScreen(to);
  SimulateMouseDown(TMouseButton::mbLeft, start);
  ProcessPendingMessages();
  SimulatePointerMoves(start, end);
  SimulateMouseUp(TMouseButton::mbLeft, end);
  ProcessPendingMessages();
}

void SimulatePointerMoves(POINT start, POINT end) {
  constexpr int kSteps = 4;
  for (int step = 1; step <= kSteps; ++step) {
    SimulateMouseMove(
        {start.x + (end.x - start.x) * step / kSteps, start.y + (end.y - start.y) * step / kSteps});
    ProcessPendingMessages();
  }
}

void SimulateTypedKeyStroke(BYTE key, bool shift, bool ctrl, bool alt) {
  const BYTE held[] = {shift ? VK_SHIFT : BYTE{0}, ctrl ? VK_CONTROL : BYTE{0},
                       alt ? VK_MENU : BYTE{0}};
  auto change = [](BYTE k, bool down) {
    if (k == 0) return;
    if (down)
      SimulateKeyDown(k);
    else
      SimulateKeyUp(k);
    ProcessPendingMessages();
  };
  for (const BYTE k : held) change(k, true);
  change(key, true);
  change(key, false);
  for (auto k = std::rbegin(held); k != std::rend(held); ++k) change(*k, false);
}

void SimulateMenuChoice(TCustomForm& form, std::string_view captions) {
  if (!form.Menu()) throw EInvalidOperation(Format("The form %s has no menu", form.Name()));
  const std::vector<int> positions = MenuPath(*form.Menu(), captions);
  SimulateMenuBarChoice(form.Handle(), positions);
  ProcessPendingMessages();
}

void SimulatePopupChoice(TControl& control, std::string_view captions) {
  const TControl* owner = &control;
  while (owner && !owner->PopupMenu()) owner = owner->Parent();
  if (!owner) throw EInvalidOperation(Format("%s has no popup menu", control.Name()));
  const std::vector<int> positions = MenuPath(*owner->PopupMenu(), captions);
  SimulateNextPopupChoice(positions);
  ClickAt(Centre(control), TMouseButton::mbRight);
  CancelPendingPopupChoice();  // in case no menu opened
}

void SimulateListChoice(TControl& control, int index) {
  if (auto* list = dynamic_cast<TListBox*>(&control)) {
    CheckIndex(control, index, list->Items()->Count());
    list->ScrollIntoView(index);
    const RECT r = list->ItemRect(index);
    ClickAt(list->ClientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
  } else if (auto* combo = dynamic_cast<TComboBox*>(&control)) {
    CheckIndex(control, index, combo->Items()->Count());
    if (combo->Style() != csSimple && !combo->DroppedDown())
      ClickAt(combo->ClientToScreen(combo->DropButtonPoint()));
    const auto top = static_cast<int>(SendMessageA(combo->Handle(), CB_GETTOPINDEX, 0, 0));
    if (index < top || index >= top + combo->ListRows())  // the user scrolls the list to it
      SendMessageA(combo->Handle(), CB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    ClickAt(combo->ItemScreenPoint(index));
  } else if (auto* group = dynamic_cast<TRadioGroup*>(&control)) {
    CheckIndex(control, index, group->Items()->Count());
    ClickAt(Centre(*group->Buttons(index)));
  } else {
    throw EInvalidOperation(Format("%s is no list", control.Name()));
  }
}

void SimulateScrollTo(TControl& control, int position) {
  if (auto* bar = dynamic_cast<TScrollBar*>(&control)) {
    SimulateUserDrag(*bar, bar->ThumbPoint(bar->Position()), bar->ThumbPoint(position));
  } else if (auto* box = dynamic_cast<TScrollBox*>(&control)) {
    const TControlScrollBar& bar = *box->VertScrollBar();
    if (bar.MaxPosition() == 0)
      throw EInvalidOperation(Format("%s has nothing to scroll", control.Name()));
    SimulateUserDrag(*box, bar.ThumbPoint(bar.Position()), bar.ThumbPoint(position));
  } else {
    throw EInvalidOperation(Format("%s is no scroll bar", control.Name()));
  }
}

std::vector<int> MenuItemPositions(const TMenu& menu, std::string_view captions) {
  return MenuPath(menu, captions);
}
