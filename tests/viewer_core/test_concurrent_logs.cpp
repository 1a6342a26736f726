// Logs shared between processes: the viewer reading a log while a host appends to it sees a clean
// prefix of it every time, and of two hosts that start on one log at the same moment one logs and
// the other is refused, with nothing of the log lost.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "capture/engine.h"
#include "log/builtin_events.h"
#include "tests/support/child_process.h"
#include "tests/support/scratch_dir.h"
#include "viewer/core/log_loader.h"

namespace {

// The messages of each session of the log, and how the read ended.
struct TLogContents {
  TReadOutcome Outcome;
  std::string Message;
  std::vector<std::vector<std::string>> Sessions;
};

TLogContents ReadContents(const std::string& fileName) {
  TEventList records;
  TSessionTable sessions;
  TRecordGrouping grouping;
  const TReadResult result = ReadLogFile(fileName, records, sessions, grouping);
  TLogContents contents{result.Outcome, result.Message, {}};
  for (size_t i = 0; i < records.size(); ++i) {
    if (IsStartSession(*records[i].Class)) contents.Sessions.emplace_back();
    const std::shared_ptr<const TLogEvent> record = records.Record(i);
    if (auto* message = dynamic_cast<const TUserMessageEvent*>(record.get()))
      if (!contents.Sessions.empty()) contents.Sessions.back().push_back(message->Message());
  }
  return contents;
}

// Whether the messages are "0", "1", ... with none missing.
bool IsCountingPrefix(const std::vector<std::string>& messages) {
  for (size_t i = 0; i < messages.size(); ++i)
    if (messages[i] != std::to_string(i)) return false;
  return true;
}

// A host that logs "0", "1", ... until it is killed.
int LogUntilKilled(const std::string& fileName) {
  StartEventLog(fileName, "Writer");
  for (int i = 0;; ++i) LogUserMessage(std::to_string(i));
}

class ConcurrentLogs : public ::testing::Test {
 protected:
  std::string Log() const { return Dir.File("shared.evt"); }
  ScratchDir Dir;
};

TEST_F(ConcurrentLogs, AReaderAlwaysSeesACleanPrefixOfALogBeingAppendedTo) {
  ASSERT_EQ(WaitForChild(StartChild([&] {
              StartEventLog(Log(), "First");
              LogUserMessage("0");
              StopEventLog();
              return 0;
            })),
            0);
  const TKilledChild writer(StartChild([&] { return LogUntilKilled(Log()); }));
  size_t seen = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  for (int load = 0; seen < 20000 && std::chrono::steady_clock::now() < deadline; ++load) {
    const TLogContents contents = ReadContents(Log());
    ASSERT_EQ(contents.Outcome, TReadOutcome::roRead)
        << "load " << load << ": " << contents.Message;
    ASSERT_GE(contents.Sessions.size(), 1u);
    ASSERT_EQ(contents.Sessions.front(), std::vector<std::string>{"0"});
    if (contents.Sessions.size() < 2) continue;  // the writer has not started yet
    ASSERT_EQ(contents.Sessions.size(), 2u);
    const std::vector<std::string>& appended = contents.Sessions.back();
    ASSERT_TRUE(IsCountingPrefix(appended)) << "load " << load;
    ASSERT_GE(appended.size(), seen) << "load " << load << " saw less than the one before";
    seen = appended.size();
  }
  EXPECT_GT(seen, 0u);
}

TEST_F(ConcurrentLogs, AReaderOfANewLogStillBeingWrittenSeesACleanPrefix) {
  const TKilledChild writer(StartChild([&] { return LogUntilKilled(Log()); }));
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
  size_t seen = 0;
  for (int load = 0; std::chrono::steady_clock::now() < deadline; ++load) {
    const TLogContents contents = ReadContents(Log());
    // Not created yet when opened (and told as not a log, or, created by the time the reader
    // looks why, as being written); once created, a new log is shared with readers.
    if (contents.Outcome == TReadOutcome::roNotALog ||
        contents.Outcome == TReadOutcome::roBeingWritten)
      continue;
    ASSERT_EQ(contents.Outcome, TReadOutcome::roRead) << "load " << load;
    for (const auto& session : contents.Sessions) ASSERT_TRUE(IsCountingPrefix(session));
    if (!contents.Sessions.empty()) seen = std::max(seen, contents.Sessions.front().size());
  }
  EXPECT_GT(seen, 0u);
}

TEST_F(ConcurrentLogs, OfTwoHostsStartingOnOneLogOneLogsAndTheOtherIsRefused) {
  size_t sessionsBefore = 0;
  for (int round = 0; round < 8; ++round) {
    if (round % 4 == 0) {  // a new log, which both try to create, then runs appending to it
      std::remove(Log().c_str());
      sessionsBefore = 0;
    }
    int go[2], release[2];
    ASSERT_EQ(::pipe(go), 0);
    ASSERT_EQ(::pipe(release), 0);
    // Each host waits for the go, starts, logs 100 messages and holds the log until released.
    const auto host = [&] {
      ::close(go[1]);
      ::close(release[1]);
      char byte;
      if (::read(go[0], &byte, 1) != 0) return 3;
      StartEventLog(Log(), "Racer");
      for (int i = 0; i < 100; ++i) LogUserMessage(std::to_string(i));
      if (::read(release[0], &byte, 1) != 0) return 3;
      StopEventLog();
      return 0;
    };
    const pid_t first = StartChild(host);
    const pid_t second = StartChild(host);
    ::close(go[0]);
    ::close(release[0]);
    ::close(go[1]);  // both start at once
    // The refused one ends by itself; wait for it before releasing the other.
    int finished = 0;
    const pid_t refused = ::wait(&finished);
    ASSERT_TRUE(WIFEXITED(finished));
    EXPECT_EQ(WEXITSTATUS(finished), kChildRaised) << "round " << round << ": both hosts started";
    ::close(release[1]);
    EXPECT_EQ(WaitForChild(refused == first ? second : first), 0) << "round " << round;

    const TLogContents contents = ReadContents(Log());
    ASSERT_EQ(contents.Outcome, TReadOutcome::roRead) << "round " << round;
    ASSERT_EQ(contents.Sessions.size(), sessionsBefore + 1) << "round " << round;
    for (const auto& session : contents.Sessions) {
      ASSERT_EQ(session.size(), 100u) << "round " << round;
      ASSERT_TRUE(IsCountingPrefix(session));
    }
    sessionsBefore = contents.Sessions.size();
  }
}

}  // namespace
