// Turning key-downs into characters: WM_CHAR for a character key, WM_SYSCHAR while Alt is down.

#include "platform/win32/core_internal.h"

namespace wincore {
namespace {

bool SameMessage(const MSG& a, const MSG& b) {
  return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam &&
         a.lParam == b.lParam && a.time == b.time;
}

// The modifiers that were down when the key was pressed: those queued with the message just
// retrieved, or the current ones for a message that was made by hand.
KeyModifiers ModifiersOf(const MSG& msg) {
  const QueuedMessage& last = CurrentThreadState().lastRetrieved;
  return SameMessage(msg, last.msg) ? last.modifiers : CurrentModifiers();
}

}  // namespace
}  // namespace wincore

BOOL TranslateMessage(const MSG* msg) {
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return 0;
  const char character = wincore::CharacterOf(msg->wParam, wincore::ModifiersOf(*msg));
  if (character == 0) return 0;
  const UINT charMessage = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  // The character comes next, before anything queued after the key-down.
  return wincore::QueueMessage(msg->hwnd, charMessage, static_cast<unsigned char>(character),
                               msg->lParam, true)
             ? 1
             : 0;
}
