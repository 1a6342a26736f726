// The built-in record classes.

#include "log/builtin_events.h"

#include "log/log_lifecycle.h"
#include "log/log_stream.h"
#include "log/log_strings.h"
#include "platform/datetime.h"
#include "platform/strtable.h"
#include "platform/vcl/system.h"

using namespace log_strings;

namespace {

constexpr TEventUIDefaults kBlue{0x00FF0000, false, false};
constexpr TEventUIDefaults kRedBold{0x000000FF, true, false};
constexpr TEventUIDefaults kGreen{0x00008000, false, false};
constexpr TEventUIDefaults kMaroon{0x00000080, false, false};
constexpr TEventUIDefaults kRedItalic{0x000000FF, false, true};

std::string ExceptionMessage(const std::exception& exception) {
  if (auto* framework = dynamic_cast<const Exception*>(&exception)) return framework->Message();
  return exception.what();
}

// Error codes of the exceptions that carry one, most specific first.
std::string ExceptionDetails(const std::exception& exception) {
  if (auto* ole = dynamic_cast<const EOleException*>(&exception)) {
    return Format("ErrorCode = %d, Source = %s", ole->ErrorCode(), ole->Source());
  }
  if (auto* coded = dynamic_cast<const ECodedError*>(&exception)) {
    return Format("ErrorCode = %d", coded->ErrorCode());
  }
  return {};
}

}  // namespace

std::string SessionDateTimeText(double value) { return FormatDateTime(QVDateTimeFormat(), value); }

// ---- sessions ---------------------------------------------------------------------------------

const TLogEventClass& TStartSessionEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TStartSessionEvent::FBeginTime>("BeginTime"),
      FieldProperty<&TStartSessionEvent::FIdentifier>("Identifier"),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TStartSessionEvent>({
      .Name = "TStartSessionEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SStartSession,
      .UIDefaults = kBlue,
  });
  return cls;
}

TStartSessionEvent::TStartSessionEvent(std::string identifier)
    : FBeginTime(Now()), FIdentifier(std::move(identifier)) {}

std::string TStartSessionEvent::GetPropAndValue(std::string_view name) const {
  if (name == "BeginTime") return "BeginTime=" + SessionDateTimeText(FBeginTime);
  return {};
}

std::string TStartSessionEvent::AsString() const {
  return Format("%s %s", SessionDateTimeText(FBeginTime), FIdentifier);
}

const TLogEventClass& TStopSessionEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TStopSessionEvent::FEndTime>("EndTime"),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TStopSessionEvent>({
      .Name = "TStopSessionEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SStopSession,
      .UIDefaults = kBlue,
  });
  return cls;
}

TStopSessionEvent::TStopSessionEvent() : FEndTime(Now()) {}

std::string TStopSessionEvent::GetPropAndValue(std::string_view name) const {
  if (name == "EndTime") return "EndTime=" + SessionDateTimeText(FEndTime);
  return {};
}

std::string TStopSessionEvent::AsString() const { return SessionDateTimeText(FEndTime); }

// ---- exceptions -------------------------------------------------------------------------------

const TLogEventClass& TExceptionEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TExceptionEvent::FExceptionClass>("ExceptionClass"),
      FieldProperty<&TExceptionEvent::FMessageStr>("MessageStr"),
      FieldProperty<&TExceptionEvent::FDetails>("Details"),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TExceptionEvent>({
      .Name = "TExceptionEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SException,
      .UIDefaults = kRedBold,
  });
  return cls;
}

TExceptionEvent::TExceptionEvent(const std::exception& exception, uintptr_t address)
    : FExceptionClass(ExceptionClassName(exception)),
      FMessageStr(ExceptionMessage(exception)),
      FDetails(ExceptionDetails(exception)),
      FAddress(static_cast<uint32_t>(address)) {}

std::unique_ptr<TExceptionEvent> TExceptionEvent::CreateFromConsole(const std::exception& exception,
                                                                    uintptr_t address) {
  auto record = std::make_unique<TExceptionEvent>(exception, address);
  record->FDetails.clear();
  return record;
}

void TExceptionEvent::Read(TLogStream& stream) {
  TLogEvent::Read(stream);
  FAddress = static_cast<uint32_t>(stream.ReadLongInt());
}

