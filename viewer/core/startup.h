#pragma once
// What the viewer prepares before its window exists.

#include "viewer/core/settings.h"

// Loads the additional packages named in TrcBook.ini, then the settings: the settings' class list
// is built from the registered record classes, so the packages' classes get their display entries
// (shown, in their own look, and listed in Options) like every other class.
void LoadPackagesAndSettings(TOXOptions& settings);
