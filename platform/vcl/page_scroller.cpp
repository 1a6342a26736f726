// The page scroller: its arrows, the scroll they ask the parent about, and the child it moves.

#include "platform/vcl/page_scroller.h"

#include <algorithm>
#include <utility>

#include "platform/vcl/application.h"
#include "platform/vcl/errors.h"

namespace {

constexpr std::string_view kOrientationNames[] = {"soHorizontal", "soVertical"};
constexpr char kArrowClass[] = "PageScrollerArrow";

}  // namespace

// An arrow's window: a press scrolls its page scroller (kept in the window's user data) the way
// the arrow points (its identifier: the sbFirst or sbLast arrow). An arrow that the press brought
// to the end of the scroll stays until the button is released over it.
LRESULT PageScrollerArrowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* scroller = reinterpret_cast<TPageScroller*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!scroller || (msg != WM_LBUTTONDOWN && msg != WM_LBUTTONUP))
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  try {
    scroller->FArrowHeld = msg == WM_LBUTTONDOWN;
    if (msg == WM_LBUTTONDOWN)
      scroller->Scroll(static_cast<TPageScrollerButton>(GetWindowLongPtrA(hwnd, GWLP_ID)));
    else
      scroller->PlaceArrows();
  } catch (const std::exception& e) {
    Application().HandleException(scroller, e);
  }
  return 0;
}

const TComponentClass& TPageScroller::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TPageScroller::ButtonSize, &TPageScroller::SetButtonSize>("ButtonSize",
                                                                           {.Default = 12}),
      Published<&TPageScroller::Control, &TPageScroller::SetControl>("Control"),
      Published<&TPageScroller::Orientation, &TPageScroller::SetOrientation>(
          "Orientation", {.ValueNames = kOrientationNames, .Default = soHorizontal}),
      Published<&TPageScroller::Position, &TPageScroller::SetPosition>("Position", {.Default = 0}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TPageScroller",
      .Parent = &TWinControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TPageScroller>,
  });
  return cls;
}

TPageScroller::TPageScroller(TComponent* owner) : TWinControl(owner) {}

TPageScroller::~TPageScroller() {
  if (FControl) FControl->RemoveFreeNotification(this);
}

void TPageScroller::SetControl(TWinControl* value) {
  if (value == FControl) return;
  if (value && value->Parent() != this)
    throw EInvalidOperation(Format("%s is not inside %s", value->Name(), Name()));
  if (FControl) FControl->RemoveFreeNotification(this);
  FControl = value;
  if (value) value->FreeNotification(this);
  if (HandleAllocated()) {  // the arrows go above the new child's window
    if (value) value->HandleNeeded();
    CreateArrows();
  }
  if (!Loading()) SetPosition(FPosition);
}

void TPageScroller::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == FControl) {
    FControl = nullptr;
    FPosition = 0;
  }
}

void TPageScroller::SetOrientation(TPageScrollerOrientation value) {
  FOrientation = value;
  if (!Loading()) SetPosition(FPosition);
}

void TPageScroller::SetButtonSize(int value) {
  FButtonSize = std::max(BoundedSize(value), 1);
  if (!Loading()) SetPosition(FPosition);
}

void TPageScroller::SetPosition(int value) {
  FPosition = Loading() ? value : std::clamp(value, 0, MaxPosition());
  if (!Loading()) PlaceControl();
}

void TPageScroller::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  if (!Loading()) SetPosition(FPosition);
}

void TPageScroller::Loaded() {
  TWinControl::Loaded();
  SetPosition(FPosition);
}

int TPageScroller::VisibleLength() const {
  return std::max((FOrientation == soHorizontal ? Width() : Height()) - 2 * FButtonSize, 0);
}

int TPageScroller::MaxPosition() const {
  if (!FControl) return 0;
  const int extent = FOrientation == soHorizontal ? FControl->Width() : FControl->Height();
  return std::max(extent - VisibleLength(), 0);
}

