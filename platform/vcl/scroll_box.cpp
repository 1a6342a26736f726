// TScrollBox: bars at its edges and scrolling of its controls.

#include "platform/vcl/scroll_box.h"

#include <algorithm>

// ---- TControlScrollBar --------------------------------------------------------------------------

int TControlScrollBar::ClientLength() const { return FVertical ? FBox.Height() : FBox.Width(); }

int TControlScrollBar::Range() const {
  int range = 0;
  for (int i = 0; i < FBox.ControlCount(); ++i) {
    const TControl* c = FBox.Controls(i);
    range = std::max(range, FVertical ? c->Top() + c->Height() : c->Left() + c->Width());
  }
  return range + FPosition;
}

int TControlScrollBar::MaxPosition() const { return std::max(Range() - ClientLength(), 0); }

void TControlScrollBar::SetPosition(int value) {
  value = std::clamp(value, 0, MaxPosition());
  const int delta = value - FPosition;
  if (delta == 0) return;
  FPosition = value;
  for (int i = 0; i < FBox.ControlCount(); ++i) {
    TControl* c = FBox.Controls(i);
    if (FVertical)
      c->SetTop(c->Top() - delta);
    else
      c->SetLeft(c->Left() - delta);
  }
}

TScrollMetrics TControlScrollBar::Metrics() const {
  return {ClientLength(), TScrollBox::kBarSize, 0, MaxPosition()};
}

POINT TControlScrollBar::ThumbPoint(int position) const {
  const int along = Metrics().ThumbCentre(position);
  constexpr int kMiddle = TScrollBox::kBarSize / 2;
  if (FVertical) return {FBox.Width() - kMiddle, along};
  return {along, FBox.Height() - kMiddle};
}

// ---- TScrollBox ---------------------------------------------------------------------------------

const TComponentClass& TScrollBox::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TScrollBox",
      .Parent = &TStdControl::StaticClass(),
      .Create = &ConstructComponent<TScrollBox>,
  });
  return cls;
}

TScrollBox::TScrollBox(TComponent* owner) : TStdControl(owner) {}

TControlScrollBar* TScrollBox::BarAt(POINT point) {
  if (FVert.MaxPosition() > 0 && point.x >= Width() - kBarSize) return &FVert;
  if (FHorz.MaxPosition() > 0 && point.y >= Height() - kBarSize) return &FHorz;
  return nullptr;
}

void TScrollBox::Send(const TControlScrollBar& bar, WORD code, int thumbPosition) {
  SendMessageA(Handle(), bar.FVertical ? WM_VSCROLL : WM_HSCROLL,
               MAKEWPARAM(code, static_cast<WORD>(thumbPosition)), 0);
}

// A press on a bar, and the moves and the release that follow it, make that bar's gesture.
bool TScrollBox::BarGesture(const TMessage& message) {
  const POINT point = PointOfMessage(message.LParam);
  if (message.Msg == WM_LBUTTONDOWN) FPressedBar = BarAt(point);
  if (!FPressedBar) return false;
  TControlScrollBar& bar = *FPressedBar;
  const int along = bar.FVertical ? point.y : point.x;
  auto send = [&](WORD code, int thumb) { Send(bar, code, thumb); };
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      bar.FGesture.Press(bar.Metrics(), along, bar.FPosition, send);
      break;
    case WM_MOUSEMOVE:
      bar.FGesture.Move(bar.Metrics(), along, send);
      break;
    default:
      FPressedBar = nullptr;
      bar.FGesture.Release(bar.Metrics(), along, send);
  }
  return true;
}

void TScrollBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      if (BarGesture(message)) return;
      break;
    case WM_HSCROLL:
    case WM_VSCROLL: {
      if (message.LParam != 0) break;  // from a scroll bar control inside
      TControlScrollBar& bar = message.Msg == WM_VSCROLL ? FVert : FHorz;
      constexpr int kLine = 8;
      bar.SetPosition(ScrolledPosition(LOWORD(message.WParam),
                                       static_cast<int16_t>(HIWORD(message.WParam)), bar.FPosition,
                                       kLine, bar.ClientLength(), 0, bar.MaxPosition()));
      return;
    }
  }
  TStdControl::WndProc(message);
}
