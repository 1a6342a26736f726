// qvhost [--log FILE] FORMFILE [SCRIPT]: runs a form file on the simulated platform as a host
// program would, and plays a scripted user session against it (from SCRIPT, or from the standard
// input when it is absent). Any TKDTracebook of the form file may start its log when the form is
// loaded; --log replaces its Filename first. The first object of the form file is shown as the
// main form. At the end the forms are destroyed as a host's are when it ends, so a running log
// gets its end-of-session record.
//
// qvhost --design FORMFILE [SCRIPT]: opens the form file as the IDE's designer does: every object
// is designing before it is loaded, so no log starts. The editor of its TKDTracebook runs (the
// LogEvents dialog) while the script plays the user's part in it; the commands left when it
// returns play against the form file's objects. When the editor changed the form, the form file
// is written back whole, replacing the old one only once the new one is complete.
//
// The clock is fixed while the session runs and advances only by the script's "wait" commands, so
// that the gaps between the tick counts of a session are the same every time it is played (the
// first one is the machine's tick count when it starts).
//
// A file-size limit makes a write fail, as a full disk does, instead of ending the program: the
// platform it stands in for has no SIGXFSZ.
//
// A malformed form file or script, or a script command that cannot run, stops it with the file,
// the line and what is wrong on stderr and a non-zero exit; a log that cannot be opened, with the
// log's name and the reason; a form file that cannot be written back, with its name and the reason.

#include <csignal>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "capture/engine.h"
#include "capture/tracebook_component.h"
#include "log/log_strings.h"
#include "log/tracebook_error.h"
#include "platform/mmsystem.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/form_files.h"
#include "platform/vcl/forms.h"
#include "tools/host_commands.h"
#include "tools/host_design.h"
#include "tools/host_script.h"
#include "tools/host_session.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitBadForm = 3;
constexpr int kExitBadScript = 4;
constexpr int kExitBadLog = 5;
constexpr int kExitWriteFailed = 6;

constexpr char kUsage[] =
    "usage: qvhost [--log FILE] FORMFILE [SCRIPT]\n"
    "       qvhost --design FORMFILE [SCRIPT]\n";

struct TArguments {
  std::optional<std::string> LogFile;
  bool Design = false;
  std::string FormFile;
  std::optional<std::string> ScriptFile;
};

// A designed form logs nothing: --log and --design do not go together.
std::optional<TArguments> ParseArguments(int argc, char** argv) {
  TArguments arguments;
  int i = 1;
  for (;;) {
    const std::string option = i < argc ? argv[i] : "";
    if (option == "--log" && i + 1 < argc && !arguments.LogFile) {
      arguments.LogFile = argv[i + 1];
      i += 2;
    } else if (option == "--design" && !arguments.Design) {
      arguments.Design = true;
      ++i;
    } else {
      break;
    }
  }
  if (arguments.Design && arguments.LogFile) return std::nullopt;
  if (i == argc || std::string(argv[i]).starts_with("-") || argc - i > 2) return std::nullopt;
  arguments.FormFile = argv[i];
  if (i + 1 < argc) arguments.ScriptFile = argv[i + 1];
  return arguments;
}

