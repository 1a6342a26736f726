#pragma once
// Additional packages: shared objects named in the "Packages" section of TrcBook.ini beside the
// program, whose capture proxies register record classes from outside the library when loaded.

#include <vector>

#include "platform/win32/win32_types.h"

// Loads every package the section names, in file order: the value after the first "=", without
// the blanks around it; a bare file name is found beside the program first. Never fails: lines
// without "=" or without a value, and packages that do not load, are skipped. Loading twice
// loads (and records) them again.
void LoadPackages();
// The packages loaded so far, in loading order.
const std::vector<HMODULE>& LoadedPackages();
// Unloads them, last loaded first (library unload).
void UnloadPackages();
