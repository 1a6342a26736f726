// The track bar: its thumb, its gestures and their reports to the parent.

#include "platform/vcl/track_bar.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::string_view kOrientationNames[] = {"trHorizontal", "trVertical"};
// The channel runs from kMargin to the length less kMargin; the thumb is kThumbLength long.
constexpr int kMargin = 12;
constexpr int kThumbLength = 10;

// The keys that move the thumb: each press is a gesture that its release ends.
bool IsTrackKey(WPARAM key) {
  switch (key) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
      return true;
    default:
      return false;
  }
}

}  // namespace

const TComponentClass& TTrackBar::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TTrackBar::Orientation, &TTrackBar::SetOrientation>(
          "Orientation", {.ValueNames = kOrientationNames, .Default = trHorizontal}),
      Published<&TTrackBar::Min, &TTrackBar::SetMin>("Min", {.Default = 0}),
      Published<&TTrackBar::Max, &TTrackBar::SetMax>("Max", {.Default = 10}),
      Published<&TTrackBar::Position, &TTrackBar::SetPosition>("Position", {.Default = 0}),
      Published<&TTrackBar::LineSize, &TTrackBar::SetLineSize>("LineSize", {.Default = 1}),
      Published<&TTrackBar::PageSize, &TTrackBar::SetPageSize>("PageSize", {.Default = 2}),
      kTabStopOnByDefault,
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TTrackBar",
      .Parent = &TStdControl::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TTrackBar>,
  });
  return cls;
}

TTrackBar::TTrackBar(TComponent* owner) : TStdControl(owner) { SetTabStop(true); }

int TTrackBar::Clamped(int64_t position) const {
  return static_cast<int>(std::clamp<int64_t>(position, FMin, std::max(FMin, FMax)));
}

void TTrackBar::SetMin(int value) {
  FMin = value;
  if (!Loading()) FPosition = Clamped(FPosition);
}

void TTrackBar::SetMax(int value) {
  FMax = value;
  if (!Loading()) FPosition = Clamped(FPosition);
}

void TTrackBar::SetPosition(int value) { FPosition = Loading() ? value : Clamped(value); }

void TTrackBar::Loaded() {
  TStdControl::Loaded();
  FPosition = Clamped(FPosition);
}

int TTrackBar::Length() const { return FOrientation == trHorizontal ? Width() : Height(); }

int TTrackBar::Along(POINT point) const { return FOrientation == trHorizontal ? point.x : point.y; }

// Positions span up to 2^32 - 1, so the products are taken in 64 bits.
POINT TTrackBar::ThumbPoint(int position) const {
  const int64_t travel = std::max(Length() - 2 * kMargin, 0);
  const int64_t range = std::max<int64_t>(int64_t{FMax} - FMin, 1);
  const int along =
      BoundedPosition(kMargin + ((int64_t{Clamped(position)} - FMin) * travel + range / 2) / range);
  if (FOrientation == trHorizontal) return {along, Height() / 2};
  return {Width() / 2, along};
}

int TTrackBar::PositionAt(int along) const {
  const int64_t travel = std::max(Length() - 2 * kMargin, 1);
  const int64_t range = std::max<int64_t>(int64_t{FMax} - FMin, 0);
  return Clamped(FMin + ((int64_t{along} - kMargin) * range + travel / 2) / travel);
}

void TTrackBar::SendScroll(WORD code) {
  const HWND handle = Handle();
  const bool thumb = code == TB_THUMBTRACK || code == TB_THUMBPOSITION;
  SendMessageA(GetParent(handle), FOrientation == trHorizontal ? WM_HSCROLL : WM_VSCROLL,
               MAKEWPARAM(code, thumb ? static_cast<WORD>(FPosition) : 0),
               static_cast<LPARAM>(handle));
}

void TTrackBar::MoveTo(int64_t position, WORD code) {
  FPosition = Clamped(position);
  SendScroll(code);
}

void TTrackBar::KeyDown(WPARAM key) {
  switch (key) {
    case VK_LEFT:
    case VK_UP:
      MoveTo(int64_t{FPosition} - FLineSize, TB_LINEUP);
      break;
    case VK_RIGHT:
    case VK_DOWN:
      MoveTo(int64_t{FPosition} + FLineSize, TB_LINEDOWN);
      break;
    case VK_PRIOR:
      MoveTo(int64_t{FPosition} - FPageSize, TB_PAGEUP);
      break;
    case VK_NEXT:
      MoveTo(int64_t{FPosition} + FPageSize, TB_PAGEDOWN);
      break;
    case VK_HOME:
      MoveTo(FMin, TB_TOP);
      break;
    case VK_END:
      MoveTo(FMax, TB_BOTTOM);
      break;
  }
}

void TTrackBar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case WM_LBUTTONDOWN: {
      if (CanFocus()) SetFocus();
      const int along = Along(PointOfMessage(message.LParam));
      const int thumb = Along(ThumbPoint(FPosition));
      FPressed = true;
      FDragging = std::abs(along - thumb) <= kThumbLength / 2;
      if (!FDragging)
        along < thumb ? MoveTo(int64_t{FPosition} - FPageSize, TB_PAGEUP)
                      : MoveTo(int64_t{FPosition} + FPageSize, TB_PAGEDOWN);
      return;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
      if (!FPressed) return;
      if (FDragging) {
        const int position = PositionAt(Along(PointOfMessage(message.LParam)));
        if (position != FPosition) MoveTo(position, TB_THUMBTRACK);
      }
      if (message.Msg == WM_MOUSEMOVE) return;
      if (FDragging) SendScroll(TB_THUMBPOSITION);
      FPressed = FDragging = false;
      SendScroll(TB_ENDTRACK);
      return;
    }
    case WM_KEYDOWN:
      if (IsTrackKey(message.WParam)) {
        KeyDown(message.WParam);
        return;
      }
      break;
    case WM_KEYUP:
      if (IsTrackKey(message.WParam)) {
        SendScroll(TB_ENDTRACK);
        return;
      }
      break;
    case TBM_GETPOS:
      message.Result = FPosition;
      return;
    case TBM_SETPOS:
      FPosition = Clamped(static_cast<int>(message.LParam));
      return;
    case TBM_GETRANGEMIN:
      message.Result = FMin;
      return;
    case TBM_GETRANGEMAX:
      message.Result = FMax;
      return;
    case CN_HSCROLL:
    case CN_VSCROLL:
      if (OnChange) OnChange(this);
      return;
  }
  TStdControl::WndProc(message);
}
