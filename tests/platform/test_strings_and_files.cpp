// String helpers, file-name helpers, the string table and the tick count.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/mmsystem.h"
#include "platform/strtable.h"
#include "platform/sysutils.h"

TEST(Strings, CaseFoldingIsAsciiOnly) {
  EXPECT_EQ(UpperCase("abc-\xe4Z"), "ABC-\xe4Z");
  EXPECT_EQ(LowerCase("ABC-\xc4z"), "abc-\xc4z");
  EXPECT_EQ(CompareText("apple", "APPLE"), 0);
  EXPECT_LT(CompareText("apple", "Banana"), 0);
  EXPECT_GT(CompareText("abc", "AB"), 0);
  EXPECT_GT(CompareText("_", "a"), 0);  // letters compare as upper case, below "_"
  EXPECT_TRUE(SameText("TButton", "tbutton"));
  EXPECT_FALSE(SameText("\xe4", "\xc4"));
}

TEST(Strings, TrimRemovesControlCharactersAndSpaces) {
  EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(Trim("   "), "");
}

TEST(FileNames, PartsOfAName) {
  EXPECT_EQ(ExtractFilePath("/var/log/app.evt"), "/var/log/");
  EXPECT_EQ(ExtractFileName("/var/log/app.evt"), "app.evt");
  EXPECT_EQ(ExtractFileExt("/var/log/app.evt"), ".evt");
  EXPECT_EQ(ExtractFileExt("/var/log.d/app"), "");
  EXPECT_EQ(ChangeFileExt("/var/log.d/app", ".evt"), "/var/log.d/app.evt");
  EXPECT_EQ(ChangeFileExt("/var/app.exe", ".evt"), "/var/app.evt");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp"), "/tmp/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp/"), "/tmp/");
  EXPECT_EQ(ExpandFileName("/a/./b/../c"), "/a/c");
  EXPECT_EQ(ExpandFileName("x.evt"), (std::filesystem::current_path() / "x.evt").string());
}

TEST(FileNames, ExistenceAndDeletion) {
  const std::string dir = std::filesystem::temp_directory_path().string();
  const std::string file = IncludeTrailingPathDelimiter(dir) + "tracebook_sysutils_test.tmp";
  std::fclose(std::fopen(file.c_str(), "w"));
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(dir));
  EXPECT_TRUE(DirectoryExists(dir));
  EXPECT_FALSE(DirectoryExists(file));
  EXPECT_TRUE(DeleteFile(file));
  EXPECT_FALSE(FileExists(file));
  EXPECT_FALSE(DeleteFile(file));
}

TEST(StringTable, RegisteredTablesAnswerUntilUnregistered) {
  static const TStringTableEntry kFirst[] = {{19100, "start session"}, {19101, "stop session"}};
  static const TStringTableEntry kSecond[] = {{20000, "invalid handle"}};
  RegisterStringTable(kFirst);
  RegisterStringTable(kFirst);
  RegisterStringTable(kSecond);
  EXPECT_EQ(LoadStr(19101), "stop session");
  EXPECT_EQ(LoadStr(20000), "invalid handle");
  EXPECT_EQ(LoadStr(12345), "");
  UnregisterStringTable(kFirst);
  EXPECT_EQ(LoadStr(19100), "");
  EXPECT_EQ(LoadStr(20000), "invalid handle");
}

TEST(TickCount, FixedValueAndRealClock) {
  SetFixedTickCount(0xFFFFFFFFu);
  EXPECT_EQ(timeGetTime(), 0xFFFFFFFFu);
  SetFixedTickCount(std::nullopt);
  const uint32_t first = timeGetTime();
  EXPECT_LE(static_cast<uint32_t>(timeGetTime() - first), 1000u);
}
