// A host killed at any moment, on a fresh log or one it appends to: every record whose write
// returned is in the log, in order. A kill may tear the record being written, at a page
// boundary only; the next host to append cuts it away, so every earlier session still reads.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>
#include <utility>

#include "log/builtin_events.h"
#include "tests/support/capture_fixture.h"

namespace {

class KilledHost : public CaptureFixture {
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

  // The messages of the log's last session, in order, and the number of sessions.
  std::pair<std::vector<std::string>, int> LastSessionMessages() {
    const TRecords records = ReadUpToATornRecord(LogFile());
    std::vector<std::string> messages;
    int sessions = 0;
    for (const auto& record : records) {
      if (dynamic_cast<const TStartSessionEvent*>(record.get())) {
        messages.clear();
        ++sessions;
      }
      if (auto* message = dynamic_cast<const TUserMessageEvent*>(record.get()))
        messages.push_back(message->Message());
    }
    return {messages, sessions};
  }

  int pipe_[2] = {-1, -1};
};

TEST_F(KilledHost, LeavesEveryRecordItHandedOverInOrderAndEverySessionBeforeIt) {
  std::mt19937 random(20261209);
  int sessionsBefore = 0;
  for (int round = 0; round < 12; ++round) {
    const bool appending = round % 3 != 0;  // a fresh log every third round
    if (!appending) {
      std::remove(LogFile().c_str());
      sessionsBefore = 0;
    }
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

    const auto [messages, sessions] = LastSessionMessages();
    // An earlier session torn by its kill was cut back, not left in the way of this one.
    ASSERT_EQ(sessions, sessionsBefore + 1) << "round " << round;
    sessionsBefore = sessions;
    // Every confirmed message is there, in order; at most one more, written before the kill but
    // not yet confirmed.
    ASSERT_GE(static_cast<int64_t>(messages.size()), lastConfirmed + 1) << "round " << round;
    ASSERT_LE(static_cast<int64_t>(messages.size()), lastConfirmed + 2) << "round " << round;
    for (size_t i = 0; i < messages.size(); ++i)
      ASSERT_EQ(messages[i], std::to_string(i)) << "round " << round;
  }
}

}  // namespace
