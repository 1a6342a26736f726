// The records of the additional-control and outline families: their names, display texts and
// property listings, and their way through a log and back.

#include <gtest/gtest.h>

#include "families/additional_events.h"
#include "families/additional_family.h"
#include "families/win31_events.h"
#include "families/win31_family.h"
#include "tests/support/record_table.h"

namespace {

class AdditionalRecords : public RecordTableFixture {
 protected:
  void SetUp() override {
    RecordTableFixture::SetUp();
    TLogStream::RegisterProxyClass(TAdditionalProxy::StaticClass());
    TLogStream::RegisterProxyClass(TWin31Proxy::StaticClass());
  }
};

// One record of every class the two families register, in the order their proxies add them.
std::vector<TExpectedRecord> EveryClass() {
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
  ExpectNamesTextsAndListings(EveryClass());
}

TEST_F(AdditionalRecords, TheEditAndCheckRecordsAreKindsOfTheCellAndListBoxRecords) {
  EXPECT_TRUE(TGridEditEvent::StaticClass().InheritsFrom(TGridCellChangeEvent::StaticClass()));
  EXPECT_TRUE(TCheckListBoxEvent::StaticClass().InheritsFrom(TListBoxSelectEvent::StaticClass()));
}

TEST_F(AdditionalRecords, RecordsComeBackFromALogAsTheyWentIn) { ExpectRoundTrip(EveryClass()); }

}  // namespace
