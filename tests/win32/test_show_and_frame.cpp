// Show states and frame actions: minimise, maximise and restore with HCBT_MINMAX and WM_SIZE, and
// moving or sizing through the frame with HCBT_MOVESIZE.

#include "tests/win32/windowing_fixture.h"

using ShowAndFrame = WindowingTest;

namespace {

RECT WindowRect(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return rect;
}

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST_F(ShowAndFrame, MaximiseMinimiseAndRestoreThroughTheFrameButtons) {
  const HWND form = TopLevel({100, 80, 520, 380});
  Record<WH_CBT>();
  gReceived.clear();

  SimulateFrameCommand(form, SC_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(form));
  EXPECT_TRUE(WindowRect(form) == (RECT{0, 0, 1024, 768}));
  const auto sizes = ReceivedOf(WM_SIZE);
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_EQ(sizes[0].wParam, SIZE_MAXIMIZED);
  EXPECT_EQ(sizes[0].lParam, MAKELPARAM(1024, 768));
  EXPECT_EQ(ReceivedOf(WM_MOVE).size(), 1u);

  SimulateFrameCommand(form, SC_MINIMIZE);
  EXPECT_TRUE(IsIconic(form));
  EXPECT_FALSE(IsZoomed(form));
  EXPECT_EQ(ReceivedOf(WM_SIZE).back().wParam, SIZE_MINIMIZED);
  EXPECT_EQ(GetActiveWindow(), 0u);

  SimulateFrameCommand(form, SC_RESTORE);  // back to maximised, where it was minimised from
  EXPECT_TRUE(IsZoomed(form));
  EXPECT_EQ(GetActiveWindow(), form);
  SimulateFrameCommand(form, SC_RESTORE);
  EXPECT_FALSE(IsZoomed(form));
  EXPECT_TRUE(WindowRect(form) == (RECT{100, 80, 520, 380}));
  EXPECT_EQ(ReceivedOf(WM_SIZE).back().wParam, SIZE_RESTORED);
  EXPECT_EQ(ReceivedOf(WM_SIZE).back().lParam, MAKELPARAM(420, 300));

  const auto minMax = CbtCalls(HCBT_MINMAX);
  ASSERT_EQ(minMax.size(), 4u);
  EXPECT_EQ(minMax[0].wParam, form);
  EXPECT_EQ(minMax[0].lParam, SW_MAXIMIZE);
  EXPECT_EQ(minMax[1].lParam, SW_MINIMIZE);
  EXPECT_EQ(minMax[2].lParam, SW_RESTORE);
  EXPECT_EQ(CbtCalls(HCBT_SYSCOMMAND).size(), 4u);

  ShowWindow(form, SW_RESTORE);  // nothing to restore: no notification
  EXPECT_EQ(CbtCalls(HCBT_MINMAX).size(), 4u);
}

TEST_F(ShowAndFrame, ShowingAndHidingSendShowWindowAndOnlyActivatingCommandsActivate) {
  const HWND form = TopLevel({0, 0, 100, 100}, 0);
  gReceived.clear();
  EXPECT_FALSE(ShowWindow(form, SW_SHOWNA));
  EXPECT_TRUE(IsWindowVisible(form));
  EXPECT_EQ(GetActiveWindow(), 0u);
  EXPECT_TRUE(ShowWindow(form, SW_SHOW));
  EXPECT_EQ(GetActiveWindow(), form);
  EXPECT_TRUE(ShowWindow(form, SW_HIDE));
  EXPECT_EQ(GetActiveWindow(), 0u);
  const auto shows = ReceivedOf(WM_SHOWWINDOW);
  ASSERT_EQ(shows.size(), 2u);
  EXPECT_EQ(shows[0].wParam, 1u);
  EXPECT_EQ(shows[1].wParam, 0u);

  const HWND child = Child(form, {0, 0, 10, 10});
  ShowWindow(form, SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(child));
  ShowWindow(form, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(child));  // a child shows only with its parent
}

TEST_F(ShowAndFrame, FrameMoveSizeRaisesMoveSizeButProgrammaticMovesDoNot) {
  const HWND form = TopLevel({100, 100, 300, 200});
  const HWND panel = Child(form, {10, 10, 60, 60});
  Record<WH_CBT>();
  static RECT announced;
  gHookAnswer = [](int, int code, WPARAM, LPARAM lParam) -> LRESULT {
    if (code != HCBT_MOVESIZE) return 0;
    RECT& rect = *reinterpret_cast<RECT*>(lParam);
    announced = rect;
    if (rect.left == 999) return 1;  // refused
    rect.bottom += 5;                // hooks may adjust the final rectangle
    return 0;
  };

  MoveWindow(form, 120, 100, 200, 100, 1);
  EXPECT_TRUE(CbtCalls(HCBT_MOVESIZE).empty());
  gReceived.clear();

  SimulateFrameMoveSize(form, RECT{50, 60, 450, 360});
  ASSERT_EQ(CbtCalls(HCBT_MOVESIZE).size(), 1u);
  EXPECT_EQ(CbtCalls(HCBT_MOVESIZE)[0].wParam, form);
  EXPECT_TRUE(announced == (RECT{50, 60, 450, 360}));
  EXPECT_TRUE(WindowRect(form) == (RECT{50, 60, 450, 365}));
  ASSERT_EQ(ReceivedOf(WM_MOVE).size(), 1u);
  EXPECT_EQ(ReceivedOf(WM_MOVE)[0].lParam, MAKELPARAM(50, 60));
  EXPECT_EQ(ReceivedOf(WM_SIZE)[0].lParam, MAKELPARAM(400, 305));

  SimulateFrameMoveSize(form, RECT{999, 0, 1000, 1});
  EXPECT_EQ(WindowRect(form).left, 50);

  // A child is given and announced in screen coordinates, and stored in its parent's.
  SimulateFrameMoveSize(panel, RECT{70, 80, 90, 100});
  EXPECT_TRUE(announced == (RECT{70, 80, 90, 100}));
  EXPECT_TRUE(WindowRect(panel) == (RECT{70, 80, 90, 105}));
}

TEST_F(ShowAndFrame, CloseThroughTheFrameDestroysTheWindow) {
  const HWND form = TopLevel({0, 0, 100, 100});
  SimulateFrameCommand(form, SC_CLOSE);
  EXPECT_FALSE(IsWindow(form));
  EXPECT_EQ(ReceivedOf(WM_CLOSE).size(), 1u);
}
