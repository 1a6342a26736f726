// The oxlane program itself, started as a user starts it.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct TProgramRun {
  bool Exited;
  int ExitCode;
  std::string Err;
};

TProgramRun RunOxlane(const std::string& environment) {
  const std::string command = "env " + environment + " " + OXLANE_PATH + " 2>&1 >/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string err;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) err += buffer;
  const int status = ::pclose(pipe);
  return {WIFEXITED(status) != 0, WEXITSTATUS(status), err};
}

TEST(Program, ADisplayThatCannotBeReachedEndsTheStartWithAHint) {
  // A display number that no X server serves.
  const TProgramRun run = RunOxlane("-u QT_QPA_PLATFORM DISPLAY=:9999");
  EXPECT_TRUE(run.Exited) << run.Err;
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_NE(run.Err.find("oxlane: no window can be opened: the display "
                         "(DISPLAY=:9999) cannot be reached."),
            std::string::npos)
      << run.Err;
}

}  // namespace
