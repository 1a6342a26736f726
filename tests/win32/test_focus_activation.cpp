// Focus and activation: the CBT notifications and the messages of a focus change, in order, and
// the windows that cannot hold the focus.

#include "tests/win32/windowing_fixture.h"

using FocusAndActivation = WindowingTest;
using Sent = std::vector<std::pair<HWND, UINT>>;

TEST_F(FocusAndActivation, FocusInAnInactiveFormActivatesItFirst) {
  const HWND formA = TopLevel({0, 0, 100, 100});
  const HWND editA = Child(formA, {0, 0, 10, 10});
  const HWND formB = TopLevel({200, 0, 300, 100});
  const HWND editB = Child(formB, {0, 0, 10, 10});
  EXPECT_EQ(GetActiveWindow(), formB);  // showing a new form activates it
  SetFocus(editA);
  ASSERT_EQ(GetFocus(), editA);
  Record<WH_CBT>();
  static CBTACTIVATESTRUCT activation;
  gHookAnswer = [](int, int code, WPARAM, LPARAM lParam) -> LRESULT {
    if (code == HCBT_ACTIVATE) activation = *reinterpret_cast<CBTACTIVATESTRUCT*>(lParam);
    return 0;
  };
  gReceived.clear();

  EXPECT_EQ(SetFocus(editB), editA);
  EXPECT_EQ(GetFocus(), editB);
  EXPECT_EQ(GetActiveWindow(), formB);
  EXPECT_EQ(Sequence(), (Sent{{formA, WM_ACTIVATE},
                              {formB, WM_ACTIVATE},
                              {editA, WM_KILLFOCUS},
                              {formB, WM_SETFOCUS},
                              {formB, WM_KILLFOCUS},
                              {editB, WM_SETFOCUS}}));
  EXPECT_EQ(LOWORD(gReceived[0].wParam), WA_INACTIVE);
  EXPECT_EQ(static_cast<HWND>(gReceived[0].lParam), formB);
  EXPECT_EQ(LOWORD(gReceived[1].wParam), WA_ACTIVE);
  EXPECT_EQ(static_cast<HWND>(gReceived[1].lParam), formA);
  EXPECT_EQ(gReceived.back().wParam, formB);  // WM_SETFOCUS names the window that lost it

  const auto& cbt = gHookCalls[WH_CBT];
  ASSERT_GE(cbt.size(), 2u);
  EXPECT_EQ(cbt[0].code, HCBT_SETFOCUS);
  EXPECT_EQ(cbt[0].wParam, editB);
  EXPECT_EQ(static_cast<HWND>(cbt[0].lParam), editA);
  EXPECT_EQ(cbt[1].code, HCBT_ACTIVATE);
  EXPECT_EQ(cbt[1].wParam, formB);
  EXPECT_EQ(activation.fMouse, 0);
  EXPECT_EQ(activation.hWndActive, formA);
}

TEST_F(FocusAndActivation, DisabledHiddenAndMinimisedWindowsCannotTakeTheFocus) {
  const HWND form = TopLevel({0, 0, 100, 100});
  const HWND edit = Child(form, {0, 0, 10, 10});
  const HWND hidden = Child(form, {0, 0, 10, 10}, 2, 0);
  const HWND disabled = Child(form, {0, 0, 10, 10}, 3, WS_VISIBLE | WS_DISABLED);
  SetFocus(edit);
  EXPECT_EQ(SetFocus(hidden), 0u);
  EXPECT_EQ(SetFocus(disabled), 0u);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(SetFocus(edit & 0xFFFF), edit);  // already there: nothing happens

  ShowWindow(form, SW_MINIMIZE);
  EXPECT_EQ(GetFocus(), 0u);
  EXPECT_EQ(GetActiveWindow(), 0u);  // minimising deactivates
  EXPECT_EQ(SetFocus(edit), 0u);
}

TEST_F(FocusAndActivation, TheFocusLeavesWindowsThatAreDestroyedHiddenOrDisabled) {
  const HWND form = TopLevel({0, 0, 100, 100});
  const HWND panel = Child(form, {0, 0, 50, 50});
  const HWND edit = Child(panel, {0, 0, 10, 10});

  SetFocus(edit);
  gReceived.clear();
  EnableWindow(panel, 0);
  EXPECT_EQ(GetFocus(), 0u);
  EXPECT_EQ(Sequence(), (Sent{{edit, WM_KILLFOCUS}, {panel, WM_ENABLE}}));
  EnableWindow(panel, 1);

  SetFocus(edit);
  ShowWindow(panel, SW_HIDE);
  EXPECT_EQ(GetFocus(), 0u);
  ShowWindow(panel, SW_SHOW);

  SetFocus(edit);
  DestroyWindow(panel);
  EXPECT_EQ(GetFocus(), 0u);
  EXPECT_EQ(GetActiveWindow(), form);
  DestroyWindow(form);
  EXPECT_EQ(GetActiveWindow(), 0u);
}

TEST_F(FocusAndActivation, SetFocusToNoWindowAsksTheHooksAndKillsTheFocus) {
  const HWND form = TopLevel({0, 0, 100, 100});
  Record<WH_CBT>();
  ASSERT_EQ(GetFocus(), form);
  gReceived.clear();
  EXPECT_EQ(SetFocus(0), form);
  EXPECT_EQ(GetFocus(), 0u);
  EXPECT_EQ(Sequence(), (Sent{{form, WM_KILLFOCUS}}));
  ASSERT_EQ(CbtCalls(HCBT_SETFOCUS).size(), 1u);
  EXPECT_EQ(CbtCalls(HCBT_SETFOCUS)[0].wParam, 0u);
}

TEST_F(FocusAndActivation, TheActiveWindowGoingAwayActivatesTheNextOneBelowIt) {
  const HWND bottom = TopLevel({0, 0, 100, 100});
  const HWND middle = TopLevel({50, 0, 150, 100});
  const HWND top = TopLevel({100, 0, 200, 100});
  EXPECT_EQ(WindowFromPoint({75, 50}), middle);
  SetActiveWindow(bottom);  // comes to the top of the stacking order: middle, top, bottom
  EXPECT_EQ(WindowFromPoint({75, 50}), bottom);

  ShowWindow(bottom, SW_MINIMIZE);
  EXPECT_EQ(GetActiveWindow(), top);
  EXPECT_EQ(GetFocus(), top);
  ShowWindow(top, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), middle);  // the minimised window cannot be active
  DestroyWindow(middle);
  EXPECT_EQ(GetActiveWindow(), 0u);  // nothing is left that can be

  // With nothing below it, the topmost window above it takes over.
  ShowWindow(top, SW_SHOWNORMAL);
  const HWND shownLater = TopLevel({300, 0, 400, 100}, 0);
  ShowWindow(shownLater, SW_SHOWNA);
  ASSERT_EQ(GetActiveWindow(), top);
  ShowWindow(top, SW_MINIMIZE);
  EXPECT_EQ(GetActiveWindow(), shownLater);
}
