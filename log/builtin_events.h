#pragma once
// The record model's own record classes: session start and end, exceptions, user messages,
// sections, separators, the two string-pool records and the stand-in for a record whose class is
// unknown to the reader. The registry always knows them and they cannot be switched off.

#include <cstdint>
#include <exception>
#include <string>

#include "log/log_event.h"

class TStartSessionEvent : public TLogEvent {
  LOG_EVENT_CLASS(TStartSessionEvent, TLogEvent)
  // BeginTime is now; the identifier is the application's.
  explicit TStartSessionEvent(std::string identifier);
  double GetBeginTime() const { return FBeginTime; }
  void SetBeginTime(double value) { FBeginTime = value; }
  const std::string& Identifier() const { return FIdentifier; }
  std::string GetPropAndValue(std::string_view name) const override;
  std::string AsString() const override;

 private:
  double FBeginTime = 0;
  std::string FIdentifier;
};

class TStopSessionEvent : public TLogEvent {
  LOG_EVENT_CLASS(TStopSessionEvent, TLogEvent)
  TStopSessionEvent();  // EndTime is now
  double GetEndTime() const { return FEndTime; }
  void SetEndTime(double value) { FEndTime = value; }
  std::string GetPropAndValue(std::string_view name) const override;
  std::string AsString() const override;

 private:
  double FEndTime = 0;
};

class TExceptionEvent : public TLogEvent {
  LOG_EVENT_CLASS(TExceptionEvent, TLogEvent)
  // The exception's class, message and details by its kind; `address` is where it was raised
  // (0 when unknown), of which the record keeps the low 32 bits.
  explicit TExceptionEvent(const std::exception& exception, uintptr_t address = 0);
  // As above, but without details: the record of a console host's exception handler.
  static std::unique_ptr<TExceptionEvent> CreateFromConsole(const std::exception& exception,
                                                            uintptr_t address);

  const std::string& ExceptionClass() const { return FExceptionClass; }
  const std::string& MessageStr() const { return FMessageStr; }
  const std::string& Details() const { return FDetails; }
  uint32_t Address() const { return FAddress; }

  void Read(TLogStream& stream) override;
  void Write(TLogStream& stream) const override;
  std::string AsString() const override;

 private:
  std::string FExceptionClass;
  std::string FMessageStr;
  std::string FDetails;
  uint32_t FAddress = 0;
};

class TUserMessageEvent : public TLogEvent {
  LOG_EVENT_CLASS(TUserMessageEvent, TLogEvent)
  explicit TUserMessageEvent(std::string message) : FMessage(std::move(message)) {}
  const std::string& Message() const { return FMessage; }
  std::string AsString() const override { return FMessage; }

 private:
  std::string FMessage;
};

// The common base of the two section records; not a record class of the registry.
class TSectionEvent : public TLogEvent {
  LOG_EVENT_CLASS(TSectionEvent, TLogEvent)
  explicit TSectionEvent(std::string name) : FName(std::move(name)) {}
  const std::string& Name() const { return FName; }
  std::string AsString() const override { return FName; }

 private:
  std::string FName;
};

class TEnterSectionEvent : public TSectionEvent {
  LOG_EVENT_CLASS(TEnterSectionEvent, TSectionEvent)
  explicit TEnterSectionEvent(std::string name) : TSectionEvent(std::move(name)) {}
};

class TLeaveSectionEvent : public TSectionEvent {
  LOG_EVENT_CLASS(TLeaveSectionEvent, TSectionEvent)
  explicit TLeaveSectionEvent(std::string name) : TSectionEvent(std::move(name)) {}
};

class TSeparatorEvent : public TLogEvent {
  LOG_EVENT_CLASS(TSeparatorEvent, TLogEvent)
  TSeparatorEvent() = default;
};

// Announces a string that enters the pool; its body is the raw string.
class TStringPoolAddEvent : public TLogEvent {
  LOG_EVENT_CLASS(TStringPoolAddEvent, TLogEvent)
  explicit TStringPoolAddEvent(std::string poolString) : FPoolString(std::move(poolString)) {}
  const std::string& PoolString() const { return FPoolString; }
  void CheckStrings(TLogStream& stream) const override;
  void Read(TLogStream& stream) override;
  void Write(TLogStream& stream) const override;

 private:
  std::string FPoolString;
};

// Resets the pool to its four fixed entries; it has no body.
class TStringPoolPurgeEvent : public TLogEvent {
  LOG_EVENT_CLASS(TStringPoolPurgeEvent, TLogEvent)
  TStringPoolPurgeEvent() = default;
  void CheckStrings(TLogStream& stream) const override;
  void Read(TLogStream& stream) override;
  void Write(TLogStream& stream) const override;
};

// A record whose class the reader does not know: it keeps the class name and the tick count, and
// reading skips whatever else that class wrote.
class TUnregisteredEvent : public TLogEvent {
  LOG_EVENT_CLASS(TUnregisteredEvent, TLogEvent)
  const std::string& EventClassName() const { return FEventClassName; }
  void SetEventClassName(std::string name) { FEventClassName = std::move(name); }
  void Read(TLogStream& stream) override;
  std::string AsString() const override { return FEventClassName; }

 private:
  std::string FEventClassName;
};

// The date-time text of session records: FormatDateTime with QVDateTimeFormat.
std::string SessionDateTimeText(double value);
