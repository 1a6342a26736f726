// A log whose last record a killed host left torn at a page boundary: the next host to append to
// it cuts the torn part away first, so that its session, and every later one, reads; a log that
// ends with a whole record on a page boundary keeps all of it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "log/builtin_events.h"
#include "log/torn_record.h"
#include "log/tracebook_error.h"
#include "tests/support/capture_fixture.h"

namespace {

class TornRecord : public CaptureFixture {
 protected:
  int64_t LogSize() const { return static_cast<int64_t>(std::filesystem::file_size(LogFile())); }
  void CutLogTo(int64_t size) const {
    std::filesystem::resize_file(LogFile(), static_cast<uintmax_t>(size));
  }

  // Logs messages "0", "1", ... until the log has reached `size` bytes; answers how many.
  int LogMessagesUpTo(int64_t size) {
    int count = 0;
    while (LogSize() < size) LogUserMessage(std::to_string(count++));
    return count;
  }

  // The messages of each session of the log, which must read to its end.
  std::vector<std::vector<std::string>> SessionMessages() const {
    std::vector<std::vector<std::string>> sessions;
    for (const auto& record : ReadLogFile(LogFile())) {
      if (dynamic_cast<const TStartSessionEvent*>(record.get())) sessions.emplace_back();
      if (auto* message = dynamic_cast<const TUserMessageEvent*>(record.get()))
        sessions.back().push_back(message->Message());
    }
    return sessions;
  }
};

std::vector<std::string> Counting(int count) {
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i) texts.push_back(std::to_string(i));
  return texts;
}

TEST_F(TornRecord, TheNextHostCutsARecordTornAtAPageBoundaryBeforeItAppends) {
  Start();
  const int written = LogMessagesUpTo(2 * kPageSize + 1);  // the last one crosses the boundary
  StopEventLog();
  // The kill: the kernel wrote the last message's first part, up to the page boundary.
  CutLogTo(2 * kPageSize);
  EXPECT_THROW(ReadLogFile(LogFile()), ETracebookError);

  Start();
  LogUserMessage("appended");
  StopEventLog();
  const auto sessions = SessionMessages();
  ASSERT_EQ(sessions.size(), 2u);
  EXPECT_EQ(sessions[0], Counting(written - 1));  // every message but the torn one
  EXPECT_EQ(sessions[1], std::vector<std::string>{"appended"});
}

TEST_F(TornRecord, ALogEndingWithAWholeRecordOnAPageBoundaryKeepsIt) {
  Start();
  int written = LogMessagesUpTo(kPageSize - 200);
  // A message whose record ends exactly on the boundary: its size is its text plus a fixed part.
  const int64_t before = LogSize();
  LogUserMessage("x");
  const int64_t fixedPart = LogSize() - before - 1;
  LogUserMessage(std::string(static_cast<size_t>(kPageSize - LogSize() - fixedPart), 'y'));
  written += 2;
  ASSERT_EQ(LogSize(), kPageSize);
  StopEventLog();
  CutLogTo(kPageSize);  // the stop record goes again

  Start();
  StopEventLog();
  const auto sessions = SessionMessages();
  ASSERT_EQ(sessions.size(), 2u);
  EXPECT_EQ(sessions[0].size(), static_cast<size_t>(written));
  EXPECT_EQ(sessions[0].back(), std::string(sessions[0].back().size(), 'y'));
}

TEST_F(TornRecord, OtherDamageIsLeftAsItIs) {
  Start();
  LogMessagesUpTo(kPageSize + 100);
  StopEventLog();
  // A log cut inside a record away from a page boundary was not torn by a kill.
  CutLogTo(kPageSize + 50);
  Start();
  StopEventLog();
  EXPECT_GT(LogSize(), kPageSize + 50);
  EXPECT_THROW(ReadLogFile(LogFile()), std::exception);
}

}  // namespace
