// Menu items, main menus and popup menus on the system's menus.

#include "platform/vcl/menus.h"

#include <algorithm>
#include <utility>

#include "platform/vcl/actions.h"
#include "platform/vcl/control.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/utility_window.h"

namespace {

// Command identifiers in use; the lowest free one is given out, from 1 up.
std::vector<bool>& CommandPool() {
  static auto* pool = new std::vector<bool>(1, true);
  return *pool;
}

WORD UniqueCommand() {
  std::vector<bool>& pool = CommandPool();
  auto free = std::find(pool.begin(), pool.end(), false);
  if (free == pool.end()) {
    if (pool.size() > 0xFFFF) throw EMenuError("Too many menu items");
    free = pool.insert(pool.end(), false);
  }
  *free = true;
  return static_cast<WORD>(free - pool.begin());
}

void ReleaseCommand(WORD command) { CommandPool().at(command) = false; }

std::string MenuText(const TMenuItem& item) {
  if (item.ShortCut() == 0) return item.Caption();
  return item.Caption() + "\t" + ShortCutToText(item.ShortCut());
}

bool EnabledUpToRoot(const TMenuItem* item) {
  for (; item; item = item->Parent())
    if (!item->Enabled()) return false;
  return true;
}

}  // namespace

// ---- TMenuItem ----------------------------------------------------------------------------------

const TComponentClass& TMenuItem::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TMenuItem::Action, &TMenuItem::SetAction>("Action"),
      Published<&TMenuItem::Caption, &TMenuItem::SetCaption>("Caption"),
      Published<&TMenuItem::Checked, &TMenuItem::SetChecked>("Checked", {.Default = false}),
      Published<&TMenuItem::Enabled, &TMenuItem::SetEnabled>("Enabled", {.Default = true}),
      Published<&TMenuItem::ShortCutText, &TMenuItem::SetShortCutText>("ShortCut"),
      Published<&TMenuItem::Visible, &TMenuItem::SetVisible>("Visible", {.Default = true}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TMenuItem",
      .Parent = &TComponent::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TMenuItem>,
  });
  return cls;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FCommand(UniqueCommand()) {}

TMenuItem::~TMenuItem() {
  SetAction(nullptr);
  if (FParent) FParent->Remove(this);
  while (!FItems.empty()) delete FItems.back();
  if (FHandle) DestroyMenu(FHandle);
  ReleaseCommand(FCommand);
}

void TMenuItem::SetCaption(const std::string& value) {
  FCaption = value;
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  FEnabled = value;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  FChecked = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  FVisible = value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut value) {
  FShortCut = value;
  Changed();
}

void TMenuItem::SetAction(TAction* value) {
  if (value == FAction) return;
  if (FAction) {
    FAction->Unlink(this);
    FAction->RemoveFreeNotification(this);
  }
  FAction = value;
  if (!value) return;
  value->FreeNotification(this);
  value->Link(this, [this](const TAction& action) { ActionChanged(action); });
}

void TMenuItem::ActionChanged(const TAction& action) {
  FCaption = action.Caption();
  FEnabled = action.Enabled();
  FChecked = action.Checked();
  FShortCut = action.ShortCut();
  Changed();
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FAction) FAction = nullptr;
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (OnClick)
    OnClick(this);
  else if (FAction)
    FAction->Execute();
}

HMENU TMenuItem::Handle() {
  if (!FHandle) {
    FHandle = FPopupHandle ? CreatePopupMenu() : CreateMenu();
    RebuildHandle();
  }
  return FHandle;
}

