#pragma once
// TLogStream writes and reads the log format: an 11-byte signature, then records, each a begin
// token, its class name as a string-pool index and a body. Strings are pooled: the first use of a
// string puts a pool-add record into the file, later uses refer to its index.
//
// Writing assembles a record together with the pool records it needs in memory and hands them to
// the wrapped stream in one write, so the file never holds half a record. Reading is buffered.
// The class-level operations reach the registry of record classes (the proxy list).

#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "log/log_event.h"
#include "platform/classes.h"
#include "platform/graphics.h"
#include "platform/win32/win32_types.h"

class TLogEventProxy;
struct TLogEventProxyClass;
class TObject;

// A record as SkimEvent reads it: its class, its tick count and where it begins, and the record
// itself only where it was built.
struct TEventSkim {
  const TLogEventClass* Class = nullptr;
  int32_t TickCount = 0;
  int64_t Offset = 0;
  std::unique_ptr<TLogEvent> Record;
};
// Names the record classes of which a skimming reader wants the whole record.
using TWholeRecordClass = bool (*)(const TLogEventClass& cls);

// The first 11 bytes of every log: 0xFE, "QVLF_1.00", 0xFE.
inline constexpr uint8_t kLogSignature[11] = {0xFE, 'Q', 'V', 'L', 'F', '_',
                                              '1',  '.', '0', '0', 0xFE};
// Starts every record: the bytes 00 51 56 FE.
inline constexpr uint32_t BEGIN_EVENT_TOKEN = 0xFE565100;
// The pool always starts with these four entries.
inline constexpr std::string_view kFixedPoolStrings[] = {
    "TStringPoolAddEvent", "TStringPoolPurgeEvent", "TStartSessionEvent", "TStopSessionEvent"};
// The pool is reset before a record whose strings would bring it to this many entries.
inline constexpr int kStringPoolLimit = 16000;
// Longer strings are cut to this length: the format stores lengths in 16 bits.
inline constexpr size_t kMaxStringLength = 65535;
// A class name read from a log is looked up by at most this many characters.
inline constexpr size_t kMaxClassNameLength = 63;

class TLogStream : public TStream {
 public:
  // Wraps `stream` (not owned) at its current position, with a fresh pool.
  explicit TLogStream(TStream& stream);
  ~TLogStream() override;

  // Passed to the wrapped stream (after settling any read-ahead).
  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override;

  // ---- primitives (little-endian) ----
  uint8_t ReadByte();
  int8_t ReadShortInt();
  uint16_t ReadWord();
  int16_t ReadSmallInt();
  int32_t ReadLongInt();
  double ReadFloat();  // 10-byte extended real narrowed to double
  double ReadDateTime() { return ReadFloat(); }
  std::string ReadString();
  std::string ReadPoolString() { return ReadPoolStringRef(); }
  // The pooled string itself; valid until the pool changes.
  const std::string& ReadPoolStringRef();

  void WriteByte(uint8_t value);
  void WriteShortInt(int8_t value);
  void WriteWord(uint16_t value);
  void WriteSmallInt(int16_t value);
  void WriteLongInt(int32_t value);
  void WriteFloat(double value);
  void WriteDateTime(double value) { WriteFloat(value); }
  void WriteString(std::string_view value);  // cut to 65,535 bytes
  void WritePoolString(std::string_view value);
  void WriteBeginToken();

  // ---- hook calls, handed to every enabled proxy (last registered first) ----
  virtual void CBTHookProxy(int code, WPARAM wParam, LPARAM lParam);
  virtual void KeyboardHookProxy(int code, WPARAM wParam, LPARAM lParam);
  virtual void MouseHookProxy(int code, WPARAM wParam, LPARAM lParam);
  virtual void CallWndProcHookProxy(int code, WPARAM wParam, LPARAM lParam);
  virtual void GetMessageHookProxy(int code, WPARAM wParam, LPARAM lParam);

  // The windowed host's exception handler while a log runs: writes the exception record, then
  // lets the handler that was in place before (or the standard display) deal with it.
  void LogException(TObject* sender, const std::exception& exception);

  // ---- records ----
  // Writes the record (unless its class is switched off) with the pool records it needs, in one
  // write to the wrapped stream. On failure the stream and the pool are as they were (a write
  // that landed in part is cut off again) and the failure is raised.
  void WriteEvent(std::unique_ptr<TLogEvent> record);
  // Records that capture writes on its own have nobody waiting for an answer. The dispatch of
  // hook calls and hidden-window messages hands here whatever escaped a proxy: when it is the
  // failure of a record write, the first one of this log goes to the host's exception handling
  // (the application's exception event, or a console program's exception procedure). Later
  // failures of this log are dropped, so that a full disk is reported once, not once per record.
  void ReportCaptureFailure(const std::exception& failure);
  // The next record that is not a pool record, or nullptr at the end of the log. A record cut off
  // by the end of the file raises ETracebookError.
  std::unique_ptr<TLogEvent> ReadEvent();
  // Where the record ReadEvent returned last begins in the wrapped stream.
  int64_t EventOffset() const { return FEventOffset; }
  // Reads the next record that is not a pool record, as ReadEvent does, but builds the record
  // only when `wholeRecord` names its class, or when its class reads its body its own way or is
  // unknown; of the others it takes the tick count alone. False at the end of the log.
  bool SkimEvent(TEventSkim& event, TWholeRecordClass wholeRecord);
  // The record that begins at `offset`, read there before with the pool the stream holds now.
  // Raises as ReadEvent, or ETracebookError "Tracebook log has changed since it was read" when a
  // pool record or the end of the stream is there.
  std::unique_ptr<TLogEvent> ReadEventAt(int64_t offset);

