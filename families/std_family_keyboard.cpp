// The standard-control family's keyboard: menu and action shortcuts, and mnemonics that press a
// push button.

#include <optional>
#include <string>

#include "families/mnemonic_keys.h"
#include "families/qv_utils.h"
#include "families/std_events.h"
#include "families/std_family.h"
#include "log/log_stream.h"
#include "platform/sysutils.h"
#include "platform/vcl/forms.h"
#include "platform/vcl/keyboard.h"
#include "platform/vcl/stdctrls.h"

namespace {

// The item the shortcut chooses in the menu: it and every item above it must be enabled.
TMenuItem* MatchShortCut(const TMenu& menu, WORD shortCut) {
  TMenuItem* found = menu.FindItem(shortCut, TFindItemKind::fkShortCut);
  for (const TMenuItem* item = found; item; item = item->Parent()) {
    if (!item->Enabled()) return nullptr;
  }
  return found;
}

// "OpenItem: &File | &Open [ ID = 12 ]": the item's name, the captions from the top-level item
// down to it, and its command.
std::string ShortCutItemText(const TMenuItem& item) {
  std::string path;
  for (const TMenuItem* step = &item; step->Parent(); step = step->Parent()) {
    path = step->Caption() + " | " + path;
  }
  if (path.size() > 2) path.resize(path.size() - 3);
  return Format("%s: %s [ ID = %d ]", item.Name(), path, item.Command());
}

}  // namespace

void TStandardProxy::KeyboardHook(int, WPARAM wParam, LPARAM lParam) {
  if (IsModifierOrLockKey(wParam)) return;
  FollowFocus(FocusWindow, FocusDlgCode);
  // The edit of a combo box stands for its combo box.
  std::string comboName;
  const HWND window = IsComboEdit(FocusWindow, comboName) ? GetParent(FocusWindow) : FocusWindow;
  auto* focused = dynamic_cast<TWinControl*>(FindControl(window));
  if (IsKeyRelease(lParam) || !focused || !MayBeMnemonic(lParam, FocusDlgCode)) return;
  const std::optional<WORD> typed = TypedCharacter(wParam);
  if (!typed) return;
  auto* button = dynamic_cast<TButton*>(GetAcceleratorControl(*focused, *typed));
  // A label or a group box that answers the key only gives the focus to a button; a button is
  // pressed by the mnemonic of its own caption.
  if (button && IsAccel(*typed, button->Caption())) WritePushButtonClick(*button);
}

void TStandardProxy::ForwardedKeyDown(HWND hwnd, WPARAM key, LPARAM keyData) {
  if (TMenuItem* item = FindShortCutItem(hwnd, key, keyData)) {
    LogStream->WriteEvent(std::make_unique<TMenuEvent>(ShortCutItemText(*item)));
  }
}

TMenuItem* TStandardProxy::FindShortCutItem(HWND hwnd, WPARAM key, LPARAM keyData) {
  const TShortCut shortCut = ShortCut(static_cast<WORD>(key & 0xFF), KeyDataToShiftState(keyData));
  TMenuItem* item = nullptr;
  if (TControl* control = FindControl(hwnd)) {
    // A popup menu's item has no action record: its click is the item's own business.
    for (const TControl* c = control; c; c = c->Parent()) {
      TPopupMenu* popup = c->PopupMenu();
      if (popup && (item = MatchShortCut(*popup, shortCut))) return item;
    }
    TCustomForm* form = GetParentForm(control);
    if (form && FormShortCut(*form, shortCut, item)) return item;
  }
  TCustomForm* mainForm = Application().MainForm();
  if (mainForm && mainForm->HandleAllocated() && IsWindowEnabled(mainForm->Handle()) &&
      FormShortCut(*mainForm, shortCut, item)) {
    return item;
  }
  return nullptr;
}

bool TStandardProxy::FormShortCut(TCustomForm& form, WORD shortCut, TMenuItem*& item) {
  item = form.Menu() ? MatchShortCut(*form.Menu(), shortCut) : nullptr;
  if (item) {
    WriteClientAction(item->Action(), *item);
    return true;
  }
  // Every action list answers, as the framework asks every one of them.
  bool answered = false;
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* list = dynamic_cast<TActionList*>(form.Components(i));
    if (!list) continue;
    for (int a = 0; a < list->ActionCount(); ++a) {
      const TAction* action = list->Actions(a);
      if (action->ShortCut() != shortCut) continue;
      if (action->Enabled()) {
        LogStream->WriteEvent(std::make_unique<TActionEvent>(action->Name(), ""));
        answered = true;
      }
      break;
    }
  }
  return answered;
}
