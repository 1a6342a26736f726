#pragma once
// The installer's command line: the four values of a Tools-menu entry and the Create flag.

#include <string>
#include <vector>

struct TInstallOptions {
  std::string Title;
  std::string Path;
  std::string WorkingDir;
  std::string Params;
  bool Create = false;
  bool Help = false;  // "--help" was given

  bool HasEntryValue() const {
    return !Title.empty() || !Path.empty() || !WorkingDir.empty() || !Params.empty();
  }
};

// Each parameter on its own, in order: one of at least 3 characters that begins with "-" or "/"
// is an option, its second character (any case) the letter T, P, W, A or C and the rest its value;
// anything else is ignored, and a later option replaces an earlier one of the same letter. A value
// that begins and ends with a quote (double or single, not necessarily the same) loses both; a
// value that is a lone quote becomes empty. "--help" itself is no option (its letter is "-"): it
// asks for the usage text.
TInstallOptions ParseInstallOptions(const std::vector<std::string>& parameters);

// What "--help" prints.
std::string InstallUsage();
