// The install step: when it writes, which entry it writes, and what a failed write leaves.

#include <filesystem>

#include "installer/tools_menu_entry.h"
#include "tests/installer/installer_fixture.h"

namespace {

TInstallOptions Entry(std::string title, std::string path, bool create = false) {
  TInstallOptions options;
  options.Title = std::move(title);
  options.Path = std::move(path);
  options.Create = create;
  return options;
}

// An INI file whose write of one key fails as a full disk would.
class FailingIniFile : public TIniFile {
 public:
  explicit FailingIniFile(std::string failingKey)
      : TIniFile(kIdeIniFileName), FFailingKey(std::move(failingKey)) {}
  void WriteString(std::string_view section, std::string_view key,
                   std::string_view value) override {
    if (key == FFailingKey) throw EIniFileException("Unable to write to DELPHI.INI");
    TIniFile::WriteString(section, key, value);
  }

 private:
  std::string FFailingKey;
};

}  // namespace

TEST_F(InstallerTest, WithoutTheSectionOnlyCreateWrites) {
  WriteTextFile(IniPath(), "[Library]\nPath=x\n");
  TIniFile ini(kIdeIniFileName);
  EXPECT_FALSE(AddToolsMenuEntry(Entry("Oxlane", "/bin/sh"), ini));
  EXPECT_EQ(ReadTextFile(IniPath()), "[Library]\nPath=x\n");

  EXPECT_TRUE(AddToolsMenuEntry(Entry("Oxlane", "/bin/sh", true), ini));
  EXPECT_EQ(ReadTextFile(IniPath()), "[Library]\nPath=x\n\n[transfer]\nTitle0=Oxlane\nPath0=" +
                                         std::filesystem::canonical("/bin/sh").string() +
                                         "\nWorkingDir0=\nParams0=\nCount=1\n");
}

TEST_F(InstallerTest, NoFileAndNoValuesWriteNothing) {
  TIniFile ini(kIdeIniFileName);
  EXPECT_FALSE(AddToolsMenuEntry(Entry("Oxlane", ""), ini));
  EXPECT_FALSE(FileExists(IniPath()));
  EXPECT_FALSE(AddToolsMenuEntry(Entry("", "", true), ini));
  EXPECT_FALSE(FileExists(IniPath()));
}

TEST_F(InstallerTest, AnExistingSectionGetsTheNextEntryAndRunningTwiceAddsTwo) {
  WriteTextFile(IniPath(), "[transfer]\nTitle0=Notes\nCount=1\n");
  TIniFile ini(kIdeIniFileName);
  TInstallOptions options = Entry("Oxlane", "/no/such/oxlane");
  options.WorkingDir = "/tmp";
  options.Params = "$EDNAME";
  EXPECT_TRUE(AddToolsMenuEntry(options, ini));
  EXPECT_TRUE(AddToolsMenuEntry(options, ini));
  EXPECT_EQ(Value("Count"), "3");
  for (const char* n : {"1", "2"}) {
    EXPECT_EQ(Value(std::string("Title") + n), "Oxlane");
    EXPECT_EQ(Value(std::string("Path") + n), "");  // a missing program has no short form
    EXPECT_EQ(Value(std::string("WorkingDir") + n), "/tmp");
    EXPECT_EQ(Value(std::string("Params") + n), "$EDNAME");
  }
  EXPECT_EQ(Value("Title0"), "Notes");
}

TEST_F(InstallerTest, ACountThatIsNoNumberCountsAsZero) {
  WriteTextFile(IniPath(), "[transfer]\nCount=many\nTitle0=Notes\n");
  TIniFile ini(kIdeIniFileName);
  EXPECT_TRUE(AddToolsMenuEntry(Entry("Oxlane", ""), ini));
  EXPECT_EQ(Value("Title0"), "Oxlane");
  EXPECT_EQ(Value("Count"), "1");
}

TEST_F(InstallerTest, AFailedWriteKeepsTheKeysBeforeItAndDoesNotRaiseTheCount) {
  WriteTextFile(IniPath(), "[transfer]\nCount=2\n");
  FailingIniFile failsAtWorkingDir("WorkingDir2");
  EXPECT_THROW(AddToolsMenuEntry(Entry("Oxlane", "/bin/sh"), failsAtWorkingDir), EIniFileException);
  EXPECT_EQ(Value("Title2"), "Oxlane");
  EXPECT_NE(Value("Path2"), "<missing>");
  EXPECT_EQ(Value("WorkingDir2"), "<missing>");
  EXPECT_EQ(Value("Count"), "2");

  FailingIniFile failsAtCount("Count");
  EXPECT_THROW(AddToolsMenuEntry(Entry("Oxlane", ""), failsAtCount), EIniFileException);
  EXPECT_EQ(Value("Params2"), "");
  EXPECT_EQ(Value("Count"), "2");
}

TEST(ShortPath, ExistingFilesGiveTheirCanonicalPathWholeAndMissingOnesNothing) {
  ScratchDir dir;
  std::string folder = dir.Path().string();
  while (folder.size() < 300) {  // beyond the 255 characters of the usual buffer
    folder += "/a-rather-long-folder-name";
    std::filesystem::create_directory(folder);
  }
  WriteTextFile(folder + "/oxlane", "");
  const std::string canonical = std::filesystem::canonical(folder + "/oxlane").string();
  EXPECT_EQ(ShortPathOf(folder + "/../" + ExtractFileName(folder) + "/oxlane"), canonical);
  EXPECT_EQ(ShortPathOf(folder + "/missing"), "");
  EXPECT_EQ(ShortPathOf(""), "");
}
