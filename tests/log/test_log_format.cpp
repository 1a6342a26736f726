// The bytes a log stream writes and how it reads them back.

#include <gtest/gtest.h>

#include "log/builtin_events.h"
#include "log/log_strings.h"
#include "log/tracebook_error.h"
#include "tests/support/log_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes PoolAdd(std::string_view s) {
  Bytes bytes = {0x00,
                 0x51,
                 0x56,
                 0xFE,
                 0x00,
                 0x00,
                 static_cast<uint8_t>(s.size()),
                 static_cast<uint8_t>(s.size() >> 8)};
  for (char c : s) bytes.push_back(static_cast<uint8_t>(c));
  return bytes;
}

const Bytes kPurge = {0x00, 0x51, 0x56, 0xFE, 0x01, 0x00};

// Counts the writes that reach the wrapped stream.
class TCountingStream : public TMemoryStream {
 public:
  int32_t Write(const void* buffer, int32_t count) override {
    ++Writes;
    return TMemoryStream::Write(buffer, count);
  }
  int Writes = 0;
};

int ErrorIdOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ETracebookError& e) {
    return e.MessageId();
  }
  return 0;
}

class LogFormat : public LogFixture {};

TEST_F(LogFormat, SessionStartComesOutByteForByte) {
  TLogStream log(Memory);
  log.WriteEvent(std::make_unique<TStartSessionEvent>("App"));

  const Bytes expected = Concat({
      kPurge,
      PoolAdd("BeginTime"),
      PoolAdd("Identifier"),
      PoolAdd("App"),
      PoolAdd("TickCount"),
      {0x00, 0x51, 0x56, 0xFE, 0x02, 0x00},
      {0x03, 0x00, 0x00, 0x00},
      {0x04, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xAE, 0x8E, 0x0E, 0x40},
      {0x0A, 0x05, 0x00, 0x06, 0x00},
      {0x01, 0x07, 0x00, 0xE8, 0x03, 0x00, 0x00},
  });
  EXPECT_EQ(Memory.Bytes(), expected);
}

TEST_F(LogFormat, EveryRecordReachesTheFileInOneWrite) {
  TCountingStream file;
  TLogStream log(file);
  log.WriteEvent(std::make_unique<TStartSessionEvent>("App"));
  log.WriteEvent(std::make_unique<TUserMessageEvent>("first"));
  log.WriteEvent(std::make_unique<TUserMessageEvent>("first"));
  EXPECT_EQ(file.Writes, 3);
}

TEST_F(LogFormat, EveryKindSurvivesARoundTrip) {
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  {
    TLogStream log(Memory);
    auto record = std::make_unique<TAllKindsEvent>();
    record->Count = -123456789;
    record->Small = -1;
    record->Letter = 'Q';
    record->Flag = true;
    record->Amount = 0.1 + 0.2;
    record->ShortText = "short";
    record->LongText = std::string(300, 'x');
    record->Computed = 7;  // read-only: not written
    log.WriteEvent(std::move(record));
  }
  auto records = ReadAll();
  ASSERT_EQ(records.size(), 1u);
  auto& read = dynamic_cast<TAllKindsEvent&>(*records[0]);
  EXPECT_EQ(read.TickCount(), 1000);
  EXPECT_EQ(read.Count, -123456789);
  EXPECT_EQ(read.Small, -1);
  EXPECT_EQ(read.Letter, 'Q');
  EXPECT_TRUE(read.Flag);
  EXPECT_EQ(read.Amount, 0.1 + 0.2);
  EXPECT_EQ(read.ShortText, "short");
  EXPECT_EQ(read.LongText, std::string(300, 'x'));
  EXPECT_EQ(read.Computed, 42);
}

