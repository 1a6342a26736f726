// Dragging several selected lines of a multi-select list box: a plain press on a selected line
// waits for the release before it selects that line alone, and a drag in between keeps the whole
// selection for the drop.

#include <vector>

#include "platform/vcl/drag_drop.h"
#include "tests/controls/controls_fixture.h"

namespace {

class ListBoxDragTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    source = Make<TListBox>(form, "Source", {10, 10, 150, 120});
    target = Make<TListBox>(form, "Target", {200, 10, 150, 120});
    source->SetMultiSelect(true);
    source->SetDragMode(dmAutomatic);
    for (const char* item : {"a", "b", "c", "d"}) source->Items()->Add(item);
    target->OnDragOver = [](TObject*, TObject*, int, int, TDragState, bool& accept) {
      accept = true;
    };
    target->OnDragDrop = [this](TObject*, TObject*, int, int) { dropped = Selection(); };
    form->Handle();
    ClickItem(1);
    SimulateKeyDown(VK_CONTROL);
    ClickItem(3);
    SimulateKeyUp(VK_CONTROL);
    ProcessPendingMessages();
    EXPECT_EQ(Selection(), (std::vector<int>{1, 3}));
  }

  POINT ItemPoint(int index) const {
    const RECT r = source->ItemRect(index);
    return source->ClientToScreen({r.left + 10, (r.top + r.bottom) / 2});
  }
  void ClickItem(int index) {
    SimulateClick(TMouseButton::mbLeft, ItemPoint(index));
    ProcessPendingMessages();
  }
  static void MoveTo(POINT point) {
    SimulateMouseMove(point);
    ProcessPendingMessages();
  }
  static void Press(POINT point) {
    SimulateMouseDown(TMouseButton::mbLeft, point);
    ProcessPendingMessages();
  }
  static void Release(POINT point) {
    SimulateMouseUp(TMouseButton::mbLeft, point);
    ProcessPendingMessages();
  }

  std::vector<int> Selection() const {
    std::vector<int> selected;
    for (int i = 0; i < source->Items()->Count(); ++i)
      if (source->Selected(i)) selected.push_back(i);
    return selected;
  }

  TListBox* source = nullptr;
  TListBox* target = nullptr;
  std::vector<int> dropped{-1};
};

TEST_F(ListBoxDragTest, APressOnASelectedLineCollapsesTheSelectionAtTheRelease) {
  Press(ItemPoint(3));
  EXPECT_EQ(Selection(), (std::vector<int>{1, 3}));
  EXPECT_EQ(source->ItemIndex(), 3);
  MoveTo({ItemPoint(3).x + kDefaultDragThreshold - 1, ItemPoint(3).y});  // not yet a drag
  Release({ItemPoint(3).x + kDefaultDragThreshold - 1, ItemPoint(3).y});
  EXPECT_EQ(Selection(), (std::vector<int>{3}));
  EXPECT_EQ(dropped, std::vector<int>{-1});
}

TEST_F(ListBoxDragTest, DraggingASelectedLineDragsEverySelectedLine) {
  int changes = 0;
  source->OnClick = [&](TObject*) { ++changes; };
  Press(ItemPoint(1));
  MoveTo(target->ClientToScreen({20, 20}));
  EXPECT_TRUE(source->Dragging());
  Release(target->ClientToScreen({20, 20}));
  EXPECT_EQ(dropped, (std::vector<int>{1, 3}));
  EXPECT_EQ(Selection(), (std::vector<int>{1, 3}));  // still, after the release
  EXPECT_EQ(changes, 1);  // the release reports the choice of the pressed line as ever

  // The next plain click on a selected line collapses again.
  ClickItem(1);
  EXPECT_EQ(Selection(), (std::vector<int>{1}));
}

TEST_F(ListBoxDragTest, APressOnAnUnselectedLineSelectsItAtOnceAndDragsItAlone) {
  Press(ItemPoint(0));
  EXPECT_EQ(Selection(), (std::vector<int>{0}));
  MoveTo(target->ClientToScreen({20, 20}));
  Release(target->ClientToScreen({20, 20}));
  EXPECT_EQ(dropped, (std::vector<int>{0}));
}

TEST_F(ListBoxDragTest, LinesChangedBeforeTheReleaseAreNotCollapsedOnto) {
  Press(ItemPoint(3));
  source->Items()->Delete(0);  // "d" moves up to 2, and the line under the pointer is gone
  Release(ItemPoint(3));
  EXPECT_EQ(Selection(), (std::vector<int>{0, 2}));
}

}  // namespace
