// The LogEvents dialog as a developer uses it through the component's editor: its layout, how it
// sorts the filter lines into its two lists, the moves by button, double-click and drag, and the
// lines OK and Cancel leave behind.

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "capture/log_events_layout.h"
#include "capture/tracebook_component.h"
#include "platform/vcl/bevel.h"
#include "platform/vcl/design_component_editor.h"
#include "platform/vcl/forms.h"
#include "platform/vcl/label.h"
#include "platform/vcl/list_box.h"
#include "platform/vcl/screen.h"
#include "platform/vcl/std_button.h"
#include "platform/vcl/user_actions.h"
#include "platform/win32/input.h"
#include "tests/support/recording_designer.h"
#include "tests/vcl/vcl_fixture.h"

namespace {

std::vector<std::string> Lines(const TStrings& strings) {
  std::vector<std::string> lines;
  for (int i = 0; i < strings.Count(); ++i) lines.push_back(strings.Get(i));
  return lines;
}

TControlBounds BoundsOf(const TControl& control) {
  return {control.Left(), control.Top(), control.Width(), control.Height()};
}

TEST(LogEventsLayout, FollowsTheClientSizeAndTheLabelHeight) {
  const TLogEventsLayout layout = LayoutLogEventsDialog(400, 300, 13);
  EXPECT_EQ(layout.LoggedLabel, (TControlBounds{6, 6, 194, 13}));
  EXPECT_EQ(layout.UnloggedLabel, (TControlBounds{216, 6, 184, 13}));
  EXPECT_EQ(layout.LoggedList, (TControlBounds{6, 23, 178, 234}));
  EXPECT_EQ(layout.UnloggedList, (TControlBounds{216, 23, 178, 234}));
  EXPECT_EQ(layout.MoveButtons[0], (TControlBounds{190, 91, 20, 20}));
  EXPECT_EQ(layout.MoveButtons[1], (TControlBounds{190, 117, 20, 20}));
  EXPECT_EQ(layout.MoveButtons[2], (TControlBounds{190, 143, 20, 20}));
  EXPECT_EQ(layout.MoveButtons[3], (TControlBounds{190, 169, 20, 20}));
  EXPECT_EQ(layout.Bevel, (TControlBounds{6, 263, 388, 8}));
  EXPECT_EQ(layout.OKButton, (TControlBounds{238, 271, 75, 25}));
  EXPECT_EQ(layout.CancelButton, (TControlBounds{319, 271, 75, 25}));
}

TEST(LogEventsLayout, DropsTheRemaindersOfOddSizes) {
  // The client area a dialog frame leaves of 400 x 300, with a taller label and an odd width.
  const TLogEventsLayout layout = LayoutLogEventsDialog(393, 274, 16);
  EXPECT_EQ(layout.LoggedLabel, (TControlBounds{6, 6, 190, 16}));
  EXPECT_EQ(layout.UnloggedLabel, (TControlBounds{212, 6, 180, 16}));
  EXPECT_EQ(layout.LoggedList, (TControlBounds{6, 26, 174, 205}));
  EXPECT_EQ(layout.UnloggedList, (TControlBounds{212, 26, 174, 205}));
  // (205 - 98) / 2 = 53, the half pixel dropped.
  EXPECT_EQ(layout.MoveButtons[0], (TControlBounds{186, 79, 20, 20}));
  EXPECT_EQ(layout.MoveButtons[3], (TControlBounds{186, 157, 20, 20}));
  EXPECT_EQ(layout.Bevel, (TControlBounds{6, 237, 381, 8}));
  EXPECT_EQ(layout.OKButton, (TControlBounds{231, 245, 75, 25}));
  EXPECT_EQ(layout.CancelButton, (TControlBounds{312, 245, 75, 25}));
}

// A form being designed with a TKDTracebook on it, and a developer who works the dialog that the
// component's editor opens: each step runs when the dialog's modal loop has nothing left to do.
class LogEventsDialog : public VclTest {
 protected:
  void SetUp() override {
    VclTest::SetUp();
    designed = Application().CreateForm<TForm>();
    designed->SetName("MainForm");
    designed->SetBounds(0, 0, 640, 480);
    tracebook = new TKDTracebook(designed);
    tracebook->SetName("Tracebook1");
    designed->SetDesigning(true);
    designed->Show();
    Application().OnIdle = [this](TObject*, bool& done) {
      TForm* dialog = Dialog();
      if (steps.empty() || !dialog) {
        ADD_FAILURE() << "the dialog is still waiting";
        if (dialog) dialog->SetModalResult(mrNoToAll);
        return;
      }
      std::function<void(TForm&)> step = std::move(steps.front());
      steps.pop_front();
      step(*dialog);
      done = false;
    };
  }
  void TearDown() override {
    Application().OnIdle = nullptr;
    VclTest::TearDown();
  }

