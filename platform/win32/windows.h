#pragma once
// The simulated windowing core: windows and their table, messages and the thread's message queue,
// thread hooks, focus and activation, and the process and module queries of the windowing
// interface. Calls, constants and structure layouts follow the published interface, so that code
// written against it reads as it would on the real system.
//
// Simplifications: a window has no non-client area (its client rectangle is its window rectangle);
// there is one desktop; every window belongs to the thread that created it, and the hooks and the
// message queue are per thread.

#include <cstdint>
#include <string>

#include "platform/win32/win32_types.h"

// ---- structures -------------------------------------------------------------------------------

struct POINT {
  LONG x = 0;
  LONG y = 0;
};

struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
};

struct MSG {
  HWND hwnd = 0;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  POINT pt;
};

// What a call-window-procedure hook receives (lParam of the hook).
struct CWPSTRUCT {
  LPARAM lParam;
  WPARAM wParam;
  UINT message;
  HWND hwnd;
};

// What a mouse hook receives (lParam of the hook); pt is in screen coordinates.
struct MOUSEHOOKSTRUCT {
  POINT pt;
  HWND hwnd;
  UINT wHitTestCode;
  ULONG_PTR dwExtraInfo;
};

// lParam of the HCBT_ACTIVATE notification.
struct CBTACTIVATESTRUCT {
  BOOL fMouse;
  HWND hWndActive;
};

// What WM_CREATE receives (lParam), and what a CBT hook receives for HCBT_CREATEWND (lParam); a
// CBT hook may change the position and size before the window is created.
struct CREATESTRUCTA {
  void* lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  const char* lpszName;
  const char* lpszClass;
  DWORD dwExStyle;
};

struct CBT_CREATEWNDA {
  CREATESTRUCTA* lpcs;
  HWND hwndInsertAfter;
};

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using HOOKPROC = LRESULT (*)(int code, WPARAM wParam, LPARAM lParam);

struct WNDCLASSA {
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  HINSTANCE hInstance = 0;
  const char* lpszClassName = nullptr;
};

// ---- constants --------------------------------------------------------------------------------

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_MOUSEACTIVATE = 0x0021;
constexpr UINT WM_WINDOWPOSCHANGED = 0x0047;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_CONTEXTMENU = 0x007B;
constexpr UINT WM_NCHITTEST = 0x0084;
constexpr UINT WM_GETDLGCODE = 0x0087;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_SYSCHAR = 0x0106;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115;
constexpr UINT WM_INITMENU = 0x0116;
constexpr UINT WM_INITMENUPOPUP = 0x0117;
constexpr UINT WM_MENUSELECT = 0x011F;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_USER = 0x0400;

// WM_ACTIVATE states.
constexpr WORD WA_INACTIVE = 0;
constexpr WORD WA_ACTIVE = 1;
constexpr WORD WA_CLICKACTIVE = 2;

// WM_SIZE kinds.
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXIMIZED = 2;

// WM_MOUSEACTIVATE answers.
constexpr LRESULT MA_ACTIVATE = 1;
constexpr LRESULT MA_ACTIVATEANDEAT = 2;
constexpr LRESULT MA_NOACTIVATE = 3;
constexpr LRESULT MA_NOACTIVATEANDEAT = 4;

// WM_SYSCOMMAND commands.
constexpr WPARAM SC_SIZE = 0xF000;
constexpr WPARAM SC_MOVE = 0xF010;
constexpr WPARAM SC_MINIMIZE = 0xF020;
constexpr WPARAM SC_MAXIMIZE = 0xF030;
constexpr WPARAM SC_CLOSE = 0xF060;
constexpr WPARAM SC_RESTORE = 0xF120;

// Hooks.
constexpr int WH_KEYBOARD = 2;
constexpr int WH_GETMESSAGE = 3;
constexpr int WH_CALLWNDPROC = 4;
constexpr int WH_CBT = 5;
constexpr int WH_MOUSE = 7;
constexpr int HC_ACTION = 0;
constexpr int HC_NOREMOVE = 3;
constexpr int HCBT_MOVESIZE = 0;
constexpr int HCBT_MINMAX = 1;
constexpr int HCBT_QS = 2;
constexpr int HCBT_CREATEWND = 3;
constexpr int HCBT_DESTROYWND = 4;
constexpr int HCBT_ACTIVATE = 5;
constexpr int HCBT_CLICKSKIPPED = 6;
constexpr int HCBT_KEYSKIPPED = 7;
constexpr int HCBT_SYSCOMMAND = 8;
constexpr int HCBT_SETFOCUS = 9;

