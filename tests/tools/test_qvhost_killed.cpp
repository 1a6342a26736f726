// qvhost killed at random moments of a long session, on a fresh log and on one it appends to:
// the log reads to its end (but for a record the kill tore, at a page boundary), every earlier
// session is still there, and the session's records are those of the commands that ran, in
// order, with none missing in between.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>

#include "log/builtin_events.h"
#include "tests/support/capture_fixture.h"

namespace {

constexpr char kForm[] =
    "object MainForm: TForm\n"
    "  Width = 300\n"
    "  Height = 200\n"
    "  object Tracebook1: TKDTracebook\n"
    "    ApplicationID = 'Killed'\n"
    "  end\n"
    "  object OKBtn: TButton\n"
    "    Left = 10\n"
    "    Top = 10\n"
    "    Width = 75\n"
    "    Height = 25\n"
    "  end\n"
    "end\n";

// Far more than a run gets through before it is killed: a message and a click, over and over.
std::string LongScript() {
  std::string script;
  for (int i = 0; i < 200000; ++i)
    script += "message \"" + std::to_string(i) + "\"\nclick MainForm.OKBtn\n";
  return script;
}

class KilledHost : public ::testing::Test {
 protected:
  pid_t StartHost() {
    const pid_t child = ::fork();
    if (child == 0) {
      std::freopen("/dev/null", "w", stderr);
      ::execl(QVHOST_PATH, QVHOST_PATH, "--log", Log().c_str(), Dir.File("form.dfm").c_str(),
              Dir.File("session.script").c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    return child;
  }
  std::string Log() const { return Dir.File("killed.evt"); }

  ScratchDir Dir;
};

TEST_F(KilledHost, LeavesALogThatReadsToItsEndWithEveryMessageInOrder) {
  WriteTextFile(Dir.File("form.dfm"), kForm);
  WriteTextFile(Dir.File("session.script"), LongScript());
  std::mt19937 random(1209);
  int sessionsBefore = 0;
  for (int round = 0; round < 10; ++round) {
    const bool appending = round % 3 != 0;
    if (!appending) {
      std::remove(Log().c_str());
      sessionsBefore = 0;
    }
    const pid_t host = StartHost();
    ASSERT_GT(host, 0);
    // The host reads the script and the form first; some kills land before its log starts.
    ::usleep(std::uniform_int_distribution<useconds_t>(20000, 300000)(random));
    ::kill(host, SIGKILL);
    int status = 0;
    ::waitpid(host, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the session ended before the kill";

    if (::access(Log().c_str(), F_OK) != 0) continue;  // killed before the log was made
    const TRecords records = ReadLogFile(Log());       // a half record fails here
    int sessions = 0;
    std::vector<std::string> messages;
    for (const auto& record : records) {
      if (dynamic_cast<const TStartSessionEvent*>(record.get())) {
        ++sessions;
        messages.clear();
      }
      if (auto* message = dynamic_cast<const TUserMessageEvent*>(record.get()))
        messages.push_back(message->Message());
    }
    ASSERT_GE(sessions, sessionsBefore) << "round " << round << ": an earlier session is gone";
    for (size_t i = 0; i < messages.size(); ++i)
      ASSERT_EQ(messages[i], std::to_string(i)) << "round " << round;
    sessionsBefore = sessions;
  }
}

}  // namespace
