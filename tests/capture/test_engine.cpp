// Starting and stopping logs, markers and the record filter, as a host program drives them.

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include "log/builtin_events.h"
#include "log/log_strings.h"
#include "log/tracebook_error.h"
#include "platform/vcl/system.h"
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

// A proxy that writes a record for every key pressed.
class TKeyProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TKeyProxy)
  explicit TKeyProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
    AddLogEventClass(TProbeEvent::StaticClass());
  }
  void KeyboardHook(int, WPARAM key, LPARAM) override {
    LogStream->WriteEvent(std::make_unique<TProbeEvent>(std::string(1, static_cast<char>(key))));
  }
};
const TLogEventProxyClass& TKeyProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TKeyProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TKeyProxy>};
  return cls;
}

std::vector<std::string> gReported;
void ReportToConsole(const std::exception& e, uintptr_t) {
  gReported.push_back(ExceptionClassName(e));
}

// Key presses as the thread's keyboard hooks see them.
void PressKeys(std::string_view keys) {
  for (char key : keys) CallHookChain(WH_KEYBOARD, HC_ACTION, static_cast<WPARAM>(key), 0);
}

TEST_F(Engine, ACaptureWriteThatFailsIsReportedOnceAndLeavesTheLogWhole) {
  TLogStream::RegisterProxyClass(TKeyProxy::StaticClass());
  for (const bool console : {false, true}) {
    const std::string name = Dir.File(console ? "console.evt" : "windowed.evt");
    // In a child: the file-size limit and the host's exception handling stay there. SIGXFSZ
    // keeps its default, which ends the program: no write may start beyond the limit.
    const int code = RunInChild([&] {
      SetIsConsole(console);
      SetExceptProc(&ReportToConsole);
      Application().SetOnException(
          [](TObject*, const std::exception& e) { gReported.push_back(ExceptionClassName(e)); });
      StartEventLog(name, "Host");
      PressKeys("1");
      const auto end = static_cast<rlim_t>(FileStream()->Size());
      rlimit limit{end + 3, RLIM_INFINITY};  // no record fits any more
      setrlimit(RLIMIT_FSIZE, &limit);
      PressKeys("234");
      if (FileStream()->Size() != static_cast<int64_t>(end)) return 2;
      limit.rlim_cur = RLIM_INFINITY;
      setrlimit(RLIMIT_FSIZE, &limit);
      PressKeys("5");
      StopEventLog();
      StartEventLog(name, "Host");  // the next session appends to a log that reads
      StopEventLog();
      return gReported == std::vector<std::string>{"EWriteError"} ? 0 : 3;
    });
    EXPECT_EQ(code, 0) << (console ? "console" : "windowed");
    std::vector<std::string> texts;
    for (const auto& record : ReadLogFile(name)) {
      texts.push_back(record->ClassName() == "TProbeEvent" ? record->AsString()
                                                           : record->ClassName());
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"TStartSessionEvent", "1", "5", "TStopSessionEvent",
                                               "TStartSessionEvent", "TStopSessionEvent"}));
  }
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