TEST_F(LogFormat, BuiltInRecordsReadBackAsWritten) {
  {
    TLogStream log(Memory);
    log.WriteEvent(std::make_unique<TStartSessionEvent>("Orders"));
    log.WriteEvent(std::make_unique<TUserMessageEvent>(""));
    log.WriteEvent(std::make_unique<TEnterSectionEvent>("Save"));
    log.WriteEvent(std::make_unique<TSeparatorEvent>());
    log.WriteEvent(std::make_unique<TExceptionEvent>(EWin32Error("denied", -5), 0x12345678ABCDull));
    log.WriteEvent(std::make_unique<TLeaveSectionEvent>("Save"));
    log.WriteEvent(std::make_unique<TStopSessionEvent>());
  }
  auto records = ReadAll();
  ASSERT_EQ(records.size(), 7u);
  auto& start = dynamic_cast<TStartSessionEvent&>(*records[0]);
  EXPECT_EQ(start.GetBeginTime(), 36526.5);
  EXPECT_EQ(start.Identifier(), "Orders");
  EXPECT_EQ(dynamic_cast<TUserMessageEvent&>(*records[1]).Message(), "");
  EXPECT_EQ(dynamic_cast<TEnterSectionEvent&>(*records[2]).Name(), "Save");
  EXPECT_NE(dynamic_cast<TSeparatorEvent*>(records[3].get()), nullptr);
  auto& exception = dynamic_cast<TExceptionEvent&>(*records[4]);
  EXPECT_EQ(exception.ExceptionClass(), "EWin32Error");
  EXPECT_EQ(exception.MessageStr(), "denied");
  EXPECT_EQ(exception.Details(), "ErrorCode = -5");
  EXPECT_EQ(exception.Address(), 0x5678ABCDu);  // the low 32 bits of the address
  EXPECT_EQ(dynamic_cast<TLeaveSectionEvent&>(*records[5]).Name(), "Save");
  EXPECT_EQ(dynamic_cast<TStopSessionEvent&>(*records[6]).GetEndTime(), 36526.5);
}

TEST_F(LogFormat, StringsDifferingInLetterCaseAreBothKept) {
  {
    TLogStream log(Memory);
    log.WriteEvent(std::make_unique<TUserMessageEvent>("Hello"));
    log.WriteEvent(std::make_unique<TUserMessageEvent>("hello"));
    log.WriteEvent(std::make_unique<TUserMessageEvent>("Hello"));
  }
  auto records = ReadAll();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0]->AsString(), "Hello");
  EXPECT_EQ(records[1]->AsString(), "hello");
  EXPECT_EQ(records[2]->AsString(), "Hello");
}

TEST_F(LogFormat, EmptyStringIsPooledLikeAnyOther) {
  TLogStream log(Memory);
  log.CheckString("");
  EXPECT_EQ(Memory.Bytes(), Concat({{0x00, 0x51, 0x56, 0xFE, 0x00, 0x00, 0x00, 0x00}}));
  EXPECT_EQ(log.PoolCount(), 5);
}

TEST_F(LogFormat, ASecondSessionRestartsThePool) {
  {
    TLogStream first(Memory);
    first.WriteEvent(std::make_unique<TStartSessionEvent>("One"));
    first.WriteEvent(std::make_unique<TUserMessageEvent>("in one"));
  }
  const size_t secondStart = Memory.Bytes().size();
  {
    Memory.Seek(0, TSeekOrigin::soEnd);
    TLogStream second(Memory);
    second.WriteEvent(std::make_unique<TStartSessionEvent>("Two"));
    EXPECT_EQ(second.PoolCount(), 8);  // four fixed entries, then indexes 4 to 7 again
  }
  const Bytes appended = BytesFrom(secondStart);
  ASSERT_GE(appended.size(), kPurge.size());
  EXPECT_EQ(Bytes(appended.begin(), appended.begin() + 6), kPurge);

  auto records = ReadAll();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(dynamic_cast<TStartSessionEvent&>(*records[2]).Identifier(), "Two");
  EXPECT_EQ(records[1]->AsString(), "in one");
}

TEST_F(LogFormat, PoolResetsBeforeTheRecordThatWouldFillIt) {
  TLogStream log(Memory);
  log.WriteEvent(std::make_unique<TStartSessionEvent>("App"));
  int written = 1;
  size_t lastPurge = 0;
  // Each message brings one new string until the pool is full.
  while (log.PoolCount() < kStringPoolLimit - 1) {
    log.WriteEvent(std::make_unique<TUserMessageEvent>("message " + std::to_string(written++)));
  }
  const size_t beforeReset = Memory.Bytes().size();
  log.WriteEvent(std::make_unique<TUserMessageEvent>("the one that does not fit"));
  written++;
  lastPurge = beforeReset;
  const Bytes tail = BytesFrom(lastPurge);
  // The purge record comes first, then the record's strings from index 4 on.
  EXPECT_EQ(Bytes(tail.begin(), tail.begin() + 6), kPurge);
  EXPECT_EQ(log.PoolCount(), 4 + 4);  // Message, its text, TickCount, TUserMessageEvent
  log.WriteEvent(std::make_unique<TUserMessageEvent>("after"));
  written++;

  auto records = ReadAll();
  ASSERT_EQ(records.size(), static_cast<size_t>(written));
  EXPECT_EQ(records[records.size() - 2]->AsString(), "the one that does not fit");
  EXPECT_EQ(records.back()->AsString(), "after");
}

