// Opening and closing the process's log.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "log/builtin_events.h"
#include "log/log_strings.h"
#include "log/tracebook_error.h"
#include "tests/support/child_process.h"
#include "tests/support/log_fixture.h"
#include "tests/support/scratch_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;

const Bytes kSignature(std::begin(kLogSignature), std::end(kLogSignature));

class LogLifecycle : public LogFixture {
 protected:
  int OpenFailure(const std::string& fileName, bool writing) {
    try {
      CreateLogStream(fileName, writing);
    } catch (const ETracebookError& e) {
      return e.MessageId();
    }
    return 0;
  }

  void WriteSession(const std::string& fileName, const std::string& identifier) {
    CreateLogStream(fileName, true);
    LogStream()->WriteEvent(std::make_unique<TStartSessionEvent>(identifier));
    LogStream()->WriteEvent(std::make_unique<TStopSessionEvent>());
    CloseLogStream();
  }

  ScratchDir Dir;
};

TEST_F(LogLifecycle, AMissingLogIsCreatedOnlyForWriting) {
  const std::string name = Dir.File("new.evt");
  EXPECT_EQ(OpenFailure(name, false), log_strings::SLogDoesNotExist);
  EXPECT_FALSE(FileExists(name));

  CreateLogStream(name, true);
  ASSERT_NE(LogStream(), nullptr);
  ASSERT_NE(FileStream(), nullptr);
  EXPECT_EQ(LogStream()->ReadEvent(), nullptr);
  CloseLogStream();
  EXPECT_EQ(LogStream(), nullptr);
  EXPECT_EQ(FileStream(), nullptr);
  EXPECT_EQ(ReadFileBytes(name), kSignature);
  CloseLogStream();  // harmless twice
}

TEST_F(LogLifecycle, FilesThatAreNotLogsAreRefusedInBothModes) {
  const std::string shortFile = Dir.File("short.evt");
  const std::string emptyFile = Dir.File("empty.evt");
  WriteFileBytes(shortFile, {0xFE, 'Q', 'V', 'L', 'F'});
  WriteFileBytes(emptyFile, {});
  for (bool writing : {false, true}) {
    EXPECT_EQ(OpenFailure(shortFile, writing), log_strings::SNotAnEventLog);
    EXPECT_EQ(LogStream(), nullptr);
    EXPECT_EQ(OpenFailure(emptyFile, writing), log_strings::SNotAnEventLog);
    EXPECT_EQ(FileStream(), nullptr);
  }
  EXPECT_EQ(ReadFileBytes(shortFile).size(), 5u);
  EXPECT_TRUE(ReadFileBytes(emptyFile).empty());
}

TEST_F(LogLifecycle, AppendingKeepsTheOldBytesAndStartsWithAPurge) {
  const std::string name = Dir.File("two.evt");
  WriteSession(name, "first");
  const Bytes first = ReadFileBytes(name);
  WriteSession(name, "second");
  const Bytes both = ReadFileBytes(name);
  ASSERT_GT(both.size(), first.size());
  EXPECT_TRUE(std::equal(first.begin(), first.end(), both.begin()));
  EXPECT_EQ(Bytes(both.begin() + static_cast<std::ptrdiff_t>(first.size()),
                  both.begin() + static_cast<std::ptrdiff_t>(first.size()) + 6),
            (Bytes{0x00, 0x51, 0x56, 0xFE, 0x01, 0x00}));

  CreateLogStream(name, false);
  std::vector<std::string> identifiers;
  while (auto record = LogStream()->ReadEvent()) {
    if (auto* start = dynamic_cast<TStartSessionEvent*>(record.get())) {
      identifiers.push_back(start->Identifier());
    }
  }
  EXPECT_EQ(identifiers, (std::vector<std::string>{"first", "second"}));
}

TEST_F(LogLifecycle, ALogBeingWrittenCanBeReadAtTheSameTime) {
  const std::string name = Dir.File("live.evt");
  CreateLogStream(name, true);
  LogStream()->WriteEvent(std::make_unique<TStartSessionEvent>("live"));
  CloseLogStream();
  CreateLogStream(name, true);  // appending: others may read
  LogStream()->WriteEvent(std::make_unique<TStartSessionEvent>("again"));
  LogStream()->WriteEvent(std::make_unique<TUserMessageEvent>("so far"));

  TFileStream reading(name, fmOpenRead | fmShareDenyNone);
  reading.SetPosition(sizeof kLogSignature);
  TLogStream reader(reading);
  int records = 0;
  std::string last;
  while (auto record = reader.ReadEvent()) {
    ++records;
    last = record->AsString();
  }
  EXPECT_EQ(records, 3);
  EXPECT_EQ(last, "so far");
}

