// Expanding every group at once, as the command-line export does before it writes the rows.

#include "tests/viewer_core/crafted_logs.h"

namespace {

struct ChangeCounter : TEventViewObserver {
  void ViewReset() override { ++Resets; }
  void RowsInserted() override { ++Others; }
  void RowsRemoved() override { ++Others; }
  int Resets = 0;
  int Others = 0;
};

class ExpandAll : public ViewerFixture {
 protected:
  void SetUp() override { Viewer().SetFilterWindow(&Filter); }
  // The first visible row whose label ends so.
  int RowOf(const std::string& labelEnd) {
    const ::Rows rows = Rows();
    for (size_t row = 0; row < rows.size(); ++row) {
      if (rows[row].ends_with(labelEnd)) return static_cast<int>(row);
    }
    return -1;
  }
  FixedFilter Filter;
};

TEST_F(ExpandAll, OpensNestedCollapsedGroupsInOneResetAndKeepsTheFilterAndTheSelection) {
  WriteMixedLog(LogFile);
  Viewer().Load(LogFile);
  const ::Rows everything = Rows();
  Filter.HiddenClass = "TUserMessageEvent";
  Viewer().RebuildView(false);
  const ::Rows filtered = Rows();
  // The inner section, then the outer one around it, then the first session.
  for (const char* group : {":enter inner", ":enter outer", ":start"}) {
    ASSERT_EQ(Viewer().Collapse(RowOf(group)), TGroupEdit::ceChanged) << group;
  }
  ASSERT_LT(Rows().size(), filtered.size());
  Viewer().Select(1);
  const int32_t selected = Viewer().View()[1];

  ChangeCounter counter;
  Viewer().AddObserver(&counter);
  Viewer().ExpandAll();
  Viewer().RemoveObserver(&counter);
  EXPECT_EQ(Rows(), filtered);
  EXPECT_EQ(counter.Resets, 1);
  EXPECT_EQ(counter.Others, 0);
  EXPECT_EQ(Viewer().View()[Viewer().Selected()], selected);

  Filter.HiddenClass.clear();
  Viewer().RebuildView(false);
  EXPECT_EQ(Rows(), everything);
}

}  // namespace
