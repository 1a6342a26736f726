// Reading a log in order once, then its records again by where they begin, in any order.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "log/builtin_events.h"
#include "log/indexed_log_reader.h"
#include "log/log_strings.h"
#include "log/tracebook_error.h"
#include "tests/support/log_fixture.h"
#include "tests/support/scratch_dir.h"

namespace {

class IndexedLogReader : public LogFixture {
 protected:
  // Writes the records to the log file through the process's log, appending.
  void Write(const std::vector<std::string>& messages) {
    CreateLogStream(File, true);
    for (const std::string& message : messages) {
      if (message == "start") {
        LogStream()->WriteEvent(std::make_unique<TStartSessionEvent>("App"));
      } else {
        LogStream()->WriteEvent(std::make_unique<TUserMessageEvent>(message));
      }
    }
    CloseLogStream();
  }
  // A message's text, the class name of any other record.
  static std::string Label(const TLogEvent& record) {
    const auto* message = dynamic_cast<const TUserMessageEvent*>(&record);
    return message ? message->Message() : record.ClassName();
  }
  // Reads on to the end, noting each record's text and offset.
  void ReadOn(TIndexedLogReader& reader) {
    TEventSkim event;
    while (reader.ReadNext(event, kWholeRecords)) {
      Texts.push_back(Label(*event.Record));
      Offsets.push_back(event.Offset);
    }
  }
  static bool kWholeRecords(const TLogEventClass&) { return true; }
  static bool kNoWholeRecords(const TLogEventClass&) { return false; }

  ScratchDir Dir;
  const std::string File = Dir.File("app.evt");
  std::vector<std::string> Texts;
  std::vector<int64_t> Offsets;
};

TEST_F(IndexedLogReader, ReadsEveryRecordAgainInAnyOrderAcrossPoolGenerations) {
  // Sessions start pool generations of their own, and so many distinct strings fill the pool
  // several times within one session: a record read again must be read with its own pool.
  std::vector<std::string> messages;
  for (int session = 0; session < 3; ++session) {
    messages.push_back("start");
    for (int i = 0; i < 20'000; ++i)
      messages.push_back(std::to_string(session) + "/" + std::to_string(i));
  }
  Write(messages);
  TIndexedLogReader reader(File);
  ReadOn(reader);
  ASSERT_EQ(Texts.size(), messages.size());

  std::vector<size_t> order(Texts.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937(11));
  order.resize(5'000);
  for (size_t i : order) {
    ASSERT_EQ(Label(*reader.ReadAt(Offsets[i])), Texts[i]) << "record " << i;
  }
}

TEST_F(IndexedLogReader, SkimmingFindsTheClassTickAndPlaceOfEveryRecordThatReadingWholeFinds) {
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  CreateLogStream(File, true);
  TLogStream& log = *LogStream();
  for (uint32_t tick = 1000; tick < 1100; tick += 10) {
    SetFixedTickCount(tick);
    log.WriteEvent(std::make_unique<TStartSessionEvent>("App"));
    log.WriteEvent(std::make_unique<TClickEvent>("Form.Button" + std::to_string(tick), "OK", 3));
    log.WriteEvent(std::make_unique<TExceptionEvent>(Exception("boom"), 0xFE565100));
    log.WriteEvent(std::make_unique<TAllKindsEvent>());
    log.WriteEvent(std::make_unique<TStopSessionEvent>());
  }
  CloseLogStream();
  // Skimmed while the click class is known, then while it is not (the unknown records are read
  // their own way, up to the next record).
  for (bool known : {true, false}) {
    if (!known) TLogStream::UnregisterProxyClass(TTestProxy::StaticClass());
    TIndexedLogReader whole(File);
    TIndexedLogReader skimmed(File);
    TEventSkim a;
    TEventSkim b;
    int records = 0;
    while (whole.ReadNext(a, kWholeRecords)) {
      ASSERT_TRUE(skimmed.ReadNext(b, kNoWholeRecords));
      EXPECT_EQ(b.Class, &a.Record->ClassType());
      EXPECT_EQ(b.TickCount, a.Record->TickCount());
      EXPECT_EQ(b.Offset, a.Offset);
      // Built only where skimming cannot stand in for it.
      EXPECT_EQ(b.Record != nullptr, !b.Class->ReadsPropertyBlock());
      ++records;
    }
    EXPECT_FALSE(skimmed.ReadNext(b, kNoWholeRecords));
    EXPECT_EQ(records, 50);
  }
}

TEST_F(IndexedLogReader, GoesOnWhereItStoppedAfterReadingAgainAndAfterTheLogGrew) {
  Write({"start", "one", "two"});
  TIndexedLogReader reader(File);
  ReadOn(reader);
  EXPECT_EQ(reader.ReadAt(Offsets[1])->AsString(), "one");

  // A later session, with a string of the first session's pool again.
  Write({"start", "one", "four"});
  EXPECT_EQ(reader.ReadAt(Offsets[0])->ClassName(), "TStartSessionEvent");
  ReadOn(reader);
  EXPECT_EQ(Texts, (std::vector<std::string>{"TStartSessionEvent", "one", "two",
                                             "TStartSessionEvent", "one", "four"}));
  EXPECT_EQ(reader.ReadAt(Offsets[2])->AsString(), "two");
  EXPECT_EQ(reader.ReadAt(Offsets[5])->AsString(), "four");
  EXPECT_EQ(reader.ReadAt(Offsets[4])->AsString(), "one");
}

TEST_F(IndexedLogReader, ARecordTheFileNoLongerHoldsIsAnErrorNotAnotherRecord) {
  std::vector<std::string> messages = {"start"};
  for (int i = 0; i < 20'000; ++i) messages.push_back("m" + std::to_string(i));
  Write(messages);
  TIndexedLogReader reader(File);
  ReadOn(reader);
  // Another log copied over this one, shorter and with other records.
  std::filesystem::resize_file(File, static_cast<uintmax_t>(Offsets[10'000]));
  const auto errorAt = [&](int64_t offset) {
    try {
      reader.ReadAt(offset);
    } catch (const ETracebookError& error) {
      return error.MessageId();
    }
    return 0;
  };
  EXPECT_EQ(Label(*reader.ReadAt(Offsets[1])), "m0");
  EXPECT_EQ(errorAt(Offsets[15'000]), log_strings::SLogChangedSinceRead);
  EXPECT_EQ(Label(*reader.ReadAt(Offsets[9'999])), "m9998");
}

}  // namespace
