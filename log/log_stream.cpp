// Writing and reading the log format.

#include "log/log_stream.h"

#include <algorithm>
#include <cstring>

#include "log/builtin_events.h"
#include "log/coding.h"
#include "log/log_strings.h"
#include "log/property_block.h"
#include "log/proxy_list.h"
#include "log/tracebook_error.h"
#include "platform/sysutils.h"

using namespace log_strings;

namespace {

constexpr size_t kReadChunk = 64 * 1024;
constexpr uint8_t kBeginToken[4] = {0x00, 0x51, 0x56, 0xFE};
// The smallest generic-block entry: a kind code and a name index.
constexpr int64_t kMinEntrySize = 3;

}  // namespace

TLogStream::TLogStream(TStream& stream) : FStream(stream), FReadBuffer(kReadChunk) {
  ResetStringPool();
}

TLogStream::~TLogStream() {
  // Leave the wrapped stream where reading got to, not where it read ahead to.
  try {
    DropReadAhead();
  } catch (...) {
  }
}

// ---- pass-through stream operations ------------------------------------------------------------

int32_t TLogStream::Read(void* buffer, int32_t count) {
  DropReadAhead();
  return FStream.Read(buffer, count);
}

int32_t TLogStream::Write(const void* buffer, int32_t count) {
  if (FWriteDepth > 0) {  // raw bytes a record writes into its body belong to that record
    if (count <= 0) return 0;
    PutBytes(buffer, static_cast<size_t>(count));
    return count;
  }
  DropReadAhead();
  return FStream.Write(buffer, count);
}

int64_t TLogStream::Seek(int64_t offset, TSeekOrigin origin) {
  if (origin == TSeekOrigin::soCurrent && offset == 0) {
    // While bytes are read ahead, the wrapped stream stands at their end.
    if (FReadEnd > 0) return FBufferOffset + static_cast<int64_t>(FReadPos);
    return FStream.Seek(0, TSeekOrigin::soCurrent);
  }
  // A place within the bytes read ahead is reached without asking the wrapped stream: records
  // read again one after another mostly lie in the same buffer.
  if (origin == TSeekOrigin::soBeginning && FReadEnd > 0 && offset >= FBufferOffset &&
      offset < FBufferOffset + static_cast<int64_t>(FReadEnd)) {
    FReadPos = static_cast<size_t>(offset - FBufferOffset);
    return offset;
  }
  DropReadAhead();
  return FStream.Seek(offset, origin);
}

int64_t TLogStream::Size() { return FStream.Size(); }

// ---- byte transport ----------------------------------------------------------------------------

void TLogStream::PutBytes(const void* data, size_t count) {
  if (FWriteDepth > 0) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    FRecordBytes.insert(FRecordBytes.end(), bytes, bytes + count);
    return;
  }
  DropReadAhead();
  FStream.WriteBuffer(data, static_cast<int32_t>(count));
}

void TLogStream::GetBytesAcrossBuffer(void* data, size_t count) {
  auto* out = static_cast<uint8_t*>(data);
  while (count > 0) {
    if (Buffered() == 0 && !FillReadBuffer()) throw ETracebookError(SRecordCutOff);
    const size_t n = std::min(count, Buffered());
    std::memcpy(out, FReadBuffer.data() + FReadPos, n);
    FReadPos += n;
    out += n;
    count -= n;
  }
}

bool TLogStream::FillReadBuffer() {
  // Keep unread bytes at the front, then read as much as fits behind them.
  const size_t kept = Buffered();
  if (kept > 0 && FReadPos > 0)
    std::memmove(FReadBuffer.data(), FReadBuffer.data() + FReadPos, kept);
  FBufferOffset = kept > 0 ? FBufferOffset + static_cast<int64_t>(FReadPos) : FStream.Position();
  FReadPos = 0;
  FReadEnd = kept;
  const int32_t got =
      FStream.Read(FReadBuffer.data() + kept, static_cast<int32_t>(FReadBuffer.size() - kept));
  if (got <= 0) return false;
  FReadEnd += static_cast<size_t>(got);
  return true;
}

