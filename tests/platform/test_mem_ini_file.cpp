// INI files held in memory: the same lookups as on disk, edits that reach the file only with
// UpdateFile and change only what they touch, and a file that could not be read is never replaced.

#include <gtest/gtest.h>

#include "platform/mem_ini_file.h"
#include "tests/support/scratch_dir.h"

namespace {

constexpr const char* kSettings =
    "; Viewer settings\n"
    "[Window]\n"
    "Left = 10\n"
    "Top=20\n"
    "  ; a comment inside\n"
    "left=shadowed by the first Left\n"
    "\n"
    "[Packages]\n"
    "first=extra.so\n"
    "\n"
    "[window]\n"
    "Top=a second section of the same name is not read\n";

class MemIniFile : public ::testing::Test {
 protected:
  void SetUp() override { WriteTextFile(FileName, kSettings); }
  ScratchDir Dir;
  std::string FileName = Dir.File("Oxlane.ini");
};

TEST_F(MemIniFile, ReadsLikeTheFileWithCaseIgnoredAndTheFirstMatchWinning) {
  const TMemIniFile ini(FileName);
  EXPECT_EQ(ini.ReadString("WINDOW", "left", "?"), "10");
  EXPECT_EQ(ini.ReadInteger(" window ", "TOP ", -1), 20);
  EXPECT_EQ(ini.ReadString("Window", "Width", "fallback"), "fallback");
  EXPECT_EQ(ini.ReadString("Other", "Top", "fallback"), "fallback");
  EXPECT_TRUE(ini.ReadBool("Window", "Left", false));
  EXPECT_FALSE(ini.ReadBool("Packages", "first", false));  // not a number: the fallback
}

TEST_F(MemIniFile, EditsReachTheFileOnlyWithUpdateFileAndKeepEveryOtherLine) {
  TMemIniFile ini(FileName);
  ini.WriteInteger("window", "LEFT", 300);
  ini.WriteString("Window", "Width", "640");
  ini.WriteBool("Find", "Whole", true);
  ini.WriteString("find", "Text", "button");
  EXPECT_EQ(ini.ReadInteger("Window", "Left", 0), 300);
  EXPECT_EQ(ini.ReadString("Find", "text", ""), "button");
  EXPECT_EQ(ReadTextFile(FileName), kSettings);

  ini.UpdateFile();
  std::string expected = kSettings;
  expected.replace(expected.find("Left = 10"), 9, "Left = 300");
  expected.insert(expected.find("\n\n[Packages]") + 1, "Width=640\n");
  expected += "\n[Find]\nWhole=1\nText=button\n";
  EXPECT_EQ(ReadTextFile(FileName), expected);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path()), {}), 1);
}

TEST_F(MemIniFile, ReloadDropsWhatWasNotWritten) {
  TMemIniFile ini(FileName);
  ini.WriteString("Window", "Left", "1");
  ini.Reload();
  EXPECT_EQ(ini.ReadString("Window", "Left", ""), "10");
}

TEST_F(MemIniFile, ALineBreakIsRefusedAndChangesNothing) {
  TMemIniFile ini(FileName);
  EXPECT_THROW(ini.WriteString("Window", "Left", "1\n[Injected]\nx=1"), EConvertError);
  EXPECT_THROW(ini.WriteString("Two\nLines", "Left", "1"), EConvertError);
  EXPECT_THROW(ini.WriteString("Window", "a\rb", "1"), EConvertError);
  ini.UpdateFile();
  EXPECT_EQ(ReadTextFile(FileName), kSettings);
}

TEST(MemIniFileEdges, AMissingFileStartsEmptyAndWindowsLineBreaksStay) {
  ScratchDir dir;
  TMemIniFile fresh(dir.File("Oxlane.ini"));
  EXPECT_EQ(fresh.ReadString("A", "b", "none"), "none");
  fresh.WriteString("A", "b", "c");
  fresh.UpdateFile();
  EXPECT_EQ(ReadTextFile(dir.File("Oxlane.ini")), "[A]\nb=c\n");

  WriteTextFile(dir.File("DELPHI.INI"), "[transfer]\r\nCount=0\r\n");
  TMemIniFile windows(dir.File("DELPHI.INI"));
  windows.WriteInteger("Transfer", "Count", 1);
  windows.WriteString("Transfer", "Title0", "Oxlane");
  windows.UpdateFile();
  EXPECT_EQ(ReadTextFile(dir.File("DELPHI.INI")), "[transfer]\r\nCount=1\r\nTitle0=Oxlane\r\n");
}

TEST(MemIniFileEdges, ManyKeysAndSectionsStayInTheirOrder) {
  ScratchDir dir;
  TMemIniFile ini(dir.File("big.ini"));
  for (int section = 0; section < 200; ++section) {
    for (int key = 0; key < 50; ++key) {
      ini.WriteInteger("S" + std::to_string(section), "K" + std::to_string(key), section * key);
    }
  }
  ini.UpdateFile();
  const TMemIniFile loaded(dir.File("big.ini"));
  EXPECT_EQ(loaded.ReadInteger("s199", "k49", -1), 199 * 49);
  EXPECT_EQ(loaded.ReadInteger("S7", "K3", -1), 21);
  const std::string text = ReadTextFile(dir.File("big.ini"));
  EXPECT_EQ(text.substr(0, 18), "[S0]\nK0=0\nK1=0\nK2=");
  EXPECT_LT(text.find("[S10]"), text.find("[S100]"));
}

TEST(MemIniFileEdges, AFolderInPlaceOfTheFileIsNotReplaced) {
  ScratchDir dir;
  std::filesystem::create_directory(dir.File("Oxlane.ini"));  // in place of the file
  TMemIniFile ini(dir.File("Oxlane.ini"));
  EXPECT_EQ(ini.ReadString("A", "b", "none"), "none");
  ini.WriteString("A", "b", "c");
  EXPECT_THROW(ini.UpdateFile(), EFCreateError);
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("Oxlane.ini")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
