// qvhost --design with the log component's own editor: the LogEvents dialog driven by a script,
// and the form file that it leaves behind.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <string>
#include <vector>

#include "capture/tracebook_component.h"
#include "platform/vcl/form_files.h"
#include "tests/support/scratch_dir.h"
#include "tools/host_commands.h"
#include "tools/host_design.h"

namespace {

constexpr char kForm[] =
    "object MainForm: TForm\n"
    "  Width = 300\n"
    "  Height = 200\n"
    "  object Tracebook1: TKDTracebook\n"
    "    Filename = 'never-used.evt'\n"
    "    LogEvents.Strings = (\n"
    "      'TEditEvent=1'\n"
    "      'TButtonEvent=1'\n"
    "      'TActivateEvent=1'\n"
    "      'TMouseClickEvent=0')\n"
    "  end\n"
    "end\n";

class QvhostLogEvents : public ::testing::Test {
 protected:
  void SetUp() override { WriteTextFile(FormFile(), kForm); }

  // Designs the form file with the script; answers the exit code, and stderr in `err`.
  int Design(const std::string& script) {
    WriteTextFile(Dir.File("session.script"), script);
    const std::string command = std::string(QVHOST_PATH) + " --design " + FormFile() + " " +
                                Dir.File("session.script") + " >/dev/null 2>" + Dir.File("err.txt");
    const int status = std::system(command.c_str());
    err = ReadTextFile(Dir.File("err.txt"));
    return WEXITSTATUS(status);
  }
  std::string FormFile() const { return Dir.File("form.dfm"); }
  std::vector<std::string> LogEventsInFile() const {
    const auto roots = ReadFormFileToDesign(FormFile());  // starts no log
    const TStrings& lines = *FindTracebook(roots)->LogEvents();
    std::vector<std::string> result;
    for (int i = 0; i < lines.Count(); ++i) result.push_back(lines.Get(i));
    return result;
  }

  ScratchDir Dir;
  std::string err;
};

TEST_F(QvhostLogEvents, ExcludingAClassAndConfirmingWritesTheSortedFilter) {
  EXPECT_EQ(Design("select LogEventsDialog.LoggedList \"TButtonEvent\"\n"
                   "click LogEventsDialog.ExcludeBtn\n"
                   "click LogEventsDialog.OKBtn\n"),
            0)
      << err;
  EXPECT_EQ(LogEventsInFile(), (std::vector<std::string>{"TActivateEvent=1", "TEditEvent=1",
                                                         "TButtonEvent=0", "TMouseClickEvent=0"}));
}

TEST_F(QvhostLogEvents, CancellingLeavesTheFileByteForByte) {
  EXPECT_EQ(Design("select LogEventsDialog.LoggedList \"TButtonEvent\"\n"
                   "click LogEventsDialog.ExcludeBtn\n"
                   "click LogEventsDialog.CancelBtn\n"),
            0)
      << err;
  EXPECT_EQ(ReadTextFile(FormFile()), kForm);
  // A script that ends while the dialog waits cancels it the same way.
  EXPECT_EQ(Design("click LogEventsDialog.ExcludeAllBtn\n"), 0) << err;
  EXPECT_EQ(ReadTextFile(FormFile()), kForm);
}

TEST_F(QvhostLogEvents, DroppingSelectedLinesOnTheOtherListMovesThemAll) {
  EXPECT_EQ(Design("select LogEventsDialog.LoggedList \"TActivateEvent\"\n"
                   "select LogEventsDialog.LoggedList \"TEditEvent\" ctrl\n"
                   "drop LogEventsDialog.LoggedList LogEventsDialog.UnloggedList \"TEditEvent\"\n"
                   "click LogEventsDialog.OKBtn\n"),
            0)
      << err;
  EXPECT_EQ(LogEventsInFile(), (std::vector<std::string>{"TButtonEvent=1", "TActivateEvent=0",
                                                         "TEditEvent=0", "TMouseClickEvent=0"}));
}

TEST_F(QvhostLogEvents, AListDroppedOntoItselfChangesNothing) {
  EXPECT_EQ(Design("drop LogEventsDialog.LoggedList LogEventsDialog.LoggedList \"TEditEvent\"\n"
                   "drop LogEventsDialog.UnloggedList LogEventsDialog.UnloggedList 0\n"
                   "click LogEventsDialog.OKBtn\n"),
            0)
      << err;
  EXPECT_EQ(LogEventsInFile(), (std::vector<std::string>{"TActivateEvent=1", "TButtonEvent=1",
                                                         "TEditEvent=1", "TMouseClickEvent=0"}));
}

}  // namespace
