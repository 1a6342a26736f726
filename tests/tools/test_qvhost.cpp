// qvhost run as a developer runs it: a form file with the log component and a session script give
// a log; malformed files and commands that cannot run stop it with the place and the reason.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "log/builtin_events.h"
#include "tests/support/family_fixture.h"

namespace {

struct TRun {
  int ExitCode;
  std::string Err;
  bool Exited = true;  // false when a signal ended it
};

constexpr char kForm[] =
    "object MainForm: TForm\n"
    "  Caption = 'Orders'\n"
    "  Width = 420\n"
    "  Height = 300\n"
    "  object Tracebook1: TKDTracebook\n"
    "    ApplicationID = 'Orders'\n"
    "    Filename = 'never-used.evt'\n"
    "    LogEvents.Strings = (\n"
    "      'TActivateEvent=0'\n"
    "      'TSetFocusEvent=0'\n"
    "      'TMouseClickEvent=0')\n"
    "  end\n"
    "  object Panel1: TWinControl\n"
    "    Width = 200\n"
    "    Height = 120\n"
    "  end\n"
    "end\n";

// The families' records are registered for each test, so that the logs read back whatever the
// tests before this one unregistered when they run in one process.
class Qvhost : public FamilyFixture {
 protected:
  // Runs qvhost on the form text and script text given, logging into the scratch folder.
  // `launcher` runs it (e.g. under a resource limit).
  TRun Run(const std::string& form, const std::string& script, const std::string& launcher = "") {
    WriteTextFile(Dir.File("form.dfm"), form);
    WriteTextFile(Dir.File("session.script"), script);
    const std::string err = Dir.File("err.txt");
    const std::string command = launcher + std::string(QVHOST_PATH) + " --log " + LogFile() + " " +
                                Dir.File("form.dfm") + " " + Dir.File("session.script") +
                                " >/dev/null 2>" + err;
    const int status = std::system(command.c_str());
    return {WEXITSTATUS(status), ReadTextFile(err), WIFEXITED(status) != 0};
  }
  std::string LogFile() const { return Dir.File("session.evt"); }
};

TEST_F(Qvhost, ASessionIsLoggedFromStartToEnd) {
  const TRun run = Run(kForm,
                       "# markers around a click\n"
                       "enter \"Order\"\n"
                       "click MainForm.Panel1 5 5\n"
                       "message \"saved \\\"A-1\\\"\"\n"
                       "separator\n"
                       "wait 250\n"
                       "raise EInOutError \"Disk full\" 112\n"
                       "leave \"Order\"\n");
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  const TRecords records = ReadLogFile(LogFile());
  // The window and mouse records are filtered out by the component's LogEvents.
  EXPECT_EQ(ClassNames(records),
            (std::vector<std::string>{"TStartSessionEvent", "TEnterSectionEvent",
                                      "TUserMessageEvent", "TSeparatorEvent", "TExceptionEvent",
                                      "TLeaveSectionEvent", "TStopSessionEvent"}));
  EXPECT_EQ(dynamic_cast<TStartSessionEvent&>(*records.front()).Identifier(), "Orders");
  EXPECT_EQ(records[2]->AsString(), "saved \"A-1\"");
  // The clock moves only by the script's waits.
  EXPECT_EQ(records.back()->TickCount() - records.front()->TickCount(), 250u);
}

TEST_F(Qvhost, StopAndStartAreTheComponentsAndItsMistakesGoToTheApplication) {
  const TRun run = Run(kForm, "stop\nmessage \"lost\"\nstart\nstart\n");
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  // The message without a log and the second start are the host code's failures: shown, not
  // fatal, and the second one logged.
  EXPECT_NE(run.Err.find("Tracebook is not open."), std::string::npos);
  EXPECT_EQ(
      ClassNames(ReadLogFile(LogFile())),
      (std::vector<std::string>{"TStartSessionEvent", "TStopSessionEvent", "TStartSessionEvent",
                                "TExceptionEvent", "TStopSessionEvent"}));
}

TEST_F(Qvhost, MalformedFormFilesNameTheFileAndLine) {
  TRun run = Run("object MainForm: TForm\n  Colour = 3\nend\n", "");
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_NE(run.Err.find("form.dfm(2): Unknown property Colour of TForm"), std::string::npos)
      << run.Err;

  run = Run("object Tracebook1: TKDTracebook\nend\n", "");
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_NE(run.Err.find("form.dfm(1): the first object, Tracebook1, is not a form"),
            std::string::npos)
      << run.Err;
  EXPECT_FALSE(FileExists(LogFile()));

  // A second component could not start while the first one's log is open.
  std::string twoTracebooks = kForm;
  twoTracebooks.insert(twoTracebooks.find("  object Panel1"),
                       "  object Tracebook2: TKDTracebook\n  end\n");
  run = Run(twoTracebooks, "");
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_NE(run.Err.find("form.dfm(13): Tracebook is already open"), std::string::npos) << run.Err;
  EXPECT_FALSE(FileExists(LogFile()));  // refused before the first one started
}

// A log that cannot be opened is the log's failure, not the form file's: it is named, and kept.
TEST_F(Qvhost, ALogThatCannotBeOpenedIsReportedAgainstItsName) {
  WriteTextFile(LogFile(), "not a log at all");
  TRun run = Run(kForm, "");
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_EQ(run.Err, "qvhost: " + LogFile() + ": File is not an event log.\n");
  EXPECT_EQ(ReadTextFile(LogFile()), "not a log at all");

  std::remove(LogFile().c_str());
  ASSERT_EQ(mkdir(LogFile().c_str(), 0700), 0);
  run = Run(kForm, "");
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_EQ(run.Err.rfind("qvhost: " + LogFile() + ": ", 0), 0u) << run.Err;
  EXPECT_EQ(run.Err.find("form.dfm"), std::string::npos) << run.Err;
  rmdir(LogFile().c_str());
}

TEST_F(Qvhost, AFileSizeLimitFailsTheLogWithoutEndingTheProgram) {
  ASSERT_EQ(Run(kForm, "").ExitCode, 0);
  const std::string before = ReadTextFile(LogFile());
  // The next session's first write starts right at the limit, where the system would end a
  // program that lets SIGXFSZ do what it does by default.
  const TRun run = Run(kForm, "", "exec prlimit --fsize=" + std::to_string(before.size()) + " ");
  ASSERT_TRUE(run.Exited) << run.Err;
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_EQ(run.Err.rfind("qvhost: " + LogFile() + ": Stream write error", 0), 0u) << run.Err;
  EXPECT_EQ(ReadTextFile(LogFile()), before);
}

TEST_F(Qvhost, MalformedScriptsStopBeforeAnythingRuns) {
  for (const auto& [script, reason] : std::vector<std::pair<std::string, std::string>>{
           {"separator\nclick\n", "session.script(2): wrong number of arguments"},
           {"\n\nfly MainForm\n", "session.script(3): unknown command fly"},
           {"key Ctrl+Q Hyper+X\n", "session.script(1): unknown key Hyper+X"},
           {"type MainForm \"a\xe9\"\n", "session.script(1): cannot type the character '\\xe9'"},
           {"fly\x01\n", "session.script(1): unknown command fly\\x01"},
           {"message \"open\n", "session.script(1): unterminated text"},
           {"click MainForm x 3\n", "session.script(1): a number expected, found x"},
           {"wait \"5\"\n", "session.script(1): a number expected, found \"5\""},
           {"raise EBogus \"x\"\n", "session.script(1): unknown exception class EBogus"},
           {"raise EOleSysError \"x\" -2147483649\n",
            "session.script(1): a number expected, found -2147483649"},
       }) {
    const TRun run = Run(kForm, script);
    EXPECT_NE(run.ExitCode, 0) << script;
    EXPECT_NE(run.Err.find(reason), std::string::npos) << run.Err;
    EXPECT_FALSE(FileExists(LogFile())) << script;
  }
}

TEST_F(Qvhost, ACommandThatCannotRunEndsTheSessionProperly) {
  for (const auto& [script, reason] : std::vector<std::pair<std::string, std::string>>{
           {"separator\nclick MainForm.Panel1.OKBtn\n",
            "session.script(2): MainForm.Panel1 has no component OKBtn"},
           {"click OtherForm\n", "session.script(1): Unknown form OtherForm"},
           {"move MainForm.Panel1 0 0 10 10\n", "session.script(1): MainForm.Panel1 is not a form"},
           {"set MainForm Colour 3\n", "session.script(1): Unknown property Colour of TForm"},
           {"set MainForm.Panel1 Visible False\nclick MainForm.Panel1\n",
            "session.script(2): MainForm.Panel1 is not visible"},
           {"set MainForm Visible False\nrestore MainForm\n",
            "session.script(2): MainForm is not visible"},
       }) {
    std::remove(LogFile().c_str());
    const TRun run = Run(kForm, script);
    EXPECT_NE(run.ExitCode, 0) << script;
    EXPECT_NE(run.Err.find(reason), std::string::npos) << run.Err;
    const TRecords records = ReadLogFile(LogFile());
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back()->ClassName(), "TStopSessionEvent");
  }
}

