#pragma once
// Message boxes. The platform has no screen to show them on: by default the text goes to the
// standard error stream; tests and hosts may put their own handler in its place.

#include <functional>
#include <string>

using TMessageBoxHandler = std::function<void(const std::string& text, const std::string& caption)>;

// Shows `text` in a message box titled `caption`.
void ShowMessageBox(const std::string& text, const std::string& caption);
// Replaces the handler (an empty one restores the default) and returns the one in place before.
TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler);
