// Find over the visible rows, and the texts Copy Event and Copy Data take from a row.

#include "tests/viewer_core/viewer_fixture.h"
#include "viewer/core/find_rows.h"
#include "viewer/core/row_clipboard.h"

namespace {

class Find : public ViewerFixture {
 protected:
  void SetUp() override {
    // Rows: 0 start, 1 apple, 2 Banana, 3 apple pie, 4 café, 5 stop, 6 the inserted separator.
    LogWriter(LogFile)
        .Start()
        .Message("apple")
        .Message("Banana")
        .Message("apple pie")
        .Message("café")
        .Stop();
    Viewer().Load(LogFile);
  }
  TFindResult Run(const std::string& text, bool down = true, bool matchCase = false) {
    return FindRow(Viewer(), {text, down, matchCase});
  }
  // Finds as the window does: each match is selected, and the next search goes on from there.
  std::vector<int> FindAll(const std::string& text, bool down = true) {
    std::vector<int> rows;
    for (TFindResult result = Run(text, down); result.Outcome == TFindOutcome::foFound;
         result = Run(text, down)) {
      rows.push_back(result.Row);
      Viewer().Select(result.Row);
    }
    return rows;
  }
};

TEST_F(Find, RepeatedFindsWalkEveryMatchAndEndNotFound) {
  EXPECT_EQ(FindAll("apple"), (std::vector<int>{1, 3}));
  EXPECT_EQ(Run("apple").Outcome, TFindOutcome::foNotFound);
  EXPECT_EQ(NotFoundMessage("apple"), "Search string \"apple\" not found.");

  Viewer().Select(5);
  EXPECT_EQ(FindAll("apple", false), (std::vector<int>{3, 1}));
  EXPECT_EQ(Run("apple", false).Outcome, TFindOutcome::foNotFound);
}

TEST_F(Find, TheStartingRowFollowsTheFocusAndTheSelection) {
  // Without a focused row, row 0 itself is searched first, also upwards.
  const std::string startName = Viewer().ColumnText(0, 1);
  EXPECT_EQ(Run(startName).Row, 0);
  EXPECT_EQ(Run(startName, false).Row, 0);
  // A focused row that is not selected is searched itself.
  Viewer().Select(3);
  Viewer().Deselect();
  EXPECT_EQ(Run("apple").Row, 3);
  EXPECT_EQ(Run("apple", false).Row, 3);
  // With the selected row focused there may be no next row: the search stops silently.
  Viewer().Select(0);
  EXPECT_EQ(Run("apple", false).Outcome, TFindOutcome::foNothing);
  Viewer().SelectLast();
  EXPECT_EQ(Run("apple").Outcome, TFindOutcome::foNothing);
  // The search leaves the selection to the caller.
  EXPECT_EQ(Viewer().Selected(), Viewer().RowCount() - 1);
}

TEST_F(Find, EveryColumnIsSearchedAndOnlyVisibleRows) {
  Viewer().Select(0);
  EXPECT_EQ(Run(Viewer().ColumnText(5, 1)).Row, 5);  // the stop row's event type
  Viewer().Select(-1);
  EXPECT_EQ(Run(Viewer().ColumnText(2, 0)).Row, 0);  // the session's rows share one time stamp
  Viewer().Collapse(0);
  EXPECT_EQ(Run("apple").Outcome, TFindOutcome::foNotFound);
}

TEST_F(Find, MatchCaseIsExactAndOtherwiseLettersAreUpperCasedByTheLocale) {
  EXPECT_EQ(Run("BANANA").Row, 2);
  EXPECT_EQ(Run("banana", true, true).Outcome, TFindOutcome::foNotFound);
  EXPECT_EQ(Run("Banana", true, true).Row, 2);
  EXPECT_EQ(Run("CAFÉ").Row, 4);
  EXPECT_EQ(Run("CAFÉ", true, true).Outcome, TFindOutcome::foNotFound);
  EXPECT_EQ(Run("café", true, true).Row, 4);
}

TEST_F(Find, ABlankTextIsRefusedBeforeAnythingElse) {
  EXPECT_EQ(Run("").Outcome, TFindOutcome::foBlank);
  EXPECT_STREQ(kSearchBlankText, "Search string cannot be blank.");
  Viewer().Load(Dir.File("missing.evt"));
  EXPECT_EQ(Run("").Outcome, TFindOutcome::foBlank);
  EXPECT_EQ(Run("apple").Outcome, TFindOutcome::foNothing);  // no rows
}

TEST_F(ViewerFixture, CopyTakesTheRowsTextsWithTheirLineBreaks) {
  LogWriter(LogFile).Start().Message("two\r\nlines\n").Stop();
  Viewer().Load(LogFile);
  const TEventView& view = Viewer();
  EXPECT_EQ(CopyDataText(view, 1), "two\r\nlines\n");
  EXPECT_EQ(CopyEventText(view, 1),
            view.ColumnText(1, 0) + "\t" + view.ColumnText(1, 1) + "\ttwo\r\nlines\n");
  EXPECT_FALSE(view.ColumnText(1, 0).empty());
  // A row outside the view is an error of the caller, not an empty clipboard.
  EXPECT_THROW(CopyDataText(view, view.RowCount()), Exception);
}

}  // namespace
