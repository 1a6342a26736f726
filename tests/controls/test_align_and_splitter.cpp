// Aligned children laid out by their parent, and splitters dragged in each alignment.

#include "platform/vcl/form_files.h"
#include "tests/controls/additional_controls_fixture.h"

namespace {

class AlignTest : public AdditionalControlsTest {
 protected:
  void SetUp() override {
    AdditionalControlsTest::SetUp();
    area = Make<TPanel>(form, "Area", {0, 0, 400, 300});
    form->Handle();
  }

  TPanel* Aligned(const char* name, TAlign align, RECT bounds) {
    auto* panel = Make<TPanel>(area, name, bounds);
    panel->SetAlign(align);
    return panel;
  }

  TPanel* area = nullptr;
};

void ExpectBounds(const TControl& control, RECT expected) {
  EXPECT_EQ(control.Left(), expected.left) << control.Name();
  EXPECT_EQ(control.Top(), expected.top) << control.Name();
  EXPECT_EQ(control.Left() + control.Width(), expected.right) << control.Name();
  EXPECT_EQ(control.Top() + control.Height(), expected.bottom) << control.Name();
}

TEST_F(AlignTest, EdgesAreTakenTopBottomLeftRightAndTheClientFillsTheRest) {
  TPanel* fixed = Make<TPanel>(area, "Fixed", {5, 5, 20, 20});
  TPanel* client = Aligned("Client", alClient, {0, 0, 10, 10});
  TPanel* right = Aligned("Right", alRight, {0, 0, 50, 10});
  TPanel* left = Aligned("Left", alLeft, {0, 0, 60, 10});
  TPanel* bottom = Aligned("Bottom", alBottom, {0, 0, 10, 30});
  TPanel* top = Aligned("Top", alTop, {0, 0, 10, 40});
  ExpectBounds(*top, {0, 0, 400, 40});
  ExpectBounds(*bottom, {0, 270, 400, 300});
  ExpectBounds(*left, {0, 40, 60, 270});
  ExpectBounds(*right, {350, 40, 400, 270});
  ExpectBounds(*client, {60, 40, 350, 270});
  ExpectBounds(*fixed, {5, 5, 25, 25});
  // The windows follow.
  RECT window;
  GetWindowRect(client->Handle(), &window);
  EXPECT_EQ(window.right - window.left, 290);

  area->SetBounds(0, 0, 500, 200);
  ExpectBounds(*bottom, {0, 170, 500, 200});
  ExpectBounds(*right, {450, 40, 500, 170});
  ExpectBounds(*client, {60, 40, 450, 170});
  ExpectBounds(*fixed, {5, 5, 25, 25});

  top->SetHeight(10);  // an aligned child's size lays the others out again
  ExpectBounds(*left, {0, 10, 60, 170});
  left->SetVisible(false);
  ExpectBounds(*client, {0, 10, 450, 170});
  right->SetAlign(alNone);
  ExpectBounds(*client, {0, 10, 500, 170});
  ExpectBounds(*right, {450, 10, 500, 170});  // where the layout last put it
  delete top;
  ExpectBounds(*client, {0, 0, 500, 170});
}

// Children of one alignment keep the order of their places along it, whatever the order of the
// form file.
TEST_F(AlignTest, ChildrenOfOneAlignmentKeepTheOrderOfTheirPlaces) {
  auto components = ReadComponentsText(R"(object Panes: TForm
  Width = 400
  Height = 300
  object Second: TPanel
    Left = 100
    Width = 30
    Align = alLeft
  end
  object First: TPanel
    Width = 20
    Align = alLeft
  end
  object Inner: TPanel
    Top = 200
    Height = 15
    Align = alBottom
  end
  object Outer: TPanel
    Top = 290
    Height = 10
    Align = alBottom
  end
end
)",
                                       "panes.dfm");
  TComponent& root = *components[0];
  auto at = [&](const char* name) -> TControl& {
    return dynamic_cast<TControl&>(*root.FindComponent(name));
  };
  ExpectBounds(at("Outer"), {0, 290, 400, 300});
  ExpectBounds(at("Inner"), {0, 275, 400, 290});
  ExpectBounds(at("First"), {0, 0, 20, 275});
  ExpectBounds(at("Second"), {20, 0, 50, 275});
}

TEST_F(AlignTest, AParentTooSmallLeavesTheLastChildrenNoRoom) {
  Aligned("Top", alTop, {0, 0, 10, 250});
  Aligned("Bottom", alBottom, {0, 0, 10, 100});
  TPanel* client = Aligned("Client", alClient, {0, 0, 10, 10});
  EXPECT_EQ(client->Height(), 0);
  EXPECT_EQ(client->Width(), 400);
}

