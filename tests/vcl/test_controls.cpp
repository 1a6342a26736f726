// Controls and forms on the windowing core: windows created on demand, control identifiers,
// finding controls by handle, hit-testing children without windows, focus, and exceptions in
// message handling.

#include <gtest/gtest.h>

#include <limits>

#include "platform/vcl/errors.h"
#include "tests/vcl/vcl_fixture.h"

namespace {

// Records the messages its handling sees.
class TProbe : public TWinControl {
 public:
  explicit TProbe(TComponent* owner) : TWinControl(owner) {}
  void WndProc(TMessage& message) override {
    if (message.Msg == CN_COMMAND || message.Msg == CN_NOTIFY || message.Msg >= WM_USER)
      received.push_back(message);
    if (message.Msg == CN_NOTIFY) notified = *reinterpret_cast<const NMHDR*>(message.LParam);
    if (message.Msg == WM_USER + 1) throw EConvertError("bad input");
    TWinControl::WndProc(message);
  }
  LRESULT Notify(UINT code) {
    NMHDR header;
    return NotifyParentWindow(code, header);
  }
  std::vector<TMessage> received;
  NMHDR notified;
};

// A control without a window, such as a label.
class TPainted : public TControl {
 public:
  explicit TPainted(TComponent* owner) : TControl(owner) {}
  void WndProc(TMessage& message) override { received.push_back(message); }
  std::vector<TMessage> received;
};

class ControlTest : public VclTest {
 protected:
  void SetUp() override {
    VclTest::SetUp();
    form = Application().CreateForm<TForm>();
    form->SetName("Form1");
    form->SetBounds(100, 50, 400, 300);
    panel = new TWinControl(form);
    panel->SetParent(form);
    panel->SetBounds(10, 20, 200, 100);
    probe = new TProbe(form);
    probe->SetParent(panel);
    probe->SetBounds(5, 5, 50, 20);
  }

  TForm* form = nullptr;
  TWinControl* panel = nullptr;
  TProbe* probe = nullptr;
};

TEST_F(ControlTest, WindowsAreCreatedOnDemandWithParentsAndChildren) {
  EXPECT_FALSE(probe->HandleAllocated());
  HWND handle = probe->Handle();
  EXPECT_TRUE(form->HandleAllocated());
  EXPECT_TRUE(panel->HandleAllocated());
  EXPECT_EQ(GetParent(handle), panel->Handle());
  char className[64];
  GetClassNameA(form->Handle(), className, sizeof className);
  EXPECT_STREQ(className, "TForm");
  GetClassNameA(panel->Handle(), className, sizeof className);
  EXPECT_STREQ(className, "TWinControl");
  RECT rect;
  GetWindowRect(handle, &rect);
  EXPECT_EQ(rect.left, 100 + 10 + 5);
  EXPECT_EQ(rect.top, 50 + 20 + 5);
}

TEST_F(ControlTest, ControlIdentifierIsTheHandleSoCommandsFindTheirControl) {
  HWND handle = probe->Handle();
  auto id = static_cast<HWND>(GetWindowLongPtrA(handle, GWLP_ID));
  EXPECT_EQ(id, handle);
  EXPECT_EQ(FindControl(LOWORD(id)), probe);

  // The parent hands the command back to the child that sent it.
  SendMessageA(panel->Handle(), WM_COMMAND, MAKEWPARAM(LOWORD(id), 0), static_cast<LPARAM>(handle));
  ASSERT_EQ(probe->received.size(), 1u);
  EXPECT_EQ(probe->received[0].Msg, CN_COMMAND);
}

TEST_F(ControlTest, NotificationsComeBackToTheirSenderWithTheHeaderFilledIn) {
  const HWND handle = probe->Handle();
  probe->Notify(TCN_SELCHANGE);
  ASSERT_EQ(probe->received.size(), 1u);
  EXPECT_EQ(probe->received[0].Msg, CN_NOTIFY);
  EXPECT_EQ(probe->received[0].WParam, handle);
  EXPECT_EQ(probe->notified.hwndFrom, handle);
  EXPECT_EQ(probe->notified.idFrom, handle);
  EXPECT_EQ(probe->notified.code, TCN_SELCHANGE);

  // A header naming no control of the framework stays with the parent.
  NMHDR foreign{.hwndFrom = 0x7777, .idFrom = 1, .code = TCN_SELCHANGE};
  SendMessageA(panel->Handle(), WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&foreign));
  EXPECT_EQ(probe->received.size(), 1u);
}

