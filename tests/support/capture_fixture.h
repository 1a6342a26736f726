#pragma once
// A host's view of the engine for tests: a scratch folder for logs, the recording proxies, and
// reading a finished log back.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "capture/engine.h"
#include "log/log_lifecycle.h"
#include "log/log_strings.h"
#include "log/packages.h"
#include "log/proxy_list.h"
#include "log/torn_record.h"
#include "log/tracebook_error.h"
#include "platform/datetime.h"
#include "platform/mmsystem.h"
#include "platform/vcl/forms.h"
#include "tests/support/recording_proxy.h"
#include "tests/support/scratch_dir.h"

using TRecords = std::vector<std::unique_ptr<TLogEvent>>;

// Every record of a log file, read without touching the process's current log.
inline TRecords ReadLogFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyNone);
  file.SetPosition(11);
  TLogStream reader(file);
  TRecords records;
  while (auto record = reader.ReadEvent()) records.push_back(std::move(record));
  return records;
}

// The records of a log that may end with the torn last record of a killed host: read up to it,
// after checking that the tear is one a kill leaves, at a page boundary.
inline TRecords ReadUpToATornRecord(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyNone);
  file.SetPosition(sizeof kLogSignature);
  TLogStream reader(file);
  TRecords records;
  try {
    while (auto record = reader.ReadEvent()) records.push_back(std::move(record));
  } catch (const ETracebookError& error) {
    EXPECT_EQ(error.MessageId(), log_strings::SRecordCutOff) << error.what();
    EXPECT_EQ(file.Size() % kPageSize, 0) << "a record torn away from a page boundary";
  }
  return records;
}

inline std::vector<std::string> ClassNames(const TRecords& records) {
  std::vector<std::string> names;
  for (const auto& record : records) names.push_back(record->ClassName());
  return names;
}

class CaptureFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    // Only the test's own proxies take part.
    TLogStream::UnregisterProxyClass(TLogEventProxy::StaticClass());
    SetFixedTickCount(500);
    Journal().clear();
  }
  void TearDown() override {
    StopEventLog();
    TLogStream::UnregisterProxyClass(TLogEventProxy::StaticClass());
    Application().SetOnException(nullptr);
    SetFixedTickCount(std::nullopt);
  }

  std::string LogFile() const { return Dir.File("host.evt"); }
  void Start() { StartEventLog(LogFile(), "Host"); }

  ScratchDir Dir;
};
