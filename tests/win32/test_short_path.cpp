// GetShortPathNameA: an existing file's canonical path, the buffer size it needs when the buffer
// is too small, and 0 for a file that does not exist.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/win32/windows.h"
#include "tests/support/scratch_dir.h"

TEST(ShortPathName, AnExistingFileGivesItsCanonicalPath) {
  ScratchDir dir;
  WriteTextFile(dir.File("Oxlane"), "");
  const std::string canonical = std::filesystem::canonical(dir.File("Oxlane")).string();
  const std::string roundabout = dir.File("sub/../Oxlane");
  std::filesystem::create_directory(dir.File("sub"));

  char buffer[4096] = "untouched";
  EXPECT_EQ(GetShortPathNameA(roundabout.c_str(), buffer, 4), canonical.size() + 1);
  EXPECT_STREQ(buffer, "untouched");
  EXPECT_EQ(GetShortPathNameA(roundabout.c_str(), buffer, static_cast<DWORD>(canonical.size())),
            canonical.size() + 1);  // no room for the terminating zero
  EXPECT_EQ(GetShortPathNameA(roundabout.c_str(), buffer, sizeof buffer), canonical.size());
  EXPECT_EQ(buffer, canonical);
}

TEST(ShortPathName, AMissingFileOrNoNameFails) {
  ScratchDir dir;
  char buffer[256] = "untouched";
  EXPECT_EQ(GetShortPathNameA(dir.File("missing.exe").c_str(), buffer, sizeof buffer), 0u);
  EXPECT_EQ(GetShortPathNameA("", buffer, sizeof buffer), 0u);
  EXPECT_EQ(GetShortPathNameA(nullptr, buffer, sizeof buffer), 0u);
  EXPECT_STREQ(buffer, "untouched");
}
