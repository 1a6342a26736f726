// Simulated input: clicks and keys pass the mouse and keyboard hooks and reach the right window
// with the right parameters; hooks can swallow them.

#include "tests/win32/windowing_fixture.h"

class SimulatedInput : public WindowingTest {
 protected:
  void SetUp() override {
    WindowingTest::SetUp();
    form = TopLevel({100, 100, 500, 400});
    panel = Child(form, {10, 10, 210, 110});
    button = Child(panel, {20, 30, 95, 55}, 5);
  }
  // The messages from the given range that reached windows, in order.
  static std::vector<Received> InRange(UINT first, UINT last) {
    std::vector<Received> found;
    for (const Received& r : gReceived) {
      if (r.message >= first && r.message <= last) found.push_back(r);
    }
    return found;
  }
  HWND form = 0, panel = 0, button = 0;
};

TEST_F(SimulatedInput, AClickReachesTheInnermostWindowInItsClientCoordinates) {
  Record<WH_MOUSE>();
  static MOUSEHOOKSTRUCT seen;
  gHookAnswer = [](int, int, WPARAM, LPARAM lParam) -> LRESULT {
    seen = *reinterpret_cast<MOUSEHOOKSTRUCT*>(lParam);
    return 0;
  };
  gReceived.clear();
  SimulateClick(TMouseButton::mbRight, POINT{135, 145});
  ProcessPendingMessages();

  const auto buttons = InRange(WM_LBUTTONDOWN, WM_RBUTTONDBLCLK);
  ASSERT_EQ(buttons.size(), 2u);
  EXPECT_EQ(buttons[0].hwnd, button);
  EXPECT_EQ(buttons[0].message, WM_RBUTTONDOWN);
  EXPECT_EQ(buttons[0].wParam, MK_RBUTTON);
  EXPECT_EQ(buttons[0].lParam, MAKELPARAM(5, 5));
  EXPECT_EQ(buttons[1].message, WM_RBUTTONUP);
  EXPECT_EQ(buttons[1].wParam, 0u);
  ASSERT_EQ(gHookCalls[WH_MOUSE].size(), 2u);
  EXPECT_EQ(gHookCalls[WH_MOUSE][1].wParam, WM_RBUTTONUP);
  EXPECT_EQ(seen.hwnd, button);
  EXPECT_EQ(seen.pt.x, 135);
  EXPECT_EQ(seen.pt.y, 145);
  EXPECT_EQ(seen.wHitTestCode, HTCLIENT);
}

TEST_F(SimulatedInput, APressOnAnInactiveFormActivatesItByMouseFirst) {
  const HWND other = TopLevel({600, 0, 700, 100});
  ASSERT_EQ(GetActiveWindow(), other);
  Record<WH_CBT>();
  static BOOL byMouse = 0;
  gHookAnswer = [](int, int code, WPARAM, LPARAM lParam) -> LRESULT {
    if (code == HCBT_ACTIVATE) byMouse = reinterpret_cast<CBTACTIVATESTRUCT*>(lParam)->fMouse;
    return 0;
  };
  gReceived.clear();
  SimulateMouseDown(TMouseButton::mbLeft, POINT{135, 145});
  EXPECT_EQ(GetActiveWindow(), form);
  EXPECT_EQ(byMouse, 1);
  ProcessPendingMessages();
  ASSERT_FALSE(gReceived.empty());
  EXPECT_EQ(gReceived.front().hwnd, button);
  EXPECT_EQ(gReceived.front().message, WM_MOUSEACTIVATE);
  EXPECT_EQ(gReceived.front().wParam, form);
  const auto activations = ReceivedOf(WM_ACTIVATE);
  ASSERT_EQ(activations.size(), 2u);
  EXPECT_EQ(LOWORD(activations[1].wParam), WA_CLICKACTIVE);
  EXPECT_EQ(gReceived.back().message, WM_LBUTTONDOWN);
  EXPECT_EQ(gReceived.back().wParam, MK_LBUTTON);
  EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
  SimulateMouseUp(TMouseButton::mbLeft, POINT{135, 145});
  EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
}

