// Coordinates: client and screen conversions through nested parents, and finding the window
// under a point.

#include <limits>
#include <vector>

#include "platform/win32/input.h"
#include "tests/win32/windowing_fixture.h"

using Geometry = WindowingTest;

namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

// left, top, right, bottom in screen coordinates.
std::vector<LONG> WindowRect(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

TEST_F(Geometry, ConversionsWalkTheParentChain) {
  const HWND form = TopLevel({100, 50, 500, 350});
  const HWND panel = Child(form, {10, 20, 210, 120});
  const HWND button = Child(panel, {5, 6, 80, 31});
  POINT point{1, 2};
  ASSERT_TRUE(ClientToScreen(button, &point));
  EXPECT_EQ(point.x, 116);
  EXPECT_EQ(point.y, 78);
  ASSERT_TRUE(ScreenToClient(panel, &point));
  EXPECT_EQ(point.x, 6);
  EXPECT_EQ(point.y, 8);
  RECT rect;
  GetWindowRect(button, &rect);
  EXPECT_EQ(rect.left, 115);
  EXPECT_EQ(rect.bottom, 101);
  GetClientRect(button, &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.right, 75);
  EXPECT_EQ(rect.bottom, 25);
  EXPECT_FALSE(ClientToScreen(button, nullptr));
}

TEST_F(Geometry, WindowFromPointFindsTheDeepestShownWindowOnTop) {
  const HWND back = TopLevel({0, 0, 300, 300});
  const HWND front = TopLevel({200, 0, 400, 300});
  const HWND panel = Child(back, {10, 10, 110, 110});
  const HWND first = Child(panel, {0, 0, 50, 50});
  const HWND second = Child(panel, {25, 25, 75, 75});  // later sibling, on top of `first`
  Child(panel, {80, 80, 100, 100}, 9, 0);              // hidden
  const HWND disabled = Child(back, {150, 150, 190, 190}, 8, WS_VISIBLE | WS_DISABLED);

  EXPECT_EQ(WindowFromPoint({15, 15}), first);
  EXPECT_EQ(WindowFromPoint({40, 40}), second);
  EXPECT_EQ(WindowFromPoint({95, 95}), panel);  // the hidden child is not there
  EXPECT_EQ(WindowFromPoint({160, 160}), disabled);
  EXPECT_EQ(WindowFromPoint({250, 10}), front);  // the later top-level window is on top
  EXPECT_EQ(WindowFromPoint({5, 5}), back);
  EXPECT_EQ(WindowFromPoint({500, 500}), 0u);
  EXPECT_EQ(WindowFromPoint({110, 110}), back);  // right and bottom edges are outside

  EXPECT_EQ(ChildWindowFromPoint(panel, {40, 40}), second);
  EXPECT_EQ(ChildWindowFromPoint(panel, {90, 90}), panel);
  EXPECT_EQ(ChildWindowFromPoint(panel, {-1, 0}), 0u);

  ShowWindow(front, SW_MINIMIZE);  // a minimised window no longer covers its rectangle
  EXPECT_EQ(WindowFromPoint({250, 10}), back);
}

// Positions and sizes at the ends of the 32-bit range are brought within the coordinate space,
// and conversions stop at the ends of the range instead of overflowing.
TEST_F(Geometry, RectanglesAndConversionsStayWithinTheirRange) {
  const HWND form = CreateWindowExA(0, "Recorder", "Form", WS_VISIBLE, kIntMax, kIntMin, kIntMax,
                                    kIntMin, 0, 0, 0, nullptr);
  EXPECT_EQ(WindowRect(form), (std::vector<LONG>{kMaxCoordinate, -kMaxCoordinate,
                                                 2 * kMaxCoordinate, -kMaxCoordinate}));
  const HWND child = Child(form, {0, 0, 10, 10});
  ASSERT_TRUE(MoveWindow(child, kIntMax, kIntMax, kIntMax, kIntMax, 1));
  EXPECT_EQ(WindowRect(child),
            (std::vector<LONG>{2 * kMaxCoordinate, 0, 3 * kMaxCoordinate, kMaxCoordinate}));

  POINT point{kIntMax, kIntMin};
  ASSERT_TRUE(ClientToScreen(child, &point));
  EXPECT_EQ(point.x, kIntMax);
  EXPECT_EQ(point.y, kIntMin);
  point = {kIntMin, kIntMax};
  ASSERT_TRUE(ScreenToClient(child, &point));
  EXPECT_EQ(point.x, kIntMin);
  EXPECT_EQ(point.y, kIntMax);
  EXPECT_EQ(WindowFromPoint({kIntMax, kIntMin}), 0u);

  SimulateFrameMoveSize(form, RECT{kIntMin, kIntMin, kIntMax, kIntMax});
  EXPECT_EQ(WindowRect(form), (std::vector<LONG>{-kMaxCoordinate, -kMaxCoordinate, 0, 0}));
  SimulateClick(TMouseButton::mbLeft, {kIntMin, kIntMax});  // the pointer stops at the edge
  ProcessPendingMessages();
}
