// evtdump run as a user runs it, on logs written by the library and on damaged files.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include "log/builtin_events.h"
#include "tests/support/log_fixture.h"
#include "tests/support/scratch_dir.h"

namespace {

struct TRun {
  int ExitCode;
  std::string Out;
  std::string Err;
};

class Evtdump : public LogFixture {
 protected:
  TRun Run(const std::string& arguments) {
    const std::string out = Dir.File("out.txt");
    const std::string err = Dir.File("err.txt");
    const int status = std::system(
        (std::string(EVTDUMP_PATH) + " " + arguments + " >" + out + " 2>" + err).c_str());
    return {WEXITSTATUS(status), ReadTextFile(out), ReadTextFile(err)};
  }

  std::string WriteLog() {
    const std::string name = Dir.File("session.evt");
    CreateLogStream(name, true);
    LogStream()->WriteEvent(std::make_unique<TStartSessionEvent>("Orders"));
    LogStream()->WriteEvent(std::make_unique<TUserMessageEvent>("hello"));
    LogStream()->WriteEvent(std::make_unique<TSeparatorEvent>());
    CloseLogStream();
    return name;
  }

  ScratchDir Dir;
};

TEST_F(Evtdump, PrintsOneLinePerRecord) {
  const TRun run = Run(WriteLog());
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Err, "");
  const std::string expectedTail = "1000\tuser message\thello\n1000\tseparator\t-\n";
  ASSERT_GE(run.Out.size(), expectedTail.size());
  EXPECT_EQ(run.Out.substr(run.Out.size() - expectedTail.size()), expectedTail);
  EXPECT_EQ(run.Out.substr(0, 19), "1000\tstart session\t");
}

TEST_F(Evtdump, PropsAddsThePropertyLinesIndented) {
  const TRun run = Run("--props " + WriteLog());
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_NE(run.Out.find("1000\tuser message\thello\n  EventName=user message\n  Message=hello\n"
                         "  TickCount=1000\n"),
            std::string::npos);
}

TEST_F(Evtdump, MissingFilesAndFilesThatAreNotLogsAreReported) {
  TRun run = Run(Dir.File("nothing.evt"));
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_NE(run.Err.find("Tracebook log does not exist"), std::string::npos);
  EXPECT_FALSE(FileExists(Dir.File("nothing.evt")));

  WriteTextFile(Dir.File("notes.txt"), "just some text, long enough");
  run = Run(Dir.File("notes.txt"));
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_NE(run.Err.find("File is not an event log."), std::string::npos);

  run = Run("");
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_NE(run.Err.find("usage"), std::string::npos);
}

TEST_F(Evtdump, ADamagedLogPrintsWhatCameBeforeTheDamage) {
  const std::string name = WriteLog();
  std::string bytes = ReadTextFile(name);
  WriteTextFile(name, bytes.substr(0, bytes.size() - 2));  // the separator is cut off
  const TRun run = Run(name);
  EXPECT_NE(run.ExitCode, 0);
  EXPECT_NE(run.Out.find("\tuser message\thello\n"), std::string::npos);
  EXPECT_EQ(run.Out.find("separator"), std::string::npos);
  EXPECT_NE(run.Err.find("Tracebook log ends inside a record"), std::string::npos);
}

}  // namespace
