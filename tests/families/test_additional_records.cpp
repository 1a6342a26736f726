// The records of the additional-control and outline families: their names, display texts and
// property listings, and their way through a log and back.

#include <gtest/gtest.h>

#include <functional>

#include "families/additional_events.h"
#include "families/additional_family.h"
#include "families/win31_events.h"
#include "families/win31_family.h"
#include "tests/support/log_fixture.h"

namespace {

class AdditionalRecords : public LogFixture {
 protected:
  void SetUp() override {
    LogFixture::SetUp();
    TLogStream::RegisterProxyClass(TAdditionalProxy::StaticClass());
    TLogStream::RegisterProxyClass(TWin31Proxy::StaticClass());
  }

  static std::string Listing(const TLogEvent& record) {
    TStringList lines;
    record.GetPropertiesAndValues(&lines);
    return lines.Text();
  }
};

struct TExpected {
  std::function<std::unique_ptr<TLogEvent>()> Make;
  const char* EventName;
  const char* Text;
  const char* Listing;  // after the "EventName=" line, in the order of the log
};

// One record of every class the two families register, in the order their proxies add them.
std::vector<TExpected> EveryClass() {
  using std::make_unique;
  return {
      {[] { return make_unique<TSpeedButtonEvent>("Form1.Panel1.SaveBtn"); }, "speed button click",
       "Form1.Panel1.SaveBtn", "TickCount=1000\nWindowName=Form1.Panel1.SaveBtn\n"},
      {[] {
         return make_unique<TGridEditEvent>("Form1.StringGrid1", "\"Pears\"", POINT{2, 5});
       },
       "grid cell edit", "Form1.StringGrid1 2, 5: \"Pears\"",
       "Cell=2, 5\nText=\"Pears\"\nTickCount=1000\nWindowName=Form1.StringGrid1\n"},
      {[] {
         return make_unique<TGridCellChangeEvent>("Form1.StringGrid1", POINT{-1, 12});
       },
       "grid cell change", "Form1.StringGrid1 -1, 12",
       "Cell=-1, 12\nTickCount=1000\nWindowName=Form1.StringGrid1\n"},
      {[] { return make_unique<TSplitterEvent>("Form1.Splitter1", 143); }, "splitter",
       "Form1.Splitter1 143", "Position=143\nTickCount=1000\nWindowName=Form1.Splitter1\n"},
      {[] { return make_unique<TCheckListBoxEvent>("Form1.Fruit", "\"Apple\"", 0, true); },
       "check list box select", "Form1.Fruit \"Apple\" (0) Checked",
       "CheckedState=True\nSelectedIndex=0\nSelectedItem=\"Apple\"\nTickCount=1000\n"
       "WindowName=Form1.Fruit\n"},
      {[] { return make_unique<TCheckListBoxEvent>("Form1.Fruit", "<none>", -1, false); },
       "check list box select", "Form1.Fruit <none> (-1) Unchecked",
       "CheckedState=False\nSelectedIndex=-1\nSelectedItem=<none>\nTickCount=1000\n"
       "WindowName=Form1.Fruit\n"},
      {[] { return make_unique<TOutlineNodeChangeEvent>("Form1.Outline1", "Cars", 3); },
       "outline node change", "Form1.Outline1 3: Cars",
       "Node=3\nNodeText=Cars\nTickCount=1000\nWindowName=Form1.Outline1\n"},
  };
}

TEST_F(AdditionalRecords, EveryClassHasItsNameTextAndListing) {
  for (const TExpected& expected : EveryClass()) {
    const auto record = expected.Make();
    SCOPED_TRACE(record->ClassName());
    EXPECT_EQ(TLogStream::FindClassByName(record->ClassName()), &record->ClassType());
    EXPECT_EQ(record->GetEventName(), expected.EventName);
    EXPECT_EQ(record->AsString(), expected.Text);
    EXPECT_EQ(Listing(*record),
              std::string("EventName=") + expected.EventName + "\n" + expected.Listing);
    EXPECT_EQ(record->Get_UI_Defaults(), TEventUIDefaults{});
  }
}

TEST_F(AdditionalRecords, TheEditAndCheckRecordsAreKindsOfTheCellAndListBoxRecords) {
  EXPECT_TRUE(TGridEditEvent::StaticClass().InheritsFrom(TGridCellChangeEvent::StaticClass()));
  EXPECT_TRUE(TCheckListBoxEvent::StaticClass().InheritsFrom(TListBoxSelectEvent::StaticClass()));
}

TEST_F(AdditionalRecords, RecordsComeBackFromALogAsTheyWentIn) {
  const std::vector<TExpected> classes = EveryClass();
  {
    TLogStream log(Memory);
    for (const TExpected& expected : classes) log.WriteEvent(expected.Make());
  }
  const std::vector<uint8_t> written = Memory.Bytes();
  auto records = ReadAll();
  ASSERT_EQ(records.size(), classes.size());
  for (size_t i = 0; i < records.size(); ++i) {
    SCOPED_TRACE(records[i]->ClassName());
    EXPECT_EQ(&records[i]->ClassType(), &classes[i].Make()->ClassType());
    EXPECT_EQ(records[i]->AsString(), classes[i].Text);
    EXPECT_EQ(Listing(*records[i]), Listing(*classes[i].Make()));
  }
  // What was read writes the same bytes again.
  TMemoryStream again;
  {
    TLogStream log(again);
    for (auto& record : records) log.WriteEvent(std::move(record));
  }
  EXPECT_EQ(again.Bytes(), written);
}

}  // namespace
