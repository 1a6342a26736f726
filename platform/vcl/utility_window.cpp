// Hidden utility windows whose messages go to a method.

#include "platform/vcl/utility_window.h"

#include <map>
#include <memory>

#include "platform/vcl/application.h"
#include "platform/vcl/errors.h"

namespace {

constexpr char kUtilWindowClass[] = "TPUtilWindow";

// Methods by window; a message in progress holds its method, so that the method may deallocate
// its own window.
std::map<HWND, std::shared_ptr<TWndMethod>>& Methods() {
  static auto* methods = new std::map<HWND, std::shared_ptr<TWndMethod>>;
  return *methods;
}

std::shared_ptr<TWndMethod> MethodOf(HWND window) {
  auto found = Methods().find(window);
  return found == Methods().end() ? nullptr : found->second;
}

LRESULT UtilWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  std::shared_ptr<TWndMethod> method = MethodOf(hwnd);
  if (!method) return DefWindowProcA(hwnd, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  try {
    (*method)(message);
  } catch (const std::exception& e) {
    Application().HandleException(&Application(), e);
  }
  return message.Result;
}

}  // namespace

HWND AllocateHWnd(TWndMethod method) {
  WNDCLASSA windowClass;
  windowClass.lpfnWndProc = &UtilWindowProc;
  windowClass.lpszClassName = kUtilWindowClass;
  RegisterClassA(windowClass);  // a class registered before stays as it is
  HWND window = CreateWindowExA(0, kUtilWindowClass, "", WS_POPUP, 0, 0, 0, 0, 0, 0, 0, nullptr);
  if (!window) throw EWin32Error("Cannot create a utility window", 0);
  Methods()[window] = std::make_shared<TWndMethod>(std::move(method));
  return window;
}

void DeallocateHWnd(HWND window) {
  auto found = Methods().find(window);
  if (found == Methods().end()) return;
  Methods().erase(found);
  DestroyWindow(window);
}
