#pragma once
// The folder that stands in for the Windows directory, where INI files named without a folder
// live (the private-profile rule).

#include <string>
#include <string_view>

// $WINDIR when it is set and not empty; otherwise the per-user folder
// $XDG_CONFIG_HOME/tracebook/windows, or ~/.config/tracebook/windows when XDG_CONFIG_HOME is unset
// or empty. The folder is not created here: writers create it on first use.
std::string GetWindowsDirectory();

// A bare file name ("DELPHI.INI") placed in the Windows directory; a name with a folder in it is
// left as it is.
std::string PrivateProfileFileName(std::string_view fileName);
