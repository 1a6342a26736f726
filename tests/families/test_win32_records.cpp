// The common-control family's records: their names, display texts and property listings, and
// their way through a log and back.

#include <gtest/gtest.h>

#include "families/win32_events.h"
#include "families/win32_family.h"
#include "log/log_lifecycle.h"
#include "tests/support/record_table.h"

namespace {

class Win32Records : public RecordTableFixture {
 protected:
  void SetUp() override {
    RecordTableFixture::SetUp();
    TLogStream::RegisterProxyClass(TWin32Proxy::StaticClass());
    savedFormat = QVDateTimeFormat();
    QVDateTimeFormat() = "yyyy-mm-dd hh:nn";
  }
  void TearDown() override {
    QVDateTimeFormat() = savedFormat;
    RecordTableFixture::TearDown();
  }

  std::string savedFormat;
};

// One record of every class the family registers, in the order the proxy adds them, with what
// the viewer shows of it. 2026-12-08 18:30 is 46364.7708333.
std::vector<TExpectedRecord> EveryClass() {
  using std::make_unique;
  return {
      {[] { return make_unique<TTabControlChangeEvent>("Form1.PageControl1", "Page two", 1); },
       "tab control change", "Form1.PageControl1: Page two (1)",
       "TabIndex=1\nTabName=Page two\nTickCount=1000\nWindowName=Form1.PageControl1\n"},
      {[] { return make_unique<TTrackBarChangeEvent>("Form1.TrackBar1", 5); }, "track bar change",
       "Form1.TrackBar1: Position = 5)",
       "Position=5\nTickCount=1000\nWindowName=Form1.TrackBar1\n"},
      {[] { return make_unique<TUpDownChangeEvent>("Form1.UpDown1", -3); }, "up/down change",
       "Form1.UpDown1: Position = -3)", "Position=-3\nTickCount=1000\nWindowName=Form1.UpDown1\n"},
      {[] { return make_unique<THotKeyChangeEvent>("Form1.HotKey1", "Shift+Ctrl+A"); },
       "hotkey change", "Form1.HotKey1: Shift+Ctrl+A",
       "HotKey=Shift+Ctrl+A\nTickCount=1000\nWindowName=Form1.HotKey1\n"},
      {[] { return make_unique<TCalendarChangeEvent>("Form1.Cal", 46364.0 + 18.5 / 24); },
       "calendar change", "Form1.Cal 2026-12-08 18:30",
       "DateTime=2026-12-08 18:30\nTickCount=1000\nWindowName=Form1.Cal\n"},
      {[] { return make_unique<THeaderSizeEvent>("Form1.Header1", "Name", 2, 95); },
       "header resize", "Form1.Header1: Name (2) 95",
       "SectionIndex=2\nSectionName=Name\nSize=95\nTickCount=1000\nWindowName=Form1.Header1\n"},
      {[] { return make_unique<THeaderClickEvent>("Form1.Header1", "Name", 2, 95); },
       "header click", "Form1.Header1: Name (2)",
       "SectionIndex=2\nSectionName=Name\nTickCount=1000\nWindowName=Form1.Header1\n"},
      {[] { return make_unique<TToolButtonEvent>("Form1.ToolBar1.OpenBtn", "clicked"); },
       "toolbar button", "Form1.ToolBar1.OpenBtn clicked",
       "Action=clicked\nTickCount=1000\nWindowName=Form1.ToolBar1.OpenBtn\n"},
      {[] { return make_unique<TPageScrollerScrollEvent>("Form1.Pager", "Up", 40); },
       "page scroller", "Form1.Pager Up, 40",
       "Direction=Up\nPosition=40\nTickCount=1000\nWindowName=Form1.Pager\n"},
      {[] { return make_unique<TTreeViewEditEvent>("Form1.Tree", "New name", 3); },
       "tree view edit", "Form1.Tree 3 \"New name\"",
       "Index=3\nText=New name\nTickCount=1000\nWindowName=Form1.Tree\n"},
      {[] { return make_unique<TTreeViewChangeEvent>("Form1.Tree", -1); }, "tree view select",
       "Form1.Tree -1", "Index=-1\nTickCount=1000\nWindowName=Form1.Tree\n"},
      {[] { return make_unique<TTreeViewExpandEvent>("Form1.Tree", 0); }, "tree view expand",
       "Form1.Tree 0", "Index=0\nTickCount=1000\nWindowName=Form1.Tree\n"},
      {[] { return make_unique<TTreeViewCollapseEvent>("Form1.Tree", 4); }, "tree view collapse",
       "Form1.Tree 4", "Index=4\nTickCount=1000\nWindowName=Form1.Tree\n"},
      {[] { return make_unique<TListViewEditEvent>("Form1.List", "", 7); }, "list view edit",
       "Form1.List 7 \"\"", "Index=7\nText=\nTickCount=1000\nWindowName=Form1.List\n"},
      {[] { return make_unique<TListViewChangeEvent>("Form1.List", 2); }, "list view select",
       "Form1.List 2", "Index=2\nTickCount=1000\nWindowName=Form1.List\n"},
      {[] { return make_unique<TListViewColumnClickEvent>("Form1.List", "Size", 1, 0); },
       "list view column click", "Form1.List: Size (1)",
       "SectionIndex=1\nSectionName=Size\nTickCount=1000\nWindowName=Form1.List\n"},
  };
}

TEST_F(Win32Records, EveryClassHasItsNameTextAndListing) {
  ExpectNamesTextsAndListings(EveryClass());
}

TEST_F(Win32Records, TheSharedBasesAreNoRecordClasses) {
  for (const char* name : {"TTLVChangeEvent", "TTLVEditEvent", "THeaderEvent"}) {
    EXPECT_EQ(TLogStream::FindClassByName(name), nullptr) << name;
  }
  EXPECT_TRUE(TUpDownChangeEvent::StaticClass().InheritsFrom(TTrackBarChangeEvent::StaticClass()));
  EXPECT_TRUE(
      TListViewColumnClickEvent::StaticClass().InheritsFrom(THeaderClickEvent::StaticClass()));
}

TEST_F(Win32Records, TheCalendarFormatsOnlyItsOwnDateTimeLine) {
  const TCalendarChangeEvent record("Form1.Cal", 46364.75);
  EXPECT_EQ(record.GetPropAndValue("DateTime"), "DateTime=2026-12-08 18:00");
  EXPECT_EQ(record.GetPropAndValue("datetime"), "");
  EXPECT_EQ(record.GetPropAndValue("WindowName"), "");
  QVDateTimeFormat() = "dd.mm.yyyy";
  EXPECT_EQ(record.AsString(), "Form1.Cal 08.12.2026");
}

TEST_F(Win32Records, RecordsComeBackFromALogAsTheyWentIn) { ExpectRoundTrip(EveryClass()); }

TEST_F(Win32Records, AHeaderClickStoresNoWidthAndTheCalendarItsExactValue) {
  const double moment = 46364.0 + 1.0 / 3;  // no exact binary fraction
  {
    TLogStream log(Memory);
    log.WriteEvent(std::make_unique<THeaderClickEvent>("Form1.Header1", "Name", 2, 95));
    log.WriteEvent(std::make_unique<TCalendarChangeEvent>("Form1.Cal", moment));
  }
  const auto records = ReadAll();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(dynamic_cast<const THeaderClickEvent&>(*records[0]).Size(), 0);
  EXPECT_EQ(dynamic_cast<const TCalendarChangeEvent&>(*records[1]).DateTime(), moment);
}

}  // namespace
