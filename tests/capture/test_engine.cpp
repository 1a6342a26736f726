// Starting and stopping logs, markers and the record filter, as a host program drives them.

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include "log/builtin_events.h"
#include "log/log_strings.h"
#include "log/tracebook_error.h"
#include "tests/support/capture_fixture.h"
#include "tests/support/child_process.h"

namespace {

class Engine : public CaptureFixture {};

int ErrorId(const std::function<void()>& action) {
  try {
    action();
  } catch (const ETracebookError& e) {
    return e.MessageId();
  }
  return 0;
}

TEST_F(Engine, ASessionIsFramedBySessionRecords) {
  Start();
  EXPECT_TRUE(IsLogStarted());
  LogUserMessage("hello");
  LogSectionEvent("Save", true);
  LogSeparator();
  LogSectionEvent("Save", false);
  StopEventLog();
  EXPECT_FALSE(IsLogStarted());
  EXPECT_EQ(LogStream(), nullptr);

  const TRecords records = ReadLogFile(LogFile());
  EXPECT_EQ(
      ClassNames(records),
      (std::vector<std::string>{"TStartSessionEvent", "TUserMessageEvent", "TEnterSectionEvent",
                                "TSeparatorEvent", "TLeaveSectionEvent", "TStopSessionEvent"}));
  EXPECT_EQ(dynamic_cast<TStartSessionEvent&>(*records[0]).Identifier(), "Host");
  EXPECT_EQ(records[1]->AsString(), "hello");
}

TEST_F(Engine, StartingAgainIsARestart) {
  Start();
  Start();
  EXPECT_TRUE(IsLogStarted());
  StopEventLog();
  StopEventLog();  // the second stop does nothing
  EXPECT_EQ(ClassNames(ReadLogFile(LogFile())),
            (std::vector<std::string>{"TStartSessionEvent", "TStopSessionEvent",
                                      "TStartSessionEvent", "TStopSessionEvent"}));
}

TEST_F(Engine, ARunAppendsToTheLogOfEarlierRuns) {
  Start();
  LogUserMessage("first run");
  StopEventLog();
  Start();
  LogUserMessage("second run");
  StopEventLog();
  const TRecords records = ReadLogFile(LogFile());
  ASSERT_EQ(records.size(), 6u);
  EXPECT_EQ(records[1]->AsString(), "first run");
  EXPECT_EQ(records[4]->AsString(), "second run");
}

TEST_F(Engine, MarkersNeedAStartedLog) {
  EXPECT_EQ(ErrorId([] { LogSeparator(); }), log_strings::SLogNotOpen);
  EXPECT_EQ(ErrorId([] { LogUserMessage("x"); }), log_strings::SLogNotOpen);
  EXPECT_EQ(ErrorId([] { LogSectionEvent("x", true); }), log_strings::SLogNotOpen);
  EXPECT_FALSE(FileExists(LogFile()));
}

TEST_F(Engine, FileNamesAreCompletedFromTheProgram) {
  const std::string exe = Application().ExeName();
  const std::string exeDir = ExtractFilePath(exe);
  const std::string defaultName = ChangeFileExt(ExtractFileName(exe), ".evt");
  EXPECT_EQ(CompleteLogFileName(""), exeDir + defaultName);
  EXPECT_EQ(CompleteLogFileName("orders.evt"), exeDir + "orders.evt");
  EXPECT_EQ(CompleteLogFileName("/var/logs/"), "/var/logs/" + defaultName);
  EXPECT_EQ(CompleteLogFileName("/var/logs/a.evt"), "/var/logs/a.evt");
}

TEST_F(Engine, TheFilterOutlivesStopAndStart) {
  TLogStream::RegisterProxyClass(TRecordingProxy<0>::StaticClass());
  ExcludeLogEvent("TProbeEvent");
  Start();
  StopEventLog();
  Start();
  EXPECT_FALSE(LogEventEnabled("TProbeEvent"));
  IncludeLogEvents(std::vector<std::string>{"TProbeEvent", "TNobody", "TStartSessionEvent"});
  EXPECT_TRUE(LogEventEnabled("TProbeEvent"));
  ExcludeLogEvents({});
  EXPECT_TRUE(LogEventEnabled("TProbeEvent"));
  ExcludeLogEvents(std::vector<std::string>{"TStartSessionEvent"});
  EXPECT_TRUE(LogEventEnabled("TStartSessionEvent"));

  TStringList names;
  GetRegisteredLogEvents(&names);
  EXPECT_EQ(names.Get(0), "TProbeEvent");
  GetRegisteredLogEvents(nullptr);
}

TEST_F(Engine, AStartThatFailsHalfWayLeavesNothingRunning) {
  const std::string name = LogFile();
  Start();
  StopEventLog();
  const size_t before = ReadTextFile(name).size();
  // The file opens, but the start-of-session record cannot be written past a file-size limit.
  const int code = RunInChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(before), static_cast<rlim_t>(before)};
    setrlimit(RLIMIT_FSIZE, &limit);
    try {
      Start();
      return 1;
    } catch (const Exception&) {
    }
    if (IsLogStarted() || LogStream() || FileStream()) return 2;
    // No hook of the engine stayed behind: a hook call reaches nobody and nothing is written.
    return CallHookChain(WH_KEYBOARD, HC_ACTION, 'A', 0) == 0 ? 0 : 3;
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(ReadTextFile(name).size(), before);
}

TEST_F(Engine, ALogOpenedBehindTheEnginesBackIsRefused) {
  Start();
  TLogStream* log = LogStream();
  EXPECT_EQ(ErrorId([&] { CreateLogStream(Dir.File("other.evt"), true); }),
            log_strings::SLogAlreadyOpen);
  EXPECT_EQ(LogStream(), log);
  EXPECT_FALSE(FileExists(Dir.File("other.evt")));
  StopEventLog();
  EXPECT_EQ(ClassNames(ReadLogFile(LogFile())),
            (std::vector<std::string>{"TStartSessionEvent", "TStopSessionEvent"}));
}

TEST_F(Engine, UnloadingTheLibraryStopsARunningLog) {
  const int code = RunInChild([&] {
    Start();
    LogUserMessage("last words");
    std::exit(0);  // the library unloads with the log still running
    return 1;
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(
      ClassNames(ReadLogFile(LogFile())),
      (std::vector<std::string>{"TStartSessionEvent", "TUserMessageEvent", "TStopSessionEvent"}));
}

}  // namespace