TEST_F(SimulatedInput, SwallowedClicksAndClicksOnDisabledWindowsReachNoWindow) {
  Record<WH_MOUSE>();
  Record<WH_CBT>();
  gHookAnswer = [](int kind, int, WPARAM wParam, LPARAM) -> LRESULT {
    return kind == WH_MOUSE && wParam == WM_LBUTTONDOWN ? 1 : 0;
  };
  gReceived.clear();
  SimulateClick(TMouseButton::mbLeft, POINT{135, 145});
  ProcessPendingMessages();
  const auto buttons = InRange(WM_LBUTTONDOWN, WM_RBUTTONDBLCLK);
  ASSERT_EQ(buttons.size(), 1u);
  EXPECT_EQ(buttons[0].message, WM_LBUTTONUP);
  ASSERT_EQ(CbtCalls(HCBT_CLICKSKIPPED).size(), 1u);
  EXPECT_EQ(CbtCalls(HCBT_CLICKSKIPPED)[0].wParam, WM_LBUTTONDOWN);

  gHookAnswer = nullptr;
  EnableWindow(button, 0);
  gReceived.clear();
  gHookCalls.clear();
  SimulateClick(TMouseButton::mbLeft, POINT{135, 145});
  ProcessPendingMessages();
  EXPECT_TRUE(InRange(WM_LBUTTONDOWN, WM_RBUTTONDBLCLK).empty());
  ASSERT_EQ(gHookCalls[WH_MOUSE].size(), 2u);  // the hooks still see it
}

TEST_F(SimulatedInput, ADoubleClickMakesTheSecondPressADoubleClick) {
  gReceived.clear();
  SimulateClick(TMouseButton::mbLeft, POINT{135, 145}, true);
  ProcessPendingMessages();
  std::vector<UINT> messages;
  for (const Received& r : InRange(WM_LBUTTONDOWN, WM_RBUTTONDBLCLK)) messages.push_back(r.message);
  EXPECT_EQ(messages,
            (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
}

TEST_F(SimulatedInput, AMovePassesTheMouseHookToTheWindowUnderThePointerWithTheButtonsHeld) {
  const HWND other = TopLevel({600, 0, 700, 100});
  Record<WH_MOUSE>();
  Record<WH_CBT>();
  SimulateMouseMove(POINT{135, 145});
  EXPECT_EQ(GetActiveWindow(), other);  // moving over a window does not activate it
  SimulateMouseDown(TMouseButton::mbLeft, POINT{125, 140});  // off the button, on the panel
  SimulateMouseMove(POINT{125, 141});
  gHookAnswer = [](int kind, int, WPARAM, LPARAM) -> LRESULT { return kind == WH_MOUSE; };
  SimulateMouseMove(POINT{126, 141});  // swallowed
  gReceived.clear();
  ProcessPendingMessages();
  ASSERT_EQ(gHookCalls[WH_MOUSE].size(), 4u);
  EXPECT_EQ(gHookCalls[WH_MOUSE][0].wParam, WM_MOUSEMOVE);
  EXPECT_EQ(CbtCalls(HCBT_CLICKSKIPPED).at(0).wParam, WM_MOUSEMOVE);
  const auto moves = ReceivedOf(WM_MOUSEMOVE);
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].hwnd, button);
  EXPECT_EQ(moves[0].wParam, 0u);
  EXPECT_EQ(moves[0].lParam, MAKELPARAM(5, 5));
  EXPECT_EQ(moves[1].hwnd, panel);
  EXPECT_EQ(moves[1].wParam, MK_LBUTTON);
  EXPECT_EQ(moves[1].lParam, MAKELPARAM(15, 31));
}

TEST_F(SimulatedInput, KeysReachTheFocusedWindowAsKeysAndCharacters) {
  SetFocus(button);
  Record<WH_KEYBOARD>();
  gReceived.clear();
  SimulateKeyStroke('A');
  SimulateKeyStroke('B', true);
  SimulateKeyStroke('C', false, true);
  SimulateKeyStroke('1', true);
  SimulateKeyStroke(VK_RETURN);
  SimulateKeyStroke(VK_LEFT);
  ProcessPendingMessages();

  std::string typed;
  for (const Received& r : ReceivedOf(WM_CHAR)) {
    EXPECT_EQ(r.hwnd, button);
    typed += static_cast<char>(r.wParam);
  }
  EXPECT_EQ(typed, "aB\x03!\r");
  // Each character follows its key-down, before the key-up.
  const auto keys = InRange(WM_KEYDOWN, WM_CHAR);
  ASSERT_GE(keys.size(), 3u);
  EXPECT_EQ(keys[0].message, WM_KEYDOWN);
  EXPECT_EQ(keys[0].lParam, 1);
  EXPECT_EQ(keys[1].message, WM_CHAR);
  EXPECT_EQ(keys[2].message, WM_KEYUP);
  EXPECT_EQ(static_cast<DWORD>(keys[2].lParam), 0xC0000001u);

  const auto& hooked = gHookCalls[WH_KEYBOARD];
  ASSERT_EQ(hooked.size(), 18u);  // every press and release, modifiers included
  EXPECT_EQ(hooked[0].wParam, static_cast<WPARAM>('A'));
  EXPECT_EQ(hooked[0].code, HC_ACTION);
  EXPECT_EQ(static_cast<DWORD>(hooked[1].lParam), 0xC0000001u);
}

