// The command line without a window: --help, --export in both formats and to the standard
// output, what an export leaves out and keeps, its failures and the command lines it refuses;
// --steps as text and HTML.

#include <sstream>

#include "platform/sysutils.h"
#include "tests/viewer_core/viewer_fixture.h"
#include "viewer/core/command_line.h"

namespace {

class CommandLine : public ViewerFixture {
 protected:
  struct TRun {
    std::optional<int> Code;
    std::string Out;
    std::string Err;
  };

  TRun Run(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    TOXOptions settings(Dir.File("Oxlane.ini"));
    const std::optional<int> code = RunCommandLine(arguments, settings, out, err);
    return {code, out.str(), err.str()};
  }

  // The settings file as the window would leave it; the export reads it.
  void SaveSettings(const std::function<void(TOXOptions&)>& change) {
    TOXOptions settings(Dir.File("Oxlane.ini"));
    settings.Load();
    settings.SetDateTimeFormat("zzz");
    change(settings);
    settings.Save();
  }

  void SetUp() override {
    SaveSettings([](TOXOptions&) {});
    LogWriter(LogFile)
        .At(500)
        .Message("before any session")
        .At(1000)
        .Start()
        .Enter("group")
        .Message("inside, \"quoted\"")
        .Leave("group")
        .Separator()
        .At(1250)
        .Stop();
    CloseLogStream();
  }

  const std::string Equals = std::string(80, '=') + "\r\n";
  const std::string Dashes = std::string(80, '-') + "\r\n";
};

// The rows of the log above without the two session rows, whose data holds the locale's date.
std::string WithoutSessionRows(const std::string& exported) {
  std::string kept;
  std::istringstream lines(exported);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("session") == std::string::npos) kept += line + "\n";
  }
  return kept;
}

TEST_F(CommandLine, HelpListsTheOptionsAndThePlainUse) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"--help"}, {"--export", "--bogus", "-h"}}) {
    const TRun run = Run(arguments);
    EXPECT_EQ(run.Code, 0);
    EXPECT_NE(run.Out.find("oxlane [--follow] [LOG]"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("oxlane --export LOG OUT [--format txt|csv]"), std::string::npos);
    EXPECT_NE(run.Out.find("oxlane --steps LOG OUT\n"), std::string::npos);
    EXPECT_EQ(run.Err, "");
  }
}

TEST_F(CommandLine, WithoutOptionsOfItsOwnTheWindowOpens) {
  EXPECT_EQ(Run({}).Code, std::nullopt);
  EXPECT_EQ(Run({LogFile}).Code, std::nullopt);
  // The toolkit's own options stay the toolkit's.
  EXPECT_EQ(Run({"-platform", "offscreen", LogFile}).Code, std::nullopt);
  EXPECT_EQ(Run({"--follow", LogFile}).Code, std::nullopt);
}

TEST_F(CommandLine, ExportsEveryGroupExpandedEverySessionRowAndNothingBeforeTheFirstSession) {
  // The last log of the settings had its group collapsed; the export shows it whole anyway.
  SaveSettings([this](TOXOptions& settings) {
    settings.LastLog = {LogFile, 500};
    settings.SetCollapse({2});
  });
  // Years after the log was written, far outside the window's last 60 days.
  SetFixedNow(kWrittenAt + 3000);
  const std::string settingsFile = ReadTextFile(Dir.File("Oxlane.ini"));
  const TRun run = Run({"--export", LogFile, "-"});
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(ReadTextFile(Dir.File("Oxlane.ini")), settingsFile);
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(WithoutSessionRows(run.Out),
            "000\tenter section\tgroup\r\n"
            "000\tuser message\tinside, \"quoted\"\r\n"
            "000\tleave section\tgroup\r\n" +
                Dashes + Equals);
  EXPECT_EQ(run.Out.find("before any session"), std::string::npos);
  EXPECT_NE(run.Out.find("\tstart session\t"), std::string::npos);
}

TEST_F(CommandLine, TheSettingsTypeFilterApplies) {
  SaveSettings([](TOXOptions& settings) { settings.SetEnabled("TSeparatorEvent", false); });
  const TRun run = Run({"--export", LogFile, "-"});
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Out.find("----------"), std::string::npos);
  EXPECT_EQ(run.Out.find("=========="), std::string::npos);
  EXPECT_NE(run.Out.find("\tgroup\r\n"), std::string::npos);
}

TEST_F(CommandLine, TheFormatComesFromTheOptionOrElseFromTheOutputsExtension) {
  const std::string csvLine = "000,\"user message\",\"inside, \"\"quoted\"\"\"\r\n";
  const std::string textLine = "000\tuser message\tinside, \"quoted\"\r\n";
  const auto exported = [this](std::vector<std::string> arguments, const std::string& out) {
    const TRun run = Run(arguments);
    EXPECT_EQ(run.Code, 0) << run.Err;
    return out == "-" ? run.Out : ReadTextFile(out);
  };
  const std::string csv = Dir.File("rows.CSV");
  const std::string txt = Dir.File("rows.txt");
  const std::string fromExtension = exported({"--export", LogFile, csv}, csv);
  EXPECT_NE(fromExtension.find(csvLine), std::string::npos);
  EXPECT_EQ(fromExtension.find("==="), std::string::npos);
  EXPECT_NE(exported({"--export", LogFile, txt}, txt).find(textLine), std::string::npos);
  EXPECT_NE(exported({"--export", LogFile, "-"}, "-").find(textLine), std::string::npos);
  EXPECT_NE(exported({"--format", "csv", "--export", LogFile, "-"}, "-").find(csvLine),
            std::string::npos);
  EXPECT_NE(exported({"--export", LogFile, txt, "--format=CSV"}, txt).find(csvLine),
            std::string::npos);
  EXPECT_NE(exported({"--export", LogFile, csv, "--format", "txt"}, csv).find(textLine),
            std::string::npos);
}

