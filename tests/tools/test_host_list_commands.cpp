// The commands that select several lines of a list box and drop one control on another, played
// in-process so that the lists can have drag handlers; and paths that reach forms the program
// opened itself.

#include <string>
#include <vector>

#include "platform/vcl/stdctrls.h"
#include "platform/win32/input.h"
#include "tests/tools/host_fixture.h"

namespace {

constexpr char kListsForm[] = R"(object MainForm: TForm
  Width = 420
  Height = 300
  object Left: TListBox
    Left = 10
    Top = 10
    Width = 150
    Height = 50
    MultiSelect = True
    DragMode = dmAutomatic
    Items.Strings = (
      'apple'
      'banana'
      'cherry'
      'damson'
      'elder')
  end
  object Right: TListBox
    Left = 200
    Top = 10
    Width = 150
    Height = 200
  end
  object Panel1: TPanel
    Left = 10
    Top = 220
    Width = 100
    Height = 40
  end
end
)";

class HostListCommands : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    Load(kListsForm);
    left = &Find<TListBox>("Left");
    right = &Find<TListBox>("Right");
    // Each list accepts a drag from the other list only, and the drop names the lines selected in
    // the source when it happens.
    for (TListBox* list : {left, right}) {
      list->OnDragOver = [this, list](TObject*, TObject* source, int, int, TDragState state,
                                      bool& accept) {
        accept = source != list;
        if (state == dsDragEnter) events += list->Name() + " enter;";
      };
      list->OnDragDrop = [this, list](TObject*, TObject* source, int x, int y) {
        events += list->Name() + " drop " + static_cast<TComponent*>(source)->Name() + " at " +
                  std::to_string(x) + "," + std::to_string(y) + ":" + SelectedOf(*left) + ";";
      };
    }
    left->OnStartDrag = [this](TObject*) { events += "Left start;"; };
    left->OnEndDrag = [this](TObject*, TObject* target, int, int) {
      events += std::string("Left end ") +
                (target ? static_cast<TComponent*>(target)->Name() : "nothing") + ";";
    };
  }

  static std::string SelectedOf(const TListBox& list) {
    std::string selected;
    for (int i = 0; i < list.Items()->Count(); ++i)
      if (list.Selected(i)) selected += (selected.empty() ? "" : ",") + list.Items()->Get(i);
    return selected;
  }
  static bool KeyHeld(int key) { return GetKeyState(key) < 0; }

  TListBox* left = nullptr;
  TListBox* right = nullptr;
  std::string events;
};

TEST_F(HostListCommands, CtrlAndShiftClicksSelectSeveralLinesAndLetTheKeyGo) {
  Play(
      "select MainForm.Left 1\n"
      "select MainForm.Left \"elder\" ctrl\n");  // scrolled into view first
  EXPECT_EQ(SelectedOf(*left), "banana,elder");
  EXPECT_FALSE(KeyHeld(VK_CONTROL));
  Play("select MainForm.Left 2 shift\n");  // the run from the line clicked last
  EXPECT_EQ(SelectedOf(*left), "cherry,damson,elder");
  EXPECT_FALSE(KeyHeld(VK_SHIFT));
  Play("select MainForm.Left \"damson\" ctrl\n");  // off again
  EXPECT_EQ(SelectedOf(*left), "cherry,elder");
}

TEST_F(HostListCommands, AHeldKeyNeedsAListBoxAndIsLetGoWhenTheClickFails) {
  EXPECT_EQ(FailureOf("select MainForm.Panel1 0 ctrl\n"),
            "session.script(1): MainForm.Panel1 is no list box");
  EXPECT_EQ(FailureOf("select MainForm.Left 7 shift\n"), "session.script(1): Left has no item 7");
  EXPECT_FALSE(KeyHeld(VK_SHIFT));
  EXPECT_EQ(FailureOf("select MainForm.Left 1 alt\n"),
            "session.script(1): ctrl or shift expected, found alt "
            "(usage: select PATH ITEM [ctrl|shift])");
}

TEST_F(HostListCommands, ADropCarriesEverySelectedLineOfTheSource) {
  Play(
      "select MainForm.Left 0\n"
      "select MainForm.Left 3 ctrl\n"
      "drop MainForm.Left MainForm.Right \"damson\"\n");
  EXPECT_EQ(events,
            "Left start;Left enter;Right enter;Right drop Left at 75,100:apple,damson;"
            "Left end Right;");
  EXPECT_EQ(SelectedOf(*left), "apple,damson");

  // Without an item the press is on the centre: the line there is chosen alone and dragged.
  events.clear();
  left->SetTopIndex(0);
  Play("drop MainForm.Left MainForm.Right\n");
  EXPECT_EQ(events,
            "Left start;Left enter;Right enter;Right drop Left at 75,100:banana;"
            "Left end Right;");
}

TEST_F(HostListCommands, AControlDroppedOntoItselfIsDraggedAndRefused) {
  Play("drop MainForm.Left MainForm.Left\n");
  EXPECT_EQ(events, "Left start;Left enter;Left end nothing;");
  events.clear();
  Play(
      "select MainForm.Left 0\n"
      "select MainForm.Left 1 ctrl\n"
      "drop MainForm.Left MainForm.Left 1\n");
  EXPECT_EQ(events, "Left start;Left enter;Left end nothing;");
  EXPECT_EQ(SelectedOf(*left), "apple,banana");  // a drag leaves the selection as it was
}

TEST_F(HostListCommands, ADropNamesWhatItCannotFind) {
  EXPECT_EQ(FailureOf("drop MainForm.Panel1 MainForm.Right 0\n"),
            "session.script(1): MainForm.Panel1 is no list box");
  EXPECT_EQ(FailureOf("drop MainForm.Left MainForm.Right \"fig\"\n"),
            "session.script(1): MainForm.Left has no item \"fig\"");
  EXPECT_EQ(FailureOf("drop MainForm.Left MainForm.Right 5\n"),
            "session.script(1): MainForm.Left has no item 5");
  EXPECT_EQ(events, "");
}

TEST_F(HostListCommands, PathsReachFormsTheProgramOpenedItself) {
  auto* dialog = new TForm(nullptr);  // owned by nothing of the form file
  dialog->SetName("OptionsDialog");
  dialog->SetBounds(50, 50, 200, 100);
  auto* button = new TButton(dialog);
  button->SetName("OKBtn");
  button->SetParent(dialog);
  button->SetBounds(10, 10, 75, 25);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  dialog->Show();
  Play(
      "click OptionsDialog.OKBtn\n"
      "click optionsdialog.okbtn\n");
  EXPECT_EQ(clicks, 2);
  delete dialog;
  EXPECT_EQ(FailureOf("click OptionsDialog.OKBtn\n"),
            "session.script(1): Unknown form OptionsDialog");
}

}  // namespace
