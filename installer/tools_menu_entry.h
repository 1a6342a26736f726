#pragma once
// Appending one entry to the IDE's Tools menu, kept in section "transfer" of its INI file.

#include <string>

#include "installer/install_options.h"
#include "platform/inifiles.h"

// The IDE's INI file, as the private-profile rules place it.
constexpr const char* kIdeIniFileName = "DELPHI.INI";

// The short form of `path` as the system gives it; empty when it has none (a missing file). A
// short form longer than the usual 255-character buffer is given whole.
std::string ShortPathOf(const std::string& path);

// Writes entry n = Count (0 when missing or not a number): Title n, Path n (short form),
// WorkingDir n, Params n, then Count = n + 1. Writes nothing when every value is empty, or when
// the section has no keys and Create is not set. Returns whether the entry was written. A failed
// write raises EIniFileException; the keys written before it stay.
bool AddToolsMenuEntry(const TInstallOptions& options, TIniFile& ini);
