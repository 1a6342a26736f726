// The viewer's command line: --help; --export, which writes a log's rows as the window would
// export them; and --steps, which writes its steps report; both without a window and without a
// display.

#include "viewer/core/command_line.h"

#include <sys/stat.h>

#include <string_view>
#include <utility>

#include "platform/sysutils.h"
#include "viewer/core/event_view.h"
#include "viewer/core/filter_state.h"
#include "viewer/core/row_export.h"
#include "viewer/core/startup.h"
#include "viewer/core/steps_export.h"

namespace {

constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

constexpr const char* kHelpText =
    "Usage: oxlane [--follow] [LOG]\n"
    "       oxlane --export LOG OUT [--format txt|csv]\n"
    "       oxlane --steps LOG OUT\n"
    "       oxlane --help\n"
    "\n"
    "Without options oxlane opens its window, showing LOG when it is given.\n"
    "\n"
    "  --follow           Opens the window in follow mode (View > Follow): records\n"
    "                     appended to LOG are shown as they are written.\n"
    "  --export LOG OUT   Writes the rows of LOG to OUT and ends, without opening a window\n"
    "                     (no display is needed). Every group is expanded, the record\n"
    "                     classes are filtered as the settings (Oxlane.ini) say, and every\n"
    "                     row of every session is written, however old the log is; rows\n"
    "                     before the first session are left out, as the window leaves them\n"
    "                     out. OUT \"-\" is the standard output; an existing OUT is\n"
    "                     overwritten.\n"
    "  --format txt|csv   The format of the export: txt, one line per row with tabs between\n"
    "                     its time, event and data; csv, comma-separated values. Without\n"
    "                     this option an OUT ending in \".csv\" is csv and anything else txt.\n"
    "  --steps LOG OUT    Writes the steps report of LOG to OUT and ends: what the user\n"
    "                     did, one numbered step per row, under the headings of the\n"
    "                     sessions and sections, with the time from the session's start.\n"
    "                     The rows are those --export writes. An OUT ending in \".html\" or\n"
    "                     \".htm\" is one HTML page, anything else (\"-\" too) plain text.\n"
    "  --help             Shows this text.\n"
    "\n"
    "Exit status: 0 when done; 1 when the log cannot be read, is damaged (the rows before\n"
    "the damage are written first) or OUT cannot be written; 2 for a wrong command line.\n";

struct TExportRequest {
  std::string Log;
  std::string Out;
  std::optional<TExportFormat> Format;
  bool Steps = false;  // the steps report instead of the rows
};

struct TParsedLine {
  enum TKind { pkWindow, pkHelp, pkExport, pkUsageError };
  TKind Kind = pkWindow;
  TExportRequest Export;
  std::string Error;
};

TParsedLine UsageError(std::string error) {
  return {TParsedLine::pkUsageError, {}, std::move(error)};
}

bool IsFormatOption(std::string_view argument) {
  return argument == "--format" || argument.starts_with("--format=");
}

bool IsOwnOption(std::string_view argument) {
  return argument == "--help" || argument == "-h" || argument == "--export" ||
         argument == "--steps" || IsFormatOption(argument);
}

std::optional<TExportFormat> FormatNamed(std::string_view name) {
  if (SameText(name, "txt")) return TExportFormat::efText;
  if (SameText(name, "csv")) return TExportFormat::efCsv;
  return std::nullopt;
}

// A command line without options of ours belongs to the window, which takes its log from it and
// leaves the toolkit's own options ("-platform", "-style") to the toolkit.
TParsedLine Parse(const std::vector<std::string>& arguments) {
  bool ours = false;
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") return {TParsedLine::pkHelp, {}, {}};
    ours = ours || IsOwnOption(argument);
  }
  if (!ours) return {};

  bool exportAsked = false;
  bool stepsAsked = false;
  std::optional<TExportFormat> format;
  std::vector<std::string> files;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--export") {
      exportAsked = true;
    } else if (argument == "--steps") {
      stepsAsked = true;
    } else if (IsFormatOption(argument)) {
      std::string name;
      if (argument == "--format") {
        if (i + 1 == arguments.size()) return UsageError("--format needs a value: txt or csv");
        name = arguments[++i];
      } else {
        name = argument.substr(std::string_view("--format=").size());
      }
      format = FormatNamed(name);
      if (!format) return UsageError("unknown export format \"" + name + "\": use txt or csv");
    } else if (argument == "--follow") {
      return UsageError("--follow is for the window: it does not go with --export or --steps");
    } else if (argument.size() > 1 && argument[0] == '-') {
      return UsageError("unknown option \"" + argument + "\"");
    } else {
      files.push_back(argument);
    }
  }
  if (exportAsked && stepsAsked) return UsageError("--export and --steps cannot go together");
  if (!exportAsked && !stepsAsked) return UsageError("--format goes with --export");
  if (stepsAsked && format) return UsageError("--format goes with --export, not --steps");
  const char* option = stepsAsked ? "--steps" : "--export";
  if (files.size() != 2)
    return UsageError(std::string(option) + " needs a log and an output file (or -)");
  return {TParsedLine::pkExport, {files[0], files[1], format, stepsAsked}, {}};
}