TEST_F(LogLifecycle, ALockedLogIsReportedAndNeverCreatedAnew) {
  const std::string name = Dir.File("locked.evt");
  WriteSession(name, "precious");
  const Bytes before = ReadFileBytes(name);
  {
    TFileStream holder(name, fmOpenReadWrite | fmShareExclusive);
    EXPECT_THROW(CreateLogStream(name, true), EFOpenError);
    EXPECT_EQ(LogStream(), nullptr);
  }
  EXPECT_EQ(ReadFileBytes(name), before);
}

TEST_F(LogLifecycle, AnOpenLogIsNeverReplaced) {
  const std::string first = Dir.File("a.evt");
  const std::string second = Dir.File("b.evt");
  CreateLogStream(first, true);
  TLogStream* open = LogStream();
  open->WriteEvent(std::make_unique<TStartSessionEvent>("first"));
  EXPECT_EQ(OpenFailure(second, true), log_strings::SLogAlreadyOpen);
  EXPECT_EQ(OpenFailure(first, false), log_strings::SLogAlreadyOpen);
  EXPECT_FALSE(FileExists(second));
  ASSERT_EQ(LogStream(), open);
  open->WriteEvent(std::make_unique<TStopSessionEvent>());
  CloseLogStream();

  CreateLogStream(first, false);
  int records = 0;
  while (LogStream()->ReadEvent()) ++records;
  EXPECT_EQ(records, 2);
}

// Two processes open the log for writing at the same moment; the winner holds it until both
// have answered. The answers, sorted: 's' refused with the sharing error, 'w' won, 'x' any other
// outcome.
std::string RaceTwoWriters(const std::string& fileName) {
  int go[2], answers[2], release[2];
  if (::pipe(go) != 0 || ::pipe(answers) != 0 || ::pipe(release) != 0) return "pipe";
  pid_t children[2];
  for (pid_t& child : children) {
    child = ::fork();
    if (child != 0) continue;
    ::close(go[1]);
    ::close(release[1]);
    char byte = 0;
    (void)!::read(go[0], &byte, 1);  // returns when the parent closes its end
    char answer = 'w';
    try {
      CreateLogStream(fileName, true);
    } catch (const EStreamError& e) {
      answer = std::string(e.what()).ends_with("being used by another process.") ? 's' : 'x';
    } catch (...) {
      answer = 'x';
    }
    (void)!::write(answers[1], &answer, 1);
    (void)!::read(release[0], &byte, 1);
    CloseLogStream();
    ::_exit(0);
  }
  ::close(go[1]);  // both go
  std::string outcome(2, '?');
  for (char& answer : outcome) {
    if (::read(answers[0], &answer, 1) != 1) answer = '?';
  }
  ::close(release[1]);
  for (pid_t child : children) ::waitpid(child, nullptr, 0);
  for (int fd : {go[0], answers[0], answers[1], release[0]}) ::close(fd);
  std::sort(outcome.begin(), outcome.end());
  return outcome;
}

TEST_F(LogLifecycle, OfTwoHostsStartingAtOnceExactlyOneGetsTheLog) {
  const std::string name = Dir.File("race.evt");
  for (const bool fresh : {true, false}) {
    if (!fresh) WriteSession(name, "earlier");
    const Bytes before = ReadFileBytes(name);
    for (int round = 0; round < 300; ++round) {
      if (fresh) std::filesystem::remove(name);
      ASSERT_EQ(RaceTwoWriters(name), "sw")
          << (fresh ? "new" : "existing") << " log, round " << round;
      // The log is whole, and the loser left nothing in the folder.
      ASSERT_EQ(ReadFileBytes(name), fresh ? kSignature : before);
      ASSERT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path()), {}), 1);
    }
  }
}

TEST_F(LogLifecycle, ANewLogThatCannotBeWrittenLeavesNoFile) {
  const std::string name = Dir.File("full.evt");
  const int code = RunInChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{5, 5};  // the signature does not fit
    ::setrlimit(RLIMIT_FSIZE, &limit);
    try {
      CreateLogStream(name, true);
      return 1;
    } catch (const EFCreateError&) {
    }
    return LogStream() || FileStream() ? 2 : 0;
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(std::filesystem::is_empty(Dir.Path()));
}

TEST_F(LogLifecycle, ProxiesGetTheLogWhenItOpensAndLoseItWhenItCloses) {
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  CreateLogStream(Dir.File("p.evt"), true);
  EXPECT_EQ(ProxyList().GetProxy(0).LogStream, LogStream());
  CloseLogStream();
  EXPECT_EQ(ProxyList().GetProxy(0).LogStream, nullptr);
}

TEST_F(LogLifecycle, DateTimeFormatIsTheShortDateAndTimeFormats) {
  // Set when the library loaded, from the process's locale.
  EXPECT_EQ(QVDateTimeFormat(),
            FormatSettings().ShortDateFormat + " " + FormatSettings().ShortTimeFormat);
}

}  // namespace
