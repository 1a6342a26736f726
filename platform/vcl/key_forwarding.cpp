// The framework's handling of key messages before the focused control sees them.

#include "platform/vcl/key_forwarding.h"

#include "platform/vcl/actions.h"
#include "platform/vcl/application.h"
#include "platform/vcl/form.h"
#include "platform/vcl/menus.h"
#include "platform/win32/controls_messages.h"

namespace {

constexpr LPARAM kAltDown = 1 << 29;

bool IsForwardedKey(UINT msg) {
  return msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN || msg == WM_CHAR || msg == WM_SYSCHAR;
}

// The shortcut value of a key message: the key with the modifiers held.
TShortCut ShortCutOf(WPARAM key, LPARAM keyData) {
  return ShortCut(static_cast<WORD>(key & 0xFF), KeyDataToShiftState(keyData));
}

// Popup menus of the control and its parents first, then its form, then the main form.
bool IsMenuKey(const TWinControl& control, TShortCut shortCut) {
  for (const TControl* c = &control; c; c = c->Parent()) {
    if (c->PopupMenu() && c->PopupMenu()->IsShortCut(shortCut)) return true;
  }
  TCustomForm* form = GetParentForm(&control);
  if (form && FormIsShortCut(*form, shortCut)) return true;
  TCustomForm* mainForm = Application().MainForm();
  return mainForm && mainForm != form && mainForm->HandleAllocated() &&
         IsWindowEnabled(mainForm->Handle()) && FormIsShortCut(*mainForm, shortCut);
}

// What a control must want for a key to stay its own rather than be a dialog key.
LRESULT DialogKeyMask(WPARAM key) {
  switch (key) {
    case VK_TAB:
      return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_ESCAPE:
      return DLGC_WANTALLKEYS;
    default:
      return 0;
  }
}

// What a form does with a dialog key that none of its controls took: Tab (Shift+Tab) moves the
// focus to the next (previous) tab stop of the form, and an arrow key to the next (Right, Down) or
// previous control beside the active one, tab stop or not. With Alt, or Ctrl for Tab, the form
// leaves the key alone.
bool MoveFocusByKey(TCustomForm& form, WPARAM key) {
  if (GetKeyState(VK_MENU) < 0) return false;
  TWinControl* active = form.ActiveControl();
  TWinControl* next = nullptr;
  switch (key) {
    case VK_TAB:
      if (GetKeyState(VK_CONTROL) < 0) return false;
      next = form.FindNextControl(active, GetKeyState(VK_SHIFT) >= 0, true, false);
      break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      if (!active) return false;
      next =
          active->Parent()->FindNextControl(active, key == VK_RIGHT || key == VK_DOWN, false, true);
      break;
    default:
      return false;
  }
  if (next) next->SetFocus();
  return true;  // taken even when no control can have the focus
}

LRESULT ToForm(TWinControl& control, UINT msg, const TMessage& message) {
  TCustomForm* form = GetParentForm(&control);
  return form ? form->Perform(msg, message.WParam, message.LParam) : 0;
}

}  // namespace

bool ForwardKeyMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!IsForwardedKey(msg)) return false;
  while (hwnd != 0 && !FindControl(hwnd)) hwnd = GetParent(hwnd);
  return hwnd != 0 && SendMessageA(hwnd, CN_BASE + msg, wParam, lParam) != 0;
}

LRESULT HandleForwardedKey(TWinControl& control, const TMessage& message) {
  switch (message.Msg) {
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: {
      if (IsMenuKey(control, ShortCutOf(message.WParam, message.LParam))) return 1;
      const LRESULT mask = DialogKeyMask(message.WParam);
      if (mask == 0 || (control.Perform(WM_GETDLGCODE, 0, 0) & mask)) return 0;
      return ToForm(control, CM_DIALOGKEY, message) != 0;
    }
    case CN_CHAR:
      if (control.Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) return 0;
      return ToForm(control, CM_DIALOGCHAR, message) != 0;
    case CN_SYSCHAR:
      return (message.LParam & kAltDown) && ToForm(control, CM_DIALOGCHAR, message) != 0;
    default:
      return 0;
  }
}

void HandleDialogMessage(TWinControl& control, TMessage& message) {
  for (int i = 0; i < control.ControlCount() && message.Result == 0; ++i)
    message.Result = control.Controls(i)->Perform(message.Msg, message.WParam, message.LParam);
  if (message.Result != 0 || message.Msg != CM_DIALOGKEY) return;
  if (auto* form = dynamic_cast<TCustomForm*>(&control))
    message.Result = MoveFocusByKey(*form, message.WParam) ? 1 : 0;
}

bool FormIsShortCut(TCustomForm& form, TShortCut shortCut) {
  if (shortCut == 0) return false;
  if (form.Menu() && form.Menu()->IsShortCut(shortCut)) return true;
  bool executed = false;
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (auto* list = dynamic_cast<TActionList*>(form.Components(i)))
      executed = list->IsShortCut(shortCut) || executed;
  return executed;
}