TEST_F(AlignTest, FormFilesLayTheAlignedChildrenOutOnceRead) {
  auto components = ReadComponentsText(R"(object Editor: TForm
  Width = 300
  Height = 200
  object Files: TPanel
    Width = 80
    Align = alLeft
  end
  object Text: TMemo
    Align = alClient
  end
  object Status: TPanel
    Height = 20
    Align = alBottom
  end
  object Note: TLabel
    Left = 7
    Top = 9
    Width = 30
    Height = 13
  end
end
)",
                                       "editor.dfm");
  TComponent& root = *components[0];
  ExpectBounds(dynamic_cast<TControl&>(*root.FindComponent("Files")), {0, 0, 80, 180});
  ExpectBounds(dynamic_cast<TControl&>(*root.FindComponent("Text")), {80, 0, 300, 180});
  ExpectBounds(dynamic_cast<TControl&>(*root.FindComponent("Status")), {0, 180, 300, 200});
  ExpectBounds(dynamic_cast<TControl&>(*root.FindComponent("Note")), {7, 9, 37, 22});
  const std::string written = WriteComponentText(root);
  EXPECT_NE(written.find("    Align = alBottom\n"), std::string::npos) << written;
  EXPECT_EQ(written.find("Align = alNone"), std::string::npos) << written;
  EXPECT_EQ(WriteComponentText(*ReadComponentsText(written, "again.dfm")[0]), written);
}

// ---- splitters ----------------------------------------------------------------------------------

struct SplitterCase {
  TAlign Align;
  POINT Drag;    // the pointer's move
  int Size;      // the neighbour's width or height after the drag
  int Position;  // the splitter's Left or Top after the drag
};

class SplitterTest : public AlignTest, public ::testing::WithParamInterface<SplitterCase> {
 protected:
  void SetUp() override {
    AlignTest::SetUp();
    const TAlign align = GetParam().Align;
    // The neighbour 100 wide (high), the splitter beyond it, a client control over the rest.
    RECT neighbourBounds{0, 0, 100, 100};
    RECT splitterBounds{0, 0, 3, 3};
    if (align == alRight) neighbourBounds.left = splitterBounds.left = 300;
    if (align == alBottom) neighbourBounds.top = splitterBounds.top = 200;
    if (align == alRight) splitterBounds.left = 290;
    if (align == alBottom) splitterBounds.top = 190;
    if (align == alLeft) splitterBounds.left = 100;
    if (align == alTop) splitterBounds.top = 100;
    neighbour = Aligned("Neighbour", align, neighbourBounds);
    splitter = new TSplitter(form);
    splitter->SetName("Splitter1");
    splitter->SetAlign(align);
    splitter->SetBounds(splitterBounds.left, splitterBounds.top, splitterBounds.right,
                        splitterBounds.bottom);
    splitter->SetParent(area);
    splitter->SetMinSize(40);
    splitter->OnMoved = Note("moved");
    rest = Aligned("Rest", alClient, {0, 0, 10, 10});
    EXPECT_EQ(splitter->Neighbour(), neighbour);
  }

  bool Across() const { return GetParam().Align == alLeft || GetParam().Align == alRight; }
  int Size() const { return Across() ? neighbour->Width() : neighbour->Height(); }
  int Position() const { return Across() ? splitter->Left() : splitter->Top(); }
  void DragBy(POINT move) {
    const POINT centre{splitter->Width() / 2, splitter->Height() / 2};
    SimulateUserDrag(*splitter, centre, {centre.x + move.x, centre.y + move.y});
  }

  TPanel* neighbour = nullptr;
  TSplitter* splitter = nullptr;
  TPanel* rest = nullptr;
};

TEST_P(SplitterTest, ADragResizesTheNeighbourAndTheSplitterMovesWithIt) {
  EXPECT_EQ(Size(), 100);
  DragBy(GetParam().Drag);
  EXPECT_EQ(Size(), GetParam().Size);
  EXPECT_EQ(Position(), GetParam().Position);
  EXPECT_EQ(Happened(), std::vector<std::string>{"moved"});
  EXPECT_FALSE(splitter->Dragging());
  EXPECT_EQ(GetCapture(), HWND{0});
  // The rest of the area is the client control's.
  EXPECT_EQ(Across() ? rest->Width() : rest->Height(), (Across() ? 400 : 300) - Size() - 3);
}

TEST_P(SplitterTest, TheNeighbourStaysWithinMinSizeAndLeavesMinSizeForTheRest) {
  const int length = Across() ? 400 : 300;
  const bool growsForward = GetParam().Align == alLeft || GetParam().Align == alTop;
  const int grow = growsForward ? 1000 : -1000;
  DragBy(Across() ? POINT{grow, 0} : POINT{0, grow});
  EXPECT_EQ(Size(), length - 40 - 3);
  DragBy(Across() ? POINT{-grow, 0} : POINT{0, -grow});
  EXPECT_EQ(Size(), 40);
}

