// Start-up: an additional package named in TrcBook.ini beside the program (this test
// program's names the sample package), and the log the window shows first.

#include <gtest/gtest.h>

#include <algorithm>

#include "log/log_stream.h"
#include "tests/support/scratch_dir.h"
#include "viewer/core/options_editor.h"
#include "viewer/core/startup.h"

namespace {

TEST(Startup, RecordClassesOfAdditionalPackagesAreShownAndListedInOptions) {
  ScratchDir dir;
  TOXOptions settings(dir.File("Oxlane.ini"));
  ASSERT_EQ(TLogStream::FindClassByName("TWindowCloseEvent"), nullptr);
  LoadPackagesAndSettings(settings);
  ASSERT_NE(TLogStream::FindClassByName("TWindowCloseEvent"), nullptr);

  EXPECT_TRUE(settings.IsEnabled("TWindowCloseEvent"));
  EXPECT_TRUE(settings.GetAttributes("TWindowCloseEvent").Italic);  // the package's own look
  const TOptionsEditor options(settings, [](TColor color) { return color; });
  EXPECT_TRUE(std::any_of(
      options.Items().begin(), options.Items().end(),
      [](const TOptionsEditor::TItem& item) { return item.ClassName == "TWindowCloseEvent"; }));
}

class StartupLog : public ::testing::Test {
 protected:
  ScratchDir Dir;
  std::string LastFile = Dir.File("last.evt");
  std::string NamedFile = Dir.File("named.evt");
  TOXOptions Settings{Dir.File("Oxlane.ini")};
};

TEST_F(StartupLog, ANamedFileWinsOverTheLastLogEvenWhenItIsMissing) {
  WriteTextFile(LastFile, "x");
  WriteTextFile(NamedFile, "x");
  Settings.LastLog = {LastFile, 5};
  EXPECT_EQ(ChooseStartupLog({NamedFile}, Settings), NamedFile);
  EXPECT_EQ(ChooseStartupLog({Dir.File("missing.evt")}, Settings), "");
  EXPECT_EQ(Settings.LastLog.Filename, LastFile);  // still remembered for a later start
  EXPECT_EQ(ChooseStartupLog({}, Settings), LastFile);
}

TEST_F(StartupLog, AMissingLastLogIsForgottenWithItsCollapsedRows) {
  Settings.LastLog = {LastFile, 5};
  Settings.SetCollapse({2, 7});
  EXPECT_EQ(ChooseStartupLog({}, Settings), "");
  EXPECT_EQ(Settings.LastLog.Filename, "");
  EXPECT_EQ(Settings.LastLog.TickCount, -1);
  EXPECT_TRUE(Settings.Collapse().empty());
}

}  // namespace