void TLogStream::DropReadAhead() {
  if (Buffered() > 0) FStream.Seek(-static_cast<int64_t>(Buffered()), TSeekOrigin::soCurrent);
  FReadPos = FReadEnd = 0;
}

bool TLogStream::AtEndOfStream() { return Buffered() == 0 && !FillReadBuffer(); }

int64_t TLogStream::RemainingBytes() {
  return static_cast<int64_t>(Buffered()) + FStream.Size() - FStream.Position();
}

// ---- primitives --------------------------------------------------------------------------------

uint8_t TLogStream::ReadByte() {
  uint8_t value;
  GetBytes(&value, 1);
  return value;
}

int8_t TLogStream::ReadShortInt() { return static_cast<int8_t>(ReadByte()); }

uint16_t TLogStream::ReadWord() {
  uint8_t bytes[2];
  GetBytes(bytes, 2);
  return coding::DecodeFixed16(bytes);
}

int16_t TLogStream::ReadSmallInt() { return static_cast<int16_t>(ReadWord()); }

int32_t TLogStream::ReadLongInt() {
  uint8_t bytes[4];
  GetBytes(bytes, 4);
  return static_cast<int32_t>(coding::DecodeFixed32(bytes));
}

double TLogStream::ReadFloat() {
  uint8_t bytes[coding::kExtendedSize];
  GetBytes(bytes, sizeof bytes);
  return coding::DecodeExtended(bytes);
}

std::string TLogStream::ReadString() {
  std::string value(ReadWord(), '\0');
  GetBytes(value.data(), value.size());
  return value;
}

const std::string& TLogStream::ReadPoolStringRef() {
  const int16_t index = ReadSmallInt();
  if (index < 0 || index >= PoolCount()) throw ETracebookError(SInvalidPoolIndex);
  return FStringPool[static_cast<size_t>(index)];
}

const TPropInfo* TLogStream::ReadPropertyName(const TLogEventClass& cls, uint8_t storedKind) {
  const int16_t index = ReadSmallInt();
  if (index < 0 || index >= PoolCount()) throw ETracebookError(SInvalidPoolIndex);
  const auto slot = static_cast<size_t>(index);
  const auto find = [&] {
    const TPropInfo* prop = cls.FindProperty(FStringPool[slot]);
    return prop && prop->HasSetter() && KindsCompatible(storedKind, prop->Kind) ? prop : nullptr;
  };
  // Only the class of the record being read keeps its answers.
  if (!FRecordClass || FRecordClass->Class != &cls) return find();
  std::vector<TPropertyLookup>& properties = FRecordClass->Properties;
  if (properties.size() <= slot) properties.resize(FStringPool.size());
  TPropertyLookup& lookup = properties[slot];
  if (lookup.StoredKind != storedKind) lookup = {storedKind, find()};
  return lookup.Property;
}

bool TLogStream::ReadNameOfTickCount() {
  const int16_t index = ReadSmallInt();
  if (index < 0 || index >= PoolCount()) throw ETracebookError(SInvalidPoolIndex);
  const auto slot = static_cast<size_t>(index);
  if (FNamesTickCount.size() <= slot) FNamesTickCount.resize(FStringPool.size(), kNameUnknown);
  uint8_t& names = FNamesTickCount[slot];
  // Letter case ignored, as a class finds its properties.
  if (names == kNameUnknown) {
    names = SameText(FStringPool[slot], TLogEvent::TickCountProperty().Name) ? kNameIsTickCount
                                                                             : kNameIsOther;
  }
  return names == kNameIsTickCount;
}

void TLogStream::WriteByte(uint8_t value) { PutBytes(&value, 1); }

void TLogStream::WriteShortInt(int8_t value) { WriteByte(static_cast<uint8_t>(value)); }

