// User stories played through qvhost: each scenario is a form file, a session script and the
// records the session must log, written as RecordsText writes them.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <set>

#include "tests/support/family_fixture.h"
#include "tests/support/records_text.h"

namespace {

// The fixture registers the record classes of the families, so that the log reads back whatever
// the tests before this one unregistered.
class Scenario : public FamilyFixture, public ::testing::WithParamInterface<std::string> {
 protected:
  std::string Source(const std::string& extension) const {
    return std::string(SCENARIO_DIR) + "/" + GetParam() + extension;
  }
};

TEST_P(Scenario, LogsWhatTheUserDid) {
  const std::string log = Dir.File("session.evt");
  const std::string err = Dir.File("err.txt");
  const std::string command = std::string(QVHOST_PATH) + " --log " + log + " " + Source(".dfm") +
                              " " + Source(".script") + " >/dev/null 2>" + err;
  const int status = std::system(command.c_str());
  ASSERT_EQ(WEXITSTATUS(status), 0) << ReadTextFile(err);
  EXPECT_EQ(RecordsText(ReadLogFile(log)), ExpectedText(Source(".expected")));
}

INSTANTIATE_TEST_SUITE_P(Qvhost, Scenario,
                         ::testing::Values("frame", "buttons", "edits", "lists", "menus",
                                           "scrolling", "session", "keyboard", "twoforms", "native",
                                           "restart", "cc_tabs", "cc_trackbar", "cc_updown",
                                           "cc_hotkey", "cc_calendar", "cc_pagescroller",
                                           "cc_richedit", "cc_header", "cc_toolbar", "cc_treeview",
                                           "cc_listview", "ad_grid", "ad_grid_edit", "ad_outline",
                                           "ad_speed_button", "ad_splitter", "ad_check_list"),
                         [](const auto& info) { return info.param; });

// The demo session that `make demo` records uses a control of every kind that the common-control,
// additional-control and outline families record, so that a person trying the tool sees each of
// their records.
using DemoSession = FamilyFixture;

TEST_F(DemoSession, RecordsEveryControlFamilysActions) {
  const std::string log = Dir.File("demo.evt");
  const std::string err = Dir.File("err.txt");
  const std::string examples = EXAMPLES_DIR;
  const std::string command = std::string(QVHOST_PATH) + " --log " + log + " " + examples +
                              "/orders.dfm " + examples + "/orders.script >/dev/null 2>" + err;
  const int status = std::system(command.c_str());
  ASSERT_EQ(WEXITSTATUS(status), 0) << ReadTextFile(err);
  std::set<std::string> recorded;
  for (const auto& record : ReadLogFile(log)) recorded.insert(record->ClassName());
  const char* const kRecordClasses[] = {"TTabControlChangeEvent",
                                        "TTrackBarChangeEvent",
                                        "TUpDownChangeEvent",
                                        "THotKeyChangeEvent",
                                        "TCalendarChangeEvent",
                                        "THeaderSizeEvent",
                                        "THeaderClickEvent",
                                        "TToolButtonEvent",
                                        "TPageScrollerScrollEvent",
                                        "TTreeViewEditEvent",
                                        "TTreeViewChangeEvent",
                                        "TTreeViewExpandEvent",
                                        "TTreeViewCollapseEvent",
                                        "TListViewEditEvent",
                                        "TListViewChangeEvent",
                                        "TListViewColumnClickEvent",
                                        "TEditEvent",
                                        "TSpeedButtonEvent",
                                        "TGridEditEvent",
                                        "TGridCellChangeEvent",
                                        "TSplitterEvent",
                                        "TCheckListBoxEvent",
                                        "TOutlineNodeChangeEvent",
                                        "TActionEvent"};
  for (const char* name : kRecordClasses) EXPECT_TRUE(recorded.contains(name)) << name;
}

}  // namespace
