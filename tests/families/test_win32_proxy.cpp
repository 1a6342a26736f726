// The common-control family's proxy fed with notifications no user action of the platform's
// controls gives: the senders, positions, items and timings it must survive.

#include "families/win32_events.h"
#include "families/win32_family.h"
#include "log/log_lifecycle.h"
#include "log/proxy_list.h"
#include "platform/vcl/comctrls.h"
#include "tests/families/std_family_form.h"

namespace {

class Win32Proxy : public StdFamilyForm {
 protected:
  // Sends the notification record to the parent of `from`, as `from` would tell it.
  template <typename T>
  static void Notify(HWND from, UINT code, T record) {
    auto& header = reinterpret_cast<NMHDR&>(record);
    header.hwndFrom = from;
    header.idFrom = from;
    header.code = code;
    SendMessageA(GetParent(from), WM_NOTIFY, from, reinterpret_cast<LPARAM>(&record));
  }
  template <typename T>
  static void Notify(TWinControl& from, UINT code, T record) {
    Notify(from.Handle(), code, record);
  }
  static void Notify(TWinControl& from, UINT code) { Notify(from, code, NMHDR{}); }

  static std::string DateText(TDateTime value) { return FormatDateTime(QVDateTimeFormat(), value); }
  static NMTREEVIEWA TreeItem(HTREEITEM item, UINT action = 0) {
    NMTREEVIEWA change;
    change.action = action;
    change.itemNew.hItem = item;
    return change;
  }
};

TEST_F(Win32Proxy, NotificationsOfWindowsThatAreNoFrameworkControlsAreIgnored) {
  WNDCLASSA foreign;
  foreign.lpszClassName = "ForeignTree";
  RegisterClassA(foreign);
  const HWND native = CreateWindowExA(0, "ForeignTree", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50,
                                      form->Handle(), 0, 0, nullptr);
  ShowAndStart();
  Notify(native, TVN_SELCHANGEDA, TreeItem(nullptr));
  Notify(native, TCN_SELCHANGE, NMHDR{});
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(0, 0), native);
  SendMessageA(form->Handle(), WM_HSCROLL, SB_ENDSCROLL, native);
  EXPECT_EQ(Texts(), TTexts{});
}

TEST_F(Win32Proxy, ATreeItemWithoutANodeIsRecordedWithIndexMinusOne) {
  auto* tree = Make<TTreeView>(form, "Tree", {10, 10, 200, 150});
  TTreeNode* root = tree->Items()->Add("Root");
  tree->Items()->AddChild(root, "Leaf");
  const auto unknown = reinterpret_cast<HTREEITEM>(uintptr_t{0xBAD});
  ShowAndStart();
  Notify(*tree, TVN_SELCHANGEDA, TreeItem(unknown));
  Notify(*tree, TVN_ITEMEXPANDEDA, TreeItem(root->ItemId(), TVE_COLLAPSERESET));
  Notify(*tree, TVN_ITEMEXPANDEDA, TreeItem(root->ItemId(), TVE_TOGGLE));  // no direction: nothing
  TVDISPINFOA edit;
  edit.item.hItem = unknown;
  char text[] = "Renamed";
  edit.item.pszText = text;  // without TVIF_TEXT in the mask the text does not count
  Notify(*tree, TVN_ENDLABELEDITA, edit);
  EXPECT_EQ(Texts(), (TTexts{{"TTreeViewChangeEvent", "Form1.Tree -1"},
                             {"TTreeViewCollapseEvent", "Form1.Tree 0"},
                             {"TTreeViewEditEvent", "Form1.Tree -1 \"\""}}));
}

TEST_F(Win32Proxy, ToolBarCommandsAndDropDownsBeyondItsButtonsGiveNothing) {
  auto* bar = Make<TToolBar>(form, "Bar", {0, 0, 200, 26});
  auto* button = new TToolButton(form);
  button->SetName("OnlyBtn");
  button->SetParent(bar);
  ShowAndStart();
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(1, 0), bar->Handle());
  Notify(*bar, NM_CLICK);  // a bare header: no position to read
  NMTOOLBARA dropDown;
  for (const int position : {1, -1, 0}) {
    dropDown.iItem = position;
    Notify(*bar, TBN_DROPDOWN, dropDown);
  }
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(0, 0), bar->Handle());
  EXPECT_EQ(Texts(), (TTexts{{"TToolButtonEvent", "Form1.Bar.OnlyBtn dropped down"},
                             {"TToolButtonEvent", "Form1.Bar.OnlyBtn clicked"}}));
}

TEST_F(Win32Proxy, ColumnsAndSectionsBeyondTheControlsGiveNothing) {
  auto* list = Make<TListView>(form, "List", {10, 10, 200, 100});
  list->SetViewStyle(vsReport);
  list->Columns()->Add()->SetCaption("Name");
  auto* header = Make<THeaderControl>(form, "Header", {10, 120, 200, 20});
  header->Sections()->Add()->SetText("Only");
  ShowAndStart();
  NMLISTVIEW click;
  click.iSubItem = 1;
  Notify(*list, LVN_COLUMNCLICK, click);
  NMHEADERA section;
  for (const int index : {1, -1}) {
    section.iItem = index;
    Notify(*header, HDN_ITEMCLICKA, section);
    Notify(*header, HDN_ENDTRACKA, section);
  }
  EXPECT_EQ(Texts(), TTexts{});
}