void TLogStream::WriteWord(uint16_t value) {
  uint8_t bytes[2];
  coding::EncodeFixed16(bytes, value);
  PutBytes(bytes, 2);
}

void TLogStream::WriteSmallInt(int16_t value) { WriteWord(static_cast<uint16_t>(value)); }

void TLogStream::WriteLongInt(int32_t value) {
  uint8_t bytes[4];
  coding::EncodeFixed32(bytes, static_cast<uint32_t>(value));
  PutBytes(bytes, 4);
}

void TLogStream::WriteFloat(double value) {
  uint8_t bytes[coding::kExtendedSize];
  coding::EncodeExtended(bytes, value);
  PutBytes(bytes, sizeof bytes);
}

void TLogStream::WriteString(std::string_view value) {
  value = value.substr(0, kMaxStringLength);
  WriteWord(static_cast<uint16_t>(value.size()));
  PutBytes(value.data(), value.size());
}

void TLogStream::WritePoolString(std::string_view value) {
  const auto found = FPoolIndex.find(value.substr(0, kMaxStringLength));
  if (found == FPoolIndex.end()) throw ETracebookError(SUnregisteredPoolString);
  WriteSmallInt(found->second);
}

void TLogStream::WriteBeginToken() { PutBytes(kBeginToken, sizeof kBeginToken); }

// ---- string pool -------------------------------------------------------------------------------

void TLogStream::ResetStringPool() {
  SetStringPool({});
  for (std::string_view fixed : kFixedPoolStrings) AddToPool(std::string(fixed));
}

void TLogStream::SetStringPool(std::span<const std::string> strings) {
  FStringPool.clear();
  FPoolIndex.clear();
  FClassByIndex.clear();
  FRecordClass = nullptr;
  FNamesTickCount.clear();
  ++FPoolGeneration;
  FStringPool.reserve(strings.size());
  for (const std::string& s : strings) AddToPool(s);
}

void TLogStream::AddToPool(std::string value) {
  FPoolIndex.emplace(value, static_cast<int16_t>(FStringPool.size()));
  FStringPool.push_back(std::move(value));
}

void TLogStream::TruncatePool(size_t count) {
  while (FStringPool.size() > count) {
    const auto found = FPoolIndex.find(FStringPool.back());
    if (found != FPoolIndex.end() &&
        found->second == static_cast<int16_t>(FStringPool.size() - 1)) {
      FPoolIndex.erase(found);
    }
    FStringPool.pop_back();
  }
  if (FClassByIndex.size() > count) FClassByIndex.resize(count);
  FRecordClass = nullptr;
  if (FNamesTickCount.size() > count) FNamesTickCount.resize(count);
  for (TClassLookup& lookup : FClassByIndex) {
    if (lookup.Properties.size() > count) lookup.Properties.resize(count);
  }
}

void TLogStream::CheckString(std::string_view value) {
  value = value.substr(0, kMaxStringLength);
  if (FPoolIndex.contains(value)) return;
  AddToPool(std::string(value));
  AppendPoolRecord(TStringPoolAddEvent(std::string(value)));
}

// ---- writing records ---------------------------------------------------------------------------

void TLogStream::WriteEvent(std::unique_ptr<TLogEvent> record) {
  if (!record || !IsEventEnabled(record->ClassName())) return;
  if (FWriteDepth > 0) {  // written from inside another record: becomes part of that write
    AssembleRecord(*record);
    return;
  }
  DropReadAhead();
  const size_t poolCount = FStringPool.size();
  FRecordBytes.clear();
  ++FWriteDepth;
  try {
    AssembleRecord(*record);
    --FWriteDepth;
    WriteAssembled();
  } catch (...) {
    FWriteDepth = 0;
    RestorePool(poolCount);
    FRecordBytes.clear();
    FLastWriteFailed = true;
    throw;
  }
  FPoolBeforeReset.reset();
  FRecordBytes.clear();
  FLastWriteFailed = false;
}

