#pragma once
// The viewer's command line without a window: --help, --export and --steps.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "viewer/core/settings.h"

// Runs the command line when it asks for something done without a window (--help, --export LOG
// OUT [--format txt|csv], --steps LOG OUT) and gives the exit code; std::nullopt when the window
// is to open. Both load LOG with every group expanded under the settings' type filter; --export
// writes what the window would export, --steps the steps report of those rows. OUT "-" is the
// standard output `out`. Errors go to `err`, after what could be written.
std::optional<int> RunCommandLine(const std::vector<std::string>& arguments, TOXOptions& settings,
                                  std::ostream& out, std::ostream& err);
