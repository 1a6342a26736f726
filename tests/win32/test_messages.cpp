// Sending and posting: sent messages run at once behind the call-window-procedure hooks, posted
// ones wait in the queue and pass the get-message hooks on their way out.

#include <atomic>
#include <thread>

#include "tests/win32/windowing_fixture.h"

using Messages = WindowingTest;

TEST_F(Messages, SentRunAtOncePostedWaitInOrderAndCallWndProcHooksSeeOnlySentOnes) {
  const HWND form = TopLevel({0, 0, 100, 100}, 0);
  Record<WH_CALLWNDPROC>();
  static std::vector<CWPSTRUCT> seen;
  seen.clear();
  gHookAnswer = [](int kind, int, WPARAM, LPARAM lParam) -> LRESULT {
    if (kind == WH_CALLWNDPROC) seen.push_back(*reinterpret_cast<CWPSTRUCT*>(lParam));
    return 0;
  };
  gReceived.clear();
  EXPECT_TRUE(PostMessageA(form, WM_USER + 1, 11, 12));
  EXPECT_TRUE(PostMessageA(form & 0xFFFF, WM_USER + 2, 21, 22));
  SendMessageA(form & 0xFFFF, WM_USER + 3, 31, 32);
  ASSERT_EQ(gReceived.size(), 1u);
  EXPECT_EQ(gReceived[0].message, WM_USER + 3);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].hwnd, form);  // the full handle, even when sent to the 16-bit form
  EXPECT_EQ(seen[0].message, WM_USER + 3);
  EXPECT_EQ(seen[0].wParam, 31u);
  EXPECT_EQ(seen[0].lParam, 32);
  EXPECT_NE(gHookCalls[WH_CALLWNDPROC][0].wParam, 0u);  // sent by this thread
  EXPECT_EQ(gHookCalls[WH_CALLWNDPROC][0].code, HC_ACTION);

  EXPECT_FALSE(ProcessPendingMessages());
  ASSERT_EQ(gReceived.size(), 3u);
  EXPECT_EQ(gReceived[1].message, WM_USER + 1);
  EXPECT_EQ(gReceived[1].hwnd, form);
  EXPECT_EQ(gReceived[2].message, WM_USER + 2);
  EXPECT_EQ(gReceived[2].lParam, 22);
  EXPECT_EQ(seen.size(), 1u);
}

TEST_F(Messages, GetMessageHooksSeeAndMayChangeRetrievedMessages) {
  const HWND form = TopLevel({0, 0, 100, 100}, 0);
  Record<WH_GETMESSAGE>();
  gHookAnswer = [](int, int, WPARAM, LPARAM lParam) -> LRESULT {
    MSG& msg = *reinterpret_cast<MSG*>(lParam);
    if (msg.message == WM_USER) msg.wParam = 99;
    return 0;
  };
  PostMessageA(form, WM_USER, 1, 0);
  PostMessageA(form, WM_USER + 1, 2, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, 0, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.wParam, 99u);
  ASSERT_TRUE(PeekMessageA(&msg, 0, WM_USER + 1, WM_USER + 1, PM_REMOVE));  // filtered
  EXPECT_EQ(msg.message, WM_USER + 1);
  ASSERT_EQ(GetMessageA(&msg, form, 0, 0), 1);
  EXPECT_EQ(msg.message, WM_USER);
  EXPECT_EQ(msg.wParam, 99u);
  EXPECT_FALSE(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE));
  const auto& calls = gHookCalls[WH_GETMESSAGE];
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].wParam, PM_NOREMOVE);
  EXPECT_EQ(calls[1].wParam, PM_REMOVE);
  EXPECT_EQ(calls[2].wParam, PM_REMOVE);
}

TEST_F(Messages, QuitStopsTheLoopAndStaysQueued) {
  const HWND form = TopLevel({0, 0, 100, 100}, 0);
  PostMessageA(form, WM_USER, 0, 0);
  PostQuitMessage(3);
  PostMessageA(form, WM_USER + 1, 0, 0);
  gReceived.clear();
  EXPECT_TRUE(ProcessPendingMessages());
  EXPECT_EQ(Sequence(), (std::vector<std::pair<HWND, UINT>>{{form, WM_USER}}));
  EXPECT_TRUE(ProcessPendingMessages());
  MSG msg;
  EXPECT_EQ(GetMessageA(&msg, 0, 0, 0), 0);
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
  EXPECT_FALSE(ProcessPendingMessages());
  EXPECT_EQ(gReceived.size(), 2u);
}

TEST_F(Messages, MessagesQueuedWhileDispatchingAreDispatchedToo) {
  static HWND form;
  form = CreateWindowExA(0, "Recorder", "", 0, 0, 0, 1, 1, 0, 0, 0, nullptr);
  SetWindowLongPtrA(form, GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                      if (m == WM_USER && w < 3) PostMessageA(h, WM_USER, w + 1, 0);
                      return RecordingProc(h, m, w, l);
                    }));
  PostMessageA(form, WM_USER, 0, 0);
  gReceived.clear();
  EXPECT_FALSE(ProcessPendingMessages());
  EXPECT_EQ(ReceivedOf(WM_USER).size(), 4u);
}

TEST_F(Messages, OtherThreadsPostAndSendToTheWindowsThread) {
  const HWND form = TopLevel({0, 0, 100, 100}, 0);
  Record<WH_CALLWNDPROC>();
  std::atomic<LRESULT> sentResult = -1;
  std::thread other([&] {
    EXPECT_TRUE(PostMessageA(form, WM_USER, 5, 0));
    sentResult = SendMessageA(form, WM_GETTEXTLENGTH, 0, 0);  // waits for the loop below
  });
  MSG msg;
  ASSERT_EQ(GetMessageA(&msg, 0, 0, 0), 1);  // waits for the post
  EXPECT_EQ(msg.wParam, 5u);
  while (sentResult == -1 && !PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) std::this_thread::yield();
  other.join();
  EXPECT_EQ(sentResult, 4);
  ASSERT_EQ(ReceivedOf(WM_GETTEXTLENGTH).size(), 1u);
  ASSERT_EQ(gHookCalls[WH_CALLWNDPROC].size(), 1u);
  EXPECT_EQ(gHookCalls[WH_CALLWNDPROC][0].wParam, 0u);  // sent by another thread
}

TEST_F(Messages, TextMessagesAndSafeBuffers) {
  const HWND form = TopLevel({0, 0, 100, 100}, 0);
  SetWindowTextA(form, "Orders");
  char small[4];
  EXPECT_EQ(GetWindowTextA(form, small, sizeof small), 3);
  EXPECT_STREQ(small, "Ord");
  EXPECT_EQ(SendMessageA(form, WM_GETTEXT, 10, 0), 0);  // no buffer
  EXPECT_EQ(GetWindowTextA(form, small, 0), 0);
  SetWindowTextA(form, nullptr);
  EXPECT_EQ(GetWindowTextLengthA(form), 0);
}