TEST_F(ControlTest, FindControlAnswersNothingForForeignStaleAndNoHandles) {
  WNDCLASSA foreign;
  foreign.lpszClassName = "Edit";
  RegisterClassA(foreign);
  HWND native =
      CreateWindowExA(0, "Edit", "", WS_CHILD, 0, 0, 10, 10, form->Handle(), 0, 0, nullptr);
  SetWindowLongPtrA(native, GWLP_USERDATA, 0x1234);  // someone else's data
  EXPECT_EQ(FindControl(native), nullptr);
  EXPECT_EQ(FindControl(0), nullptr);
  EXPECT_EQ(FindControl(form->Handle()), form);

  HWND stale = probe->Handle();
  delete probe;
  EXPECT_EQ(FindControl(stale), nullptr);
  EXPECT_EQ(panel->ControlCount(), 0);
}

TEST_F(ControlTest, ParentFormIsTheFormAtTheTopOfTheChain) {
  EXPECT_EQ(GetParentForm(probe), form);
  EXPECT_EQ(GetParentForm(form), form);
  TWinControl loose(nullptr);
  EXPECT_EQ(GetParentForm(&loose), nullptr);
  EXPECT_FALSE(loose.CanFocus());
  EXPECT_EQ(GetParentForm(nullptr), nullptr);
}

TEST_F(ControlTest, ChildrenWithoutWindowsAreHitTestedAndGetTheirMouseMessages) {
  auto* label = new TPainted(form);
  label->SetParent(panel);
  label->SetBounds(100, 40, 30, 10);
  auto* hidden = new TPainted(form);
  hidden->SetParent(panel);
  hidden->SetBounds(100, 40, 30, 10);
  hidden->SetVisible(false);
  // Children without windows come first, windowed ones after them.
  EXPECT_EQ(panel->Controls(0), label);
  EXPECT_EQ(panel->Controls(2), probe);
  EXPECT_EQ(panel->ControlAtPos({105, 45}, false), label);
  EXPECT_EQ(panel->ControlAtPos({10, 10}, false), nullptr);
  EXPECT_EQ(panel->ControlAtPos({10, 10}, false, true), probe);
  label->SetEnabled(false);
  EXPECT_EQ(panel->ControlAtPos({105, 45}, false), nullptr);
  EXPECT_EQ(panel->ControlAtPos({105, 45}, true), label);
  label->SetEnabled(true);

  SendMessageA(panel->Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(107, 43));
  ASSERT_EQ(label->received.size(), 1u);
  EXPECT_EQ(label->received[0].LParam, MAKELPARAM(7, 3));  // in the label's own coordinates
  EXPECT_EQ(label->ClientToScreen({1, 2}).x, 100 + 10 + 100 + 1);
  EXPECT_EQ(label->ClientToScreen({1, 2}).y, 50 + 20 + 40 + 2);
}

