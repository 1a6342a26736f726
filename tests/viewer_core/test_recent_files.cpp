// The recent-logs list: its order and cap, its section of the settings file and its menu
// captions.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "viewer/core/recent_files.h"
#include "viewer/core/settings.h"

namespace {

using Names = std::vector<std::string>;

TEST(RecentFiles, NewestFirstReopenedMovesUpCaseIgnoredCappedAtTen) {
  TRecentFiles recent;
  recent.Add("/logs/a.evt");
  recent.Add("/logs/b.evt");
  recent.Add("");
  EXPECT_EQ(recent.Files(), (Names{"/logs/b.evt", "/logs/a.evt"}));

  recent.Add("/LOGS/A.evt");  // the same log to the viewer: moves up under the new spelling
  EXPECT_EQ(recent.Files(), (Names{"/LOGS/A.evt", "/logs/b.evt"}));

  for (int i = 0; i < 12; ++i) recent.Add("/logs/" + std::to_string(i) + ".evt");
  ASSERT_EQ(recent.Files().size(), TRecentFiles::kMaxCount);
  EXPECT_EQ(recent.Files().front(), "/logs/11.evt");
  EXPECT_EQ(recent.Files().back(), "/logs/2.evt");

  recent.Remove("/Logs/5.EVT");
  EXPECT_EQ(recent.Files().size(), 9u);
  EXPECT_EQ(std::count(recent.Files().begin(), recent.Files().end(), "/logs/5.evt"), 0);
}

TEST(RecentFiles, CaptionsNumberOneToTenWithTheirOwnAmpersandsShown) {
  EXPECT_EQ(RecentFileCaption(0, "/logs/a.evt"), "&1 /logs/a.evt");
  EXPECT_EQ(RecentFileCaption(8, "/logs/i.evt"), "&9 /logs/i.evt");
  EXPECT_EQ(RecentFileCaption(9, "/R&D/j.evt"), "1&0 /R&&D/j.evt");
}

class RecentSettings : public ::testing::Test {
 protected:
  Names Loaded() {
    TOXOptions settings(FileName);
    settings.Load();
    return settings.Recent.Files();
  }

  ScratchDir Dir;
  std::string FileName = Dir.File("Oxlane.ini");
};

TEST_F(RecentSettings, TheListIsSavedWithTheOtherSettingsAndReadBackInOrder) {
  TOXOptions settings(FileName);
  settings.Load();
  settings.LastLog = {"/logs/a.evt", 1000};
  for (const char* name : {"/logs/c.evt", "/logs/b.evt", " /logs/padded.evt", "/logs/a.evt"}) {
    settings.Recent.Add(name);
  }
  settings.Save();
  // A name with blanks around it would read back trimmed: it is left out.
  EXPECT_EQ(Loaded(), (Names{"/logs/a.evt", "/logs/b.evt", "/logs/c.evt"}));
  const std::string text = ReadTextFile(FileName);
  EXPECT_NE(text.find("[LastLog]"), std::string::npos);
  EXPECT_NE(text.find("Filename=/logs/a.evt"), std::string::npos);
  EXPECT_NE(text.find("[Recent]"), std::string::npos);
  EXPECT_NE(text.find("Count=3"), std::string::npos);
  EXPECT_NE(text.find("/logs/c.evt"), std::string::npos);

  // A shorter list leaves nothing of the longer one behind.
  settings.Recent.Remove("/logs/b.evt");
  settings.Recent.Remove("/logs/c.evt");
  settings.Save();
  EXPECT_EQ(Loaded(), Names{"/logs/a.evt"});
  EXPECT_EQ(ReadTextFile(FileName).find("/logs/c.evt"), std::string::npos);
}

TEST_F(RecentSettings, NonsenseInTheSectionIsReadSensibly) {
  std::string many = "[Recent]\nCount=40\n";
  for (int i = 1; i <= 12; ++i)
    many += "File" + std::to_string(i) + "=/f" + std::to_string(i) + "\n";
  WriteTextFile(FileName, many);
  const Names loaded = Loaded();
  ASSERT_EQ(loaded.size(), 10u);
  EXPECT_EQ(loaded.front(), "/f1");
  EXPECT_EQ(loaded.back(), "/f10");

  WriteTextFile(FileName,
                "[Recent]\nCount=lots\nFile1=\nFile2=/a\nFile3=/A\nFile4=/b\nFile11=/c\n");
  EXPECT_EQ(Loaded(), (Names{"/a", "/b"}));  // no number: every key there is room for

  WriteTextFile(FileName, "[Recent]\nCount=1\nFile1=/a\nFile2=/b\n");
  EXPECT_EQ(Loaded(), Names{"/a"});
  WriteTextFile(FileName, "[Recent]\nCount=-5\nFile1=/a\n");
  EXPECT_TRUE(Loaded().empty());
  WriteTextFile(FileName, "[Recent]\nCount=\nFile1=/a\n");
  EXPECT_EQ(Loaded(), Names{"/a"});
}

}  // namespace