// What ToAscii answers for a key is what typing it gives; F1 types nothing although its key code
// is the letter p.
TEST_F(SimulatedInput, TheKeyboardTellsWhichCharacterAKeyTypes) {
  SetFocus(button);
  gReceived.clear();
  const BYTE keys[] = {VK_F1, VK_LEFT, VK_NUMPAD0 + 7, VK_OEM_MINUS, VK_OEM_7, 'Q', VK_OEM_PERIOD};
  std::string expected;
  for (const BYTE key : keys) {
    const bool shift = key == VK_OEM_7 || key == VK_OEM_PERIOD;
    if (shift) SimulateKeyDown(VK_SHIFT);
    BYTE state[256];
    ASSERT_TRUE(GetKeyboardState(state));
    WORD character = 0;
    if (ToAscii(key, 0, state, &character, 0) == 1) expected += static_cast<char>(character);
    SimulateKeyStroke(key);
    if (shift) SimulateKeyUp(VK_SHIFT);
  }
  ProcessPendingMessages();
  std::string typed;
  for (const Received& r : ReceivedOf(WM_CHAR)) typed += static_cast<char>(r.wParam);
  EXPECT_EQ(expected, "7-\"q>");
  EXPECT_EQ(typed, expected);
}

TEST_F(SimulatedInput, AltMakesSystemKeysAndCharacters) {
  SetFocus(button);
  Record<WH_KEYBOARD>();
  gReceived.clear();
  SimulateKeyStroke('F', false, false, true);
  ProcessPendingMessages();
  std::vector<UINT> messages;
  for (const Received& r : InRange(WM_KEYDOWN, WM_SYSCHAR)) messages.push_back(r.message);
  EXPECT_EQ(messages, (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP,
                                         WM_SYSKEYUP}));
  EXPECT_EQ(ReceivedOf(WM_SYSCHAR)[0].wParam, static_cast<WPARAM>('f'));
  EXPECT_NE(gHookCalls[WH_KEYBOARD][1].lParam & (1 << 29), 0);  // Alt was down
}

TEST_F(SimulatedInput, ASwallowedKeyReachesNoWindowAndIsReportedSkipped) {
  SetFocus(button);
  Record<WH_KEYBOARD>();
  Record<WH_CBT>();
  gHookAnswer = [](int kind, int, WPARAM wParam, LPARAM) -> LRESULT {
    return kind == WH_KEYBOARD && wParam == 'X' ? 1 : 0;
  };
  gReceived.clear();
  SimulateKeyStroke('X');
  SimulateKeyStroke('Y');
  ProcessPendingMessages();
  for (const Received& r : InRange(WM_KEYDOWN, WM_SYSCHAR)) EXPECT_NE(r.wParam, 'X');
  EXPECT_EQ(ReceivedOf(WM_CHAR).size(), 1u);
  ASSERT_EQ(CbtCalls(HCBT_KEYSKIPPED).size(), 2u);
  EXPECT_EQ(CbtCalls(HCBT_KEYSKIPPED)[0].wParam, static_cast<WPARAM>('X'));
}

// A typed key reaches the keyboard hooks as its message is taken from the queue, once what was
// queued before it has been handled and before the window or the get-message hooks see it, with
// the flags of the moment it was typed. Peeking without removing it, or a key message that
// program code posts, reaches no keyboard hook.
TEST_F(SimulatedInput, KeyboardHooksSeeATypedKeyWhenItsMessageIsRetrieved) {
  SetFocus(button);
  Record<WH_KEYBOARD>();
  Record<WH_GETMESSAGE>();
  static std::vector<size_t> receivedAtKeyHook;
  static std::vector<size_t> retrievedAtKeyHook;
  receivedAtKeyHook.clear();
  retrievedAtKeyHook.clear();
  gHookAnswer = [](int kind, int, WPARAM, LPARAM) -> LRESULT {
    if (kind == WH_KEYBOARD) {
      receivedAtKeyHook.push_back(gReceived.size());
      retrievedAtKeyHook.push_back(gHookCalls[WH_GETMESSAGE].size());
    }
    return 0;
  };
  PostMessageA(button, WM_USER, 0, 0);
  SimulateKeyDown(VK_MENU);
  SimulateKeyDown('F');
  SimulateKeyUp(VK_MENU);
  EXPECT_TRUE(gHookCalls[WH_KEYBOARD].empty());
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, 0, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_NOREMOVE));
  EXPECT_TRUE(gHookCalls[WH_KEYBOARD].empty());
  gReceived.clear();
  gHookCalls[WH_GETMESSAGE].clear();
  ProcessPendingMessages();

  const auto& hooked = gHookCalls[WH_KEYBOARD];
  ASSERT_EQ(hooked.size(), 3u);
  EXPECT_EQ(hooked[1].code, HC_ACTION);
  EXPECT_EQ(hooked[1].wParam, static_cast<WPARAM>('F'));
  EXPECT_EQ(static_cast<DWORD>(hooked[1].lParam), 0x20000001u);  // Alt was down when typed
  EXPECT_EQ(receivedAtKeyHook[0], 1u);  // WM_USER handled, the key not yet received
  EXPECT_EQ(retrievedAtKeyHook[0], 1u);
  EXPECT_EQ(retrievedAtKeyHook[1], 2u);  // the Alt key-down went to the get-message hooks next

  gHookCalls.clear();
  gReceived.clear();
  PostMessageA(button, WM_KEYDOWN, 'A', 1);
  ProcessPendingMessages();
  EXPECT_EQ(ReceivedOf(WM_KEYDOWN).size(), 1u);
  EXPECT_EQ(ReceivedOf(WM_CHAR).size(), 1u);
  EXPECT_TRUE(gHookCalls[WH_KEYBOARD].empty());
}

