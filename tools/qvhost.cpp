// qvhost [--log FILE] FORMFILE [SCRIPT]: runs a form file on the simulated platform as a host
// program would, and plays a scripted user session against it (from SCRIPT, or from the standard
// input when it is absent). Any TKDTracebook of the form file may start its log when the form is
// loaded; --log replaces its Filename first. The first object of the form file is shown as the
// main form. At the end the forms are destroyed as a host's are when it ends, so a running log
// gets its end-of-session record.
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
// log's name and the reason.

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
#include "tools/host_script.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitBadForm = 3;
constexpr int kExitBadScript = 4;
constexpr int kExitBadLog = 5;

struct TArguments {
  std::optional<std::string> LogFile;
  std::string FormFile;
  std::optional<std::string> ScriptFile;
};

std::optional<TArguments> ParseArguments(int argc, char** argv) {
  TArguments arguments;
  int i = 1;
  if (i + 1 < argc && std::string(argv[i]) == "--log") {
    arguments.LogFile = argv[i + 1];
    i += 2;
  }
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
    if (std::exchange(first, false) && !dynamic_cast<TCustomForm*>(&component))
      throw Exception("the first object, " + component.Name() + ", is not a form");
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

// Plays the script; answers whether every command could run.
bool PlaySession(const std::vector<std::unique_ptr<TComponent>>& roots,
                 const std::vector<TScriptCommand>& script, const std::string& scriptName) {
  auto& mainForm = static_cast<TCustomForm&>(*roots.front());
  Application().SetMainForm(&mainForm);
  mainForm.Show();
  Application().ProcessMessages();
  THostCommands commands(roots, scriptName);
  size_t next = 0;
  std::exception_ptr failure;
  // A modal form's message loop waits for the user: whenever it has nothing left to do, the next
  // command runs inside it. A script that ends, or fails, while a modal form waits ends the
  // application, which ends the loop.
  Application().OnIdle = [&](TObject*, bool& done) {
    if (failure || next == script.size()) {
      Application().Terminate();
      return;
    }
    done = false;  // the command may have ended the loop: it looks before it waits
    try {
      commands.Run(script[next++]);
    } catch (...) {
      failure = std::current_exception();
      Application().Terminate();
    }
  };
  try {
    while (next < script.size() && !failure) commands.Run(script[next++]);
  } catch (const EParserError&) {
    failure = std::current_exception();
  }
  Application().OnIdle = nullptr;
  if (!failure) return true;
  try {
    std::rethrow_exception(failure);
  } catch (const EParserError& e) {
    std::cerr << "qvhost: " << e.what() << '\n';
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<TArguments> arguments = ParseArguments(argc, argv);
  if (!arguments) {
    std::cerr << "usage: qvhost [--log FILE] FORMFILE [SCRIPT]\n";
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

  const bool played =
      PlaySession(roots, script, arguments->ScriptFile.value_or(std::string("stdin")));
  while (!roots.empty()) roots.pop_back();  // the forms go last to first, stopping the log
  DoneApplication();
  return played ? 0 : kExitBadScript;
}