std::string ReadAll(std::istream& in) {
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The script's commands; raises EParserError for a malformed line, EFOpenError for a missing file.
std::vector<TScriptCommand> LoadScript(const std::optional<std::string>& fileName) {
  if (!fileName) return ParseScript(ReadAll(std::cin), "stdin");
  std::ifstream file(*fileName, std::ios::binary);
  if (!file) throw EFOpenError("Cannot open file \"" + *fileName + "\"");
  return ParseScript(ReadAll(file), *fileName);
}

// The form file's objects, the first of them a form and at most one TKDTracebook starting its log
// as it is loaded (a second one could not: one log is open already); checked before Loaded runs,
// so that nothing starts logging for a file that cannot run. `startingLog` becomes the file of the
// log that is started.
std::vector<std::unique_ptr<TComponent>> LoadForms(const TArguments& arguments,
                                                   std::string& startingLog) {
  bool first = true;
  return ReadComponentsFile(arguments.FormFile, [&](TComponent& component) {
    if (std::exchange(first, false)) CheckFirstObject(component);
    auto* tracebook = dynamic_cast<TKDTracebook*>(&component);
    if (!tracebook) return;
    if (arguments.LogFile) tracebook->SetFilename(*arguments.LogFile);
    if (!tracebook->AutoStart()) return;
    if (!startingLog.empty()) throw ETracebookError(log_strings::SLogAlreadyOpen);
    startingLog = CompleteLogFileName(tracebook->Filename());
  });
}

// Whether a failure while the forms are loaded is the started log's: the log's own error, or a
// file error. The components of a form file open no other files.
bool IsLogFailure(const std::exception& error) {
  return dynamic_cast<const ETracebookError*>(&error) ||
         dynamic_cast<const EStreamError*>(&error) || dynamic_cast<const EInOutError*>(&error);
}

// Designs the form file: the editor of its TKDTracebook runs while the script plays, and the file
// is written back when the editor changed it. Answers the exit code. The forms are not shown, as
// the designer shows no running form: showing one would make it visible and give it an active
// control, and the file would be written back with both.
int Design(const TArguments& arguments, const std::vector<TScriptCommand>& script) {
  std::vector<std::unique_ptr<TComponent>> roots;
  try {
    roots = ReadFormFileToDesign(arguments.FormFile);
  } catch (const EParserError& e) {
    std::cerr << "qvhost: " << e.what() << '\n';
    return kExitBadForm;
  } catch (const std::exception& e) {
    std::cerr << "qvhost: " << arguments.FormFile << ": " << e.what() << '\n';
    return kExitBadForm;
  }
  TKDTracebook* tracebook = FindTracebook(roots);
  if (!tracebook) {
    std::cerr << "qvhost: " << arguments.FormFile << ": no TKDTracebook to design\n";
    return kExitBadForm;
  }
  int exitCode = 0;
  try {
    const bool played =
        PlaySession(roots, script, arguments.ScriptFile.value_or(std::string("stdin")),
                    [&] { EditTracebook(*tracebook, roots, arguments.FormFile); });
    if (!played) exitCode = kExitBadScript;
  } catch (const EFCreateError& e) {
    std::cerr << "qvhost: " << e.what() << '\n';
    exitCode = kExitWriteFailed;
  } catch (const std::exception& e) {
    std::cerr << "qvhost: " << arguments.FormFile << ": " << e.what() << '\n';
    exitCode = kExitBadForm;
  }
  while (!roots.empty()) roots.pop_back();
  DoneApplication();
  return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<TArguments> arguments = ParseArguments(argc, argv);
  if (!arguments) {
    std::cerr << kUsage;
    return kExitUsage;
  }
  std::signal(SIGXFSZ, SIG_IGN);
  SetFixedTickCount(timeGetTime());

  std::vector<TScriptCommand> script;
  try {
    script = LoadScript(arguments->ScriptFile);
  } catch (const std::exception& e) {
    std::cerr << "qvhost: " << e.what() << '\n';
    return kExitBadScript;
  }
  if (arguments->Design) return Design(*arguments, script);
  std::vector<std::unique_ptr<TComponent>> roots;
  std::string startingLog;
  try {
    roots = LoadForms(*arguments, startingLog);
  } catch (const EParserError& e) {
    std::cerr << "qvhost: " << e.what() << '\n';
    return kExitBadForm;
  } catch (const std::exception& e) {
    if (!startingLog.empty() && IsLogFailure(e)) {
      std::cerr << "qvhost: " << startingLog << ": " << e.what() << '\n';
      return kExitBadLog;
    }
    std::cerr << "qvhost: " << arguments->FormFile << ": " << e.what() << '\n';
    return kExitBadForm;
  }

  ShowMainForm(roots);
  const bool played =
      PlaySession(roots, script, arguments->ScriptFile.value_or(std::string("stdin")));
  while (!roots.empty()) roots.pop_back();  // the forms go last to first, stopping the log
  DoneApplication();
  return played ? 0 : kExitBadScript;
}
