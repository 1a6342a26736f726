#pragma once
// Hidden utility windows: a window that is never shown and hands every message sent or posted to
// it to a method, whose TMessage::Result answers the message.

#include <functional>

#include "platform/win32/windows.h"

using TWndMethod = std::function<void(TMessage& message)>;

HWND AllocateHWnd(TWndMethod method);
// Destroys a window made by AllocateHWnd; other handles are left alone. The method may destroy
// its own window while it handles a message.
void DeallocateHWnd(HWND window);
