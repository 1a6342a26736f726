#pragma once
// The standard-control family: TStandardProxy records push buttons, check boxes, radio buttons
// and radio groups, edits once the user leaves them, list and combo box choices, finished scroll
// gestures, menu commands chosen with the mouse or by shortcut, mnemonic key presses that press a
// button, and the actions these fire.

#include <string>

#include "log/log_event_proxy.h"
#include "platform/win32/windows.h"

class TButton;
class TComboBox;
class TComponent;
class TCustomForm;
class TMenuItem;

class TStandardProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TStandardProxy)
  explicit TStandardProxy(TLogStream* logStream);

  void CBTHook(int code, WPARAM wParam, LPARAM lParam) override;
  void KeyboardHook(int code, WPARAM wParam, LPARAM lParam) override;
  void CallWndProcHook(int code, WPARAM wParam, LPARAM lParam) override;
  void GetMessageHook(int code, WPARAM wParam, LPARAM lParam) override;

  // The window that most recently received the focus, and its answer to WM_GETDLGCODE.
  HWND FocusWindow = 0;
  DWORD FocusDlgCode = 0;
  // The most recently initialised drop-down menu and menu; a menu command is described with them.
  HMENU PopupMenuHandle = 0;
  HMENU MenuBarHandle = 0;
  // An edit was changed since an edit last gained the focus.
  bool EditChanged = false;
  // A drop-down list whose selection the keys changed while its list was open; its choice is
  // recorded when the list closes.
  HWND BrowsedDropDownList = 0;
  // The choice recorded when such a list closed, until the next notification of a combo box.
  struct TComboChoice {
    HWND Window = 0;
    int Index = -1;
  };
  TComboChoice ChoiceAtCloseUp;

 private:
  void ButtonChecked(HWND hwnd, WPARAM check);
  void ControlNotified(WPARAM wParam);
  void ComboBoxNotified(TComboBox& combo, WORD code);
  void Scrolled(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void ForwardedKeyDown(HWND hwnd, WPARAM key, LPARAM keyData);
  void MenuCommand(WORD id);

  // The menu item a key message's shortcut chooses, searched as the framework searches it: popup
  // menus of the control and its parents, its form, the main form. Action lists that answer the
  // shortcut record their action on the way.
  TMenuItem* FindShortCutItem(HWND hwnd, WPARAM key, LPARAM keyData);
  // Whether the form's main menu or one of its action lists answers the shortcut; `item` is the
  // main menu's item (nullptr when an action list answered).
  bool FormShortCut(TCustomForm& form, WORD shortCut, TMenuItem*& item);

  // Records the action of a control or menu item, when it has one, as fired by `client`.
  void WriteClientAction(const TComponent* action, const TComponent& client);
  // Records the item a combo box shows.
  void WriteComboBoxSelection(const TComboBox& combo);
  // Records a push button's click, after its action.
  void WritePushButtonClick(const TButton& button);
};

// The family's part of library load and unload.
void RegisterStandardFamily();
void UnregisterStandardFamily();