TEST_F(CommandLine, WrongCommandLinesAreUsageErrorsThatTouchNothing) {
  const std::string out = Dir.File("out.txt");
  for (const std::vector<std::string>& arguments : {
           std::vector<std::string>{"--export"},
           {"--export", LogFile},
           {"--export", LogFile, out, "extra"},
           {"--export", LogFile, out, "--bogus"},
           {"--export", LogFile, out, "-x"},
           {"--export", LogFile, out, "--format", "pdf"},
           {"--export", LogFile, out, "--format"},
           {"--export", LogFile, out, "--format="},
           {"--format", "csv", LogFile},
           {"--steps", LogFile},
           {"--steps", LogFile, out, "--format", "txt"},
           {"--steps", "--export", LogFile, out},
           {"--follow", "--export", LogFile, out},
       }) {
    const TRun run = Run(arguments);
    EXPECT_EQ(run.Code, 2) << arguments.back();
    EXPECT_EQ(run.Out, "");
    EXPECT_TRUE(run.Err.starts_with("oxlane: ")) << run.Err;
    EXPECT_TRUE(run.Err.ends_with("Try \"oxlane --help\".\n")) << run.Err;
  }
  EXPECT_FALSE(FileExists(out));
  EXPECT_EQ(Run({"--export", LogFile, out, "--format", "pdf"}).Err,
            "oxlane: unknown export format \"pdf\": use txt or csv\nTry \"oxlane --help\".\n");
}

TEST_F(CommandLine, ALogThatIsMissingOrNoLogFails) {
  const std::string missing = Dir.File("missing.evt");
  TRun run = Run({"--export", missing, "-"});
  EXPECT_EQ(run.Code, 1);
  EXPECT_EQ(run.Err, "oxlane: the log \"" + missing + "\" does not exist.\n");

  const std::string text = Dir.File("notes.txt");
  WriteTextFile(text, "just some notes");
  run = Run({"--export", text, "-"});
  EXPECT_EQ(run.Code, 1);
  EXPECT_EQ(run.Out, "");
  EXPECT_EQ(run.Err,
            "oxlane: Could not read \"" + text + "\". Most likely it is not an event log file.\n");
}

TEST_F(CommandLine, ADamagedLogExportsTheRowsBeforeTheDamageAndThenFails) {
  const std::string bytes = ReadTextFile(LogFile);
  WriteTextFile(LogFile, bytes.substr(0, bytes.size() - 2));  // the stop record is cut short
  const TRun run = Run({"--export", LogFile, "-"});
  EXPECT_EQ(run.Code, 1);
  EXPECT_NE(run.Out.find("\tinside, \"quoted\"\r\n"), std::string::npos) << run.Out;
  EXPECT_NE(run.Out.find(Dashes), std::string::npos);
  EXPECT_TRUE(run.Err.starts_with("oxlane: the log \"" + LogFile + "\" is damaged: ")) << run.Err;
  EXPECT_TRUE(run.Err.ends_with("\noxlane: the rows read before the damage were exported.\n"))
      << run.Err;
}

TEST_F(CommandLine, AnOutputThatCannotBeWrittenFails) {
  const TRun run = Run({"--export", LogFile, "/dev/full"});
  EXPECT_EQ(run.Code, 1);
  EXPECT_EQ(run.Err, "oxlane: Cannot write file \"/dev/full\". No space left on device\n");
}

TEST_F(CommandLine, StepsWritesTheReportOfTheRowsAnExportWrites) {
  SaveSettings([this](TOXOptions& settings) {
    settings.LastLog = {LogFile, 500};
    settings.SetCollapse({2});
  });
  TRun run = Run({"--steps", LogFile, "-"});
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  EXPECT_EQ(run.Out.find("before any session"), std::string::npos);
  const size_t session = run.Out.find("\r\nSession 1: App started on ");
  ASSERT_NE(session, std::string::npos) << run.Out;
  // Every group expanded, although the settings' last log had the section collapsed.
  EXPECT_NE(run.Out.find("\r\n  0:00.000: Section \"group\"\r\n"
                         "    * Step 1, 0:00.000: Message: inside, \"quoted\"\r\n"
                         "  0:00.000: end of section \"group\"\r\n"
                         "  * Step 2, 0:00.000: Separator\r\n"
                         "0:00.250: session ended on ",
                         session),
            std::string::npos)
      << run.Out;

  const std::string html = Dir.File("steps.HTM");
  run = Run({"--steps", LogFile, html});
  EXPECT_EQ(run.Code, 0) << run.Err;
  EXPECT_TRUE(ReadTextFile(html).starts_with("<!DOCTYPE html>"));

  run = Run({"--steps", LogFile, "/dev/full"});
  EXPECT_EQ(run.Code, 1);
  EXPECT_EQ(run.Err, "oxlane: Cannot write file \"/dev/full\". No space left on device\n");
}

TEST_F(CommandLine, TheLogItselfIsNeverTheOutput) {
  const std::string bytes = ReadTextFile(LogFile);
  const TRun run = Run({"--export", LogFile, Dir.Path().string() + "/./app.evt"});
  EXPECT_EQ(run.Code, 1);
  EXPECT_NE(run.Err.find("is the log itself"), std::string::npos) << run.Err;
  EXPECT_EQ(ReadTextFile(LogFile), bytes);
}

}  // namespace