TEST_F(LogFormat, SwitchedOffClassesWriteNothing) {
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  TLogStream::EnableEvent("TClickEvent", false);
  TLogStream log(Memory);
  log.WriteEvent(std::make_unique<TClickEvent>("Form.Button", "OK", 1));
  log.WriteEvent(nullptr);
  EXPECT_TRUE(Memory.Bytes().empty());
  EXPECT_EQ(log.PoolCount(), 4);
}

TEST_F(LogFormat, ARecordThatFailsLeavesNothingBehind) {
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  TLogStream log(Memory);
  log.WriteEvent(std::make_unique<TStartSessionEvent>("App"));
  const size_t before = Memory.Bytes().size();
  const int poolBefore = log.PoolCount();
  EXPECT_THROW(log.WriteEvent(std::make_unique<TFailingEvent>()), std::runtime_error);
  EXPECT_EQ(Memory.Bytes().size(), before);
  EXPECT_EQ(log.PoolCount(), poolBefore);

  log.WriteEvent(std::make_unique<TUserMessageEvent>("only in a failed record"));
  auto records = ReadAll();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1]->AsString(), "only in a failed record");
}

// A stream that takes only so many more bytes, as a full disk or a file-size limit does: a write
// beyond them lands in part.
class TNearlyFullStream : public TMemoryStream {
 public:
  int32_t Write(const void* buffer, int32_t count) override {
    const size_t taken = std::min(static_cast<size_t>(std::max(count, 0)), Room);
    Room -= taken;
    return TMemoryStream::Write(buffer, static_cast<int32_t>(taken));
  }
  size_t Room = SIZE_MAX;
};

TEST_F(LogFormat, AWriteThatLandsInPartIsCutOffAgain) {
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  TNearlyFullStream file;
  TLogStream log(file);
  log.WriteEvent(std::make_unique<TStartSessionEvent>("App"));
  const Bytes before = file.Bytes();
  const int poolBefore = log.PoolCount();
  file.Room = 5;
  EXPECT_THROW(log.WriteEvent(std::make_unique<TClickEvent>("Form.Button", "OK", 1)), EWriteError);
  EXPECT_EQ(file.Bytes(), before);
  EXPECT_EQ(file.Position(), static_cast<int64_t>(before.size()));
  EXPECT_EQ(log.PoolCount(), poolBefore);

  // With room again, the next record follows the last whole one and everything reads.
  file.Room = SIZE_MAX;
  log.WriteEvent(std::make_unique<TClickEvent>("Form.Button", "OK", 2));
  file.SetPosition(0);
  TLogStream reader(file);
  ASSERT_NE(reader.ReadEvent(), nullptr);  // the session's start
  auto click = reader.ReadEvent();
  ASSERT_NE(click, nullptr);
  EXPECT_EQ(static_cast<TClickEvent&>(*click).X, 2);
  EXPECT_EQ(reader.ReadEvent(), nullptr);
}

// A record of an additional package that keeps data of its own behind its property block.
class TRawTailEvent : public TLogEvent {
  LOG_EVENT_CLASS(TRawTailEvent, TLogEvent)
  TRawTailEvent() = default;
  static constexpr std::string_view kTail = "raw tail";
  std::string Tail;
  void Write(TLogStream& stream) const override {
    TLogEvent::Write(stream);
    stream.WriteBuffer(kTail.data(), 4);
    stream.Write(kTail.data() + 4, static_cast<int32_t>(kTail.size() - 4));
  }
  void Read(TLogStream& stream) override {
    TLogEvent::Read(stream);
    Tail.resize(kTail.size());
    stream.ReadBuffer(Tail.data(), static_cast<int32_t>(Tail.size()));
  }
  static const TLogEventClass& Define() {
    static const TLogEventClass& cls = DefineLogEventClass<TRawTailEvent>({
        .Name = "TRawTailEvent",
        .Parent = &TLogEvent::StaticClass(),
    });
    return cls;
  }
};
const TLogEventClass& TRawTailEvent::StaticClass() { return Define(); }

