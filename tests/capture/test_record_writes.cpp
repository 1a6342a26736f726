// Each record reaches the log in one write, together with the string-pool entries it adds, so that
// a reader never sees a record's parts apart and a failing write never leaves half of one.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "log/builtin_events.h"
#include "tests/support/capture_fixture.h"

namespace {

// A stream that counts the writes it is given.
class TCountingStream : public TMemoryStream {
 public:
  int32_t Write(const void* buffer, int32_t count) override {
    ++Writes;
    return TMemoryStream::Write(buffer, count);
  }
  int Writes = 0;
};

class RecordWrites : public CaptureFixture {};

TEST_F(RecordWrites, EachRecordReachesTheStreamInOneWriteWithItsPoolEntries) {
  TCountingStream stream;
  TLogStream log(stream);
  for (int i = 0; i < 20; ++i) {
    const int before = stream.Writes;
    log.WriteEvent(
        std::make_unique<TUserMessageEvent>("a text the pool has not seen " + std::to_string(i)));
    EXPECT_EQ(stream.Writes - before, 1) << "message " << i;
    log.WriteEvent(std::make_unique<TEnterSectionEvent>("Section " + std::to_string(i)));
    EXPECT_EQ(stream.Writes - before, 2) << "section " << i;
  }
  EXPECT_GT(log.PoolCount(), 20);  // the texts went through the pool
}

}  // namespace
