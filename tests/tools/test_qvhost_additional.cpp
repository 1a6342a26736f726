// qvhost's commands for splitters (and any control the mouse drags), check list boxes and speed
// buttons: scripts checked before anything runs, sessions that run to their end, and commands
// that cannot run stopped with the place and the reason.

#include <gtest/gtest.h>

#include "tests/tools/qvhost_session.h"

namespace {

constexpr char kAdditionalForm[] = R"(object MainForm: TForm
  Width = 460
  Height = 320
  object Tracebook1: TKDTracebook
    Filename = 'never-used.evt'
  end
  object Bar: TPanel
    Height = 30
    Align = alTop
    object BoldBtn: TSpeedButton
      Left = 4
      Top = 4
      Caption = '&Bold'
    end
    object ItalicBtn: TSpeedButton
      Left = 30
      Top = 4
      Caption = '&Italic'
    end
  end
  object Files: TPanel
    Width = 100
    Align = alLeft
  end
  object Splitter1: TSplitter
    Left = 100
  end
  object Toppings: TCheckListBox
    Left = 120
    Top = 40
    Width = 150
    Height = 48
    Items.Strings = (
      'Cheese'
      'Onion'
      'Olives'
      'Basil')
  end
  object Hidden: TPanel
    Left = 300
    Top = 40
    Visible = False
  end
end
)";

class QvhostAdditional : public QvhostSession {
 protected:
  std::pair<int, std::string> Run(const std::string& script) {
    return RunOn(kAdditionalForm, script);
  }
};

TEST_F(QvhostAdditional, EveryCommandRunsAsAUserWouldUseTheControl) {
  const auto [code, err] =
      Run("drag MainForm.Splitter1 40 0\n"
          "drag MainForm.Splitter1 -1000 0\n"
          "drag MainForm.Toppings 0 -10\n"
          "check MainForm.Toppings 3\n"
          "check MainForm.Toppings \"Cheese\"\n"
          "click MainForm.Bar.BoldBtn\n"
          "press MainForm.Bar.BoldBtn\n"
          "release MainForm.Bar.ItalicBtn\n"
          "key Alt+I\n");
  EXPECT_EQ(code, 0) << err;
  EXPECT_EQ(err, "");
}

TEST_F(QvhostAdditional, MalformedCommandsStopBeforeAnythingRuns) {
  for (const auto& [script, reason] : std::vector<std::pair<std::string, std::string>>{
           {"drag MainForm.Splitter1 10\n",
            "session.script(1): wrong number of arguments (usage: drag PATH DX DY)"},
           {"drag MainForm.Splitter1 ten 0\n", "session.script(1): a number expected, found ten"},
           {"drag MainForm.Splitter1 \"10\" 0\n",
            "session.script(1): a number expected, found \"10\""},
           {"drag \"MainForm.Splitter1\" 10 0\n",
            "session.script(1): a name expected, found a text"},
           {"check MainForm.Toppings\n",
            "session.script(1): wrong number of arguments (usage: check PATH ITEM)"},
           {"check MainForm.Toppings 1 2\n", "session.script(1): wrong number of arguments"},
       }) {
    const auto [code, err] = Run("separator\n" + script);
    EXPECT_NE(code, 0) << script;
    const std::string expected = std::string(reason).replace(15, 1, "2");  // the second line
    EXPECT_NE(err.find(expected), std::string::npos) << err;
  }
}

TEST_F(QvhostAdditional, CommandsThatCannotRunNameTheReason) {
  for (const auto& [script, reason] : std::vector<std::pair<std::string, std::string>>{
           {"check MainForm.Files 0\n", "session.script(1): MainForm.Files is no check list box"},
           {"check MainForm.Toppings \"Basil\"\ncheck MainForm.Toppings \"Garlic\"\n",
            "session.script(2): MainForm.Toppings has no item \"Garlic\""},
           {"check MainForm.Toppings 4\n", "session.script(1): Toppings has no item 4"},
           {"check MainForm.Toppings -1\n", "session.script(1): Toppings has no item -1"},
           {"drag MainForm.Hidden 5 5\n", "session.script(1): MainForm.Hidden is not visible"},
           {"drag MainForm.Nowhere 5 5\n", "session.script(1): MainForm has no component Nowhere"},
       }) {
    const auto [code, err] = Run(script);
    EXPECT_NE(code, 0) << script;
    EXPECT_NE(err.find(reason), std::string::npos) << err;
  }
}

}  // namespace