class TRawTailProxy : public TLogEventProxy {
  LOG_EVENT_PROXY_CLASS(TRawTailProxy)
  explicit TRawTailProxy(TLogStream* logStream) : TLogEventProxy(logStream) {
    AddLogEventClass(TRawTailEvent::StaticClass());
  }
};
const TLogEventProxyClass& TRawTailProxy::StaticClass() {
  static const TLogEventProxyClass cls{"TRawTailProxy", &TLogEventProxy::StaticClass(),
                                       &ConstructProxy<TRawTailProxy>};
  return cls;
}

TEST_F(LogFormat, RawBytesOfARecordsBodyJoinThatRecord) {
  TLogStream::RegisterProxyClass(TRawTailProxy::StaticClass());
  {
    TLogStream log(Memory);
    log.WriteEvent(std::make_unique<TStartSessionEvent>("App"));
    log.WriteEvent(std::make_unique<TRawTailEvent>());
    const Bytes tail(TRawTailEvent::kTail.begin(), TRawTailEvent::kTail.end());
    EXPECT_TRUE(std::equal(tail.rbegin(), tail.rend(), Memory.Bytes().rbegin()));
    log.WriteEvent(std::make_unique<TUserMessageEvent>("after"));
  }
  auto records = ReadAll();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(dynamic_cast<TRawTailEvent&>(*records[1]).Tail, "raw tail");
  EXPECT_EQ(records[2]->AsString(), "after");

  // A reader without the package skips the tail.
  TLogStream::UnregisterProxyClass(TRawTailProxy::StaticClass());
  records = ReadAll();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1]->AsString(), "TRawTailEvent");
  EXPECT_EQ(records[2]->AsString(), "after");
}

TEST_F(LogFormat, OversizedStringsAreCut) {
  {
    TLogStream log(Memory);
    log.WriteEvent(std::make_unique<TUserMessageEvent>(std::string(70000, 'a')));
  }
  auto records = ReadAll();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0]->AsString(), std::string(kMaxStringLength, 'a'));
}

TEST_F(LogFormat, UnknownClassesAreKeptAndSkipped) {
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  {
    TLogStream log(Memory);
    log.WriteEvent(std::make_unique<TStartSessionEvent>("App"));
    log.WriteEvent(std::make_unique<TClickEvent>("Form.Button", "OK", 3));
    log.WriteEvent(std::make_unique<TUserMessageEvent>("between"));
    // A known class whose own extra bytes look like a begin token still reads normally.
    log.WriteEvent(std::make_unique<TExceptionEvent>(Exception("boom"), 0xFE565100));
    log.WriteEvent(std::make_unique<TUserMessageEvent>("after"));
  }
  TLogStream::UnregisterProxyClass(TTestProxy::StaticClass());
  auto records = ReadAll();
  ASSERT_EQ(records.size(), 5u);
  auto* unknown = dynamic_cast<TUnregisteredEvent*>(records[1].get());
  ASSERT_NE(unknown, nullptr);
  EXPECT_EQ(unknown->EventClassName(), "TClickEvent");
  EXPECT_EQ(unknown->AsString(), "TClickEvent");
  EXPECT_EQ(unknown->TickCount(), 1000);
  EXPECT_EQ(records[2]->AsString(), "between");
  EXPECT_EQ(records[4]->AsString(), "after");
}

TEST_F(LogFormat, ExtraBytesAfterAForeignBlockAreSkipped) {
  // A class unknown to the reader writes its generic block, then data of its own.
  TLogStream log(Memory);
  log.CheckString("TForeignEvent");
  log.CheckString("TickCount");
  log.CheckString("tail");
  log.WriteBeginToken();
  log.WritePoolString("TForeignEvent");
  log.WriteLongInt(1);
  log.WriteByte(tkInteger);
  log.WritePoolString("TickCount");
  log.WriteLongInt(77);
  log.WriteString("private data of the foreign class");
  log.WriteEvent(std::make_unique<TUserMessageEvent>("tail"));

  auto records = ReadAll();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0]->AsString(), "TForeignEvent");
  EXPECT_EQ(records[0]->TickCount(), 77);
  EXPECT_EQ(records[1]->AsString(), "tail");
}