// The child lies after the first arrow, moved back by the position, and fills the other way.
void TPageScroller::PlaceControl() {
  PlaceArrows();
  if (!FControl) return;
  const int start = SaturatedSum(FButtonSize, -FPosition);
  if (FOrientation == soHorizontal)
    FControl->SetBounds(start, 0, FControl->Width(), Height());
  else
    FControl->SetBounds(0, start, Width(), FControl->Height());
}

void TPageScroller::CreateWnd() {
  TWinControl::CreateWnd();
  if (FControl) FControl->HandleNeeded();
  CreateArrows();
}

// Windows lie above those of their siblings created before them.
void TPageScroller::CreateArrows() {
  for (HWND& arrow : FArrows)
    if (arrow) DestroyWindow(std::exchange(arrow, 0));
  WNDCLASSA arrowClass;
  arrowClass.lpfnWndProc = &PageScrollerArrowProc;
  arrowClass.lpszClassName = kArrowClass;
  RegisterClassA(arrowClass);
  for (const TPageScrollerButton button : {sbFirst, sbLast}) {
    const HWND arrow =
        CreateWindowExA(0, kArrowClass, "", WS_CHILD, 0, 0, 0, 0, Handle(), 0, 0, nullptr);
    SetWindowLongPtrA(arrow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(arrow, GWLP_ID, button);
    FArrows[button] = arrow;
  }
  PlaceArrows();
}

void TPageScroller::PlaceArrows() {
  for (const TPageScrollerButton button : {sbFirst, sbLast}) {
    if (!FArrows[button]) continue;
    const RECT r = ButtonRect(button);
    MoveWindow(FArrows[button], r.left, r.top, r.right - r.left, r.bottom - r.top, 1);
    if (ButtonVisible(button))
      ShowWindow(FArrows[button], SW_SHOWNA);
    else if (!FArrowHeld)
      ShowWindow(FArrows[button], SW_HIDE);
  }
}

RECT TPageScroller::ButtonRect(TPageScrollerButton button) const {
  if (FOrientation == soHorizontal) {
    const int left = button == sbFirst ? 0 : std::max(Width() - FButtonSize, 0);
    return {left, 0, left + FButtonSize, Height()};
  }
  const int top = button == sbFirst ? 0 : std::max(Height() - FButtonSize, 0);
  return {0, top, Width(), top + FButtonSize};
}

bool TPageScroller::ButtonVisible(TPageScrollerButton button) const {
  return button == sbFirst ? FPosition > 0 : FPosition < MaxPosition();
}

POINT TPageScroller::ButtonPoint(TPageScrollerButton button) const {
  const RECT r = ButtonRect(button);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void TPageScroller::Scroll(TPageScrollerButton button) {
  NMPGSCROLL scroll;
  scroll.iDir = FOrientation == soHorizontal
                    ? (button == sbFirst ? PGF_SCROLLLEFT : PGF_SCROLLRIGHT)
                    : (button == sbFirst ? PGF_SCROLLUP : PGF_SCROLLDOWN);
  scroll.iXpos = FOrientation == soHorizontal ? FPosition : 0;
  scroll.iYpos = FOrientation == soVertical ? FPosition : 0;
  scroll.iScroll = VisibleLength();
  scroll.rcParent = {0, 0, Width(), Height()};
  NotifyParentWindow(PGN_SCROLL, scroll.hdr);
  const int64_t moved =
      button == sbFirst ? int64_t{FPosition} - scroll.iScroll : int64_t{FPosition} + scroll.iScroll;
  SetPosition(static_cast<int>(std::clamp<int64_t>(moved, 0, MaxPosition())));
}

void TPageScroller::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_DESTROY:
      FArrows[sbFirst] = FArrows[sbLast] = 0;  // they go with the scroller's window
      break;
    case PGM_GETPOS:
      message.Result = FPosition;
      return;
    case PGM_SETPOS:
      SetPosition(static_cast<int>(message.LParam));
      return;
    case CN_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(message.LParam);
      if (header.code == PGN_SCROLL && OnScroll)
        OnScroll(this, *reinterpret_cast<NMPGSCROLL*>(message.LParam));
      return;
    }
  }
  TWinControl::WndProc(message);
}
