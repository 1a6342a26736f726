// Each record reaches the log in one write, together with the string-pool entries it adds, so that
// another process reading the log never sees a record's parts apart.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>

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

class RecordWrites : public CaptureFixture {};

TEST_F(RecordWrites, EachRecordReachesTheFileInOneWrite) {
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

}  // namespace
