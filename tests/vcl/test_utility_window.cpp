// Hidden utility windows: sent and posted messages reach the method, its result answers them,
// and its exceptions stay inside the window procedure.

#include <gtest/gtest.h>

#include "platform/sysutils.h"
#include "platform/vcl/utility_window.h"
#include "tests/vcl/vcl_fixture.h"

namespace {

TEST_F(VclTest, UtilityWindowHandsSentAndPostedMessagesToItsMethod) {
  std::vector<UINT> received;
  HWND window = AllocateHWnd([&](TMessage& message) {
    received.push_back(message.Msg);
    message.Result = static_cast<LRESULT>(message.WParam) * 2;
  });
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(FindControl(window), nullptr);  // not a control
  EXPECT_EQ(SendMessageA(window, WM_USER + 20, 21, 0), 42);
  PostMessageA(window, WM_USER + 21, 0, 0);
  Application().ProcessMessages();
  EXPECT_EQ(received, (std::vector<UINT>{WM_USER + 20, WM_USER + 21}));

  DeallocateHWnd(window);
  EXPECT_FALSE(IsWindow(window));
  DeallocateHWnd(window);  // a second time does nothing
}

TEST_F(VclTest, ExceptionsOfTheMethodGoToTheApplication) {
  HWND window = AllocateHWnd([](TMessage& message) {
    if (message.Msg == WM_USER) throw Exception("proxy failed");
    message.Result = 7;
  });
  EXPECT_EQ(SendMessageA(window, WM_USER, 0, 0), 0);
  EXPECT_EQ(shown, (std::vector<std::string>{"proxy failed."}));
  EXPECT_EQ(SendMessageA(window, WM_USER + 1, 0, 0), 7);  // the window still works
  DeallocateHWnd(window);
}

TEST_F(VclTest, MethodMayDeallocateItsOwnWindow) {
  std::string seen = "before";
  HWND window = 0;
  window = AllocateHWnd([&window, &seen](TMessage&) {
    DeallocateHWnd(window);
    seen = "after";  // the method's captures are still there
  });
  SendMessageA(window, WM_USER, 0, 0);
  EXPECT_EQ(seen, "after");
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