// PeekMessage options.
constexpr UINT PM_NOREMOVE = 0;
constexpr UINT PM_REMOVE = 1;

// Show commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;

// Window styles.
constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_MINIMIZE = 0x20000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_MAXIMIZE = 0x01000000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_HSCROLL = 0x00100000;
constexpr DWORD WS_TABSTOP = 0x00010000;

// Window data indexes.
constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr int GWLP_WNDPROC = -4;
constexpr int GWLP_ID = -12;
constexpr int GWLP_USERDATA = -21;

// Hit-test codes.
constexpr UINT HTNOWHERE = 0;
constexpr UINT HTCLIENT = 1;
constexpr UINT HTCAPTION = 2;

// Mouse-message key flags.
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;

// Virtual keys.
constexpr BYTE VK_LBUTTON = 0x01;
constexpr BYTE VK_RBUTTON = 0x02;
constexpr BYTE VK_BACK = 0x08;
constexpr BYTE VK_TAB = 0x09;
constexpr BYTE VK_RETURN = 0x0D;
constexpr BYTE VK_SHIFT = 0x10;
constexpr BYTE VK_CONTROL = 0x11;
constexpr BYTE VK_MENU = 0x12;
constexpr BYTE VK_ESCAPE = 0x1B;
constexpr BYTE VK_SPACE = 0x20;
constexpr BYTE VK_PRIOR = 0x21;
constexpr BYTE VK_NEXT = 0x22;
constexpr BYTE VK_END = 0x23;
constexpr BYTE VK_HOME = 0x24;
constexpr BYTE VK_LEFT = 0x25;
constexpr BYTE VK_UP = 0x26;
constexpr BYTE VK_RIGHT = 0x27;
constexpr BYTE VK_DOWN = 0x28;
constexpr BYTE VK_DELETE = 0x2E;
constexpr BYTE VK_NUMPAD0 = 0x60;  // VK_NUMPAD0 + n for the keypad's digit n
constexpr BYTE VK_MULTIPLY = 0x6A;
constexpr BYTE VK_ADD = 0x6B;
constexpr BYTE VK_SUBTRACT = 0x6D;
constexpr BYTE VK_DECIMAL = 0x6E;
constexpr BYTE VK_DIVIDE = 0x6F;
constexpr BYTE VK_F1 = 0x70;     // VK_F1 + n - 1 for F1 to F12
constexpr BYTE VK_OEM_1 = 0xBA;  // ";:" on the US keyboard
constexpr BYTE VK_OEM_PLUS = 0xBB;
constexpr BYTE VK_OEM_COMMA = 0xBC;
constexpr BYTE VK_OEM_MINUS = 0xBD;
constexpr BYTE VK_OEM_PERIOD = 0xBE;
constexpr BYTE VK_OEM_2 = 0xBF;  // "/?"
constexpr BYTE VK_OEM_3 = 0xC0;  // "`~"
constexpr BYTE VK_OEM_4 = 0xDB;  // "[{"
constexpr BYTE VK_OEM_5 = 0xDC;  // "\|"
constexpr BYTE VK_OEM_6 = 0xDD;  // "]}"
constexpr BYTE VK_OEM_7 = 0xDE;  // "'\""

// ---- helpers of the interface -----------------------------------------------------------------

constexpr WORD LOWORD(uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
  return static_cast<LPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
  return static_cast<WPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}

// ---- window classes and windows ---------------------------------------------------------------

// Registers a window class by name; registering a name again replaces nothing and returns 0.
ATOM RegisterClassA(const WNDCLASSA& wndClass);
// Creates a window of a registered class (WM_CREATE is sent, HCBT_CREATEWND raised first). For a
// child window, `menuOrId` is its control identifier; a top-level window given a parent is owned
// by that parent's top-level window (destroyed with it). HCBT_CREATEWND gets a CBT_CREATEWNDA and
// WM_CREATE a CREATESTRUCTA (answering -1 fails the creation). WS_VISIBLE shows the window once
// created, as ShowWindow(SW_SHOW) does. Returns 0 when the class or parent is unknown or a CBT
// hook refuses the creation.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                     int x, int y, int width, int height, HWND parent, HMENU menuOrId,
                     HINSTANCE instance, void* param);
