// The sarnet program itself, run with its options on prepared INI files.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "tests/installer/installer_fixture.h"

namespace {

// Runs sarnet with `arguments` and $WINDIR set to `windows`; its output goes to `output`.
int RunSarnet(const std::vector<std::string>& arguments, const std::string& windows,
              const std::string& output) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::setenv("WINDIR", windows.c_str(), 1);
    const int fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(fd, 1);
    ::dup2(fd, 2);
    std::vector<char*> argv{const_cast<char*>(SARNET_PROGRAM)};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(SARNET_PROGRAM, argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

class SarnetProgram : public InstallerTest {
 protected:
  std::string Output = Windows.File("output.txt");
};

TEST_F(SarnetProgram, CreatesTheSectionKeyByKey) {
  WriteTextFile(IniPath(), "[transfer]\r\nTitle0=Notes\r\nCount=1\r\n");
  EXPECT_EQ(RunSarnet({"/T\"Event viewer'", "-p/bin/sh", "/W/tmp", "/A$EDNAME", "/C"},
                      Windows.Path().string(), Output),
            0);
  EXPECT_EQ(ReadTextFile(Output), "");
  EXPECT_EQ(Value("Count"), "2");
  EXPECT_EQ(Value("Title1"), "Event viewer");
  EXPECT_EQ(Value("Path1"), std::filesystem::canonical("/bin/sh").string());
  EXPECT_EQ(Value("WorkingDir1"), "/tmp");
  EXPECT_EQ(Value("Params1"), "$EDNAME");
  EXPECT_NE(ReadTextFile(IniPath()).find("\r\nCount=2\r\n"),
            std::string::npos);  // line breaks kept
}

TEST_F(SarnetProgram, WithoutTheSectionAndWithoutCreateItWritesNothing) {
  EXPECT_EQ(RunSarnet({"/TOxlane", "/P/bin/sh", "/C"}, Windows.Path().string(), Output), 0);
  EXPECT_FALSE(FileExists(IniPath()));
  EXPECT_EQ(RunSarnet({"/TOxlane", "/P/bin/sh", "/C+"}, Windows.Path().string(), Output), 0);
  EXPECT_EQ(Value("Count"), "1");
  EXPECT_EQ(Value("Title0"), "Oxlane");
}

TEST_F(SarnetProgram, AFailedWriteEndsWithTheRuntimesReport) {
  WriteTextFile(Windows.File("plain-file"), "");
  EXPECT_EQ(RunSarnet({"/TOxlane", "/C+"}, Windows.File("plain-file/windows"), Output), 217);
  const std::string report = ReadTextFile(Output);
  EXPECT_EQ(report.rfind("Exception EIniFileException in module sarnet at ", 0), 0u) << report;
  EXPECT_NE(report.find("\nUnable to write to DELPHI.INI.\n"), std::string::npos) << report;
}

TEST_F(SarnetProgram, HelpPrintsTheOptionsAndTouchesNothing) {
  EXPECT_EQ(RunSarnet({"/TOxlane", "/C+", "--help"}, Windows.Path().string(), Output), 0);
  EXPECT_NE(ReadTextFile(Output).find("Usage: sarnet"), std::string::npos);
  EXPECT_FALSE(FileExists(IniPath()));
}
