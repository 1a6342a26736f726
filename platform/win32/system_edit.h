#pragma once
// The system's own edit window class, "Edit": a one-line text field for windows that are not the
// framework's (a combo box's edit part, for one). Typing printable characters and Backspace
// changes its text and tells the parent EN_UPDATE and EN_CHANGE; text set with WM_SETTEXT does
// too; gaining and losing the focus tell it EN_SETFOCUS and EN_KILLFOCUS. The notifications are
// WM_COMMAND with the edit's control identifier and the code, and the edit's window in lParam.

#include "platform/win32/windows.h"

constexpr char kSystemEditClass[] = "Edit";

// Registers the class unless a class of that name exists already.
void RegisterSystemEditClass();