void TExceptionEvent::Write(TLogStream& stream) const {
  TLogEvent::Write(stream);
  stream.WriteLongInt(static_cast<int32_t>(FAddress));
}

std::string TExceptionEvent::AsString() const {
  return Format("%s %s %p \"%s\"", FExceptionClass, LoadStr(SRaisedAt), TFormatPointer{FAddress},
                FMessageStr);
}

// ---- markers ----------------------------------------------------------------------------------

const TLogEventClass& TUserMessageEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TUserMessageEvent::FMessage>("Message"),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TUserMessageEvent>({
      .Name = "TUserMessageEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .EventNameId = SUserMessage,
      .UIDefaults = kGreen,
  });
  return cls;
}

const TLogEventClass& TSectionEvent::StaticClass() {
  static constexpr TPropInfo kProperties[] = {
      FieldProperty<&TSectionEvent::FName>("Name"),
  };
  static const TLogEventClass& cls = DefineLogEventClass<TSectionEvent>({
      .Name = "TSectionEvent",
      .Parent = &TLogEvent::StaticClass(),
      .OwnProperties = kProperties,
      .UIDefaults = kMaroon,
  });
  return cls;
}

const TLogEventClass& TEnterSectionEvent::StaticClass() {
  static const TLogEventClass& cls = DefineLogEventClass<TEnterSectionEvent>({
      .Name = "TEnterSectionEvent",
      .Parent = &TSectionEvent::StaticClass(),
      .EventNameId = SEnterSection,
  });
  return cls;
}

const TLogEventClass& TLeaveSectionEvent::StaticClass() {
  static const TLogEventClass& cls = DefineLogEventClass<TLeaveSectionEvent>({
      .Name = "TLeaveSectionEvent",
      .Parent = &TSectionEvent::StaticClass(),
      .EventNameId = SLeaveSection,
  });
  return cls;
}

const TLogEventClass& TSeparatorEvent::StaticClass() {
  static const TLogEventClass& cls = DefineLogEventClass<TSeparatorEvent>({
      .Name = "TSeparatorEvent",
      .Parent = &TLogEvent::StaticClass(),
      .EventNameId = SSeparator,
  });
  return cls;
}

// ---- string pool ------------------------------------------------------------------------------

const TLogEventClass& TStringPoolAddEvent::StaticClass() {
  static const TLogEventClass& cls = DefineLogEventClass<TStringPoolAddEvent>({
      .Name = "TStringPoolAddEvent",
      .Parent = &TLogEvent::StaticClass(),
      .EventNameId = SStringPoolAdd,
  });
  return cls;
}

void TStringPoolAddEvent::CheckStrings(TLogStream& stream) const {
  stream.CheckString(ClassName());
}

void TStringPoolAddEvent::Read(TLogStream& stream) { FPoolString = stream.ReadString(); }

void TStringPoolAddEvent::Write(TLogStream& stream) const { stream.WriteString(FPoolString); }

const TLogEventClass& TStringPoolPurgeEvent::StaticClass() {
  static const TLogEventClass& cls = DefineLogEventClass<TStringPoolPurgeEvent>({
      .Name = "TStringPoolPurgeEvent",
      .Parent = &TLogEvent::StaticClass(),
      .EventNameId = SStringPoolPurge,
  });
  return cls;
}

void TStringPoolPurgeEvent::CheckStrings(TLogStream& stream) const {
  stream.CheckString(ClassName());
}

void TStringPoolPurgeEvent::Read(TLogStream&) {}

void TStringPoolPurgeEvent::Write(TLogStream&) const {}

// ---- unknown classes --------------------------------------------------------------------------

const TLogEventClass& TUnregisteredEvent::StaticClass() {
  static const TLogEventClass& cls = DefineLogEventClass<TUnregisteredEvent>({
      .Name = "TUnregisteredEvent",
      .Parent = &TLogEvent::StaticClass(),
      .EventNameId = SUnregisteredEvent,
      .UIDefaults = kRedItalic,
  });
  return cls;
}

void TUnregisteredEvent::Read(TLogStream& stream) {
  TLogEvent::Read(stream);
  stream.SkipToNextBeginToken();
}
