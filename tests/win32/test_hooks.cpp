// Hook chains: newest first, CallNextHookEx passing on and answering, unhooking while a chain
// runs, and hooks that refuse what they are told about.

#include <atomic>
#include <thread>

#include "tests/win32/windowing_fixture.h"

namespace {

std::vector<std::string> gOrder;
HHOOK gFirst, gSecond, gThird, gUnhooking;

LRESULT First(int code, WPARAM wParam, LPARAM lParam) {
  gOrder.push_back("first");
  CallNextHookEx(gFirst, code, wParam, lParam);
  return 1;
}
LRESULT Second(int code, WPARAM wParam, LPARAM lParam) {
  gOrder.push_back("second");
  return CallNextHookEx(gSecond, code, wParam, lParam) + 10;
}
LRESULT Third(int code, WPARAM wParam, LPARAM lParam) {
  gOrder.push_back("third");
  return CallNextHookEx(gThird, code, wParam, lParam) + 100;
}
// Unhooks itself and the two hooks after it, then passes on.
LRESULT Unhooking(int code, WPARAM wParam, LPARAM lParam) {
  gOrder.push_back("unhooking");
  UnhookWindowsHookEx(gUnhooking);
  UnhookWindowsHookEx(gThird);
  UnhookWindowsHookEx(gSecond);
  return CallNextHookEx(gUnhooking, code, wParam, lParam);
}

}  // namespace

class HookChains : public WindowingTest {
 protected:
  void SetUp() override {
    WindowingTest::SetUp();
    gOrder.clear();
  }
  static HHOOK Install(int kind, HOOKPROC proc) {
    return SetWindowsHookExA(kind, proc, 0, GetCurrentThreadId());
  }
};

TEST_F(HookChains, NewestRunsFirstAndEachGetsWhatTheNextAnswered) {
  gFirst = Install(WH_KEYBOARD, First);
  gSecond = Install(WH_KEYBOARD, Second);
  gThird = Install(WH_KEYBOARD, Third);
  EXPECT_EQ(CallHookChain(WH_KEYBOARD, HC_ACTION, 'A', 0), 111);
  EXPECT_EQ(gOrder, (std::vector<std::string>{"third", "second", "first"}));
  EXPECT_EQ(CallNextHookEx(gFirst, HC_ACTION, 0, 0), 0);   // nothing after the oldest
  EXPECT_EQ(CallHookChain(WH_MOUSE, HC_ACTION, 0, 0), 0);  // no chain at all

  EXPECT_TRUE(UnhookWindowsHookEx(gSecond));
  EXPECT_FALSE(UnhookWindowsHookEx(gSecond));
  gOrder.clear();
  EXPECT_EQ(CallHookChain(WH_KEYBOARD, HC_ACTION, 'A', 0), 101);
  EXPECT_EQ(gOrder, (std::vector<std::string>{"third", "first"}));
}

TEST_F(HookChains, UnhookingInsideARunningChainIsSafe) {
  gFirst = Install(WH_CBT, First);
  gThird = Install(WH_CBT, Third);    // unhooked by the next one while the chain runs
  gSecond = Install(WH_CBT, Second);  // unhooked too
  gUnhooking = Install(WH_CBT, Unhooking);
  EXPECT_EQ(CallHookChain(WH_CBT, HCBT_QS, 0, 0), 1);
  EXPECT_EQ(gOrder, (std::vector<std::string>{"unhooking", "first"}));
  gOrder.clear();
  EXPECT_EQ(CallHookChain(WH_CBT, HCBT_QS, 0, 0), 1);
  EXPECT_EQ(gOrder, (std::vector<std::string>{"first"}));
}

TEST_F(HookChains, HooksBelongToTheirThreadAndUnknownKindsOrThreadsAreRefused) {
  EXPECT_EQ(SetWindowsHookExA(WH_KEYBOARD, First, 0, 0), 0u);
  EXPECT_EQ(SetWindowsHookExA(1, First, 0, GetCurrentThreadId()), 0u);
  EXPECT_EQ(SetWindowsHookExA(WH_KEYBOARD, nullptr, 0, GetCurrentThreadId()), 0u);
  // A hook installed here for another thread runs for that thread only.
  std::atomic<bool> installed = false, done = false;
  std::atomic<DWORD> otherId = 0;
  LRESULT otherAnswer = 0;
  std::thread other([&] {
    otherId = GetCurrentThreadId();
    while (!installed) std::this_thread::yield();
    otherAnswer = CallHookChain(WH_KEYBOARD, HC_ACTION, 0, 0);
    done = true;
  });
  while (otherId == 0) std::this_thread::yield();
  gFirst = SetWindowsHookExA(WH_KEYBOARD, First, 0, otherId);
  EXPECT_NE(gFirst, 0u);
  installed = true;
  other.join();
  EXPECT_EQ(otherAnswer, 1);
  EXPECT_EQ(CallHookChain(WH_KEYBOARD, HC_ACTION, 0, 0), 0);
}

TEST_F(HookChains, CbtHooksCanRefuseActivationFocusAndMinMax) {
  const HWND form = TopLevel({0, 0, 100, 100}, 0);
  const HWND edit = Child(form, {0, 0, 10, 10});
  ShowWindow(form, SW_SHOWNA);
  Record<WH_CBT>();
  gHookAnswer = [](int, int code, WPARAM, LPARAM) -> LRESULT {
    return code == HCBT_ACTIVATE || code == HCBT_MINMAX ? 1 : 0;
  };
  gReceived.clear();
  EXPECT_EQ(SetActiveWindow(form), 0u);
  EXPECT_EQ(SetFocus(edit), 0u);  // needs its form activated
  EXPECT_EQ(GetActiveWindow(), 0u);
  EXPECT_EQ(GetFocus(), 0u);
  ShowWindow(form, SW_MAXIMIZE);
  EXPECT_FALSE(IsZoomed(form));
  EXPECT_TRUE(ReceivedOf(WM_ACTIVATE).empty());
  EXPECT_TRUE(ReceivedOf(WM_SIZE).empty());

  gHookAnswer = [](int, int code, WPARAM, LPARAM) -> LRESULT {
    return code == HCBT_SETFOCUS ? 1 : 0;
  };
  SetActiveWindow(form);
  EXPECT_EQ(GetActiveWindow(), form);
  EXPECT_EQ(GetFocus(), 0u);  // the form's own focus was refused too
  EXPECT_EQ(SetFocus(edit), 0u);
  EXPECT_TRUE(ReceivedOf(WM_SETFOCUS).empty());
}
