// INI files named without a folder: they live in the Windows directory, which $WINDIR names or a
// per-user folder stands in for, and a write that cannot be stored says which file it was.

#include <gtest/gtest.h>
#include <stdlib.h>

#include "platform/inifiles.h"
#include "platform/windows_directory.h"
#include "tests/support/scratch_dir.h"

namespace {

// Sets or clears an environment variable for one test and puts the old value back afterwards.
class EnvironmentVariable {
 public:
  EnvironmentVariable(const char* name, const char* value) : FName(name) {
    if (const char* old = std::getenv(name)) FOld = old;
    FHadOld = std::getenv(name) != nullptr;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~EnvironmentVariable() { FHadOld ? ::setenv(FName, FOld.c_str(), 1) : ::unsetenv(FName); }

 private:
  const char* FName;
  std::string FOld;
  bool FHadOld = false;
};

}  // namespace

TEST(WindowsDirectory, WindirFirstThenThePerUserFolder) {
  EnvironmentVariable windir("WINDIR", "/opt/windows");
  EnvironmentVariable config("XDG_CONFIG_HOME", "/home/ann/cfg");
  EnvironmentVariable home("HOME", "/home/ann");
  EXPECT_EQ(GetWindowsDirectory(), "/opt/windows");
  ::setenv("WINDIR", "", 1);
  EXPECT_EQ(GetWindowsDirectory(), "/home/ann/cfg/tracebook/windows");
  ::unsetenv("WINDIR");
  ::setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(GetWindowsDirectory(), "/home/ann/.config/tracebook/windows");

  EXPECT_EQ(PrivateProfileFileName("DELPHI.INI"), "/home/ann/.config/tracebook/windows/DELPHI.INI");
  EXPECT_EQ(PrivateProfileFileName("./DELPHI.INI"), "./DELPHI.INI");
  EXPECT_EQ(PrivateProfileFileName("/etc/x.ini"), "/etc/x.ini");
}

TEST(WindowsDirectory, ABareNameIsReadAndWrittenThereAndTheFirstWriteMakesTheFolder) {
  ScratchDir dir;
  const std::string windows = dir.File("deep/windows");
  EnvironmentVariable windir("WINDIR", windows.c_str());
  TIniFile ini("DELPHI.INI");
  EXPECT_EQ(ini.ReadString("transfer", "Count", "none"), "none");
  EXPECT_FALSE(DirectoryExists(windows));  // reading creates nothing

  ini.WriteInteger("transfer", "Count", 1);
  EXPECT_EQ(ReadTextFile(windows + "/DELPHI.INI"), "[transfer]\nCount=1\n");
  EXPECT_EQ(ini.ReadInteger("transfer", "Count", 0), 1);
  EXPECT_EQ(ini.FileName(), "DELPHI.INI");
}

TEST(WindowsDirectory, AFailedWriteNamesTheFileAsGivenAndChangesNothing) {
  ScratchDir dir;
  WriteTextFile(dir.File("plain-file"), "not a folder");
  EnvironmentVariable windir("WINDIR", dir.File("plain-file/windows").c_str());
  TIniFile ini("DELPHI.INI");
  try {
    ini.WriteString("transfer", "Title0", "Oxlane");
    FAIL() << "the write should have failed";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), "Unable to write to DELPHI.INI");
  }
  EXPECT_EQ(ReadTextFile(dir.File("plain-file")), "not a folder");
}
