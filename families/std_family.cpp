// The standard-control family's proxy: focus tracking and the messages sent to controls.

#include "families/std_family.h"

#include <utility>

#include "families/mnemonic_keys.h"
#include "families/qv_utils.h"
#include "families/std_events.h"
#include "log/log_stream.h"
#include "platform/vcl/additional_controls.h"
#include "platform/vcl/stdctrls.h"

const TLogEventProxyClass& TStandardProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TStandardProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TStandardProxy>};
  return cls;
}

TStandardProxy::TStandardProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
  AddLogEventClass(TButtonEvent::StaticClass());
  AddLogEventClass(TComboBoxSelectEvent::StaticClass());
  AddLogEventClass(TEditEvent::StaticClass());
  AddLogEventClass(TListBoxSelectEvent::StaticClass());
  AddLogEventClass(TScrollBarEvent::StaticClass());
  AddLogEventClass(TRadioGroupEvent::StaticClass());
  AddLogEventClass(TMenuEvent::StaticClass());
  AddLogEventClass(TActionEvent::StaticClass());
}

void TStandardProxy::CBTHook(int code, WPARAM wParam, LPARAM) {
  if (code == HCBT_SETFOCUS) TakeFocus(static_cast<HWND>(wParam), FocusWindow, FocusDlgCode);
}

void TStandardProxy::CallWndProcHook(int, WPARAM, LPARAM lParam) {
  // A copy: the messages this method sends itself come back through here, nested.
  const CWPSTRUCT sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
  switch (sent.message) {
    case BM_SETCHECK:
      ButtonChecked(sent.hwnd, sent.wParam);
      break;
    case WM_COMMAND:
      ControlNotified(sent.wParam);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      Scrolled(sent.hwnd, sent.message, sent.wParam, sent.lParam);
      break;
    case WM_INITMENU:
      MenuBarHandle = static_cast<HMENU>(sent.wParam);
      break;
    case WM_INITMENUPOPUP:
      PopupMenuHandle = static_cast<HMENU>(sent.wParam);
      break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:  // a key pressed with Alt: its shortcut is run as well
      ForwardedKeyDown(sent.hwnd, sent.wParam, sent.lParam);
      break;
    default:
      break;
  }
}

void TStandardProxy::ButtonChecked(HWND hwnd, WPARAM check) {
  TControl* control = FindControl(hwnd);
  if (!control) return;
  std::string windowName;
  if (auto* group = dynamic_cast<TRadioGroup*>(control->Parent())) {
    // The button being unchecked says nothing about the group's choice.
    if (check != BST_CHECKED) return;
    std::string item;
    int32_t index = 0;
    GetRadioGroupInfo(*group, hwnd, windowName, item, index);
    LogStream->WriteEvent(std::make_unique<TRadioGroupEvent>(windowName, item, index));
    return;
  }
  auto* button = dynamic_cast<TButtonControl*>(control);
  if (!button) return;
  if (dynamic_cast<TRadioButton*>(button) && check != BST_CHECKED) return;
  WriteClientAction(button->Action(), *button);
  std::string stateText;
  GetButtonInfo(*button, static_cast<int32_t>(check), windowName, stateText);
  LogStream->WriteEvent(std::make_unique<TButtonEvent>(windowName, stateText));
}

void TStandardProxy::ControlNotified(WPARAM wParam) {
  // The low word names the control (its handle is its identifier); the high word is the code.
  TControl* control = FindControl(LOWORD(wParam));
  if (!control) return;
  const WORD code = HIWORD(wParam);
  std::string windowName;
  std::string item;
  int32_t index = 0;
  // A check list box and a grid's in-place editor are left to the additional-control family.
  if (auto* combo = dynamic_cast<TComboBox*>(control)) {
    ComboBoxNotified(*combo, code);
  } else if (auto* list = dynamic_cast<TListBox*>(control);
             list && !dynamic_cast<TCheckListBox*>(list)) {
    if (code != LBN_SELCHANGE) return;
    GetListBoxInfo(*list, windowName, item, index);
    LogStream->WriteEvent(std::make_unique<TListBoxSelectEvent>(windowName, item, index));
  } else if (auto* edit = dynamic_cast<TCustomEdit*>(control);
             edit && !dynamic_cast<TInplaceEdit*>(edit)) {
    // One flag for all edits: an edit is recorded once per visit, when it was changed.
    if (code == EN_SETFOCUS) {
      EditChanged = false;
    } else if (code == EN_UPDATE) {
      EditChanged = true;
    } else if (code == EN_KILLFOCUS && EditChanged) {
      GetEditInfo(*edit, windowName, item);
      LogStream->WriteEvent(std::make_unique<TEditEvent>(windowName, item));
    }
  } else if (auto* button = dynamic_cast<TButton*>(control); button && code == BN_CLICKED) {
    WritePushButtonClick(*button);
  }
}

