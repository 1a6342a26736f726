// qvhost's commands for header controls, tool bars, tree views and list views: scripts checked
// before anything runs, sessions that run to their end, and commands that cannot run stopped
// with the place and the reason.

#include <gtest/gtest.h>

#include "tests/tools/qvhost_session.h"

namespace {

constexpr char kViewsForm[] = R"(object MainForm: TForm
  Width = 460
  Height = 320
  object Tracebook1: TKDTracebook
    Filename = 'never-used.evt'
  end
  object ColourMenu: TPopupMenu
    object RedItem: TMenuItem
      Caption = '&Red'
    end
  end
  object Header1: THeaderControl
    Width = 300
    Height = 20
    Sections = <
      item
        Text = 'Name'
        Width = 100
      end>
  end
  object ToolBar1: TToolBar
    Top = 30
    Width = 300
    Height = 26
    ShowCaptions = True
    object BoldBtn: TToolButton
      Caption = '&Bold'
    end
    object ColourBtn: TToolButton
      Caption = '&Colour'
      Style = tbsDropDown
      DropdownMenu = ColourMenu
    end
  end
  object Tree1: TTreeView
    Top = 60
    Width = 200
    Height = 100
    Items = (
      'Fruit'
      ' Apple'
      '  Cox')
  end
  object List1: TListView
    Top = 170
    Width = 300
    Height = 100
    ViewStyle = vsReport
    ReadOnly = True
    Columns = <
      item
        Caption = 'Name'
      end>
    Items = <
      item
        Caption = 'Alice'
      end>
  end
end
)";

class QvhostViews : public QvhostSession {
 protected:
  std::pair<int, std::string> Run(const std::string& script) { return RunOn(kViewsForm, script); }
};

TEST_F(QvhostViews, EveryCommandRunsAsAUserWouldUseTheControl) {
  const auto [code, err] =
      Run("section MainForm.Header1 0\n"
          "resize MainForm.Header1 0 140\n"
          "click MainForm.ToolBar1.BoldBtn\n"
          "dropdown MainForm.ToolBar1.ColourBtn \"&Red\"\n"
          "dropdown MainForm.ToolBar1.ColourBtn\n"
          "expand MainForm.Tree1 \"Fruit\"\n"
          "select MainForm.Tree1 \"Fruit|Apple\"\n"
          "expand MainForm.Tree1 \"Fruit|Apple\"\n"
          "rename MainForm.Tree1 \"Fruit|Apple|Cox\" \"Cox-Orange\"\n"
          "rename MainForm.Tree1 \"Fruit\" cancel\n"
          "collapse MainForm.Tree1 \"Fruit\"\n"
          "select MainForm.List1 0\n"
          "select MainForm.List1 \"alice\"\n"
          "column MainForm.List1 0\n"
          "key Shift+= - NumPlus NumMinus\n");
  EXPECT_EQ(code, 0) << err;
  EXPECT_EQ(err, "");
}

TEST_F(QvhostViews, MalformedCommandsStopBeforeAnythingRuns) {
  for (const auto& [script, reason] : std::vector<std::pair<std::string, std::string>>{
           {"expand MainForm.Tree1 Fruit\n",
            "session.script(1): a text in double quotes expected, found Fruit"},
           {"collapse MainForm.Tree1\n", "session.script(1): wrong number of arguments"},
           {"rename MainForm.Tree1 \"Fruit\" never\n",
            "session.script(1): a text in double quotes or cancel expected, found never"},
           {"rename MainForm.Tree1 \"Fruit\" \"caf\xe9\"\n",
            "session.script(1): cannot type the character '\\xe9'"},
           {"column MainForm.List1 -1\n", "session.script(1): a number expected, found -1"},
           {"section MainForm.Header1\n", "session.script(1): wrong number of arguments"},
           {"resize MainForm.Header1 0 wide\n", "session.script(1): a number expected, found wide"},
           {"dropdown MainForm.ToolBar1.ColourBtn Red\n",
            "session.script(1): a text in double quotes expected, found Red"},
           {"dropdown\n",
            "session.script(1): wrong number of arguments (usage: dropdown PATH "
            "[\"CAPTIONS\"])"},
       }) {
    const auto [code, err] = Run("separator\n" + script);
    EXPECT_NE(code, 0) << script;
    const std::string expected = std::string(reason).replace(15, 1, "2");  // the second line
    EXPECT_NE(err.find(expected), std::string::npos) << err;
  }
}

TEST_F(QvhostViews, CommandsThatCannotRunNameTheReason) {
  for (const auto& [script, reason] : std::vector<std::pair<std::string, std::string>>{
           {"select MainForm.Tree1 \"Fruit|Apple\"\n",
            "session.script(1): The node 'Apple' of Tree1 is hidden in the collapsed node 'Fruit'"},
           {"expand MainForm.Tree1 \"Plum\"\n", "session.script(1): Tree1 has no node 'Plum'"},
           {"expand MainForm.List1 \"Alice\"\n",
            "session.script(1): MainForm.List1 is no tree view"},
           {"rename MainForm.List1 0 \"Bob\"\n",
            "session.script(1): List1 is read-only: its labels cannot be edited"},
           {"select MainForm.List1 3\n", "session.script(1): List1 has no item 3"},
           {"column MainForm.Tree1 0\n", "session.script(1): MainForm.Tree1 is no list view"},
           {"section MainForm.Header1 1\n", "session.script(1): Header1 has no section 1"},
           {"dropdown MainForm.ToolBar1.BoldBtn\n",
            "session.script(1): BoldBtn has no drop-down arrow"},
           {"dropdown MainForm.ToolBar1.ColourBtn \"&Blue\"\n",
            "session.script(1): The menu ColourMenu has no item '&Blue'"},
           {"rename MainForm.Header1 \"Name\" \"X\"\n",
            "session.script(1): MainForm.Header1 is no tree view or list view"},
           {"set MainForm.Header1 Sections \"Name\"\n",
            "session.script(1): Property Sections is a collection, which a script cannot set"},
       }) {
    const auto [code, err] = Run(script);
    EXPECT_NE(code, 0) << script;
    EXPECT_NE(err.find(reason), std::string::npos) << err;
  }
}

// Program code gives a tree new nodes as lines; lines it refuses are the program's failure, shown
// while the session goes on.
TEST_F(QvhostViews, ATreeTakesNodesFromProgramCodeAsIndentedLines) {
  const auto [code, err] =
      Run("set MainForm.Tree1 Items \"Tools\\n Saw\"\n"
          "expand MainForm.Tree1 \"Tools\"\n"
          "select MainForm.Tree1 \"Tools|Saw\"\n"
          "set MainForm.Tree1 Items \"  Hammer\"\n"
          "select MainForm.Tree1 \"Tools\"\n");
  EXPECT_EQ(code, 0) << err;
  EXPECT_NE(err.find("The first tree node must not be indented: '  Hammer'"), std::string::npos)
      << err;
}

TEST_F(QvhostViews, AFormFileWithAMalformedTreeNamesTheLine) {
  std::string form = kViewsForm;
  form.replace(form.find("'  Cox'"), 7, "'   Cox'");
  const auto [code, err] = RunOn(form, "");
  EXPECT_NE(code, 0);
  EXPECT_NE(err.find("form.dfm(42): The tree node 'Cox' is indented 2 levels"), std::string::npos)
      << err;
}

}  // namespace
