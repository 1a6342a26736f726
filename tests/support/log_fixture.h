#pragma once
// Writes and reads logs in memory with a fixed clock, and cleans up the process-wide registry.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "log/log_lifecycle.h"
#include "log/log_stream.h"
#include "log/proxy_list.h"
#include "platform/classes.h"
#include "platform/datetime.h"
#include "platform/mmsystem.h"
#include "tests/support/test_records.h"

class LogFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    // The registry starts empty: no capture family of the library takes part.
    TLogStream::UnregisterProxyClass(TLogEventProxy::StaticClass());
    SetFixedTickCount(1000);
    SetFixedNow(36526.5);  // 2000-01-01 12:00
  }
  void TearDown() override {
    CloseLogStream();
    TLogStream::UnregisterProxyClass(TLogEventProxy::StaticClass());
    SetFixedTickCount(std::nullopt);
    SetFixedNow(std::nullopt);
  }

  // The bytes of the memory stream from `from` on.
  std::vector<uint8_t> BytesFrom(size_t from) const {
    return {Memory.Bytes().begin() + static_cast<std::ptrdiff_t>(from), Memory.Bytes().end()};
  }

  // Reads every record of the memory stream from its start.
  std::vector<std::unique_ptr<TLogEvent>> ReadAll() {
    Memory.SetPosition(0);
    TLogStream reader(Memory);
    std::vector<std::unique_ptr<TLogEvent>> records;
    while (auto record = reader.ReadEvent()) records.push_back(std::move(record));
    return records;
  }

  TMemoryStream Memory;
};