// Destroys the window, its children and its owned windows (HCBT_DESTROYWND first, for this window
// only; then WM_DESTROY, children first). Focus and activation leave the window first; the
// activation goes on as when the window is hidden.
BOOL DestroyWindow(HWND hwnd);
// Every call that takes a handle also accepts its 16-bit form (the low word of the handle).
BOOL IsWindow(HWND hwnd);
LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LONG_PTR GetWindowLongPtrA(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);  // returns the old value
int GetClassNameA(HWND hwnd, char* buffer, int size);              // 0 for no window
int GetWindowTextA(HWND hwnd, char* buffer, int size);             // sends WM_GETTEXT
int GetWindowTextLengthA(HWND hwnd);                               // sends WM_GETTEXTLENGTH
BOOL SetWindowTextA(HWND hwnd, const char* text);                  // sends WM_SETTEXT
HWND GetParent(HWND hwnd);
HWND SetParent(HWND child, HWND newParent);
// The window's first child (GW_CHILD) or next sibling (GW_HWNDNEXT), from the bottom of the
// stacking order up.
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_CHILD = 5;
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND hwnd);
HWND GetAncestorTopLevel(HWND hwnd);  // the outermost window that contains it (GetAncestor GA_ROOT)
DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId);

BOOL EnableWindow(HWND hwnd, BOOL enable);  // sends WM_ENABLE; returns whether it was disabled
BOOL IsWindowEnabled(HWND hwnd);
// Hides, shows, minimises, maximises or restores; minimising, maximising and restoring raise
// HCBT_MINMAX with the show command first and do nothing when a hook refuses (no notification
// when the window is already in that state). SW_SHOW, SW_SHOWNORMAL, SW_RESTORE and SW_MAXIMIZE
// activate a top-level window; the minimising commands never do. Hiding or minimising the active
// window activates the next top-level window below it that can be active (visible, enabled, not
// minimised), or else the topmost one above it; none is active when there is no such window. A
// maximised window fills the screen (1024 x 768) or its parent's client area; a minimised one keeps
// its rectangle. Returns whether the window was visible before.
BOOL ShowWindow(HWND hwnd, int command);
BOOL IsWindowVisible(HWND hwnd);  // the window and all its parents visible
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);

// Rectangles: a top-level window's in screen coordinates, a child's in its parent's client
// coordinates. GetWindowRect always answers in screen coordinates. Positions lie within
// ±kMaxCoordinate and sizes within 0 to kMaxCoordinate pixels: the calls that place a window, and
// simulated input, bring what they are given within those bounds, and the conversions between
// client and screen coordinates stop at the ends of the 32-bit range, so that no sum of
// coordinates overflows.
constexpr int kMaxCoordinate = 1000000;
int BoundedPosition(int64_t value);
int BoundedSize(int64_t value);
// The sum of two coordinates, stopping at the ends of the 32-bit range.
LONG SaturatedSum(int64_t a, int64_t b);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL GetWindowRect(HWND hwnd, RECT* rect);
BOOL GetClientRect(HWND hwnd, RECT* rect);
BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
// The deepest visible window at a screen point (disabled children included, minimised windows
// not), or 0. Later-created windows lie on top of earlier ones, and an activated top-level window
// on top of the others.
HWND WindowFromPoint(POINT point);
// The visible direct child of `parent` at a point of its client area, `parent` itself when no
// child is there, 0 outside it.
HWND ChildWindowFromPoint(HWND parent, POINT point);

// ---- focus and activation ---------------------------------------------------------------------

// HCBT_SETFOCUS first (wParam the window gaining, lParam the one losing); then WM_KILLFOCUS to
// the old and WM_SETFOCUS to the new window; activates the new window's top-level window first
// when it is not active. Returns the window that had the focus; 0 (focus unchanged) for a window
// of another thread, or one that is hidden, disabled or minimised or lies in such a window, or
// when a hook refuses. SetFocus(0) removes the focus. The focus leaves a window that is hidden,
// disabled or destroyed, or whose top-level window stops being active.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
// HCBT_ACTIVATE first (lParam a CBTACTIVATESTRUCT); then WM_ACTIVATE (WA_INACTIVE) to the old and
// WM_ACTIVATE (WA_ACTIVE) to the new top-level window; the default handling of WM_ACTIVATE gives
// the window the focus. Only a visible, enabled top-level window can be active (a child names its
// top-level window); it comes to the top of the stacking order, with the windows it owns above
// it. Returns the window that was active, 0 on failure.
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
// The mouse capture: while a window of the thread has it, the mouse's messages go to that window
// wherever the pointer is (a drag that leaves the window keeps reaching it). SetCapture returns
// the window that had it; a destroyed window loses it.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
// The pointer's position in screen coordinates, where the last simulated mouse message left it.
BOOL GetCursorPos(POINT* point);
BOOL SetForegroundWindow(HWND hwnd);

