// The up-down control: its arrows, their steps and their reports to the parent.

#include "platform/vcl/up_down.h"

#include <algorithm>
#include <utility>

#include "platform/vcl/errors.h"

namespace {

constexpr std::string_view kOrientationNames[] = {"udHorizontal", "udVertical"};
constexpr int kMinValue = -32768;
constexpr int kMaxValue = 32767;

int SixteenBit(int value) { return std::clamp(value, kMinValue, kMaxValue); }

}  // namespace

const TComponentClass& TUpDown::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TUpDown::Associate, &TUpDown::SetAssociate>("Associate"),
      Published<&TUpDown::ArrowKeys, &TUpDown::SetArrowKeys>("ArrowKeys", {.Default = true}),
      Published<&TUpDown::Min, &TUpDown::SetMin>("Min", {.Default = 0}),
      Published<&TUpDown::Max, &TUpDown::SetMax>("Max", {.Default = 100}),
      Published<&TUpDown::Increment, &TUpDown::SetIncrement>("Increment", {.Default = 1}),
      Published<&TUpDown::Orientation, &TUpDown::SetOrientation>(
          "Orientation", {.ValueNames = kOrientationNames, .Default = udVertical}),
      Published<&TUpDown::Position, &TUpDown::SetPosition>("Position", {.Default = 0}),
      Published<&TUpDown::Wrap, &TUpDown::SetWrap>("Wrap", {.Default = false}),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TUpDown",
      .Parent = &TStdControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TUpDown>,
  });
  return cls;
}

TUpDown::TUpDown(TComponent* owner) : TStdControl(owner) {}

TUpDown::~TUpDown() { SetAssociate(nullptr); }

int TUpDown::Clamped(int position) const {
  return std::clamp(position, FMin, std::max(FMin, FMax));
}

void TUpDown::SetMin(int value) {
  FMin = SixteenBit(value);
  if (!Loading()) FPosition = Clamped(FPosition);
}

void TUpDown::SetMax(int value) {
  FMax = SixteenBit(value);
  if (!Loading()) FPosition = Clamped(FPosition);
}

void TUpDown::SetPosition(int value) {
  FPosition = Loading() ? SixteenBit(value) : Clamped(SixteenBit(value));
  if (!Loading()) ShowInAssociate();
}

void TUpDown::SetAssociate(TWinControl* value) {
  if (value == FAssociate) return;
  if (value == this) throw EInvalidOperation(Name() + " cannot be its own associate");
  if (FAssociate) FAssociate->RemoveFreeNotification(this);
  FAssociate = value;
  if (!value) return;
  value->FreeNotification(this);
  if (!Loading()) ShowInAssociate();
}

void TUpDown::Loaded() {
  TStdControl::Loaded();
  FPosition = Clamped(FPosition);
  ShowInAssociate();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TStdControl::Notification(component, operation);
  if (operation == opRemove && component == FAssociate) FAssociate = nullptr;
}

void TUpDown::ShowInAssociate() {
  if (FAssociate) FAssociate->SetText(IntToStr(FPosition));
}

POINT TUpDown::ButtonPoint(TUDBtnType button) const {
  if (FOrientation == udVertical)
    return {Width() / 2, button == btNext ? Height() / 4 : Height() * 3 / 4};
  return {button == btNext ? Width() * 3 / 4 : Width() / 4, Height() / 2};
}

void TUpDown::SendScroll(WORD code) {
  const HWND handle = Handle();
  SendMessageA(GetParent(handle), FOrientation == udVertical ? WM_VSCROLL : WM_HSCROLL,
               MAKEWPARAM(code, code == SB_THUMBPOSITION ? static_cast<WORD>(FPosition) : 0),
               static_cast<LPARAM>(handle));
}

// The parent may refuse the step or change its size (iDelta) when it is told UDN_DELTAPOS.
void TUpDown::Step(TUDBtnType button) {
  NMUPDOWN change;
  change.iPos = FPosition;
  change.iDelta = button == btNext ? FIncrement : -FIncrement;
  if (NotifyParentWindow(UDN_DELTAPOS, change.hdr) != 0) return;
  const int64_t wanted = int64_t{FPosition} + change.iDelta;
  const int high = std::max(FMin, FMax);
  if (FWrap && wanted > high)
    FPosition = FMin;
  else if (FWrap && wanted < FMin)
    FPosition = high;
  else
    FPosition = static_cast<int>(std::clamp<int64_t>(wanted, FMin, high));
  ShowInAssociate();
  SendScroll(SB_THUMBPOSITION);
}

bool TUpDown::ArrowOfKey(WPARAM key, TUDBtnType& button) const {
  if (!FArrowKeys) return false;
  if (key == VK_UP || key == VK_RIGHT)
    button = btNext;
  else if (key == VK_DOWN || key == VK_LEFT)
    button = btPrev;
  else
    return false;
  return true;
}

void TUpDown::WndProc(TMessage& message) {
  TUDBtnType button = btNext;
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case WM_LBUTTONDOWN: {
      const POINT point = PointOfMessage(message.LParam);
      const bool next =
          FOrientation == udVertical ? point.y < Height() / 2 : point.x >= Width() / 2;
      FPressed = true;
      Step(next ? btNext : btPrev);
      return;
    }
    case WM_LBUTTONUP:
      if (!std::exchange(FPressed, false)) return;
      SendScroll(SB_ENDSCROLL);
      return;
    case WM_KEYDOWN:
      if (!ArrowOfKey(message.WParam, button)) break;
      Step(button);
      return;
    case WM_KEYUP:
      if (!ArrowOfKey(message.WParam, button)) break;
      SendScroll(SB_ENDSCROLL);
      return;
    case UDM_GETPOS:
      message.Result = static_cast<LRESULT>(static_cast<WORD>(FPosition));
      return;
    case UDM_SETPOS:
      message.Result = static_cast<LRESULT>(static_cast<WORD>(FPosition));
      FPosition = Clamped(static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(message.LParam))));
      ShowInAssociate();
      return;
    case UDM_GETRANGE:
      message.Result = MAKELPARAM(static_cast<WORD>(FMax), static_cast<WORD>(FMin));
      return;
    case UDM_SETRANGE:
      FMin = static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(message.LParam)));
      FMax = static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(message.LParam)));
      FPosition = Clamped(FPosition);
      return;
  }
  TStdControl::WndProc(message);
}