  // ---- string pool ----
  void CheckString(std::string_view value);
  void ResetStringPool();
  // Replaces the pool with `strings`, a pool as reading left it before, so that a record read
  // earlier against that pool can be read again.
  void SetStringPool(std::span<const std::string> strings);
  // Changes each time the pool is reset or replaced: a pool kept by a reader holds the strings of
  // every record read since the generation last changed.
  uint64_t PoolGeneration() const { return FPoolGeneration; }
  int PoolCount() const { return static_cast<int>(FStringPool.size()); }
  const std::string& PoolString(int index) const { return FStringPool[static_cast<size_t>(index)]; }

  // ---- reading support for record bodies ----
  // The entry count of a generic property block, checked against the bytes that remain.
  int32_t ReadPropertyCount();
  // Reads a property name (a pool index) and finds that property of `cls` when it can take a
  // value stored with `storedKind`; nullptr when the class has no such property, or one that
  // cannot take it. The answer is kept per pool index, so each name is looked up once.
  const TPropInfo* ReadPropertyName(const TLogEventClass& cls, uint8_t storedKind);
  // Moves to the next begin token (or the end of the stream): the body of a record whose class is
  // unknown ends there.
  void SkipToNextBeginToken();

  // ---- registry of record classes (class-level) ----
  static int RegisterProxyClass(const TLogEventProxyClass& proxyClass);
  static void UnregisterProxyClass(const TLogEventProxyClass& proxyClass);
  static const TLogEventClass* FindClassByName(std::string_view name);
  static void GetRegisteredEvents(TStrings* list);
  static bool IsEventEnabled(std::string_view name);
  static void EnableEvent(std::string_view name, bool enable);
  static void InitializeImageList(TCustomImageList& images);
  static int32_t GetEventImageIndex(const TLogEvent& record);

 private:
  void PutBytes(const void* data, size_t count);
  void GetBytes(void* data, size_t count) {
    if (Buffered() >= count) {  // the usual case: the bytes are read ahead already
      std::memcpy(data, FReadBuffer.data() + FReadPos, count);
      FReadPos += count;
    } else {
      GetBytesAcrossBuffer(data, count);
    }
  }
  void GetBytesAcrossBuffer(void* data, size_t count);
  bool FillReadBuffer();  // false at the end of the stream
  void DropReadAhead();
  size_t Buffered() const { return FReadEnd - FReadPos; }
  bool AtEndOfStream();
  int64_t RemainingBytes();

  void AssembleRecord(const TLogEvent& record);
  // Writes the assembled record; on failure takes off again what landed of it.
  void WriteAssembled();
  void CutOff(int32_t written);
  void AppendPoolRecord(const TLogEvent& record);
  void StartPoolGeneration();
  void RestorePool(size_t count);
  void AddToPool(std::string value);
  void TruncatePool(size_t count);
  struct TClassLookup;
  TClassLookup& ClassForPoolIndex(int16_t index, std::string_view name);
  // Reads a record's begin token and its class name; the class is nullptr when nobody knows it.
  // False at the end of the stream.
  bool ReadRecordStart(const TLogEventClass*& cls, std::string_view& name);
  // Reads the pool index of a record's class name, and finds the class.
  void ReadRecordClass(const TLogEventClass*& cls, std::string_view& name);
  // Reads a property name (a pool index) and tells whether it is the tick count's.
  bool ReadNameOfTickCount();
  // Reads the body of a record of that class; a pool record changes the pool and gives nullptr.
  std::unique_ptr<TLogEvent> ReadRecordBody(const TLogEventClass* cls, std::string_view name);

  TStream& FStream;
  std::vector<std::string> FStringPool;
  // Looked up by string_view without building a string: exact match, first entry wins.
  struct TPoolHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  std::unordered_map<std::string, int16_t, TPoolHash, std::equal_to<>> FPoolIndex;
  uint64_t FPoolGeneration = 0;

  // Writing: the record being assembled, and how deep WriteEvent is nested.
  std::vector<uint8_t> FRecordBytes;
  int FWriteDepth = 0;
  std::unique_ptr<std::vector<std::string>> FPoolBeforeReset;
  bool FLastWriteFailed = false;
  bool FCaptureFailureReported = false;

  // Reading: bytes read ahead from the wrapped stream, the first of them at FBufferOffset.
  std::vector<uint8_t> FReadBuffer;
  size_t FReadPos = 0;
  size_t FReadEnd = 0;
  int64_t FBufferOffset = 0;
  int64_t FEventOffset = 0;
  // What a pooled class name resolved to, and, for that class, what each pooled property name
  // stored with a kind resolved to; by pool index, valid for one pool generation and one state of
  // the registry. Records of many classes share their property names, so the properties are
  // kept per class.
  struct TPropertyLookup {
    uint8_t StoredKind = 0;  // no kind 0 carries a value: the answer for it is nullptr
    const TPropInfo* Property = nullptr;
  };
  struct TClassLookup {
    bool Known = false;
    const TLogEventClass* Class = nullptr;
    std::vector<TPropertyLookup> Properties;
  };
  std::vector<TClassLookup> FClassByIndex;
  uint64_t FClassCacheGeneration = 0;
  // The lookup of the class of the record being read, while FClassByIndex stays as it is.
  TClassLookup* FRecordClass = nullptr;
  // Whether a pooled name is the tick count's, by pool index, for skimming.
  enum : uint8_t { kNameUnknown, kNameIsTickCount, kNameIsOther };
  std::vector<uint8_t> FNamesTickCount;
};