// ---- messages ---------------------------------------------------------------------------------

// Runs the thread's WH_CALLWNDPROC hooks, then the window procedure. 0 for no window. A message
// for another thread's window waits until that thread retrieves messages (GetMessageA,
// PeekMessageA, ProcessPendingMessages), which delivers it through its own hooks.
LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues the message for the window's thread (hwnd 0: a thread message). FALSE for no window.
BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// Takes the next message (waiting while the queue is empty); FALSE for WM_QUIT, -1 when `hwnd`
// names no window. A key message of the simulated keyboard first goes through the thread's
// WH_KEYBOARD hooks (HC_ACTION, the virtual key, the keystroke flags of the moment it was typed):
// one that answers non-zero discards it (HCBT_KEYSKIPPED to the WH_CBT hooks) and the next
// message is taken. Then the WH_GETMESSAGE hooks see it (wParam PM_REMOVE, lParam the MSG's
// address). Key messages that program code posts reach no keyboard hook.
BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax);
// As GetMessageA without waiting; FALSE when nothing is queued. With PM_NOREMOVE the message stays
// queued and only the WH_GETMESSAGE hooks see it (wParam PM_NOREMOVE).
BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMessage);
// Generates WM_CHAR for WM_KEYDOWN of a character key (and WM_SYSCHAR for WM_SYSKEYDOWN).
BOOL TranslateMessage(const MSG* msg);
// Calls the window procedure of msg->hwnd (no WH_CALLWNDPROC hooks).
LRESULT DispatchMessageA(const MSG* msg);
// Retrieves (as GetMessageA does, hooks included), translates and dispatches every message queued
// for the calling thread, and the ones they queue, until the queue is empty; returns whether
// WM_QUIT was met (it stays queued).
bool ProcessPendingMessages();

// ---- hooks ------------------------------------------------------------------------------------

// Installs a thread hook; chained newest first. 0 for an unknown hook id or thread (thread 0, the
// system-wide hook, is not supported).
HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
// Calls the next hook of the chain after `hook`; 0 at the end of the chain. A running hook that
// has unhooked itself still passes on with its own handle.
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
BOOL UnhookWindowsHookEx(HHOOK hook);
// Runs the thread's chain of one hook kind and returns what the first hook returned (0 without
// hooks). The core calls this; simulated input and the framework may too.
LRESULT CallHookChain(int idHook, int code, WPARAM wParam, LPARAM lParam);

// ---- keyboard state ---------------------------------------------------------------------------

// High bit set (negative) while the key is down; low bit toggled with each press.
int16_t GetKeyState(int virtualKey);
// The state of all 256 keys, one byte each: 0x80 while the key is down, 0x01 toggled.
BOOL GetKeyboardState(BYTE* keyState);
// The character that `virtualKey` types on the US keyboard with the Shift, Ctrl and Alt keys that
// `keyState` holds down: 1 with the character in chars[0], or 0 for a key that types none
// (function keys, arrows, modifiers). The scan code and flags are not used.
int ToAscii(UINT virtualKey, UINT scanCode, const BYTE* keyState, WORD* chars, UINT flags);

// ---- process and modules ----------------------------------------------------------------------

DWORD GetCurrentThreadId();
// The module (executable or shared object) whose image contains `address`.
HINSTANCE ModuleOfAddress(const void* address);
// The file name of a module; module 0 is the executable. Returns the length copied (0 on failure).
DWORD GetModuleFileNameA(HMODULE module, char* buffer, DWORD size);
// The handle of a loaded module by file name; nullptr names the executable; 0 when not loaded.
HMODULE GetModuleHandleA(const char* moduleName);

// ---- files ------------------------------------------------------------------------------------

// The short form of an existing file's or folder's name (here its absolute, canonical path). Returns
// its length when it fits `bufferLength` with its terminating zero; otherwise the buffer size it
// needs (zero included), leaving the buffer alone; 0 when the file does not exist.
DWORD GetShortPathNameA(const char* longPath, char* shortPath, DWORD bufferLength);

// ---- test support -----------------------------------------------------------------------------

// Destroys every window (without messages), forgets every class, hook, queued message and key
// state of the process: a clean desktop for the next test. Handles given out before are still
// never reused.
void ResetWindowingForTests();
