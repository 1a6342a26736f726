#pragma once
// The window and mouse family: TAPIProxy records window activation, minimising, maximising and
// restoring, moving and sizing, focus changes, and mouse button releases over framework controls,
// for any window of the host thread.

#include <string>

#include "log/log_event_proxy.h"
#include "platform/win32/windows.h"

class TAPIProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TAPIProxy)
  explicit TAPIProxy(TLogStream* logStream);

  void CBTHook(int code, WPARAM wParam, LPARAM lParam) override;
  void MouseHook(int code, WPARAM wParam, LPARAM lParam) override;
  void CallWndProcHook(int code, WPARAM wParam, LPARAM lParam) override;
};

// The name of a show command ("show maximized"); unknown values give "unknown show code (N)".
std::string ShowCommandName(WORD command);

// The family's part of library load and unload.
void RegisterAPIFamily();
void UnregisterAPIFamily();
