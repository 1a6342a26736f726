// A host killed at any moment leaves a log that reads to its end: each record reaches the file in
// one write, so a kill lands between records, and every record whose write returned is in it.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "log/builtin_events.h"
#include "tests/support/capture_fixture.h"

namespace {

// The write calls this process has made so far (the kernel's count).
uint64_t WriteCalls() {
  std::ifstream io("/proc/self/io");
  std::string key;
  uint64_t value = 0;
  while (io >> key >> value)
    if (key == "syscw:") return value;
  ADD_FAILURE() << "/proc/self/io has no write count";
  return 0;
}

class CrashSafety : public CaptureFixture {
 protected:
  // Starts a child that logs the messages "0", "1", ... and tells the pipe the number of each
  // one once its write has returned, until it is killed.
  pid_t StartRecordingChild(int confirmations) {
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(pipe_[0]);
      Start();
      for (uint32_t i = 0;; ++i) {
        LogUserMessage(std::to_string(i));
        if (::write(confirmations, &i, sizeof i) != sizeof i) ::_exit(1);
      }
    }
    return child;
  }

  // Reads confirmations until `count` have come (or the child is gone); answers the last one,
  // or -1 for none.
  static int64_t ReadConfirmations(int fd, int64_t count) {
    int64_t last = -1;
    uint32_t index = 0;
    for (int64_t seen = 0; seen < count && ::read(fd, &index, sizeof index) == sizeof index; ++seen)
      last = index;
    return last;
  }

  // The messages of the log's last session, in order.
  std::vector<std::string> LastSessionMessages() {
    const TRecords records = ReadLogFile(LogFile());  // a half record fails here
    std::vector<std::string> messages;
    for (const auto& record : records) {
      if (dynamic_cast<const TStartSessionEvent*>(record.get())) messages.clear();
      if (auto* message = dynamic_cast<const TUserMessageEvent*>(record.get()))
        messages.push_back(message->Message());
    }
    return messages;
  }

  int pipe_[2] = {-1, -1};
};

TEST_F(CrashSafety, EachRecordReachesTheFileInOneWrite) {
  Start();
  for (int i = 0; i < 20; ++i) {
    const uint64_t before = WriteCalls();
    LogUserMessage("a text the string pool has not seen: " + std::to_string(i));
    EXPECT_EQ(WriteCalls() - before, 1u) << "message " << i;
    const uint64_t beforeSection = WriteCalls();
    LogSectionEvent("Section " + std::to_string(i), i % 2 == 0);
    EXPECT_EQ(WriteCalls() - beforeSection, 1u) << "section " << i;
  }
}

TEST_F(CrashSafety, AKilledHostLeavesEveryRecordItHandedOverAndNoHalfRecord) {
  std::mt19937 random(20261209);
  for (int round = 0; round < 12; ++round) {
    const bool appending = round % 3 != 0;  // a fresh log every third round
    if (!appending) std::remove(LogFile().c_str());
    ASSERT_EQ(::pipe(pipe_), 0);
    const pid_t child = StartRecordingChild(pipe_[1]);
    ASSERT_GT(child, 0);
    ::close(pipe_[1]);
    ReadConfirmations(pipe_[0], std::uniform_int_distribution<int64_t>(1, 4000)(random));
    ::usleep(std::uniform_int_distribution<useconds_t>(0, 2000)(random));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    const int64_t lastConfirmed = ReadConfirmations(pipe_[0], INT64_MAX);
    ::close(pipe_[0]);

    const std::vector<std::string> messages = LastSessionMessages();
    // Every confirmed message is there, in order; at most one more, written before the kill but
    // not yet confirmed.
    ASSERT_GE(static_cast<int64_t>(messages.size()), lastConfirmed + 1) << "round " << round;
    ASSERT_LE(static_cast<int64_t>(messages.size()), lastConfirmed + 2) << "round " << round;
    for (size_t i = 0; i < messages.size(); ++i)
      ASSERT_EQ(messages[i], std::to_string(i)) << "round " << round;
  }
}

}  // namespace
