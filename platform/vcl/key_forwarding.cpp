// The framework's handling of key messages before the focused control sees them.

#include "platform/vcl/key_forwarding.h"

#include <algorithm>
#include <vector>

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

LRESULT ToForm(TWinControl& control, UINT msg, const TMessage& message) {
  TCustomForm* form = GetParentForm(&control);
  return form ? form->Perform(msg, message.WParam, message.LParam) : 0;
}

}  // namespace

std::vector<TWinControl*> TabStops(const TWinControl& container) {
  std::vector<TWinControl*> stops;
  for (int i = 0; i < container.ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(container.Controls(i));
    if (!child) continue;
    if (child->ControlCount() == 0 && child->CanFocus()) {
      stops.push_back(child);
    } else {
      const std::vector<TWinControl*> inner = TabStops(*child);
      stops.insert(stops.end(), inner.begin(), inner.end());
    }
  }
  return stops;
}

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
  if (message.Result != 0 || message.Msg != CM_DIALOGKEY || message.WParam != VK_TAB) return;
  auto* form = dynamic_cast<TCustomForm*>(&control);
  if (!form) return;
  const std::vector<TWinControl*> stops = TabStops(*form);
  if (stops.empty()) return;
  const auto current = std::find(stops.begin(), stops.end(), form->ActiveControl());
  const auto count = static_cast<std::ptrdiff_t>(stops.size());
  std::ptrdiff_t index = current == stops.end() ? -1 : current - stops.begin();
  index = GetKeyState(VK_SHIFT) < 0 ? (index <= 0 ? count - 1 : index - 1) : (index + 1) % count;
  stops[static_cast<size_t>(index)]->SetFocus();
  message.Result = 1;
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
