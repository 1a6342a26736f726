// Drag and drop between two list boxes by the simulated mouse: a drop on the other list, a drag
// onto itself refused, a drag cancelled by Esc, and a click that never became a drag.

#include <string>

#include "tests/controls/controls_fixture.h"

namespace {

class DragDropTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    left = MakeList("Left", 10);
    right = MakeList("Right", 200);
    form->Handle();
  }

  TListBox* MakeList(const char* name, int x) {
    auto* list = Make<TListBox>(form, name, {x, 10, 150, 120});
    list->SetDragMode(dmAutomatic);
    for (const char* item : {"one", "two", "three"}) list->Items()->Add(item);
    // A list accepts what comes from the other list only.
    list->OnDragOver = [this, list](TObject* sender, TObject* source, int, int, TDragState state,
                                    bool& accept) {
      accept = source != list;
      log += Name(sender) +
             (state == dsDragEnter   ? " enter "
              : state == dsDragLeave ? " leave "
                                     : " move ") +
             Name(source) + ";";
    };
    list->OnDragDrop = [this](TObject* sender, TObject* source, int x, int y) {
      log += Name(sender) + " drop " + Name(source) + " at " + std::to_string(x) + "," +
             std::to_string(y) + ";";
    };
    list->OnEndDrag = [this](TObject* sender, TObject* target, int, int) {
      log += Name(sender) + " end " + (target ? Name(target) : "nothing") + ";";
    };
    list->OnStartDrag = [this](TObject* sender) { log += Name(sender) + " start;"; };
    return list;
  }

  static std::string Name(TObject* object) { return static_cast<TComponent*>(object)->Name(); }

  // Presses on an item of `list` and moves past the threshold without leaving it.
  void PressAndStart(TListBox& list, int item) {
    const RECT r = list.ItemRect(item);
    const POINT press = list.ClientToScreen({r.left + 10, r.top + 5});
    SimulateMouseDown(TMouseButton::mbLeft, press);
    ProcessPendingMessages();
    SimulateMouseMove({press.x + 2, press.y + 1});  // within the threshold: no drag yet
    ProcessPendingMessages();
    EXPECT_TRUE(log.empty());
    SimulateMouseMove({press.x + 6, press.y + 1});
    ProcessPendingMessages();
  }
  static void MoveTo(POINT screen) {
    SimulateMouseMove(screen);
    ProcessPendingMessages();
  }
  static void ReleaseAt(POINT screen) {
    SimulateMouseUp(TMouseButton::mbLeft, screen);
    ProcessPendingMessages();
  }

  TListBox* left = nullptr;
  TListBox* right = nullptr;
  std::string log;
};

TEST_F(DragDropTest, ADragFromOneListToTheOtherIsAcceptedAndDropped) {
  PressAndStart(*left, 1);
  EXPECT_EQ(left->ItemIndex(), 1);  // the press chose the item as usual
  EXPECT_TRUE(left->Dragging());
  MoveTo(right->ClientToScreen({20, 30}));
  ReleaseAt(right->ClientToScreen({20, 31}));
  EXPECT_EQ(log,
            "Left start;Left enter Left;Left leave Left;Right enter Left;Right move Left;"
            "Right drop Left at 20,31;"
            "Left end Right;");
  EXPECT_FALSE(left->Dragging());
  EXPECT_EQ(GetCapture(), HWND{0});
}

TEST_F(DragDropTest, ADragOntoItselfIsRefused) {
  PressAndStart(*left, 0);
  ReleaseAt(left->ClientToScreen({30, 40}));
  EXPECT_EQ(log, "Left start;Left enter Left;Left move Left;Left leave Left;Left end nothing;");
}

TEST_F(DragDropTest, EscCancelsTheDragAndTheReleaseDropsNothing) {
  PressAndStart(*left, 2);
  MoveTo(right->ClientToScreen({20, 30}));
  log.clear();
  Key(VK_ESCAPE);
  EXPECT_EQ(log, "Right leave Left;Left end nothing;");
  EXPECT_FALSE(left->Dragging());
  log.clear();
  MoveTo(right->ClientToScreen({25, 30}));
  ReleaseAt(right->ClientToScreen({25, 30}));
  EXPECT_EQ(log, "");
}

TEST_F(DragDropTest, AClickWithoutMovingIsAnOrdinaryChoice) {
  int clicks = 0;
  left->OnClick = [&](TObject*) { ++clicks; };
  const RECT r = left->ItemRect(1);
  SimulateUserClick(TMouseButton::mbLeft, left->ClientToScreen({r.left + 5, r.top + 5}));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(left->ItemIndex(), 1);
  EXPECT_EQ(log, "");
  EXPECT_FALSE(left->Dragging());
  EXPECT_EQ(GetCapture(), HWND{0});
}

TEST_F(DragDropTest, AManualDragStartsFromCodeAndEndsByCode) {
  left->SetDragMode(dmManual);
  SimulateMouseMove(right->ClientToScreen({5, 5}));
  left->BeginDrag(true);
  EXPECT_EQ(log, "Left start;Right enter Left;");
  left->EndDrag(true);
  EXPECT_EQ(log, "Left start;Right enter Left;Right drop Left at 5,5;Left end Right;");
}

TEST_F(DragDropTest, ATargetDestroyedDuringTheDragIsForgotten) {
  PressAndStart(*left, 0);
  MoveTo(right->ClientToScreen({20, 30}));
  delete right;
  log.clear();
  Key(VK_ESCAPE);
  EXPECT_EQ(log, "Left end nothing;");
}

}  // namespace