// A key the keyboard hooks discard is taken from the queue and reported skipped; the retrieval
// returns the next message instead, whichever way it retrieves.
TEST_F(SimulatedInput, AKeyTheKeyboardHooksDiscardGivesWayToTheNextMessage) {
  SetFocus(button);
  Record<WH_KEYBOARD>();
  Record<WH_CBT>();
  Record<WH_GETMESSAGE>();
  gHookAnswer = [](int kind, int, WPARAM wParam, LPARAM) -> LRESULT {
    return kind == WH_KEYBOARD && wParam == 'X' ? 1 : 0;
  };
  for (const BYTE key : {'X', 'Y', 'X', 'Z'}) SimulateKeyDown(key);
  MSG msg;
  ASSERT_EQ(GetMessageA(&msg, 0, 0, 0), 1);
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>('Y'));
  ASSERT_TRUE(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>('Z'));
  EXPECT_FALSE(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE));

  ASSERT_EQ(CbtCalls(HCBT_KEYSKIPPED).size(), 2u);
  EXPECT_EQ(CbtCalls(HCBT_KEYSKIPPED)[1].wParam, static_cast<WPARAM>('X'));
  EXPECT_EQ(CbtCalls(HCBT_KEYSKIPPED)[1].lParam, 0x40000001);  // X was still down: a repeat
  EXPECT_EQ(gHookCalls[WH_GETMESSAGE].size(), 2u);             // only the keys let through
}

// What a keyboard hook posts for a key is handled after the key and the character it types: a
// check it defers sees what the window made of the key.
TEST_F(SimulatedInput, AMessageAKeyboardHookPostsComesAfterTheKey) {
  SetFocus(button);
  Record<WH_KEYBOARD>();
  static HWND target;
  target = panel;
  gHookAnswer = [](int kind, int, WPARAM, LPARAM lParam) -> LRESULT {
    if (kind == WH_KEYBOARD && lParam >= 0) PostMessageA(target, WM_USER, 0, 0);
    return 0;
  };
  gReceived.clear();
  SimulateKeyDown('A');
  ProcessPendingMessages();
  EXPECT_EQ(Sequence(), (std::vector<std::pair<HWND, UINT>>{
                            {button, WM_KEYDOWN}, {button, WM_CHAR}, {panel, WM_USER}}));
}

TEST_F(SimulatedInput, KeyStateFollowsPressesAndTogglesPerPress) {
  EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
  SimulateKeyDown(VK_SHIFT);
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);
  EXPECT_EQ(GetKeyState(VK_SHIFT) & 1, 1);
  SimulateKeyDown(VK_SHIFT);  // a repeat does not toggle again
  EXPECT_EQ(GetKeyState(VK_SHIFT) & 1, 1);
  SimulateKeyUp(VK_SHIFT);
  EXPECT_EQ(GetKeyState(VK_SHIFT), 1);
  SimulateKeyStroke(VK_SHIFT);
  EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
  EXPECT_EQ(GetKeyState(0x1234), 0);
}

TEST_F(SimulatedInput, KeysGoToTheActiveWindowWhenNothingHasTheFocus) {
  SetFocus(0);
  gReceived.clear();
  SimulateKeyStroke(VK_ESCAPE);
  ProcessPendingMessages();
  ASSERT_FALSE(ReceivedOf(WM_KEYDOWN).empty());
  EXPECT_EQ(ReceivedOf(WM_KEYDOWN)[0].hwnd, form);
  EXPECT_EQ(ReceivedOf(WM_CHAR)[0].wParam, 0x1Bu);
}
