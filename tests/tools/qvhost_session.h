#pragma once
// Runs qvhost on a form file and a session script written to a scratch folder, as a person runs it
// from a shell, and answers its exit code and what it wrote to stderr.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <string>
#include <utility>

#include "tests/support/capture_fixture.h"

class QvhostSession : public ::testing::Test {
 protected:
  std::pair<int, std::string> RunOn(const std::string& form, const std::string& script) {
    WriteTextFile(Dir.File("form.dfm"), form);
    WriteTextFile(Dir.File("session.script"), script);
    const std::string err = Dir.File("err.txt");
    const std::string command = std::string(QVHOST_PATH) + " --log " + Dir.File("session.evt") +
                                " " + Dir.File("form.dfm") + " " + Dir.File("session.script") +
                                " >/dev/null 2>" + err;
    const int status = std::system(command.c_str());
    return {WEXITSTATUS(status), ReadTextFile(err)};
  }

  ScratchDir Dir;
};