// Every property that feeds a sum of coordinates or positions at either end of the 32-bit range:
// the session runs to its end. (A sanitizer build catches any overflow on the way.)
TEST_F(Qvhost, GeometryAtTheEndsOfTheIntegerRangeRunsToTheEnd) {
  for (const char* extreme : {"2147483647", "-2147483648"}) {
    const std::string v = extreme;
    const std::string bounds = "    Left = " + v + "\n    Top = " + v + "\n    Width = " + v +
                               "\n    Height = " + v + "\n";
    const std::string form =
        "object MainForm: TForm\n" + bounds.substr(2) +
        "  object Tracebook1: TKDTracebook\n    Filename = 'never-used.evt'\n  end\n"
        "  object Bar: TScrollBar\n" +
        bounds +
        "    Min = -2147483648\n    Max = 2147483647\n"
        "    Position = " +
        v + "\n    SmallChange = " + v + "\n    LargeChange = " + v +
        "\n"
        "  end\n"
        "  object List: TListBox\n" +
        bounds + "    ItemHeight = " + v +
        "\n"
        "    Items.Strings = ('a' 'b')\n    ItemIndex = 1\n  end\n"
        "  object Combo: TComboBox\n" +
        bounds + "    ItemHeight = " + v +
        "\n"
        "    DropDownCount = " +
        v +
        "\n    Items.Strings = ('a' 'b')\n  end\n"
        "  object Group: TRadioGroup\n" +
        bounds + "    Columns = " + v +
        "\n"
        "    Items.Strings = ('a' 'b' 'c')\n  end\n"
        "  object Box: TScrollBox\n" +
        bounds + "    object Inner: TPanel\n" + bounds + "      TabOrder = " + v +
        "\n    end\n  end\n"
        "  object Memo: TMemo\n" +
        bounds + "    MaxLength = " + v +
        "\n  end\n"
        "end\n";
    const TRun run = Run(form, "click MainForm.Bar " + v + " " + v +
                                   "\n"
                                   "dblclick MainForm.Box.Inner\n"
                                   "key Tab End Home PgDn Right Left\n"
                                   "scroll MainForm.Bar " +
                                   v +
                                   "\n"
                                   "select MainForm.List 1\n"
                                   "select MainForm.Combo 1\n"
                                   "select MainForm.Group 2\n"
                                   "type MainForm.Memo \"abc\"\n"
                                   "set MainForm.Box.Inner Left " +
                                   v +
                                   "\n"
                                   "move MainForm " +
                                   v + " " + v + " " + v + " " + v +
                                   "\n"
                                   "maximize MainForm\n"
                                   "restore MainForm\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    const TRecords records = ReadLogFile(LogFile());
    ASSERT_FALSE(records.empty()) << extreme;
    EXPECT_EQ(records.back()->ClassName(), "TStopSessionEvent");
  }
}

// Huge form files and commands end as any other: 100,000 nested objects are refused at the first
// too deep, a memo of 100,000 lines is read, and 100,000 characters are typed and logged.
TEST_F(Qvhost, HugeFormsAndLongTextsEndAsAnyOther) {
  std::string deep = "object MainForm: TForm\n";
  for (int i = 0; i < 100000; ++i) deep += "object P" + std::to_string(i) + ": TPanel\n";
  for (int i = 0; i <= 100000; ++i) deep += "end\n";
  TRun run = Run(deep, "");
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_EQ(run.Err,
            "qvhost: " + Dir.File("form.dfm") + "(101): Objects nested more than 100 deep\n");

  std::string form = kForm;
  std::string memo = "  object Notes: TMemo\n    Lines.Strings = (\n";
  for (int i = 0; i < 100000; ++i) memo += "      'line " + std::to_string(i) + "'\n";
  memo += "    )\n  end\n  object Name: TEdit\n  end\n";
  form.insert(form.rfind("end\n"), memo);
  const std::string typed(100000, 'x');
  run = Run(form, "type MainForm.Name \"" + typed + "\"\nfocus MainForm.Notes\n");
  EXPECT_EQ(run.ExitCode, 0) << run.Err;
  const TRecords records = ReadLogFile(LogFile());
  ASSERT_EQ(ClassNames(records),
            (std::vector<std::string>{"TStartSessionEvent", "TEditEvent", "TStopSessionEvent"}));
  // The log keeps at most 65,535 characters of a text.
  EXPECT_EQ(records[1]->AsString(), "MainForm.Name " + ("\"" + typed + "\"").substr(0, 65535));
}

// A menu command through a disabled menu cannot run: the menu does not open, nothing is chosen or
// logged, and the script stops at that line with the reason.
TEST_F(Qvhost, AMenuCommandThroughADisabledMenuSaysWhyItCannotRun) {
  std::string form = kForm;
  form.insert(form.rfind("end\n"),
              "  object MainMenu1: TMainMenu\n"
              "    object EditMenu: TMenuItem\n"
              "      Caption = '&Edit'\n"
              "      Enabled = False\n"
              "      object CutItem: TMenuItem\n"
              "        Caption = 'Cu&t'\n"
              "      end\n"
              "    end\n"
              "    object FileMenu: TMenuItem\n"
              "      Caption = '&File'\n"
              "      object RecentMenu: TMenuItem\n"
              "        Caption = '&Recent'\n"
              "        Enabled = False\n"
              "        object Recent1: TMenuItem\n"
              "          Caption = '&1 orders'\n"
              "        end\n"
              "      end\n"
              "    end\n"
              "  end\n");
  form.insert(form.find("  object Tracebook1"), "  Menu = MainMenu1\n");
  for (const auto& [script, reason] : std::vector<std::pair<std::string, std::string>>{
           {"menu MainForm \"&Edit|Cu&t\"\n",
            "session.script(1): The item '&Edit' of the menu MainMenu1 is disabled and does not "
            "open"},
           {"wait 5\nmenu MainForm \"&File|&Recent|&1 orders\"\n",
            "session.script(2): The item '&Recent' of the menu MainMenu1 is disabled and does not "
            "open"},
       }) {
    std::remove(LogFile().c_str());
    const TRun run = Run(form, script);
    EXPECT_NE(run.ExitCode, 0) << script;
    EXPECT_NE(run.Err.find(reason), std::string::npos) << run.Err;
    EXPECT_EQ(ClassNames(ReadLogFile(LogFile())),
              (std::vector<std::string>{"TStartSessionEvent", "TStopSessionEvent"}));
  }
}

}  // namespace
