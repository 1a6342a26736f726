// qvhost's commands for grids and outlines: scripts checked before anything runs, sessions that
// run to their end, and commands that cannot run stopped with the place and the reason.

#include <gtest/gtest.h>

#include "tests/tools/qvhost_session.h"

namespace {

constexpr char kGridsForm[] = R"(object MainForm: TForm
  Width = 460
  Height = 320
  object Tracebook1: TKDTracebook
    Filename = 'never-used.evt'
  end
  object Grid1: TStringGrid
    Width = 200
    Height = 100
    ColCount = 3
    RowCount = 8
    Options = [goEditing]
  end
  object Draw1: TDrawGrid
    Top = 110
    Width = 200
    Height = 60
  end
  object Outline1: TOutline
    Top = 180
    Width = 200
    Height = 100
    Lines = (
      'Vehicles'
      #9'Cars'
      'Boats')
  end
end
)";

class QvhostGrids : public QvhostSession {
 protected:
  std::pair<int, std::string> Run(const std::string& script) { return RunOn(kGridsForm, script); }
};

TEST_F(QvhostGrids, EveryCommandRunsAsAUserWouldUseTheControl) {
  const auto [code, err] =
      Run("cell MainForm.Grid1 2 7\n"
          "edit MainForm.Grid1 1 1 \"Alice 42\"\n"
          "edit MainForm.Grid1 2 7 \"last\" click\n"
          "edit MainForm.Grid1 2 1 \"x\" enter\n"
          "cell MainForm.Draw1 4 4\n"
          "key Up Ctrl+Home End PgDn\n"
          "select MainForm.Outline1 3\n"
          "select MainForm.Outline1 3\n"
          "select MainForm.Outline1 \"Vehicles\"\n"
          "key NumMultiply Down\n"
          "select MainForm.Outline1 \"Cars\"\n");
  EXPECT_EQ(code, 0) << err;
  EXPECT_EQ(err, "");
}

TEST_F(QvhostGrids, MalformedCommandsStopBeforeAnythingRuns) {
  for (const auto& [script, reason] : std::vector<std::pair<std::string, std::string>>{
           {"cell MainForm.Grid1 1\n",
            "session.script(1): wrong number of arguments (usage: cell PATH COL ROW)"},
           {"cell MainForm.Grid1 -1 2\n", "session.script(1): a number expected, found -1"},
           {"cell MainForm.Grid1 \"1\" 2\n", "session.script(1): a number expected, found \"1\""},
           {"edit MainForm.Grid1 1 1 Alice\n",
            "session.script(1): a text in double quotes expected, found Alice"},
           {"edit MainForm.Grid1 1 1 \"caf\xe9\"\n",
            "session.script(1): cannot type the character '\\xe9'"},
           {"edit MainForm.Grid1 1 1 \"x\" tab\n",
            "session.script(1): enter or click expected, found tab"},
           {"edit MainForm.Grid1 1 1 \"x\" \"click\"\n",
            "session.script(1): enter or click expected, found \"click\""},
           {"edit MainForm.Grid1 1 1\n",
            "session.script(1): wrong number of arguments (usage: edit PATH COL ROW \"TEXT\" "
            "[enter|click])"},
           {"key NumTimes\n", "session.script(1): unknown key NumTimes"},
       }) {
    const auto [code, err] = Run("separator\n" + script);
    EXPECT_NE(code, 0) << script;
    const std::string expected = std::string(reason).replace(15, 1, "2");  // the second line
    EXPECT_NE(err.find(expected), std::string::npos) << err;
  }
}

TEST_F(QvhostGrids, CommandsThatCannotRunNameTheReason) {
  for (const auto& [script, reason] : std::vector<std::pair<std::string, std::string>>{
           {"cell MainForm.Grid1 0 1\n",
            "session.script(1): The cell 0, 1 of Grid1 is fixed: it cannot be current"},
           {"cell MainForm.Grid1 3 1\n",
            "session.script(1): Grid1 has no cell 3, 1 (3 columns, 8 rows)"},
           {"cell MainForm.Outline1 0 3\n",
            "session.script(1): Outline1 has no cell 0, 3 (1 columns, 2 rows)"},
           {"cell MainForm.Tracebook1 1 1\n",
            "session.script(1): MainForm.Tracebook1 is not a control"},
           {"edit MainForm.Draw1 1 1 \"x\"\n",
            "session.script(1): Draw1 cannot edit its cells: goEditing is not in Options"},
           {"edit MainForm.Outline1 0 0 \"x\"\n",
            "session.script(1): Outline1 cannot edit its cells: goEditing is not in Options"},
           {"edit MainForm.Grid1 1 0 \"x\"\n",
            "session.script(1): The cell 1, 0 of Grid1 is fixed: it cannot be current"},
           {"select MainForm.Outline1 \"Cars\"\n",
            "session.script(1): The item 'Cars' of Outline1 is hidden in the collapsed item "
            "'Vehicles'"},
           {"select MainForm.Outline1 4\n",
            "session.script(1): Outline1 has no item 4 (items 1 to 3)"},
           {"select MainForm.Outline1 \"Trucks\"\n",
            "session.script(1): Outline1 has no item \"Trucks\""},
       }) {
    const auto [code, err] = Run(script);
    EXPECT_NE(code, 0) << script;
    EXPECT_NE(err.find(reason), std::string::npos) << err;
  }
}

}  // namespace