TEST_F(Win32Proxy, ATabControlWithoutATabChosenHasAnEmptyTabName) {
  auto* tabs = Make<TTabControl>(form, "Tabs", {10, 10, 200, 40});
  tabs->Tabs()->Add("Only");
  ShowAndStart();
  Notify(*tabs, TCN_SELCHANGE);
  EXPECT_EQ(Texts(), (TTexts{{"TTabControlChangeEvent", "Form1.Tabs:  (-1)"}}));
}

TEST_F(Win32Proxy, AListViewRecordsOnlyASelectionGained) {
  auto* list = Make<TListView>(form, "List", {10, 10, 200, 100});
  ShowAndStart();
  NMLISTVIEW change;
  change.iItem = 4;
  change.uChanged = LVIF_STATE;
  change.uOldState = LVIS_SELECTED;
  change.uNewState = LVIS_SELECTED | LVIS_FOCUSED;  // focused, selected before: nothing
  Notify(*list, LVN_ITEMCHANGED, change);
  change.uChanged = LVIF_TEXT;
  change.uOldState = 0;
  Notify(*list, LVN_ITEMCHANGED, change);  // not a state change: nothing
  change.uChanged = LVIF_STATE;
  Notify(*list, LVN_ITEMCHANGED, change);
  LVDISPINFOA cancelled;
  cancelled.item.mask = LVIF_TEXT;
  cancelled.item.iItem = 4;
  Notify(*list, LVN_ENDLABELEDITA, cancelled);
  EXPECT_EQ(Texts(), (TTexts{{"TListViewChangeEvent", "Form1.List 4"}}));
}

// The flag is shared: a picker's drop-down silences the next change of any calendar. Its close
// clears it, so a change after the drop-down closed unchanged is recorded.
TEST_F(Win32Proxy, TheChangeAfterADropDownIsSkippedForEveryCalendar) {
  auto* picker = Make<TDateTimePicker>(form, "Picker", {10, 10, 120, 21});
  auto* month = Make<TMonthCalendar>(form, "Month", {10, 40, 200, 160});
  picker->SetDate(EncodeDate(2026, 1, 2));
  month->SetDate(EncodeDate(2026, 3, 4));
  ShowAndStart();
  Notify(*picker, DTN_DROPDOWN);
  Notify(*month, MCN_SELCHANGE, NMSELCHANGE{});
  Notify(*month, MCN_SELCHANGE, NMSELCHANGE{});
  Notify(*picker, DTN_DROPDOWN);
  Notify(*picker, DTN_CLOSEUP);
  Notify(*picker, DTN_DATETIMECHANGE, NMDATETIMECHANGE{});
  ProcessPendingMessages();
  EXPECT_EQ(Texts(),
            (TTexts{{"TCalendarChangeEvent", "Form1.Month " + DateText(month->Date())},
                    {"TCalendarChangeEvent", "Form1.Picker " + DateText(picker->Date())}}));
}

TEST_F(Win32Proxy, APageScrollerRecordsAnUnknownDirectionAsNone) {
  auto* scroller = Make<TPageScroller>(form, "Pager", {10, 10, 200, 30});
  ShowAndStart();
  NMPGSCROLL scroll;
  scroll.iDir = PGF_SCROLLUP | PGF_SCROLLLEFT;
  Notify(*scroller, PGN_SCROLL, scroll);
  ProcessPendingMessages();
  EXPECT_EQ(Texts(), (TTexts{{"TPageScrollerScrollEvent", "Form1.Pager , 0"}}));
}

// The values are read when the posted messages arrive: by then the log may be closed, or the
// control gone.
TEST_F(Win32Proxy, PostedValuesFindNoLogOrNoControlAndRecordNothing) {
  auto* scroller = Make<TPageScroller>(form, "Pager", {10, 10, 200, 30});
  auto* calendar = Make<TMonthCalendar>(form, "Month", {10, 40, 200, 160});
  auto* gone = Make<TMonthCalendar>(form, "Gone", {10, 210, 200, 160});
  ShowAndStart();
  const HWND hidden = ProxyList().GetHandle();
  PostMessageA(hidden, TWin32Proxy::WM_PAGESCROLLED, scroller->Handle(), PGF_SCROLLDOWN);
  PostMessageA(hidden, TWin32Proxy::WM_CALENDARCHANGED, 0, calendar->Handle());
  StopEventLog();
  ProcessPendingMessages();
  Start();
  PostMessageA(hidden, TWin32Proxy::WM_CALENDARCHANGED, 0, gone->Handle());
  delete gone;
  ProcessPendingMessages();
  EXPECT_EQ(ClassNames(Recorded()),
            (std::vector<std::string>{"TStopSessionEvent", "TStartSessionEvent"}));
}

}  // namespace
