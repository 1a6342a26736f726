#pragma once
// What the viewer prepares before its window exists.

#include <string>
#include <vector>

#include "viewer/core/settings.h"

// Loads the additional packages named in TrcBook.ini, then the settings: the settings' class list
// is built from the registered record classes, so the packages' classes get their display entries
// (shown, in their own look, and listed in Options) like every other class.
void LoadPackagesAndSettings(TOXOptions& settings);

// The log the window shows first, empty for none: the first of the command-line arguments (the
// program's name not among them) as a full path, when there is one and it exists; with no
// argument, the last log shown, when it still exists. A last log that is gone is forgotten with
// its collapsed rows, quietly: nothing was asked for, so nothing is reported.
std::string ChooseStartupLog(const std::vector<std::string>& arguments, TOXOptions& settings);

// Takes every "--follow" out of the window's arguments; whether there was one. The window then
// starts in follow mode.
bool TakeFollowOption(std::vector<std::string>& arguments);
