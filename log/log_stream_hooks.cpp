// The log stream's hook forwarding: each hook kind goes to the matching method of every enabled
// proxy. The stream itself takes no part; the proxies write to it.

#include "log/log_stream.h"
#include "log/proxy_list.h"

void TLogStream::CBTHookProxy(int code, WPARAM wParam, LPARAM lParam) {
  ProxyList().DispatchHook(&TLogEventProxy::CBTHook, code, wParam, lParam);
}

void TLogStream::KeyboardHookProxy(int code, WPARAM wParam, LPARAM lParam) {
  ProxyList().DispatchHook(&TLogEventProxy::KeyboardHook, code, wParam, lParam);
}

void TLogStream::MouseHookProxy(int code, WPARAM wParam, LPARAM lParam) {
  ProxyList().DispatchHook(&TLogEventProxy::MouseHook, code, wParam, lParam);
}

void TLogStream::CallWndProcHookProxy(int code, WPARAM wParam, LPARAM lParam) {
  ProxyList().DispatchHook(&TLogEventProxy::CallWndProcHook, code, wParam, lParam);
}

void TLogStream::GetMessageHookProxy(int code, WPARAM wParam, LPARAM lParam) {
  ProxyList().DispatchHook(&TLogEventProxy::GetMessageHook, code, wParam, lParam);
}
