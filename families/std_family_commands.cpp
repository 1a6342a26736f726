// The standard-control family's menu commands chosen with the mouse: described from the most
// recently initialised menus when the command is taken from the queue.

#include <string>

#include "families/std_events.h"
#include "families/std_family.h"
#include "log/log_stream.h"
#include "platform/sysutils.h"
#include "platform/vcl/forms.h"
#include "platform/vcl/stdctrls.h"

namespace {

// A menu string without the shortcut text that follows its last tab; "" when it cannot be read.
std::string MenuString(HMENU menu, UINT item, UINT flags) {
  char buffer[257];
  const int length = GetMenuStringA(menu, item, buffer, sizeof buffer, flags);
  std::string text(buffer, static_cast<size_t>(length > 0 ? length : 0));
  if (const size_t tab = text.rfind('\t'); tab != std::string::npos) text.resize(tab);
  return text;
}

// The captions leading from `menu` down to the drop-down menu `wanted`, each followed by " | ";
// false when `wanted` is not inside `menu`.
bool FindMenuPath(HMENU menu, HMENU wanted, std::string& path) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    const HMENU subMenu = GetSubMenu(menu, position);
    if (subMenu == 0) continue;
    std::string deeper;
    if (subMenu == wanted || FindMenuPath(subMenu, wanted, deeper)) {
      path = MenuString(menu, static_cast<UINT>(position), MF_BYPOSITION) + " | " + deeper;
      return true;
    }
  }
  return false;
}

// Whether `id` is the command of an item directly on the menu bar.
bool IsTopLevelCommand(HMENU menuBar, WORD id) {
  const int count = menuBar ? GetMenuItemCount(menuBar) : 0;
  for (int position = 0; position < count; ++position) {
    if (GetSubMenu(menuBar, position) == 0 && GetMenuItemID(menuBar, position) == id) return true;
  }
  return false;
}

// The framework menu whose system menu is `handle`, among the forms that have a window.
TMenu* FindMenuByHandle(HMENU handle) {
  for (int f = 0; f < Screen().FormCount(); ++f) {
    const TCustomForm* form = Screen().Forms(f);
    if (!form->HandleAllocated()) continue;
    for (int c = 0; c < form->ComponentCount(); ++c) {
      auto* menu = dynamic_cast<TMenu*>(form->Components(c));
      if (menu && menu->Handle() == handle) return menu;
    }
  }
  return nullptr;
}

}  // namespace

void TStandardProxy::GetMessageHook(int, WPARAM wParam, LPARAM lParam) {
  if (wParam != PM_REMOVE) return;
  const MSG& message = *reinterpret_cast<const MSG*>(lParam);
  // A menu command carries no notification code and no control window.
  if (message.message != WM_COMMAND || HIWORD(message.wParam) != 0 || message.lParam != 0) return;
  MenuCommand(LOWORD(message.wParam));
}

void TStandardProxy::MenuCommand(WORD id) {
  // Read once: describing the command may write records, and with them cause nested hook calls.
  const HMENU menuBar = MenuBarHandle;
  const HMENU popup = PopupMenuHandle;
  std::string name;
  TMenu* menu = FindMenuByHandle(menuBar);
  if (TMenuItem* item = menu ? menu->FindItem(id, TFindItemKind::fkCommand) : nullptr) {
    WriteClientAction(item->Action(), *item);
    name = item->Name() + ": ";
  }
  // A command on the menu bar itself opened no drop-down: it is described from the bar, not from
  // whichever drop-down was opened last.
  const bool onTheBar = IsTopLevelCommand(menuBar, id);
  const std::string caption = MenuString(onTheBar ? menuBar : popup, id, MF_BYCOMMAND);
  std::string path;
  if (menuBar != 0 && !onTheBar) FindMenuPath(menuBar, popup, path);
  LogStream->WriteEvent(
      std::make_unique<TMenuEvent>(name + Format("%s%s [ ID = %d ]", path, caption, id)));
}