// Bounds at the ends of the 32-bit range are brought within the coordinate space, windows or not,
// so that hit-testing and conversions of points far away neither overflow nor find anything.
TEST_F(ControlTest, BoundsStayWithinTheCoordinateSpace) {
  constexpr int kIntMax = std::numeric_limits<int>::max();
  constexpr int kIntMin = std::numeric_limits<int>::min();
  auto* label = new TPainted(form);
  label->SetParent(panel);
  label->SetBounds(kIntMax, kIntMin, kIntMax, kIntMin);
  EXPECT_EQ(label->Left(), kMaxCoordinate);
  EXPECT_EQ(label->Top(), -kMaxCoordinate);
  EXPECT_EQ(label->Width(), kMaxCoordinate);
  EXPECT_EQ(label->Height(), 0);
  EXPECT_EQ(label->ClientToScreen({kIntMax, kIntMin}).x, kIntMax);
  EXPECT_EQ(label->ClientToScreen({kIntMax, kIntMin}).y, kIntMin);
  probe->SetBounds(kIntMin, kIntMax, kIntMax, kIntMax);
  RECT rect;
  GetWindowRect(probe->Handle(), &rect);
  EXPECT_EQ(rect.left, 100 + 10 - kMaxCoordinate);
  EXPECT_EQ(rect.bottom - rect.top, kMaxCoordinate);
  EXPECT_EQ(panel->ControlAtPos({kIntMax, kIntMax}, true, true), nullptr);
  EXPECT_EQ(panel->ControlAtPos({-kMaxCoordinate, kMaxCoordinate}, true, true), probe);
}

TEST_F(ControlTest, BoundsAndTextFollowTheWindow) {
  probe->SetCaption("before");
  HWND handle = probe->Handle();
  char text[32];
  GetWindowTextA(handle, text, sizeof text);
  EXPECT_STREQ(text, "before");
  MoveWindow(handle, 7, 8, 60, 25, 1);
  EXPECT_EQ(probe->Left(), 7);
  EXPECT_EQ(probe->Height(), 25);
  SetWindowTextA(handle, "typed");
  EXPECT_EQ(probe->Text(), "typed");
  probe->DestroyHandle();
  EXPECT_EQ(probe->Caption(), "typed");  // kept for the next window
}

TEST_F(ControlTest, FocusMakesTheActiveControlOfTheForm) {
  auto second = std::make_unique<TForm>(nullptr);
  EXPECT_EQ(Screen().FormCount(), 2);
  EXPECT_EQ(Screen().Forms(1), second.get());
  second.reset();
  EXPECT_EQ(Screen().FormCount(), 1);
  form->Show();
  EXPECT_EQ(Screen().ActiveForm(), form);
  probe->SetFocus();
  EXPECT_TRUE(probe->Focused());
  EXPECT_EQ(form->ActiveControl(), probe);
  EXPECT_EQ(Screen().ActiveControl(), probe);

  panel->SetVisible(false);
  EXPECT_FALSE(probe->CanFocus());
  EXPECT_THROW(probe->SetFocus(), EInvalidOperation);
  panel->SetVisible(true);

  delete panel;  // takes the active control with it
  EXPECT_EQ(form->ActiveControl(), nullptr);
}

TEST_F(ControlTest, ExceptionsInMessageHandlingGoToTheApplication) {
  std::vector<std::string> handled;
  Application().SetOnException([&](TObject* sender, const std::exception& e) {
    handled.push_back(static_cast<TComponent*>(sender)->ClassName() + ": " + e.what());
  });
  SendMessageA(probe->Handle(), WM_USER + 1, 0, 0);
  PostMessageA(probe->Handle(), WM_USER + 1, 0, 0);
  Application().ProcessMessages();
  EXPECT_EQ(handled,
            (std::vector<std::string>{"TWinControl: bad input", "TWinControl: bad input"}));
  EXPECT_EQ(probe->received.size(), 2u);
}

TEST_F(ControlTest, ClosingTheMainFormEndsTheApplication) {
  EXPECT_EQ(Application().MainForm(), form);
  form->Show();
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  Application().ProcessMessages();
  EXPECT_TRUE(Application().Terminated());
}

TEST_F(ControlTest, RunShowsTheMainFormAndReturnsWhenItCloses) {
  PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
  Application().Run();
  EXPECT_TRUE(Application().Terminated());
  EXPECT_TRUE(form->Visible() == false && IsWindow(form->Handle()));
}

TEST_F(ControlTest, WindowStateFollowsTheWindow) {
  form->SetWindowState(wsMaximized);
  form->Show();
  EXPECT_TRUE(IsZoomed(form->Handle()));
  ShowWindow(form->Handle(), SW_MINIMIZE);
  EXPECT_EQ(form->WindowState(), wsMinimized);
}

}  // namespace