// While the button is held the splitter has the mouse, wherever the pointer goes; moves without
// the button do nothing.
TEST_P(SplitterTest, TheSplitterHoldsTheMouseUntilTheRelease) {
  const POINT centre = Centre(*splitter);
  SimulateMouseDown(TMouseButton::mbLeft, centre);
  ProcessPendingMessages();
  EXPECT_TRUE(splitter->Dragging());
  EXPECT_EQ(GetCapture(), area->Handle());
  const POINT move = GetParam().Drag;
  SimulateMouseMove({centre.x + move.x, centre.y + move.y});
  ProcessPendingMessages();
  EXPECT_EQ(Size(), GetParam().Size);  // the neighbour follows each move
  SimulateMouseUp(TMouseButton::mbLeft, {centre.x + move.x, centre.y + move.y});
  ProcessPendingMessages();
  SimulateMouseMove(centre);
  ProcessPendingMessages();
  EXPECT_EQ(Size(), GetParam().Size);
  EXPECT_EQ(Position(), GetParam().Position);
}

std::string AlignmentName(const ::testing::TestParamInfo<SplitterCase>& info) {
  constexpr const char* kNames[] = {"None", "Top", "Bottom", "Left", "Right", "Client"};
  return kNames[info.param.Align];
}

INSTANTIATE_TEST_SUITE_P(EachAlignment, SplitterTest,
                         ::testing::Values(SplitterCase{alLeft, {30, 7}, 130, 130},
                                           SplitterCase{alRight, {30, 7}, 70, 327},
                                           SplitterCase{alTop, {7, -30}, 70, 70},
                                           SplitterCase{alBottom, {7, -30}, 130, 167}),
                         AlignmentName);

TEST_F(AlignTest, ASplitterWithoutANeighbourOrDisabledMovesNothing) {
  TPanel* left = Aligned("Left", alLeft, {0, 0, 100, 10});
  auto* splitter = new TSplitter(form);
  splitter->SetName("Lonely");
  splitter->SetAlign(alRight);
  splitter->SetParent(area);
  EXPECT_EQ(splitter->Neighbour(), nullptr);  // nothing is aligned to the right
  EXPECT_EQ(splitter->Left(), 397);
  SimulateUserDrag(*splitter, {1, 50}, {-39, 50});
  EXPECT_EQ(splitter->Left(), 397);
  EXPECT_EQ(left->Width(), 100);
  splitter->SetAlign(alLeft);
  EXPECT_EQ(splitter->Left(), 100);
  EXPECT_EQ(splitter->Neighbour(), left);
  splitter->SetEnabled(false);
  SimulateUserDrag(*splitter, {1, 50}, {41, 50});
  EXPECT_EQ(left->Width(), 100);
  splitter->SetEnabled(true);
  SimulateUserDrag(*splitter, {1, 50}, {41, 50});
  EXPECT_EQ(left->Width(), 140);
  EXPECT_EQ(splitter->Left(), 140);
}

TEST_F(AlignTest, FormFilesGiveTheSplittersAlignmentAndMinSize) {
  auto components = ReadComponentsText(R"(object Editor: TForm
  Width = 300
  Height = 200
  object Files: TPanel
    Width = 80
    Align = alLeft
  end
  object Bar: TSplitter
    Left = 80
    Width = 4
    MinSize = 50
  end
  object Output: TPanel
    Top = 150
    Height = 50
    Align = alBottom
  end
  object Hbar: TSplitter
    Top = 146
    Height = 4
    Align = alBottom
  end
end
)",
                                       "editor.dfm");
  TComponent& root = *components[0];
  auto& bar = dynamic_cast<TSplitter&>(*root.FindComponent("Bar"));
  auto& hbar = dynamic_cast<TSplitter&>(*root.FindComponent("Hbar"));
  EXPECT_EQ(bar.Align(), alLeft);
  EXPECT_EQ(bar.MinSize(), 50);
  EXPECT_EQ(bar.Neighbour(), root.FindComponent("Files"));
  EXPECT_EQ(hbar.Neighbour(), root.FindComponent("Output"));
  ExpectBounds(hbar, {0, 146, 300, 150});
  ExpectBounds(bar, {80, 0, 84, 146});
  const std::string written = WriteComponentText(root);
  EXPECT_NE(written.find("    MinSize = 50\n"), std::string::npos) << written;
  EXPECT_EQ(WriteComponentText(*ReadComponentsText(written, "again.dfm")[0]), written);
}

}  // namespace
