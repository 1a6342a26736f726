#pragma once
// Packages: shared objects loaded at run time. Loading one runs its initialisation (its static
// constructors), unloading it runs its finalisation. A package's module handle is its image base,
// the handle the windowing interface gives for addresses inside it.

#include <string>

#include "platform/win32/windows.h"

// Raises EPackageError, naming the file and the loader's reason, when the object cannot be loaded.
HMODULE LoadPackage(const std::string& fileName);
// Each load is undone by one unload. Raises EPackageError for a handle that LoadPackage did not
// give (or that was unloaded as often as it was loaded).
void UnloadPackage(HMODULE module);