// The filter window's filter with neither time box checked, over the settings' type filter:
// every row of a session passes whatever its age; rows before the first session (time 0) do not.
class TExportFilter : public TViewFilter {
 public:
  explicit TExportFilter(const TOXOptions& settings) : FSettings(settings) {}
  bool IsEventShown(std::string_view className) const override {
    return FSettings.IsEnabled(className);
  }
  TDateTime FilterFrom() const override { return kUnboundedFilterFrom; }
  TDateTime FilterTo() const override { return kUnboundedFilterTo; }

 private:
  const TOXOptions& FSettings;
};

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// While the export runs, the settings' complaints (an unusable date-time format) go to `err`.
class TSettingsErrors {
 public:
  TSettingsErrors(TOXOptions& settings, std::ostream& err)
      : FSettings(settings), FOld(std::move(settings.OnError)) {
    settings.OnError = [&err](const std::string& text) {
      err << "oxlane: " << OnOneLine(text) << '\n';
    };
  }
  ~TSettingsErrors() { FSettings.OnError = std::move(FOld); }
  TSettingsErrors(const TSettingsErrors&) = delete;
  TSettingsErrors& operator=(const TSettingsErrors&) = delete;

 private:
  TOXOptions& FSettings;
  std::function<void(const std::string&)> FOld;
};

int Export(const TExportRequest& request, TOXOptions& settings, std::ostream& out,
           std::ostream& err) {
  const bool toStandardOutput = request.Out == "-";
  if (!toStandardOutput && SameFile(request.Log, request.Out)) {
    err << "oxlane: \"" << request.Out << "\" is the log itself; it is not overwritten.\n";
    return kFailed;
  }
  const TSettingsErrors settingsErrors(settings, err);
  LoadPackagesAndSettings(settings);

  const TExportFilter filter(settings);
  TEventView view(settings);
  view.SetFilterWindow(&filter);
  const TLoadResult loaded = view.Load(request.Log);
  if (loaded.Outcome == TLoadOutcome::loMissing) {
    err << "oxlane: the log \"" << request.Log << "\" does not exist.\n";
    return kFailed;
  }
  if (loaded.Outcome == TLoadOutcome::loNotALog || loaded.Outcome == TLoadOutcome::loBeingWritten) {
    err << "oxlane: " << OnOneLine(loaded.Message) << '\n';
    return kFailed;
  }
  view.ExpandAll();

  try {
    if (request.Steps) {
      const TStepsFormat format = StepsFormatOf(request.Out);
      if (toStandardOutput) {
        ExportSteps(view, format, out);
      } else {
        ExportStepsToFile(view, format, request.Out);
      }
    } else {
      const TExportFormat format = request.Format.value_or(ExportFormatOf(request.Out));
      if (toStandardOutput) {
        ExportRows(view, format, out);
      } else {
        ExportRowsToFile(view, format, request.Out);
      }
    }
  } catch (const EInOutError& error) {
    err << "oxlane: " << error.Message() << '\n';
    return kFailed;
  }
  if (loaded.Outcome == TLoadOutcome::loDamaged) {
    const std::string reason = loaded.Message.substr(0, loaded.Message.find('\r'));
    err << "oxlane: the log \"" << request.Log << "\" is damaged: " << OnOneLine(reason)
        << "\noxlane: the " << (request.Steps ? "steps of the rows" : "rows")
        << " read before the damage were " << (request.Steps ? "written" : "exported") << ".\n";
    return kFailed;
  }
  return 0;
}

}  // namespace

std::optional<int> RunCommandLine(const std::vector<std::string>& arguments, TOXOptions& settings,
                                  std::ostream& out, std::ostream& err) {
  const TParsedLine line = Parse(arguments);
  switch (line.Kind) {
    case TParsedLine::pkWindow:
      return std::nullopt;
    case TParsedLine::pkHelp:
      out << kHelpText;
      return out.flush() ? 0 : kFailed;
    case TParsedLine::pkUsageError:
      err << "oxlane: " << line.Error << "\nTry \"oxlane --help\".\n";
      return kBadUsage;
    case TParsedLine::pkExport:
      break;
  }
  try {
    return Export(line.Export, settings, out, err);
  } catch (const std::exception& error) {
    err << "oxlane: " << OnOneLine(error.what()) << '\n';
    return kFailed;
  }
}