TEST_F(LogFormat, LongClassNamesAreLookedUpByTheirFirst63Characters) {
  const std::string longName = "TSeparatorEvent" + std::string(48, '_');  // 63 characters
  TLogStream log(Memory);
  log.CheckString(longName + "and more");
  log.CheckString("TickCount");
  log.WriteBeginToken();
  log.WritePoolString(longName + "and more");
  log.WriteLongInt(0);

  auto records = ReadAll();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(dynamic_cast<TUnregisteredEvent&>(*records[0]).EventClassName(), longName);
}

TEST_F(LogFormat, PropertiesAClassNoLongerHasAreDropped) {
  TLogStream log(Memory);
  log.CheckString("TUserMessageEvent");
  for (auto s : {"Message", "Retired", "gone", "hi"}) log.CheckString(s);
  log.WriteBeginToken();
  log.WritePoolString("TUserMessageEvent");
  log.WriteLongInt(3);
  log.WriteByte(tkLString);
  log.WritePoolString("Retired");
  log.WritePoolString("gone");
  log.WriteByte(tkFloat);
  log.WritePoolString("Retired");
  log.WriteFloat(2.5);
  log.WriteByte(tkLString);
  log.WritePoolString("Message");
  log.WritePoolString("hi");

  auto records = ReadAll();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0]->AsString(), "hi");
}

TEST_F(LogFormat, AValueOfAKindThePropertyCannotTakeIsDroppedAndTheNextOneOfItsKindKept) {
  TLogStream log(Memory);
  for (auto s : {"TUserMessageEvent", "Message", "hi", "again"}) log.CheckString(s);
  // Each record has the name twice: first with a number the text property cannot take.
  for (const char* text : {"hi", "again"}) {
    log.WriteBeginToken();
    log.WritePoolString("TUserMessageEvent");
    log.WriteLongInt(2);
    log.WriteByte(tkInteger);
    log.WritePoolString("Message");
    log.WriteLongInt(7);
    log.WriteByte(tkLString);
    log.WritePoolString("Message");
    log.WritePoolString(text);
  }

  auto records = ReadAll();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0]->AsString(), "hi");
  EXPECT_EQ(records[1]->AsString(), "again");
}

TEST_F(LogFormat, DamageEndsReadingWithAClearError) {
  {
    TLogStream log(Memory);
    log.WriteEvent(std::make_unique<TStartSessionEvent>("App"));
    log.WriteEvent(std::make_unique<TUserMessageEvent>("intact"));
  }
  const Bytes whole = Memory.Bytes();

  auto readUntilFailure = [](const Bytes& bytes, std::vector<std::string>& texts) {
    TMemoryStream stream;
    stream.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
    stream.SetPosition(0);
    TLogStream reader(stream);
    return ErrorIdOf([&] {
      while (auto record = reader.ReadEvent()) texts.push_back(record->AsString());
    });
  };

  std::vector<std::string> texts;
  const Bytes cut(whole.begin(), whole.end() - 3);
  EXPECT_EQ(readUntilFailure(cut, texts), log_strings::SRecordCutOff);
  ASSERT_EQ(texts.size(), 1u);  // the session start before the damage

  texts.clear();
  Bytes badIndex = whole;
  badIndex.push_back(0x00);
  for (uint8_t b : {0x51, 0x56, 0xFE, 0x40, 0x1F}) badIndex.push_back(b);
  EXPECT_EQ(readUntilFailure(badIndex, texts), log_strings::SInvalidPoolIndex);
  EXPECT_EQ(texts.size(), 2u);

  texts.clear();
  Bytes hugeCount = whole;
  for (uint8_t b : {0x00, 0x51, 0x56, 0xFE, 0x07, 0x00, 0xFF, 0xFF, 0xFF, 0x7F}) {
    hugeCount.push_back(b);  // a record of class index 7 ("TickCount") claiming 2^31-1 entries
  }
  EXPECT_EQ(readUntilFailure(hugeCount, texts), log_strings::SImpossiblePropertyCount);
  EXPECT_EQ(texts.size(), 2u);
}

TEST_F(LogFormat, ReadingAnEmptyLogEndsAtOnce) {
  TLogStream log(Memory);
  EXPECT_EQ(log.ReadEvent(), nullptr);
}

}  // namespace
