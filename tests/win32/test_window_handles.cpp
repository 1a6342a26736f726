// Window handles: their form, their 16-bit forms, that they are never reused, and that a destroyed
// window's handle makes calls fail instead of reaching another window.

#include <set>

#include "tests/win32/windowing_fixture.h"

using WindowHandles = WindowingTest;

TEST_F(WindowHandles, FirstHandlesAreSmallSlotIndexesAndShortFormsNameTheSameWindow) {
  const HWND form = TopLevel({0, 0, 100, 100});
  const HWND button = Child(form, {0, 0, 10, 10}, 7);
  EXPECT_GE(form, 0x100u);
  EXPECT_LE(form, 0xFFFFu);
  const HWND shortForm = button & 0xFFFF;
  EXPECT_TRUE(IsWindow(shortForm));
  EXPECT_EQ(GetParent(shortForm), form);
  EXPECT_EQ(GetDlgCtrlID(shortForm), 7);
  EXPECT_EQ(GetDlgItem(form & 0xFFFF, 7), button);
  EXPECT_TRUE(SetWindowTextA(shortForm, "OK"));
  char text[8];
  EXPECT_EQ(GetWindowTextA(button, text, sizeof text), 2);
  EXPECT_STREQ(text, "OK");
  EXPECT_FALSE(IsWindow(0));
  EXPECT_FALSE(IsWindow(7));  // a small command identifier names no window
}

TEST_F(WindowHandles, AreNeverReusedAndHandlesOfDestroyedWindowsFail) {
  std::set<HWND> seen;
  HWND last = 0;
  for (int i = 0; i < 200; ++i) {
    last = TopLevel({0, 0, 10, 10}, 0);
    ASSERT_TRUE(seen.insert(last).second) << "handle reused: " << last;
    if (i < 199) DestroyWindow(last);
  }
  const HWND stale = *seen.begin();
  char buffer[16] = "unchanged";
  EXPECT_FALSE(IsWindow(stale));
  EXPECT_EQ(GetWindowTextA(stale, buffer, sizeof buffer), 0);
  EXPECT_EQ(GetClassNameA(stale, buffer, sizeof buffer), 0);
  EXPECT_EQ(SendMessageA(stale, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_FALSE(PostMessageA(stale, WM_USER, 0, 0));
  EXPECT_EQ(SetFocus(stale), 0u);
  EXPECT_FALSE(ShowWindow(stale, SW_SHOW));
  RECT rect;
  EXPECT_FALSE(GetWindowRect(stale, &rect));
  EXPECT_FALSE(DestroyWindow(stale));
  EXPECT_TRUE(IsWindow(last));
}

TEST_F(WindowHandles, ReusedSlotsCountInTheHighWordOnceFreshSlotsRunOut) {
  // Fill every fresh slot, then free one: the next window takes it with a reuse count of 1.
  std::vector<HWND> all;
  for (HWND hwnd; (hwnd = TopLevel({0, 0, 1, 1}, 0)) != 0;) all.push_back(hwnd);
  ASSERT_EQ(all.size(), 0x10000u - 0x100u);
  const HWND freed = all[5];
  DestroyWindow(freed);
  const HWND reused = TopLevel({0, 0, 1, 1}, 0);
  EXPECT_EQ(reused, freed | 0x10000u);
  EXPECT_FALSE(IsWindow(freed | 0x20000u));
  EXPECT_TRUE(IsWindow(freed & 0xFFFF));  // a 16-bit form names whatever lives in its slot
}

TEST_F(WindowHandles, DestroyingDestroysChildrenFirstAndAHookCanRefuse) {
  Record<WH_CBT>();
  const HWND form = TopLevel({0, 0, 100, 100});
  const HWND panel = Child(form, {0, 0, 50, 50});
  const HWND button = Child(panel, {0, 0, 10, 10});
  gHookAnswer = [&](int, int code, WPARAM wParam, LPARAM) -> LRESULT {
    return code == HCBT_DESTROYWND && wParam == form ? 1 : 0;
  };
  EXPECT_FALSE(DestroyWindow(form));
  EXPECT_TRUE(IsWindow(button));
  gHookAnswer = nullptr;
  gReceived.clear();
  EXPECT_TRUE(DestroyWindow(form));
  std::vector<HWND> destroyed;
  for (const Received& r : ReceivedOf(WM_DESTROY)) destroyed.push_back(r.hwnd);
  EXPECT_EQ(destroyed, (std::vector<HWND>{button, panel, form}));
  EXPECT_FALSE(IsWindow(panel));
}

TEST_F(WindowHandles, CreationRaisesCreateWndWithTheCreateParametersAndAHookCanRefuse) {
  Record<WH_CBT>();
  static CREATESTRUCTA seen;
  gHookAnswer = [](int, int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (code != HCBT_CREATEWND) return 0;
    EXPECT_TRUE(IsWindow(static_cast<HWND>(wParam)));
    CREATESTRUCTA& create = *reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    seen = create;
    create.x = 40;  // hooks may place the window
    return std::string(create.lpszName) == "refused" ? 1 : 0;
  };
  const HWND form = TopLevel({10, 20, 110, 70});
  ASSERT_NE(form, 0u);
  EXPECT_EQ(seen.cx, 100);
  EXPECT_EQ(seen.cy, 50);
  EXPECT_STREQ(seen.lpszClass, "Recorder");
  RECT rect;
  GetWindowRect(form, &rect);
  EXPECT_EQ(rect.left, 40);
  EXPECT_EQ(rect.right, 140);
  EXPECT_EQ(CreateWindowExA(0, "Recorder", "refused", 0, 0, 0, 1, 1, 0, 0, 0, nullptr), 0u);
  EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, 0, 0, 0, nullptr), 0u);
  EXPECT_EQ(Child(0xDEAD, {0, 0, 1, 1}), 0u);  // a child needs a parent
}

TEST_F(WindowHandles, WindowDataAndRelations) {
  const HWND form = TopLevel({0, 0, 100, 100});
  const HWND first = Child(form, {0, 0, 10, 10}, 1);
  const HWND second = Child(form, {0, 0, 10, 10}, 2);
  char name[16];
  EXPECT_EQ(GetClassNameA(first, name, 4), 3);  // truncated, terminated
  EXPECT_STREQ(name, "Rec");
  EXPECT_EQ(GetWindow(form, GW_CHILD), first);
  EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
  EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), 0u);
  EXPECT_EQ(GetAncestorTopLevel(second), form);
  EXPECT_EQ(GetWindowThreadProcessId(first, nullptr), GetCurrentThreadId());
  EXPECT_EQ(SetWindowLongPtrA(first, GWLP_USERDATA, 42), 0);
  EXPECT_EQ(GetWindowLongPtrA(first, GWLP_USERDATA), 42);

  // A replaced procedure gets the messages; a null one falls back on the default handling.
  static int subclassed = 0;
  const WNDPROC counting = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    ++subclassed;
    return DefWindowProcA(h, m, w, l);
  };
  const LONG_PTR old = SetWindowLongPtrA(first, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(counting));
  EXPECT_EQ(old, reinterpret_cast<LONG_PTR>(&RecordingProc));
  EXPECT_EQ(GetWindowTextLengthA(first), 5);
  EXPECT_EQ(subclassed, 1);
  SetWindowLongPtrA(first, GWLP_WNDPROC, 0);
  EXPECT_EQ(GetWindowTextLengthA(first), 5);

  // Reparenting refuses a cycle.
  EXPECT_EQ(SetParent(form, first), 0u);
  EXPECT_EQ(SetParent(second, first), form);
  EXPECT_EQ(GetParent(second), first);
}
