// How each record reads as a step: one record of every class the library registers, built with
// telling values, checked against its sentence; the table is checked to cover every registered
// class, and a class it does not know reads as the list shows it.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "families/additional_events.h"
#include "families/api_events.h"
#include "families/std_events.h"
#include "families/win31_events.h"
#include "families/win32_events.h"
#include "log/builtin_events.h"
#include "log/log_stream.h"
#include "platform/datetime.h"
#include "tests/support/test_records.h"
#include "viewer/core/step_wording.h"

namespace {

struct TWordingCase {
  std::function<std::unique_ptr<TLogEvent>()> Make;
  TStepKind Kind;
  const char* Text;
};

template <typename T, typename... Arguments>
std::function<std::unique_ptr<TLogEvent>()> Record(Arguments... arguments) {
  return [=] { return std::make_unique<T>(arguments...); };
}

std::unique_ptr<TLogEvent> Unregistered() {
  auto record = std::make_unique<TUnregisteredEvent>(TFromStream{});
  record->SetEventClassName("TGoneEvent");
  return record;
}

std::unique_ptr<TLogEvent> Started() {
  auto record = std::make_unique<TStartSessionEvent>("Orders");
  record->SetBeginTime(EncodeDate(2000, 1, 2) + EncodeTime(13, 4, 5, 0));
  return record;
}

std::unique_ptr<TLogEvent> Stopped() {
  auto record = std::make_unique<TStopSessionEvent>();
  record->SetEndTime(EncodeDate(2000, 1, 2) + EncodeTime(13, 5, 0, 0));
  return record;
}

std::unique_ptr<TLogEvent> DiskFull() {
  return std::make_unique<TExceptionEvent>(EInOutError("Disk full", 28));
}

constexpr TStepKind kAction = TStepKind::skAction;
const std::string Form = "MainForm.Panel1";

const std::vector<TWordingCase>& Cases() {
  static const std::vector<TWordingCase> cases = {
      {Started, TStepKind::skSessionStart, "Orders started on 2000-01-02 at 13:04:05"},
      {Stopped, TStepKind::skSessionEnd, "session ended on 2000-01-02 at 13:05:00"},
      {DiskFull, TStepKind::skException, "Exception EInOutError: Disk full (ErrorCode = 28)"},
      {Record<TUserMessageEvent>("Order 17 saved"), TStepKind::skMarker, "Message: Order 17 saved"},
      {Record<TEnterSectionEvent>("Checkout"), TStepKind::skSectionEnter, "Section \"Checkout\""},
      {Record<TLeaveSectionEvent>("Checkout"), TStepKind::skSectionLeave,
       "end of section \"Checkout\""},
      {Record<TSeparatorEvent>(), TStepKind::skMarker, "Separator"},
      {Record<TStringPoolAddEvent>("x"), kAction, "the log added a text to its string pool"},
      {Record<TStringPoolPurgeEvent>(), kAction, "the log emptied its string pool"},
      {Unregistered, kAction, "a record of class TGoneEvent, which this viewer does not know"},
      {Record<TActivateEvent>("MainForm"), kAction, "activated window MainForm"},
      {Record<TMinMaxEvent>("MainForm", "show maximized"), kAction, "maximized window MainForm"},
      {Record<TMouseClickEvent>(Form + ".OKBtn", int16_t{12}, int16_t{8}), kAction,
       "clicked the mouse on OKBtn on MainForm.Panel1 at (12, 8)"},
      {Record<TMoveSizeEvent>("MainForm", int16_t{10}, int16_t{20}, int16_t{410}, int16_t{320}),
       kAction, "moved or sized window MainForm to 400 x 300 at (10, 20)"},
      {Record<TSetFocusEvent>(Form + ".NameEdit"), kAction,
       "moved the focus to NameEdit on MainForm.Panel1"},
      {Record<TButtonEvent>(Form + ".OKBtn", ""), kAction,
       "clicked button OKBtn on MainForm.Panel1"},
      {Record<TComboBoxSelectEvent>(Form + ".Size", "\"Large\"", 2), kAction,
       "selected \"Large\" (item 2) in combo box Size on MainForm.Panel1"},
      {Record<TListBoxSelectEvent>(Form + ".Items", "\"Tea\"", 0), kAction,
       "selected \"Tea\" (item 0) in list box Items on MainForm.Panel1"},
      {Record<TRadioGroupEvent>(Form + ".Ship", "Express", 1), kAction,
       "chose \"Express\" (item 1) in radio group Ship on MainForm.Panel1"},
      {Record<TEditEvent>(Form + ".NameEdit", "\"Ann\""), kAction,
       "changed the text of NameEdit on MainForm.Panel1 to \"Ann\""},
      {Record<TScrollBarEvent>("MainForm.Bar", "vertical", 30), kAction,
       "scrolled Bar on MainForm vertically to 30"},
      {Record<TMenuEvent>("FileSave: &File | Save && &Close [ ID = 12 ]"), kAction,
       "chose File > Save & Close from the menu"},
      {Record<TActionEvent>("SaveAction", "SaveBtn"), kAction,
       "ran action SaveAction through SaveBtn"},
      {Record<TSpeedButtonEvent>("MainForm.Bold"), kAction,
       "clicked speed button Bold on MainForm"},
      {Record<TGridCellChangeEvent>("MainForm.Grid", POINT{2, 5}), kAction,
       "moved to the cell at column 2, row 5 of grid Grid on MainForm"},
      {Record<TGridEditEvent>("MainForm.Grid", "\"7\"", POINT{1, 3}), kAction,
       "edited the cell at column 1, row 3 of grid Grid on MainForm to \"7\""},
      {Record<TSplitterEvent>("MainForm.Split", 120), kAction,
       "dragged splitter Split on MainForm to 120"},
      {Record<TCheckListBoxEvent>("MainForm.Extras", "\"Gift wrap\"", 1, true), kAction,
       "checked \"Gift wrap\" (item 1) in check list box Extras on MainForm"},
      {Record<TTabControlChangeEvent>("MainForm.Pages", "Details", 1), kAction,
       "switched Pages on MainForm to tab \"Details\" (1)"},
      {Record<TTrackBarChangeEvent>("MainForm.Volume", 7), kAction,
       "slid track bar Volume on MainForm to 7"},
      {Record<TUpDownChangeEvent>("MainForm.Count", -2), kAction,
       "set up-down Count on MainForm to -2"},
      {Record<THotKeyChangeEvent>("MainForm.Key", "Ctrl+Shift+A"), kAction,
       "set hot key Key on MainForm to Ctrl+Shift+A"},
      {Record<THeaderSizeEvent>("MainForm.Head", "Price", 1, 80), kAction,
       "resized section \"Price\" (1) of header Head on MainForm to 80 pixels"},
      {Record<THeaderClickEvent>("MainForm.Head", "Price", 1, 80), kAction,
       "clicked section \"Price\" (1) of header Head on MainForm"},
      {Record<TListViewColumnClickEvent>("MainForm.List", "Name", 0, 0), kAction,
       "clicked column \"Name\" (0) of list view List on MainForm"},
      {Record<TToolButtonEvent>("MainForm.Tools.Open", "dropped down"), kAction,
       "opened the menu of tool button Open on MainForm.Tools"},
      {Record<TPageScrollerScrollEvent>("MainForm.Scroller", "Up", 40), kAction,
       "scrolled page scroller Scroller on MainForm up to 40"},
      {Record<TTreeViewEditEvent>("MainForm.Tree", "Pears", 3), kAction,
       "renamed node 3 of tree view Tree on MainForm to \"Pears\""},
      {Record<TTreeViewChangeEvent>("MainForm.Tree", 3), kAction,
       "selected node 3 of tree view Tree on MainForm"},
      {Record<TTreeViewExpandEvent>("MainForm.Tree", 0), kAction,
       "expanded node 0 of tree view Tree on MainForm"},
      {Record<TTreeViewCollapseEvent>("MainForm.Tree", 0), kAction,
       "collapsed node 0 of tree view Tree on MainForm"},
      {Record<TListViewEditEvent>("MainForm.List", "Bob", 2), kAction,
       "renamed item 2 of list view List on MainForm to \"Bob\""},
      {Record<TListViewChangeEvent>("MainForm.List", 2), kAction,
       "selected item 2 of list view List on MainForm"},
      {Record<TOutlineNodeChangeEvent>("MainForm.Outline", "Cars", 3), kAction,
       "selected \"Cars\" (item 3) in outline Outline on MainForm"},
  };
  return cases;
}

TEST(StepWording, EveryClassReadsAsItsSentenceAndNotAsTheFallback) {
  for (const TWordingCase& wording : Cases()) {
    const auto record = wording.Make();
    SCOPED_TRACE(record->ClassName());
    const TStepWording step = WordStep(*record);
    EXPECT_EQ(step, (TStepWording{wording.Kind, wording.Text}));
    EXPECT_NE(step.Text, FallbackStep(*record).Text);
  }
}

TEST(StepWording, TheCasesCoverEveryRegisteredClass) {
  std::set<std::string> covered;
  for (const TWordingCase& wording : Cases()) covered.insert(wording.Make()->ClassName());
  // Checked on its own below: its date is in the log's date-time format.
  covered.insert("TCalendarChangeEvent");
  // The sample package's class, registered once a test of this program loaded the package; it
  // reads through the fallback.
  covered.insert("TWindowCloseEvent");
  TStringList registered;
  TLogStream::GetRegisteredEvents(&registered);
  ASSERT_GT(registered.Count(), 40);
  for (int i = 0; i < registered.Count(); ++i)
    EXPECT_TRUE(covered.contains(registered.Get(i))) << registered.Get(i);
}

TEST(StepWording, VariantsOfTheRecordsReadAsWhatHappened) {
  const std::vector<std::pair<std::unique_ptr<TLogEvent>, std::string>> variants = [] {
    std::vector<std::pair<std::unique_ptr<TLogEvent>, std::string>> list;
    const auto add = [&](std::unique_ptr<TLogEvent> record, std::string text) {
      list.emplace_back(std::move(record), std::move(text));
    };
    add(std::make_unique<TButtonEvent>("MainForm.Gift", " (checked)"),
        "clicked Gift on MainForm, now checked");
    add(std::make_unique<TComboBoxSelectEvent>("MainForm.Size", "\"XL\"", -1),
        "typed \"XL\" into combo box Size on MainForm");
    add(std::make_unique<TListBoxSelectEvent>("MainForm.Items", "<none>", -1),
        "cleared the selection of list box Items on MainForm");
    add(std::make_unique<TRadioGroupEvent>("MainForm.Ship", "", -1),
        "chose item -1 in radio group Ship on MainForm");
    add(std::make_unique<TActionEvent>("SaveAction", ""), "ran action SaveAction by its shortcut");
    add(std::make_unique<TMinMaxEvent>("MainForm", "unknown show code (11)"),
        "window MainForm: unknown show code (11)");
    add(std::make_unique<TToolButtonEvent>("MainForm.Tools.Open", "clicked"),
        "clicked tool button Open on MainForm.Tools");
    add(std::make_unique<TCheckListBoxEvent>("MainForm.Extras", "\"Card\"", 0, false),
        "unchecked \"Card\" (item 0) in check list box Extras on MainForm");
    // A native window inside a control is named as a whole, not split at its dots.
    add(std::make_unique<TSetFocusEvent>("{Edit} \"a.b\" [child of MainForm.Combo]"),
        "moved the focus to {Edit} \"a.b\" [child of MainForm.Combo]");
    add(std::make_unique<TStartSessionEvent>(""),
        "started on " + FormatDateTime("yyyy\"-\"mm\"-\"dd\" at \"hh\":\"nn\":\"ss", Now()));
    add(std::make_unique<TExceptionEvent>(Exception("Boom")), "Exception Exception: Boom");
    return list;
  }();
  for (const auto& [record, text] : variants) EXPECT_EQ(WordStep(*record).Text, text);
}

TEST(StepWording, TheCalendarShowsItsDateAsTheListingDoes) {
  const TCalendarChangeEvent record("MainForm.Cal", EncodeDate(2024, 2, 29));
  const std::string listed = record.GetPropAndValue("DateTime");
  EXPECT_EQ(WordStep(record).Text, "picked " + listed.substr(9) + " in Cal on MainForm");
}

// A record class of a package, unknown to the table, reads as its row does.
TEST(StepWording, AClassOutsideTheTableReadsAsItsEventNameAndData) {
  TClickEvent record("MainForm.Go", "Go", 3);
  EXPECT_EQ(WordStep(record), (TStepWording{TStepKind::skAction, "TClickEvent: MainForm.Go"}));
  record.Control.clear();
  EXPECT_EQ(WordStep(record).Text, "TClickEvent");
}

}  // namespace
