// The common-control family with tab and page controls, track bars, up-down and hot-key controls,
// calendars, page scrollers and rich edits: what a user does with them, as the log records it.

#include "families/std_events.h"
#include "families/win32_events.h"
#include "log/log_lifecycle.h"
#include "platform/vcl/comctrls.h"
#include "platform/vcl/user_actions_controls.h"
#include "tests/families/std_family_form.h"

namespace {

using Win32Controls = StdFamilyForm;

TEST_F(Win32Controls, ChoosingAPageOrATabRecordsItsTextAndIndex) {
  auto* pages = Make<TPageControl>(form, "PageControl1", {10, 10, 300, 200});
  Make<TTabSheet>(pages, "Sheet1", {0, 0, 0, 0}, "Page one");
  Make<TTabSheet>(pages, "Sheet2", {0, 0, 0, 0}, "Page two");
  auto* inside = Make<TButton>(pages->Pages(1), "Inside", {10, 10, 75, 25}, "Go");
  auto* tabs = Make<TTabControl>(form, "Tabs", {10, 220, 300, 40});
  for (const char* tab : {"Red", "Green"}) tabs->Tabs()->Add(tab);
  ShowAndStart();
  SimulateTabChoice(*pages, 1);
  inside->SetFocus();
  Key(VK_TAB, false, true);  // Ctrl+Tab inside the page control: the next page, round to the first
  SimulateTabChoice(*tabs, 1);
  Key(VK_LEFT);
  const TRecords records = Recorded();
  ASSERT_EQ(TextsOf(records),
            (TTexts{{"TTabControlChangeEvent", "Form1.PageControl1: Page two (1)"},
                    {"TTabControlChangeEvent", "Form1.PageControl1: Page one (0)"},
                    {"TTabControlChangeEvent", "Form1.Tabs: Green (1)"},
                    {"TTabControlChangeEvent", "Form1.Tabs: Red (0)"}}));
  EXPECT_EQ(records[0]->GetEventName(), "tab control change");
}

TEST_F(Win32Controls, ATrackBarRecordsOnceAtTheEndOfEachGesture) {
  auto* bar = Make<TTrackBar>(form, "TrackBar1", {10, 10, 200, 30});
  ShowAndStart();
  SimulateSlide(*bar, 7);
  Key(VK_RIGHT);
  Key(VK_HOME);
  const TRecords records = Recorded();
  ASSERT_EQ(TextsOf(records), (TTexts{{"TTrackBarChangeEvent", "Form1.TrackBar1: Position = 7)"},
                                      {"TTrackBarChangeEvent", "Form1.TrackBar1: Position = 8)"},
                                      {"TTrackBarChangeEvent", "Form1.TrackBar1: Position = 0)"}}));
  EXPECT_EQ(records[0]->GetEventName(), "track bar change");
}

TEST_F(Win32Controls, AnUpDownRecordsEachClickWithItsSignedPosition) {
  auto* edit = Make<TEdit>(form, "Edit1", {10, 10, 60, 21});
  auto* upDown = Make<TUpDown>(form, "UpDown1", {70, 10, 16, 21});
  upDown->SetMin(-5);
  upDown->SetAssociate(edit);
  ShowAndStart();
  SimulateSpin(*upDown, btNext, 2);
  SimulateSpin(*upDown, btPrev, 3);
  const TRecords records = Recorded();
  ASSERT_EQ(TextsOf(records), (TTexts{{"TUpDownChangeEvent", "Form1.UpDown1: Position = 1)"},
                                      {"TUpDownChangeEvent", "Form1.UpDown1: Position = 2)"},
                                      {"TUpDownChangeEvent", "Form1.UpDown1: Position = 1)"},
                                      {"TUpDownChangeEvent", "Form1.UpDown1: Position = 0)"},
                                      {"TUpDownChangeEvent", "Form1.UpDown1: Position = -1)"}}));
  EXPECT_EQ(records[0]->GetEventName(), "up/down change");
}

TEST_F(Win32Controls, AHotKeyIsRecordedWhenLeftWithAnotherShortcut) {
  auto* hotKey = Make<THotKey>(form, "HotKey1", {10, 10, 100, 21});
  Make<TButton>(form, "Button1", {10, 40, 75, 25}, "Go");
  ShowAndStart();
  const TShortCut shortCut = TextToShortCut("Shift+Ctrl+A");
  SimulateHotKeyEntry(*hotKey, shortCut);
  SimulateHotKeyEntry(*hotKey, shortCut);  // left as it was found: nothing
  SimulateHotKeyEntry(*hotKey, 0);
  const TRecords records = Recorded();
  ASSERT_EQ(TextsOf(records), (TTexts{{"THotKeyChangeEvent", "Form1.HotKey1: Shift+Ctrl+A"},
                                      {"THotKeyChangeEvent", "Form1.HotKey1: "}}));
  EXPECT_EQ(records[0]->GetEventName(), "hotkey change");
}

class Win32Calendars : public Win32Controls {
 protected:
  void SetUp() override {
    Win32Controls::SetUp();
    savedFormat = QVDateTimeFormat();
    QVDateTimeFormat() = "yyyy-mm-dd";
  }
  void TearDown() override {
    QVDateTimeFormat() = savedFormat;
    Win32Controls::TearDown();
  }
  std::string savedFormat;
};

TEST_F(Win32Calendars, APickedDayIsRecordedWithTheLibrarysFormat) {
  auto* calendar = Make<TMonthCalendar>(form, "Cal", {10, 10, 200, 160});
  calendar->SetDate(EncodeDate(2026, 11, 20));
  ShowAndStart();
  SimulateDatePick(*calendar, EncodeDate(2026, 12, 8));
  Key(VK_RIGHT);
  const TRecords records = Recorded();
  ASSERT_EQ(TextsOf(records), (TTexts{{"TCalendarChangeEvent", "Form1.Cal 2026-12-08"},
                                      {"TCalendarChangeEvent", "Form1.Cal 2026-12-09"}}));
  EXPECT_EQ(records[0]->GetEventName(), "calendar change");
  TStringList lines;
  records[0]->GetPropertiesAndValues(&lines);
  EXPECT_EQ(
      lines.Text(),
      "EventName=calendar change\nDateTime=2026-12-08\nTickCount=500\nWindowName=Form1.Cal\n");
}

// Picking in the drop-down reports the change twice; the first change after the drop-down opened
// is not recorded, so the pick gives one record. The keys change the value directly.
TEST_F(Win32Calendars, APickInAPickersDropDownIsRecordedOnce) {
  auto* picker = Make<TDateTimePicker>(form, "Picker", {10, 10, 120, 21});
  picker->SetDate(EncodeDate(2026, 12, 1));
  ShowAndStart();
  SimulateDatePick(*picker, EncodeDate(2026, 11, 24));
  picker->SetFocus();
  Key(VK_UP);  // the month, the first part in this locale's order of the date
  EXPECT_EQ(Texts(), (TTexts{{"TCalendarChangeEvent", "Form1.Picker 2026-11-24"},
                             {"TCalendarChangeEvent", "Form1.Picker 2026-12-24"}}));
}

TEST_F(Win32Controls, APageScrollerRecordsItsDirectionAndNewPosition) {
  auto* scroller = Make<TPageScroller>(form, "Pager", {10, 10, 200, 30});
  auto* strip = Make<TPanel>(scroller, "Strip", {0, 0, 600, 30});
  scroller->SetControl(strip);
  ShowAndStart();
  SimulatePageScroll(*scroller, PGF_SCROLLRIGHT);
  const int scrolled = scroller->Position();
  SimulatePageScroll(*scroller, PGF_SCROLLLEFT);
  const TRecords records = Recorded();
  ASSERT_GT(scrolled, 0);
  ASSERT_EQ(TextsOf(records),
            (TTexts{{"TPageScrollerScrollEvent", Format("Form1.Pager Right, %d", scrolled)},
                    {"TPageScrollerScrollEvent", "Form1.Pager Left, 0"}}));
  EXPECT_EQ(records[0]->GetEventName(), "page scroller");
}

TEST_F(Win32Controls, ARichEditIsRecordedOncePerChangedVisitAsAMemo) {
  auto* rich = Make<TRichEdit>(form, "Rich1", {10, 10, 200, 80});
  auto* button = Make<TButton>(form, "Button1", {10, 100, 75, 25}, "Go");
  ShowAndStart();
  rich->SetFocus();
  Type("notes");
  button->SetFocus();
  rich->SetFocus();  // a visit without typing
  button->SetFocus();
  EXPECT_EQ(Texts(), (TTexts{{"TEditEvent", "Form1.Rich1 \"notes...\""}}));
}

}  // namespace
