#pragma once
// The session commands played in the test's own process against the objects of a form text, so
// that tests can give the controls event handlers (which a form file cannot) and look at them
// between commands.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/mmsystem.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/form_files.h"
#include "platform/vcl/forms.h"
#include "tests/vcl/vcl_fixture.h"
#include "tools/host_commands.h"
#include "tools/host_script.h"

class HostTest : public VclTest {
 protected:
  void SetUp() override {
    VclTest::SetUp();
    SetFixedTickCount(1000);
  }
  void TearDown() override {
    commands.reset();
    while (!roots.empty()) roots.pop_back();
    SetFixedTickCount(std::nullopt);
    VclTest::TearDown();
  }

  // Reads the form text and shows its first form as the main form.
  void Load(const std::string& formText) {
    roots = ReadComponentsText(formText, "form.dfm");
    auto& form = static_cast<TCustomForm&>(*roots.front());
    Application().SetMainForm(&form);
    form.Show();
    Application().ProcessMessages();
    commands = std::make_unique<THostCommands>(roots, "session.script");
  }

  // Plays the script's lines; the first that cannot run raises EParserError.
  void Play(const std::string& script) {
    for (const TScriptCommand& command : ParseScript(script, "session.script"))
      commands->Run(command);
  }
  // What playing the script raises, or "" when it runs to its end.
  std::string FailureOf(const std::string& script) {
    try {
      Play(script);
    } catch (const EParserError& e) {
      return e.what();
    }
    return "";
  }

  template <typename T>
  T& Find(const std::string& name) const {
    return dynamic_cast<T&>(*roots.front()->FindComponent(name));
  }

  std::vector<std::unique_ptr<TComponent>> roots;
  std::unique_ptr<THostCommands> commands;
};
