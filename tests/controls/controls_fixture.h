#pragma once
// A form on a clean desktop, with the standard controls registered, and a call-window-procedure
// hook and a get-message hook that record what they see, so that tests check the messages a user
// action sends in their order.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/vcl/stdctrls.h"
#include "platform/vcl/user_actions.h"
#include "platform/win32/input.h"
#include "tests/vcl/vcl_fixture.h"

struct Seen {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Seen&) const = default;
};

inline std::vector<Seen> gSent;       // what the call-window-procedure hook saw
inline std::vector<Seen> gRetrieved;  // what the get-message hook saw removed from the queue
inline HHOOK gSentHook = 0;
inline HHOOK gRetrievedHook = 0;

inline LRESULT RecordSent(int code, WPARAM wParam, LPARAM lParam) {
  const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
  gSent.push_back({cwp->hwnd, cwp->message, cwp->wParam, cwp->lParam});
  return CallNextHookEx(gSentHook, code, wParam, lParam);
}

inline LRESULT RecordRetrieved(int code, WPARAM wParam, LPARAM lParam) {
  const auto* msg = reinterpret_cast<const MSG*>(lParam);
  if (wParam == PM_REMOVE)
    gRetrieved.push_back({msg->hwnd, msg->message, msg->wParam, msg->lParam});
  return CallNextHookEx(gRetrievedHook, code, wParam, lParam);
}

class ControlsTest : public VclTest {
 protected:
  void SetUp() override {
    VclTest::SetUp();
    RegisterStandardControls();
    gSent.clear();
    gRetrieved.clear();
    form = Application().CreateForm<TForm>();
    form->SetName("Form1");
    form->SetBounds(100, 100, 400, 300);
    form->Show();
    gSentHook = SetWindowsHookExA(WH_CALLWNDPROC, RecordSent, 0, GetCurrentThreadId());
    gRetrievedHook = SetWindowsHookExA(WH_GETMESSAGE, RecordRetrieved, 0, GetCurrentThreadId());
  }

  template <typename T>
  T* Make(TWinControl* parent, const char* name, RECT bounds) {
    auto* control = new T(form);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    return control;
  }

  static POINT Centre(const TControl& control) {
    return control.ClientToScreen({control.Width() / 2, control.Height() / 2});
  }
  static void Click(const TControl& control, TMouseButton button = TMouseButton::mbLeft) {
    SimulateClick(button, Centre(control));
    ProcessPendingMessages();
  }
  static void Key(BYTE key, bool shift = false, bool ctrl = false, bool alt = false) {
    SimulateTypedKeyStroke(key, shift, ctrl, alt);
  }
  static void Type(const std::string& text) {
    for (char c : text) Key(static_cast<BYTE>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
  }
  static void Forget() {
    gSent.clear();
    gRetrieved.clear();
  }

  // The sent messages among `messages`, in order.
  static std::vector<Seen> SentOf(std::initializer_list<UINT> messages) {
    std::vector<Seen> found;
    for (const Seen& s : gSent)
      if (std::find(messages.begin(), messages.end(), s.message) != messages.end())
        found.push_back(s);
    return found;
  }
  // A WM_COMMAND notification from `control` to its parent.
  static Seen Notification(TWinControl& control, WORD code) {
    return {GetParent(control.Handle()), WM_COMMAND, MAKEWPARAM(LOWORD(control.Handle()), code),
            static_cast<LPARAM>(control.Handle())};
  }

  TForm* form = nullptr;
};
