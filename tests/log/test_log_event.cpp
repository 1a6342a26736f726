// Records' property tables, texts and looks.

#include <gtest/gtest.h>

#include "log/builtin_events.h"
#include "log/log_strings.h"
#include "platform/strtable.h"
#include "tests/support/log_fixture.h"

namespace {

std::vector<std::string> Lines(const TLogEvent& record) {
  TStringList list;
  record.GetPropertiesAndValues(&list);
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
  return lines;
}

std::vector<std::string> PropertyNames(const TLogEventClass& cls) {
  std::vector<std::string> names;
  for (const TPropInfo* prop : cls.Properties()) names.emplace_back(prop->Name);
  return names;
}

class LogEvent : public LogFixture {
 protected:
  void SetUp() override {
    LogFixture::SetUp();
    FSavedFormat = QVDateTimeFormat();
    QVDateTimeFormat() = "yyyy-mm-dd hh:nn";
  }
  void TearDown() override {
    QVDateTimeFormat() = FSavedFormat;
    LogFixture::TearDown();
  }

 private:
  std::string FSavedFormat;
};

TEST_F(LogEvent, PropertyTablesAreSortedIgnoringCaseAndInherited) {
  EXPECT_EQ(PropertyNames(TStartSessionEvent::StaticClass()),
            (std::vector<std::string>{"BeginTime", "Identifier", "TickCount"}));
  EXPECT_EQ(PropertyNames(TExceptionEvent::StaticClass()),
            (std::vector<std::string>{"Details", "ExceptionClass", "MessageStr", "TickCount"}));
  EXPECT_EQ(PropertyNames(TEnterSectionEvent::StaticClass()),
            (std::vector<std::string>{"Name", "TickCount"}));
  EXPECT_EQ(PropertyNames(TAllKindsEvent::StaticClass()),
            (std::vector<std::string>{"Amount", "Computed", "Count", "Flag", "Letter", "LongText",
                                      "ShortText", "small", "TickCount"}));
  EXPECT_EQ(TAllKindsEvent::StaticClass().StreamedProperties().size(), 8u);
}

TEST_F(LogEvent, SeparatorListsItsNameAndTickCountOnly) {
  TSeparatorEvent separator;
  EXPECT_EQ(Lines(separator), (std::vector<std::string>{"EventName=separator", "TickCount=1000"}));
  EXPECT_EQ(separator.AsString(), "-");
}

TEST_F(LogEvent, SessionRecordsFormatTheirTimesInTheirPlace) {
  TStartSessionEvent start("Shop");
  EXPECT_EQ(start.AsString(), "2000-01-01 12:00 Shop");
  EXPECT_EQ(Lines(start),
            (std::vector<std::string>{"EventName=start session", "BeginTime=2000-01-01 12:00",
                                      "Identifier=Shop", "TickCount=1000"}));
  EXPECT_EQ(TStartSessionEvent("").AsString(), "2000-01-01 12:00 ");
  TStopSessionEvent stop;
  EXPECT_EQ(stop.AsString(), "2000-01-01 12:00");
  EXPECT_EQ(Lines(stop)[1], "EndTime=2000-01-01 12:00");
}

TEST_F(LogEvent, EveryKindHasItsText) {
  TAllKindsEvent record;
  record.Count = -5;
  record.Small = -1;
  record.Letter = 'z';
  record.Flag = false;
  record.Amount = 1.5e-7;
  record.ShortText = "a=b";
  EXPECT_EQ(Lines(record),
            (std::vector<std::string>{"EventName=TAllKindsEvent", "Amount=1.5E-7", "Count=-5",
                                      "Flag=False", "Letter=z", "LongText=", "ShortText=a=b",
                                      "small=-1", "TickCount=1000"}));
}

TEST_F(LogEvent, ExceptionRecordsCarryTheirDetails) {
  TExceptionEvent ole(EOleException("Unspecified error", -2147467259, "Excel.Application"), 0xABC);
  EXPECT_EQ(ole.Details(), "ErrorCode = -2147467259, Source = Excel.Application");
  EXPECT_EQ(ole.AsString(), "EOleException raised at 00000ABC \"Unspecified error\"");
  EXPECT_EQ(TExceptionEvent(EOleSysError("x", 5)).Details(), "ErrorCode = 5");
  EXPECT_EQ(TExceptionEvent(EInOutError("x", 32)).Details(), "ErrorCode = 32");

  TExceptionEvent plain(EConvertError("'x' is not a valid integer value"));
  EXPECT_EQ(plain.Details(), "");
  EXPECT_EQ(Lines(plain)[1], "Details=");
  EXPECT_EQ(TExceptionEvent(std::out_of_range("index")).ExceptionClass(), "std::out_of_range");

  auto console = TExceptionEvent::CreateFromConsole(EInOutError("x", 32), 0x401000);
  EXPECT_EQ(console->Details(), "");
  EXPECT_EQ(console->Address(), 0x401000u);
}

TEST_F(LogEvent, GetPropertiesAndValuesAppends) {
  TStringList list;
  list.Add("kept");
  TSeparatorEvent().GetPropertiesAndValues(&list);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Get(0), "kept");
  TSeparatorEvent().GetPropertiesAndValues(nullptr);
}

TEST_F(LogEvent, NamesAndLooksOfTheBuiltInClasses) {
  struct TExpected {
    const TLogEventClass& Class;
    const char* Name;
    TEventUIDefaults Look;
  };
  const TExpected expected[] = {
      {TStartSessionEvent::StaticClass(), "start session", {0x00FF0000, false, false}},
      {TStopSessionEvent::StaticClass(), "stop session", {0x00FF0000, false, false}},
      {TExceptionEvent::StaticClass(), "exception", {0x000000FF, true, false}},
      {TUserMessageEvent::StaticClass(), "user message", {0x00008000, false, false}},
      {TEnterSectionEvent::StaticClass(), "enter section", {0x00000080, false, false}},
      {TLeaveSectionEvent::StaticClass(), "leave section", {0x00000080, false, false}},
      {TSectionEvent::StaticClass(), "TSectionEvent", {0x00000080, false, false}},
      {TSeparatorEvent::StaticClass(), "separator", {0x80000008, false, false}},
      {TStringPoolAddEvent::StaticClass(), "string pool add", {0x80000008, false, false}},
      {TStringPoolPurgeEvent::StaticClass(), "string pool purge", {0x80000008, false, false}},
      {TUnregisteredEvent::StaticClass(), "unregistered event type", {0x000000FF, false, true}},
  };
  for (const TExpected& e : expected) {
    EXPECT_EQ(e.Class.GetEventName(), e.Name);
    EXPECT_EQ(e.Class.Get_UI_Defaults(), e.Look) << e.Name;
  }
  EXPECT_EQ(LoadStr(log_strings::SRaisedAt), "raised at");
}

}  // namespace
