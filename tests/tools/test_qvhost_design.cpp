// qvhost --design run from a shell: its command line, a form file it cannot design, and a
// designed form that starts no log and is not written when nothing changed.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <filesystem>
#include <string>

#include "tests/support/scratch_dir.h"

namespace {

struct TRun {
  int ExitCode;
  std::string Err;
};

class QvhostDesign : public ::testing::Test {
 protected:
  // Runs qvhost with `arguments` (FORM and SCRIPT stand for the scratch files).
  TRun Run(std::string arguments) {
    for (const auto& [name, file] : {std::pair{"FORM", "form.dfm"}, {"SCRIPT", "session.script"}})
      for (size_t at; (at = arguments.find(name)) != std::string::npos;)
        arguments.replace(at, std::string(name).size(), Dir.File(file));
    const std::string command =
        std::string(QVHOST_PATH) + " " + arguments + " >/dev/null 2>" + Dir.File("err.txt");
    const int status = std::system(command.c_str());
    return {WEXITSTATUS(status), ReadTextFile(Dir.File("err.txt"))};
  }
  void Write(const std::string& form, const std::string& script) {
    WriteTextFile(Dir.File("form.dfm"), form);
    WriteTextFile(Dir.File("session.script"), script);
  }

  ScratchDir Dir;
};

TEST_F(QvhostDesign, ADesignedFormLogsNothingSoLogIsAUsageError) {
  Write("object MainForm: TForm\nend\n", "");
  for (const char* arguments : {"--design --log x.evt FORM SCRIPT", "--log x.evt --design FORM",
                                "--design --design FORM", "--design"}) {
    const TRun run = Run(arguments);
    EXPECT_EQ(run.ExitCode, 2) << arguments;
    EXPECT_EQ(run.Err,
              "usage: qvhost [--log FILE] FORMFILE [SCRIPT]\n"
              "       qvhost --design FORMFILE [SCRIPT]\n");
  }
}

TEST_F(QvhostDesign, AFormFileWithoutTheLogComponentCannotBeDesigned) {
  const std::string form = "object MainForm: TForm\n  object Panel1: TPanel\n  end\nend\n";
  Write(form, "click MainForm.Panel1\n");
  const TRun run = Run("--design FORM SCRIPT");
  EXPECT_EQ(run.ExitCode, 3);
  EXPECT_EQ(run.Err, "qvhost: " + Dir.File("form.dfm") + ": no TKDTracebook to design\n");
  EXPECT_EQ(ReadTextFile(Dir.File("form.dfm")), form);

  Write("object Tracebook1: TKDTracebook\nend\n", "");
  EXPECT_EQ(
      Run("--design FORM SCRIPT").Err,
      "qvhost: " + Dir.File("form.dfm") + "(1): the first object, Tracebook1, is not a form\n");
}

TEST_F(QvhostDesign, TheLogComponentStartsNoLogAndAnUnchangedFileIsLeftAlone) {
  const std::string form =
      "object MainForm: TForm\n"
      "  Width = 300\n"
      "  Height = 200\n"
      "  object Tracebook1: TKDTracebook\n"
      "    Filename = '" +
      Dir.File("design.evt") +
      "'\n"
      "  end\n"
      "  object Panel1: TPanel\n"
      "    Width = 100\n"
      "    Height = 50\n"
      "  end\n"
      "end\n";
  Write(form, "wait 10\n");
  const auto written = std::filesystem::last_write_time(Dir.File("form.dfm"));
  const TRun run = Run("--design FORM SCRIPT");
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  EXPECT_FALSE(std::filesystem::exists(Dir.File("design.evt")));
  EXPECT_EQ(ReadTextFile(Dir.File("form.dfm")), form);
  EXPECT_EQ(std::filesystem::last_write_time(Dir.File("form.dfm")), written);
}

}  // namespace
