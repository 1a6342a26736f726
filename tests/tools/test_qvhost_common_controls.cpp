// qvhost's commands for the common controls: scripts that misuse them stop before anything runs
// or at the command that cannot run, and the sessions of the common-control scenarios run through.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include "tests/support/capture_fixture.h"

namespace {

constexpr char kForm[] = R"(object MainForm: TForm
  Width = 420
  Height = 300
  object Tracebook1: TKDTracebook
    Filename = 'never-used.evt'
  end
  object Views: TTabControl
    Width = 200
    Height = 40
    Tabs.Strings = (
      'Day'
      'Week')
  end
  object Volume: TTrackBar
    Top = 50
    Width = 200
    Height = 30
  end
  object Alarm: TDateTimePicker
    Top = 90
    Width = 100
    Height = 21
    Kind = dtkTime
  end
  object Strip: TPageScroller
    Top = 120
    Width = 100
    Height = 30
    Control = Wide
    object Wide: TPanel
      Width = 300
      Height = 30
    end
  end
end
)";

class QvhostCommonControls : public ::testing::Test {
 protected:
  // Runs qvhost on the form and script; answers its exit code and what it wrote to stderr.
  std::pair<int, std::string> Run(const std::string& form, const std::string& script) {
    WriteTextFile(Dir.File("form.dfm"), form);
    WriteTextFile(Dir.File("session.script"), script);
    const std::string err = Dir.File("err.txt");
    const std::string command = std::string(QVHOST_PATH) + " --log " + LogFile() + " " +
                                Dir.File("form.dfm") + " " + Dir.File("session.script") +
                                " >/dev/null 2>" + err;
    const int status = std::system(command.c_str());
    return {WEXITSTATUS(status), ReadTextFile(err)};
  }
  std::string LogFile() const { return Dir.File("session.evt"); }

  ScratchDir Dir;
};

TEST_F(QvhostCommonControls, MisusedCommandsStopTheScriptBeforeItRuns) {
  for (const auto& [script, reason] : std::vector<std::pair<std::string, std::string>>{
           {"slide MainForm.Volume\n", "(1): wrong number of arguments (usage: slide PATH POS)"},
           {"spin MainForm.X sideways\n", "(1): up or down expected, found sideways"},
           {"spin MainForm.X left\n", "(1): up or down expected, found left"},
           {"spin MainForm.X up -2\n", "(1): a number expected, found -2"},
           {"pagescroll MainForm.Strip \"up\"\n",
            "(1): up, down, left or right expected, found \"up\""},
           {"pagescroll MainForm.Strip diagonal\n",
            "(1): up, down, left or right expected, found diagonal"},
           {"date MainForm.Alarm 2026-13-01\n",
            "(1): a date YYYY-MM-DD expected, found 2026-13-01"},
           {"date MainForm.Alarm \"2026-12-01\"\n",
            "(1): a date YYYY-MM-DD expected, found \"2026-12-01\""},
           {"hotkey MainForm.X Ctrl+A\n",
            "(1): a shortcut in double quotes expected, found Ctrl+A"},
           {"hotkey MainForm.X \"Ctrl+Hyper\"\n", "(1): unknown shortcut \"Ctrl+Hyper\""},
       }) {
    const auto [code, err] = Run(kForm, script);
    EXPECT_NE(code, 0) << script;
    EXPECT_NE(err.find("session.script" + reason), std::string::npos) << err;
    EXPECT_FALSE(FileExists(LogFile())) << script;
  }
}

TEST_F(QvhostCommonControls, ACommandTheControlCannotDoEndsTheSession) {
  for (const auto& [script, reason] : std::vector<std::pair<std::string, std::string>>{
           {"slide MainForm.Views 3\n", "MainForm.Views is no track bar"},
           {"slide MainForm.Volume 11\n", "Volume slides from 0 to 10, not to 11"},
           {"select MainForm.Views \"Month\"\n", "MainForm.Views has no tab \"Month\""},
           {"select MainForm.Views 2\n", "Views has no tab 2"},
           {"spin MainForm.Volume up\n", "MainForm.Volume is no up-down control"},
           {"date MainForm.Alarm 2026-12-01\n", "Alarm picks times and has no calendar"},
           {"pagescroll MainForm.Strip up\n", "Strip has no up arrow: it scrolls left and right"},
           {"pagescroll MainForm.Strip left\n", "Strip cannot scroll further left"},
           {"hotkey MainForm.Strip \"F5\"\n", "MainForm.Strip is no hot-key control"},
       }) {
    std::remove(LogFile().c_str());
    const auto [code, err] = Run(kForm, script);
    EXPECT_NE(code, 0) << script;
    EXPECT_NE(err.find("session.script(1): "), std::string::npos) << err;
    EXPECT_NE(err.find(reason), std::string::npos) << err;
    const TRecords records = ReadLogFile(LogFile());
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back()->ClassName(), "TStopSessionEvent");
  }
}

}  // namespace
