// The session player: the script's commands, played directly or from the idle event of a modal
// form's message loop.

#include "tools/host_session.h"

#include <exception>
#include <iostream>

#include "platform/vcl/errors.h"
#include "platform/vcl/forms.h"
#include "tools/host_commands.h"

namespace {

// The idle event of the application while the session plays; cleared however it ends.
class TIdleScript {
 public:
  TIdleScript(THostCommands& commands, const std::vector<TScriptCommand>& script)
      : FCommands(commands), FScript(script) {
    // A modal form's message loop waits for the user: whenever it has nothing left to do, the
    // next command runs inside it. A script that ends, or fails, while a modal form waits ends
    // the application, which ends the loop.
    Application().OnIdle = [this](TObject*, bool& done) {
      if (FFailure || FNext == FScript.size()) {
        Application().Terminate();
        return;
      }
      done = false;  // the command may have ended the loop: it looks before it waits
      try {
        FCommands.Run(FScript[FNext++]);
      } catch (...) {
        FFailure = std::current_exception();
        Application().Terminate();
      }
    };
  }
  ~TIdleScript() { Application().OnIdle = nullptr; }
  TIdleScript(const TIdleScript&) = delete;
  TIdleScript& operator=(const TIdleScript&) = delete;

  // Plays the commands that are left, each one's modal forms playing the ones after it.
  void PlayRest() {
    try {
      while (FNext < FScript.size() && !FFailure) FCommands.Run(FScript[FNext++]);
    } catch (const EParserError&) {
      FFailure = std::current_exception();
    }
  }

  std::exception_ptr Failure() const { return FFailure; }

 private:
  THostCommands& FCommands;
  const std::vector<TScriptCommand>& FScript;
  size_t FNext = 0;
  std::exception_ptr FFailure;
};

}  // namespace

void CheckFirstObject(const TComponent& component) {
  if (!dynamic_cast<const TCustomForm*>(&component))
    throw Exception("the first object, " + component.Name() + ", is not a form");
}

void ShowMainForm(const std::vector<std::unique_ptr<TComponent>>& roots) {
  auto& mainForm = static_cast<TCustomForm&>(*roots.front());
  Application().SetMainForm(&mainForm);
  mainForm.Show();
  Application().ProcessMessages();
}

bool PlaySession(const std::vector<std::unique_ptr<TComponent>>& roots,
                 const std::vector<TScriptCommand>& script, const std::string& scriptName,
                 const std::function<void()>& opening) {
  THostCommands commands(roots, scriptName);
  std::exception_ptr failure;
  {
    TIdleScript idle(commands, script);
    if (opening) opening();
    if (!idle.Failure()) idle.PlayRest();
    failure = idle.Failure();
  }
  if (!failure) return true;
  try {
    std::rethrow_exception(failure);
  } catch (const EParserError& e) {
    std::cerr << "qvhost: " << e.what() << '\n';
  }
  return false;
}