  // Opens the dialog through the component's context-menu verb and works it with `steps`.
  void EditLogEvents(std::initializer_list<std::function<void(TForm&)>> work) {
    steps.assign(work.begin(), work.end());
    GetComponentEditor(*tracebook, designer)->ExecuteVerb(0);
    EXPECT_TRUE(steps.empty()) << "the dialog closed before every step ran";
    EXPECT_EQ(Dialog(), nullptr);
  }

  static TForm* Dialog() {
    for (int i = 0; i < Screen().FormCount(); ++i)
      if (Screen().Forms(i)->Name() == "LogEventsDialog")
        return static_cast<TForm*>(Screen().Forms(i));
    return nullptr;
  }
  template <typename T>
  static T& Find(TForm& dialog, const char* name) {
    auto* control = dynamic_cast<T*>(dialog.FindComponent(name));
    EXPECT_NE(control, nullptr) << name;
    return *control;
  }
  static TListBox& Logged(TForm& dialog) { return Find<TListBox>(dialog, "LoggedList"); }
  static TListBox& Unlogged(TForm& dialog) { return Find<TListBox>(dialog, "UnloggedList"); }

  static POINT ItemPoint(const TListBox& list, const std::string& item) {
    const RECT rect = list.ItemRect(list.Items()->IndexOf(item));
    return list.ClientToScreen({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
  }
  static void ClickItem(const TListBox& list, const std::string& item, bool ctrl = false) {
    if (ctrl) SimulateKeyDown(VK_CONTROL);
    SimulateUserClick(TMouseButton::mbLeft, ItemPoint(list, item));
    if (ctrl) SimulateKeyUp(VK_CONTROL);
  }
  static void ClickButton(TForm& dialog, const char* name) {
    const TControl& button = Find<TButton>(dialog, name);
    SimulateClickAt(button, {button.Width() / 2, button.Height() / 2});
  }
  // Presses on `item` of `list` and drags it onto the centre of `target`.
  static void DragItem(const TListBox& list, const std::string& item, const TControl& target) {
    const POINT from = list.ClientToScreen({0, 0});
    const POINT press = ItemPoint(list, item);
    const POINT drop = target.ClientToScreen({target.Width() / 2, target.Height() / 2});
    SimulateUserDrag(list, {press.x - from.x, press.y - from.y},
                     {drop.x - from.x, drop.y - from.y});
  }
  static void Key(BYTE key) { SimulateTypedKeyStroke(key); }
  static std::function<void(TForm&)> Press(const char* name) {
    return [name](TForm& dialog) { ClickButton(dialog, name); };
  }

  void SetLines(std::initializer_list<const char*> lines) {
    tracebook->LogEvents()->Clear();
    for (const char* line : lines) tracebook->LogEvents()->Add(line);
  }

  TForm* designed = nullptr;
  TKDTracebook* tracebook = nullptr;
  TRecordingDesigner designer;
  std::deque<std::function<void(TForm&)>> steps;
};

using Texts = std::vector<std::string>;

TEST_F(LogEventsDialog, IsLaidOutFromItsClientSizeAndFocusesTheLoggedList) {
  EditLogEvents(
      {[](TForm& dialog) {
         EXPECT_EQ(dialog.Caption(), "LogEvents");
         EXPECT_EQ(BoundsOf(dialog), (TControlBounds{40, 40, 400, 300}));
         EXPECT_EQ(dialog.BorderStyle(), bsDialog);
         EXPECT_TRUE(dialog.ShowHint());
         EXPECT_TRUE(Logged(dialog).Focused());
         const auto& unloggedLabel = Find<TLabel>(dialog, "UnloggedLabel");
         const TLogEventsLayout layout = LayoutLogEventsDialog(
             dialog.ClientWidth(), dialog.ClientHeight(), unloggedLabel.Height());
         const auto& loggedLabel = Find<TLabel>(dialog, "LoggedLabel");
         EXPECT_EQ(loggedLabel.Caption(), "&Logged:");
         EXPECT_EQ(loggedLabel.FocusControl(), &Logged(dialog));
         EXPECT_EQ(BoundsOf(loggedLabel), layout.LoggedLabel);
         EXPECT_EQ(unloggedLabel.Caption(), "&Unlogged:");
         EXPECT_EQ(unloggedLabel.FocusControl(), &Unlogged(dialog));
         EXPECT_EQ(BoundsOf(unloggedLabel), layout.UnloggedLabel);
         for (TListBox* list : {&Logged(dialog), &Unlogged(dialog)}) {
           EXPECT_TRUE(list->Sorted());
           EXPECT_TRUE(list->MultiSelect());
           EXPECT_EQ(list->DragMode(), dmAutomatic);
         }
         EXPECT_EQ(BoundsOf(Logged(dialog)), layout.LoggedList);
         EXPECT_EQ(BoundsOf(Unlogged(dialog)), layout.UnloggedList);
         const char* names[] = {"ExcludeAllBtn", "ExcludeBtn", "IncludeBtn", "IncludeAllBtn"};
         const Texts captions = {">>", ">", "<", "<<"};
         const Texts hints = {"Exclude All Events", "Exclude Selected Event(s)",
                              "Include Selected Event(s)", "Include All Events"};
         for (size_t i = 0; i < 4; ++i) {
           const auto& button = Find<TButton>(dialog, names[i]);
           EXPECT_EQ(button.Caption(), captions[i]);
           EXPECT_EQ(button.Hint(), hints[i]);
           EXPECT_TRUE(button.ShowHint());
           EXPECT_EQ(BoundsOf(button), layout.MoveButtons[i]);
         }
         const auto& bevel = Find<TBevel>(dialog, "Bevel");
         EXPECT_EQ(bevel.Shape(), bsTopLine);
         EXPECT_EQ(BoundsOf(bevel), layout.Bevel);
         const auto& ok = Find<TButton>(dialog, "OKBtn");
         EXPECT_TRUE(ok.Default());
         EXPECT_EQ(BoundsOf(ok), layout.OKButton);
         const auto& cancel = Find<TButton>(dialog, "CancelBtn");
         EXPECT_TRUE(cancel.Cancel());
         EXPECT_EQ(BoundsOf(cancel), layout.CancelButton);
       },
       Press("CancelBtn")});
}

TEST_F(LogEventsDialog, SortsTheLinesIntoTheListsByTheirFlagAndDropsLinesWithoutEquals) {
  SetLines({"Zeta=1", "alpha=0", "NoFlag", "Beta=", "Gamma=0ff", "Delta=yes"});
  EditLogEvents({[](TForm& dialog) {
                   EXPECT_EQ(Lines(*Logged(dialog).Items()), (Texts{"Beta", "Delta", "Zeta"}));
                   EXPECT_EQ(Lines(*Unlogged(dialog).Items()), (Texts{"alpha", "Gamma"}));
                 },
                 Press("CancelBtn")});
  // Cancel changes nothing else; the line without "=" is gone all the same.
  EXPECT_EQ(Lines(*tracebook->LogEvents()),
            (Texts{"Zeta=1", "alpha=0", "Beta=", "Gamma=0ff", "Delta=yes"}));
  EXPECT_EQ(designer.ModifiedCount, 1);  // the component editor's notice
}

TEST_F(LogEventsDialog, LinesThatAllEndInOneOpenWithAnEmptyUnloggedList) {
  SetLines({"B=1", "C=1", "A=1"});
  EditLogEvents({[](TForm& dialog) {
                   EXPECT_EQ(Lines(*Logged(dialog).Items()), (Texts{"A", "B", "C"}));
                   EXPECT_EQ(Unlogged(dialog).Items()->Count(), 0);
                 },
                 Press("OKBtn")});
  EXPECT_EQ(Lines(*tracebook->LogEvents()), (Texts{"A=1", "B=1", "C=1"}));
}

TEST_F(LogEventsDialog, OkWithoutChangesRewritesTheLinesLoggedFirstInSortedOrder) {
  const std::string first = tracebook->LogEvents()->Names(0);
  SetLines({"Zeta=1", (first + "=0").c_str(), "Aardvark=0", "Beta=1"});  // classes begin with T
  EditLogEvents({[](TForm&) { Key(VK_RETURN); }});
  EXPECT_EQ(Lines(*tracebook->LogEvents()),
            (Texts{"Beta=1", "Zeta=1", "Aardvark=0", first + "=0"}));
  EXPECT_FALSE(tracebook->IncludeEvent(first));  // the new lines were applied as a filter
  tracebook->SetIncludeEvent(first, true);
  EXPECT_EQ(designer.ModifiedCount, 2);  // the property's change and the component editor's
}

TEST_F(LogEventsDialog, TheMoveButtonsMoveAllOrTheSelectedLines) {
  SetLines({"A=1", "B=1", "C=1", "D=0"});
  EditLogEvents({[](TForm& dialog) {
                   ClickItem(Logged(dialog), "A");
                   ClickItem(Logged(dialog), "C", true);
                   ClickButton(dialog, "ExcludeBtn");
                   EXPECT_EQ(Lines(*Logged(dialog).Items()), (Texts{"B"}));
                   EXPECT_EQ(Lines(*Unlogged(dialog).Items()), (Texts{"A", "C", "D"}));
                   ClickItem(Unlogged(dialog), "D");
                   ClickButton(dialog, "IncludeBtn");
                   EXPECT_EQ(Lines(*Logged(dialog).Items()), (Texts{"B", "D"}));
                   ClickButton(dialog, "ExcludeAllBtn");
                   EXPECT_EQ(Logged(dialog).Items()->Count(), 0);
                   EXPECT_EQ(Lines(*Unlogged(dialog).Items()), (Texts{"A", "B", "C", "D"}));
                   ClickButton(dialog, "IncludeAllBtn");
                   EXPECT_EQ(Lines(*Logged(dialog).Items()), (Texts{"A", "B", "C", "D"}));
                   EXPECT_EQ(Unlogged(dialog).Items()->Count(), 0);
                   ClickItem(Logged(dialog), "B");
                 },
                 Press("ExcludeBtn"), Press("OKBtn")});
  EXPECT_EQ(Lines(*tracebook->LogEvents()), (Texts{"A=1", "C=1", "D=1", "B=0"}));
}

TEST_F(LogEventsDialog, ADoubleClickMovesTheLineWithTheOthersSelectedInItsList) {
  SetLines({"A=1", "B=1", "C=1", "X=0", "Y=0"});
  EditLogEvents({[](TForm& dialog) {
                   ClickItem(Logged(dialog), "A");
                   ClickItem(Logged(dialog), "C", true);
                   SimulateKeyDown(VK_CONTROL);
                   SimulateUserClick(TMouseButton::mbLeft, ItemPoint(Logged(dialog), "B"), true);
                   SimulateKeyUp(VK_CONTROL);
                   EXPECT_EQ(Logged(dialog).Items()->Count(), 0);
                   EXPECT_EQ(Lines(*Unlogged(dialog).Items()), (Texts{"A", "B", "C", "X", "Y"}));
                   SimulateUserClick(TMouseButton::mbLeft, ItemPoint(Unlogged(dialog), "Y"), true);
                   EXPECT_EQ(Lines(*Logged(dialog).Items()), (Texts{"Y"}));
                 },
                 Press("OKBtn")});
  EXPECT_EQ(Lines(*tracebook->LogEvents()), (Texts{"Y=1", "A=0", "B=0", "C=0", "X=0"}));
}

TEST_F(LogEventsDialog, ADropOntoTheOtherListMovesTheLineAndOntoItselfIsRefused) {
  SetLines({"A=1", "B=1", "X=0"});
  EditLogEvents({[](TForm& dialog) {
                   DragItem(Logged(dialog), "A", Unlogged(dialog));
                   EXPECT_EQ(Lines(*Logged(dialog).Items()), (Texts{"B"}));
                   EXPECT_EQ(Lines(*Unlogged(dialog).Items()), (Texts{"A", "X"}));
                   DragItem(Unlogged(dialog), "X", Unlogged(dialog));
                   EXPECT_EQ(Lines(*Unlogged(dialog).Items()), (Texts{"A", "X"}));
                   DragItem(Unlogged(dialog), "X", Logged(dialog));
                   EXPECT_EQ(Lines(*Logged(dialog).Items()), (Texts{"B", "X"}));
                   EXPECT_EQ(Lines(*Unlogged(dialog).Items()), (Texts{"A"}));
                 },
                 [](TForm&) { Key(VK_ESCAPE); }});
  EXPECT_EQ(Lines(*tracebook->LogEvents()), (Texts{"A=1", "B=1", "X=0"}));  // cancelled
}

TEST_F(LogEventsDialog, EachListAcceptsADragOnlyFromTheOtherOne) {
  EditLogEvents({[](TForm& dialog) {
                   TListBox& logged = Logged(dialog);
                   TListBox& unlogged = Unlogged(dialog);
                   const auto accepts = [](TListBox& target, TObject* source) {
                     bool accept = true;
                     target.OnDragOver(&target, source, 1, 1, dsDragEnter, accept);
                     return accept;
                   };
                   EXPECT_TRUE(accepts(unlogged, &logged));
                   EXPECT_TRUE(accepts(logged, &unlogged));
                   EXPECT_FALSE(accepts(logged, &logged));
                   EXPECT_FALSE(accepts(unlogged, &unlogged));
                   EXPECT_FALSE(accepts(unlogged, &dialog));
                 },
                 Press("CancelBtn")});
}

TEST_F(LogEventsDialog, ADoubleClickOnTheComponentOpensTheSameDialog) {
  SetLines({"A=0"});
  steps = {[](TForm& dialog) {
    EXPECT_EQ(Lines(*Unlogged(dialog).Items()), (Texts{"A"}));
    Key(VK_ESCAPE);
  }};
  GetComponentEditor(*tracebook, designer)->Edit();
  EXPECT_TRUE(steps.empty());
  EXPECT_EQ(Dialog(), nullptr);
}

}  // namespace
