#pragma once
// A clean desktop per test, a window class whose procedure records every message it receives, and
// hooks that record what they are called with.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "platform/win32/input.h"
#include "platform/win32/windows.h"

struct Received {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

struct HookCall {
  int code;
  WPARAM wParam;
  LPARAM lParam;
};

inline std::vector<Received> gReceived;
inline std::map<int, std::vector<HookCall>> gHookCalls;  // by hook kind
inline std::map<int, HHOOK> gRecorders;                  // by hook kind
// Answers a hook call instead of the rest of the chain when it returns non-zero; it may also
// look into the structure that lParam addresses, which lives only during the call.
inline std::function<LRESULT(int kind, int code, WPARAM, LPARAM)> gHookAnswer;

inline LRESULT RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  gReceived.push_back({hwnd, message, wParam, lParam});
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

template <int Kind>
LRESULT RecordingHook(int code, WPARAM wParam, LPARAM lParam) {
  gHookCalls[Kind].push_back({code, wParam, lParam});
  if (gHookAnswer) {
    if (const LRESULT answer = gHookAnswer(Kind, code, wParam, lParam)) return answer;
  }
  return CallNextHookEx(gRecorders[Kind], code, wParam, lParam);
}

class WindowingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetWindowingForTests();
    gReceived.clear();
    gHookCalls.clear();
    gRecorders.clear();
    gHookAnswer = nullptr;
    WNDCLASSA recorder;
    recorder.lpfnWndProc = RecordingProc;
    recorder.lpszClassName = "Recorder";
    ASSERT_NE(RegisterClassA(recorder), 0);
  }
  void TearDown() override { ResetWindowingForTests(); }

  static HWND TopLevel(const RECT& r, DWORD style = WS_VISIBLE) {
    return CreateWindowExA(0, "Recorder", "Form", style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, 0, 0, 0, nullptr);
  }
  static HWND Child(HWND parent, const RECT& r, int id = 1, DWORD style = WS_VISIBLE) {
    return CreateWindowExA(0, "Recorder", "Child", WS_CHILD | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent, static_cast<HMENU>(id), 0,
                           nullptr);
  }
  template <int Kind>
  static void Record() {
    gRecorders[Kind] = SetWindowsHookExA(Kind, RecordingHook<Kind>, 0, GetCurrentThreadId());
    ASSERT_NE(gRecorders[Kind], 0u);
  }
  static std::vector<HookCall> CbtCalls(int code) {
    std::vector<HookCall> calls;
    for (const HookCall& call : gHookCalls[WH_CBT]) {
      if (call.code == code) calls.push_back(call);
    }
    return calls;
  }
  // The messages received, as (window, message) pairs, leaving out those in `ignored`.
  static std::vector<std::pair<HWND, UINT>> Sequence(std::vector<UINT> ignored = {}) {
    std::vector<std::pair<HWND, UINT>> sequence;
    for (const Received& r : gReceived) {
      if (std::find(ignored.begin(), ignored.end(), r.message) == ignored.end()) {
        sequence.emplace_back(r.hwnd, r.message);
      }
    }
    return sequence;
  }
  static std::vector<Received> ReceivedOf(UINT message) {
    std::vector<Received> found;
    for (const Received& r : gReceived) {
      if (r.message == message) found.push_back(r);
    }
    return found;
  }
};
