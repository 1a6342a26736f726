#pragma once
// The five thread hooks through which the engine sees the host thread's input, messages and window
// notifications while a log runs.

// Installs the keyboard, mouse, call-window-procedure, CBT and get-message hooks, in that order,
// for the calling thread.
void InstallHooks();
// Removes them in the order CBT, call-window-procedure, mouse, keyboard, get-message.
void RemoveHooks();
