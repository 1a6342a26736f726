// The oxlane program's --export, run as a script or a build server would run it: with no display
// at all.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <memory>
#include <string>

#include "log/builtin_events.h"
#include "log/log_lifecycle.h"
#include "tests/support/scratch_dir.h"

namespace {

TEST(CommandLineProgram, ExportNeedsNoDisplay) {
  const ScratchDir dir;
  const std::string log = dir.File("app.evt");
  const std::string out = dir.File("rows.csv");
  CreateLogStream(log, true);
  LogStream()->WriteEvent(std::make_unique<TStartSessionEvent>("App"));
  LogStream()->WriteEvent(std::make_unique<TUserMessageEvent>("hello, world"));
  LogStream()->WriteEvent(std::make_unique<TStopSessionEvent>());
  CloseLogStream();

  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                              std::string(OXLANE_PATH) + " --export '" + log + "' '" + out +
                              "' 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string messages;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) messages += buffer;
  const int status = ::pclose(pipe);

  ASSERT_TRUE(WIFEXITED(status)) << messages;
  EXPECT_EQ(WEXITSTATUS(status), 0) << messages;
  EXPECT_EQ(messages, "");
  EXPECT_NE(ReadTextFile(out).find(",\"user message\",\"hello, world\"\r\n"), std::string::npos)
      << ReadTextFile(out);
}

}  // namespace
