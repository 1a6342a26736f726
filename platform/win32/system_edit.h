#pragma once
// The system's own edit window class, "Edit": a one-line text field for windows that are not the
// framework's (a combo box's edit part, for one). Typing printable characters, Backspace and
// Delete change its text (replacing the selection, EM_SETSEL) and tell the parent EN_UPDATE and
// EN_CHANGE; text set with WM_SETTEXT does too, leaving the caret after it; a click puts the
// caret after the text; gaining and losing the focus tell it EN_SETFOCUS and EN_KILLFOCUS. The
// notifications are WM_COMMAND with the edit's control identifier and the code, and the edit's
// window in lParam.

#include "platform/win32/windows.h"

constexpr char kSystemEditClass[] = "Edit";

// Registers the class unless a class of that name exists already.
void RegisterSystemEditClass();