void TMenuItem::RebuildHandle() {
  if (!FHandle) return;
  while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
  for (TMenuItem* item : FItems) {
    if (!item->FVisible) continue;
    if (item->FCaption == "-") {
      AppendMenuA(FHandle, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const UINT state = (item->FEnabled ? 0 : MF_GRAYED) | (item->FChecked ? MF_CHECKED : 0);
    if (!item->FItems.empty()) {
      AppendMenuA(FHandle, MF_POPUP | state, item->Handle(), MenuText(*item).c_str());
      continue;
    }
    if (item->FHandle) DestroyMenu(std::exchange(item->FHandle, 0));  // no longer a sub-menu
    AppendMenuA(FHandle, MF_STRING | state, item->FCommand, MenuText(*item).c_str());
  }
}

void TMenuItem::Changed() {
  if (FParent) FParent->RebuildHandle();
}

int TMenuItem::MenuIndex() const {
  if (!FParent) return -1;
  const auto& siblings = FParent->FItems;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->FParent) throw EMenuError("The menu item is already inserted");
  if (index < 0 || index > Count()) throw EMenuError("Menu index out of range");
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  RebuildHandle();
  Changed();  // this item may have just become a sub-menu
}

void TMenuItem::Remove(TMenuItem* item) {
  if (std::erase(FItems, item) == 0) throw EMenuError("The menu item is not a sub-item");
  item->FParent = nullptr;
  RebuildHandle();
  Changed();
}

TMenuItem* TMenuItem::Find(std::string_view caption) const {
  auto found = std::find_if(FItems.begin(), FItems.end(),
                            [&](const TMenuItem* item) { return item->FCaption == caption; });
  return found == FItems.end() ? nullptr : *found;
}

TComponent* TMenuItem::GetParentComponent() const {
  if (FParent && FParent->FMenu) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (FParent) FParent->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(parent))
    menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent))
    item->Add(this);
  else if (parent)
    throw EComponentError(Format("%s cannot contain the menu item %s", parent->Name(), Name()));
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  for (TMenuItem* item : FItems)
    if (item->Owner() == root) proc(item);
}

// ---- TMenu --------------------------------------------------------------------------------------

const TComponentClass& TMenu::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TMenu",
      .Parent = &TComponent::StaticClass(),
  });
  return cls;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(this)) {
  FItems->FMenu = this;
}

TMenu::~TMenu() { FItems->FMenu = nullptr; }  // the root item goes with the owned components

TMenuItem* TMenu::FindItem(uint32_t value, TFindItemKind kind) const {
  auto matches = [&](TMenuItem* item) {
    switch (kind) {
      case TFindItemKind::fkCommand:
        return item->FCommand == value && item->FItems.empty();
      case TFindItemKind::fkHandle:
        return item->FHandle != 0 && item->FHandle == value;
      case TFindItemKind::fkShortCut:
        return item->FShortCut != 0 && item->FShortCut == value;
    }
    return false;
  };
  std::vector<TMenuItem*> pending{FItems};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    if (item != FItems && matches(item)) return item;
    pending.insert(pending.end(), item->FItems.rbegin(), item->FItems.rend());
  }
  return nullptr;
}

bool TMenu::IsShortCut(TShortCut shortCut) {
  TMenuItem* item = FindItem(shortCut, TFindItemKind::fkShortCut);
  if (!item || !EnabledUpToRoot(item)) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchCommand(WORD command) {
  TMenuItem* item = FindItem(command, TFindItemKind::fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchPopup(HMENU subMenu) {
  TMenuItem* item = FindItem(subMenu, TFindItemKind::fkHandle);
  if (!item) return false;
  item->Click();
  return true;
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  FItems->GetChildren(proc, root);
}

// ---- TMainMenu and TPopupMenu -------------------------------------------------------------------

const TComponentClass& TMainMenu::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TMainMenu",
      .Parent = &TMenu::StaticClass(),
      .Create = &ConstructComponent<TMainMenu>,
  });
  return cls;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) { FItems->FPopupHandle = false; }

const TComponentClass& TPopupMenu::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TPopupMenu",
      .Parent = &TMenu::StaticClass(),
      .Create = &ConstructComponent<TPopupMenu>,
  });
  return cls;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {
  FWindow = AllocateHWnd([this](TMessage& message) {
    if (message.Msg == WM_COMMAND)
      DispatchCommand(LOWORD(message.WParam));
    else if (message.Msg == WM_INITMENUPOPUP)
      DispatchPopup(static_cast<HMENU>(message.WParam));
    else
      message.Result = DefWindowProcA(FWindow, message.Msg, message.WParam, message.LParam);
  });
}

TPopupMenu::~TPopupMenu() { DeallocateHWnd(FWindow); }

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, FWindow, nullptr);
}

bool ShowContextPopup(TControl* control, POINT screenPoint) {
  TPopupMenu* menu = control->PopupMenu();
  if (!menu) return false;
  menu->SetPopupComponent(control);
  menu->Popup(screenPoint.x, screenPoint.y);
  return true;
}
