// TScrollBar: its gestures, reported to the parent and reflected back as position changes.

#include "platform/vcl/scroll_bar.h"

#include <algorithm>

namespace {

constexpr std::string_view kKindNames[] = {"sbHorizontal", "sbVertical"};

}  // namespace

const TComponentClass& TScrollBar::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TScrollBar::Kind, &TScrollBar::SetKind>(
          "Kind", {.ValueNames = kKindNames, .Default = sbHorizontal}),
      Published<&TScrollBar::Min, &TScrollBar::SetMin>("Min", {.Default = 0}),
      Published<&TScrollBar::Max, &TScrollBar::SetMax>("Max", {.Default = 100}),
      Published<&TScrollBar::Position, &TScrollBar::SetPosition>("Position", {.Default = 0}),
      Published<&TScrollBar::SmallChange, &TScrollBar::SetSmallChange>("SmallChange",
                                                                       {.Default = 1}),
      Published<&TScrollBar::LargeChange, &TScrollBar::SetLargeChange>("LargeChange",
                                                                       {.Default = 1}),
      kTabStopOnByDefault,
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TScrollBar",
      .Parent = &TStdControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TScrollBar>,
  });
  return cls;
}

void TScrollBar::SetPosition(int value) {
  value = std::clamp(value, FMin, std::max(FMin, FMax));
  if (value == FPosition) return;
  FPosition = value;
  if (OnChange) OnChange(this);
}

TScrollMetrics TScrollBar::Metrics() const {
  if (FKind == sbHorizontal) return {Width(), Height(), FMin, FMax};
  return {Height(), Width(), FMin, FMax};
}

POINT TScrollBar::ThumbPoint(int position) const {
  const int along = Metrics().ThumbCentre(position);
  if (FKind == sbHorizontal) return {along, Height() / 2};
  return {Width() / 2, along};
}

int TScrollBar::Along(LPARAM lParam) const {
  const POINT point = PointOfMessage(lParam);
  return FKind == sbHorizontal ? point.x : point.y;
}

void TScrollBar::Send(WORD code, int thumbPosition) {
  const HWND handle = Handle();
  SendMessageA(GetParent(handle), FKind == sbHorizontal ? WM_HSCROLL : WM_VSCROLL,
               MAKEWPARAM(code, static_cast<WORD>(thumbPosition)), static_cast<LPARAM>(handle));
}

void TScrollBar::WndProc(TMessage& message) {
  auto send = [this](WORD code, int thumbPosition) { Send(code, thumbPosition); };
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      if (CanFocus()) SetFocus();
      FGesture.Press(Metrics(), Along(message.LParam), FPosition, send);
      return;
    case WM_MOUSEMOVE:
      FGesture.Move(Metrics(), Along(message.LParam), send);
      return;
    case WM_LBUTTONUP:
      FGesture.Release(Metrics(), Along(message.LParam), send);
      return;
    case WM_KEYDOWN:
      if (TScrollGesture::KeyDown(message.WParam, send)) return;
      break;
    case WM_KEYUP:
      if (TScrollGesture::KeyUp(message.WParam, send)) return;
      break;
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case CN_HSCROLL:
    case CN_VSCROLL:
      SetPosition(ScrolledPosition(LOWORD(message.WParam),
                                   static_cast<int16_t>(HIWORD(message.WParam)), FPosition,
                                   FSmallChange, FLargeChange, FMin, FMax));
      return;
  }
  TStdControl::WndProc(message);
}