void TLogStream::WriteAssembled() {
  // One write: the record lands whole, or what landed of it (a full disk, a file-size limit) is
  // taken off again. Writing the rest instead could start beyond a file-size limit, where the
  // system ends a program that does not ignore SIGXFSZ, with the record torn.
  const auto total = static_cast<int32_t>(FRecordBytes.size());
  const int32_t written = FStream.Write(FRecordBytes.data(), total);
  if (written == total) return;
  CutOff(written);
  throw EWriteError("Stream write error");
}

void TLogStream::CutOff(int32_t written) {
  // The bytes of a record that did not land whole must go again, or the next record, and every
  // session appended later, would follow them.
  if (written == 0) return;
  try {
    const int64_t start = FStream.Seek(-written, TSeekOrigin::soCurrent);
    // Only what the record added at the end is cut: bytes it wrote over (the log never does)
    // would not come back by cutting.
    if (FStream.Size() == start + written) FStream.SetSize(start);
  } catch (...) {
    // The write's own failure is the one to raise.
  }
}

void TLogStream::AssembleRecord(const TLogEvent& record) {
  // Every session starts a new pool generation, so that each session reads on its own.
  if (record.InheritsFrom(TStartSessionEvent::StaticClass())) StartPoolGeneration();

  const size_t byteMark = FRecordBytes.size();
  const size_t poolMark = FStringPool.size();
  record.CheckStrings(*this);
  if (FStringPool.size() >= kStringPoolLimit) {
    // The record's strings would fill the pool: take them back and start a new generation before
    // the record, so that no record refers to a string that has left the pool.
    FRecordBytes.resize(byteMark);
    TruncatePool(poolMark);
    StartPoolGeneration();
    record.CheckStrings(*this);
  }
  WriteBeginToken();
  WritePoolString(record.ClassName());
  record.Write(*this);
}

void TLogStream::AppendPoolRecord(const TLogEvent& record) {
  WriteBeginToken();
  WritePoolString(record.ClassName());
  record.Write(*this);
}

void TLogStream::StartPoolGeneration() {
  if (!FPoolBeforeReset) {
    FPoolBeforeReset = std::make_unique<std::vector<std::string>>(std::move(FStringPool));
  }
  ResetStringPool();
  AppendPoolRecord(TStringPoolPurgeEvent());
}

void TLogStream::RestorePool(size_t count) {
  if (FPoolBeforeReset) {
    const std::vector<std::string> before = std::move(*FPoolBeforeReset);
    FPoolBeforeReset.reset();
    SetStringPool(before);
  }
  TruncatePool(count);
}

// ---- reading records ---------------------------------------------------------------------------

int32_t TLogStream::ReadPropertyCount() {
  const int32_t count = ReadLongInt();
  const int64_t needed = static_cast<int64_t>(count) * kMinEntrySize;
  if (count < 0 || (needed > static_cast<int64_t>(Buffered()) && needed > RemainingBytes())) {
    throw ETracebookError(SImpossiblePropertyCount);
  }
  return count;
}

void TLogStream::SkipToNextBeginToken() {
  for (;;) {
    const uint8_t* begin = FReadBuffer.data() + FReadPos;
    const uint8_t* end = FReadBuffer.data() + FReadEnd;
    const uint8_t* found = std::search(begin, end, std::begin(kBeginToken), std::end(kBeginToken));
    if (found != end) {
      FReadPos = static_cast<size_t>(found - FReadBuffer.data());
      return;
    }
    // Keep a tail that may be the start of a token cut by the buffer's end.
    const size_t tail = std::min(Buffered(), sizeof kBeginToken - 1);
    FReadPos = FReadEnd - tail;
    if (!FillReadBuffer()) {
      FReadPos = FReadEnd;  // no further record: the position stays at the end
      return;
    }
  }
}