void TStandardProxy::ComboBoxNotified(TComboBox& combo, WORD code) {
  const bool listOnly = combo.Style() == csDropDownList;
  // Keys that browsed the open list of a list-only combo box chose what it shows when the list
  // closes: no other notification reports that choice, and focus loss records nothing for it.
  if (code == CBN_CLOSEUP && combo.Handle() == std::exchange(BrowsedDropDownList, HWND{0})) {
    WriteComboBoxSelection(combo);
    ChoiceAtCloseUp = {combo.Handle(), combo.ItemIndex()};
    return;
  }
  // A mouse choice closes the list before it reports its selection, which the close-up has then
  // recorded already.
  const TComboChoice closedUp = std::exchange(ChoiceAtCloseUp, {});
  if (code == CBN_SELCHANGE && closedUp.Window == combo.Handle() &&
      closedUp.Index == combo.ItemIndex()) {
    return;
  }
  if (code != CBN_SELCHANGE && code != CBN_KILLFOCUS) return;
  // A list-only combo box reported its choice when it was made.
  if (code == CBN_KILLFOCUS && listOnly) return;
  // Browsing in the open list is not a choice yet.
  if (SendMessageA(combo.Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0) {
    if (listOnly) BrowsedDropDownList = combo.Handle();
    return;
  }
  WriteComboBoxSelection(combo);
}

void TStandardProxy::WriteComboBoxSelection(const TComboBox& combo) {
  std::string windowName;
  std::string item;
  int32_t index = 0;
  GetComboBoxInfo(combo, windowName, item, index);
  LogStream->WriteEvent(std::make_unique<TComboBoxSelectEvent>(windowName, item, index));
}

void TStandardProxy::Scrolled(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // One record per gesture, with the position at its end.
  if (LOWORD(wParam) != SB_ENDSCROLL) return;
  // A scroll bar control names itself in lParam; a container's own bars leave it 0.
  const HWND window = lParam != 0 ? static_cast<HWND>(lParam) : hwnd;
  TControl* control = FindControl(window);
  std::string windowName;
  std::string orientation;
  int32_t position = 0;
  if (auto* box = dynamic_cast<TScrollBox*>(control)) {
    GetScrollingWinControlInfo(*box, message, windowName, orientation, position);
  } else if (auto* bar = dynamic_cast<TScrollBar*>(control)) {
    GetScrollBarInfo(*bar, windowName, orientation, position);
  } else {
    return;
  }
  LogStream->WriteEvent(std::make_unique<TScrollBarEvent>(windowName, orientation, position));
}

void TStandardProxy::WriteClientAction(const TComponent* action, const TComponent& client) {
  if (!action) return;
  LogStream->WriteEvent(std::make_unique<TActionEvent>(action->Name(), client.Name()));
}

void TStandardProxy::WritePushButtonClick(const TButton& button) {
  WriteClientAction(button.Action(), button);
  std::string windowName;
  std::string stateText;
  GetButtonInfo(button, 0, windowName, stateText);
  LogStream->WriteEvent(std::make_unique<TButtonEvent>(windowName, stateText));
}

void RegisterStandardFamily() { TLogStream::RegisterProxyClass(TStandardProxy::StaticClass()); }
void UnregisterStandardFamily() { TLogStream::UnregisterProxyClass(TStandardProxy::StaticClass()); }
