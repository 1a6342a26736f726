// Coordinates: client and screen conversions through nested parents, and finding the window
// under a point.

#include "tests/win32/windowing_fixture.h"

using Geometry = WindowingTest;

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