TLogStream::TClassLookup& TLogStream::ClassForPoolIndex(int16_t index, std::string_view name) {
  if (FClassCacheGeneration != RegistryGeneration()) {
    FClassByIndex.clear();
    FClassCacheGeneration = RegistryGeneration();
  }
  const auto slot = static_cast<size_t>(index);
  if (FClassByIndex.size() <= slot) FClassByIndex.resize(FStringPool.size());
  TClassLookup& lookup = FClassByIndex[slot];
  if (!lookup.Known) lookup = {true, ProxyList().FindClassByName(name), {}};
  return lookup;
}

bool TLogStream::ReadRecordStart(const TLogEventClass*& cls, std::string_view& name) {
  if (AtEndOfStream()) return false;
  FEventOffset = FBufferOffset + static_cast<int64_t>(FReadPos);
  uint8_t token[sizeof kBeginToken];
  GetBytes(token, sizeof token);  // not compared: a misplaced record shows in what follows
  ReadRecordClass(cls, name);
  return true;
}

void TLogStream::ReadRecordClass(const TLogEventClass*& cls, std::string_view& name) {
  const int16_t index = ReadSmallInt();
  if (index < 0 || index >= PoolCount()) throw ETracebookError(SInvalidPoolIndex);
  name = std::string_view(FStringPool[static_cast<size_t>(index)]).substr(0, kMaxClassNameLength);
  FRecordClass = &ClassForPoolIndex(index, name);
  cls = FRecordClass->Class;
}

std::unique_ptr<TLogEvent> TLogStream::ReadRecordBody(const TLogEventClass* cls,
                                                      std::string_view name) {
  std::unique_ptr<TLogEvent> record = CreateEventOfClass(cls, name, *this);
  // Pool records change the pool and are not handed to the caller.
  if (cls && cls->InheritsFrom(TStringPoolAddEvent::StaticClass())) {
    AddToPool(static_cast<TStringPoolAddEvent&>(*record).PoolString());
  } else if (cls && cls->InheritsFrom(TStringPoolPurgeEvent::StaticClass())) {
    ResetStringPool();
  } else {
    return record;
  }
  return nullptr;
}

std::unique_ptr<TLogEvent> TLogStream::ReadEvent() {
  const TLogEventClass* cls = nullptr;
  std::string_view name;
  while (ReadRecordStart(cls, name)) {
    if (std::unique_ptr<TLogEvent> record = ReadRecordBody(cls, name)) return record;
  }
  return nullptr;
}

bool TLogStream::SkimEvent(TEventSkim& event, TWholeRecordClass wholeRecord) {
  const TLogEventClass* cls = nullptr;
  std::string_view name;
  while (ReadRecordStart(cls, name)) {
    // Pool records read their bodies their own way, so they are always built and applied.
    if (cls && cls->ReadsPropertyBlock() && !wholeRecord(*cls)) {
      event = {cls, 0, FEventOffset, nullptr};
      const TPropInfo* tickCount = &TLogEvent::TickCountProperty();
      ReadPropertyEntries(
          *this,
          [this, tickCount](uint8_t kind) {
            return ReadNameOfTickCount() && KindsCompatible(kind, tkInteger) ? tickCount : nullptr;
          },
          [&event](const TPropInfo&, const auto& value) {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, int32_t>) {
              event.TickCount = value;
            }
          });
      return true;
    }
    const int64_t offset = FEventOffset;
    if (std::unique_ptr<TLogEvent> record = ReadRecordBody(cls, name)) {
      event = {&record->ClassType(), record->TickCount(), offset, std::move(record)};
      return true;
    }
  }
  return false;
}

std::unique_ptr<TLogEvent> TLogStream::ReadEventAt(int64_t offset) {
  Seek(offset, TSeekOrigin::soBeginning);
  const TLogEventClass* cls = nullptr;
  std::string_view name;
  std::unique_ptr<TLogEvent> record;
  if (ReadRecordStart(cls, name)) record = ReadRecordBody(cls, name);
  if (!record) throw ETracebookError(SLogChangedSinceRead);
  return record;
}
