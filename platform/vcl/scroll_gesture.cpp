// Scroll bar geometry and gestures.

#include "platform/vcl/scroll_gesture.h"

#include <algorithm>
#include <cstdlib>

#include "platform/win32/windows.h"

namespace {

int KeyCode(WPARAM key) {
  switch (key) {
    case VK_UP:
    case VK_LEFT:
      return SB_LINEUP;
    case VK_DOWN:
    case VK_RIGHT:
      return SB_LINEDOWN;
    case VK_PRIOR:
      return SB_PAGEUP;
    case VK_NEXT:
      return SB_PAGEDOWN;
    case VK_HOME:
      return SB_TOP;
    case VK_END:
      return SB_BOTTOM;
    default:
      return -1;
  }
}

}  // namespace

// Positions span up to 2^32 - 1 and bars are at most kMaxCoordinate long, so the products are
// taken in 64 bits.
int TScrollMetrics::ThumbCentre(int position) const {
  const int64_t travel = std::max<int64_t>(int64_t{Length} - 3 * int64_t{Thickness}, 0);
  const int64_t range = std::max<int64_t>(int64_t{Max} - Min, 1);
  const int64_t offset =
      ((int64_t{std::clamp(position, Min, std::max(Min, Max))} - Min) * travel + range / 2) / range;
  return BoundedPosition(Thickness + offset + Thickness / 2);
}

int TScrollMetrics::PositionAt(int along) const {
  const int64_t travel = std::max<int64_t>(int64_t{Length} - 3 * int64_t{Thickness}, 1);
  const int64_t offset = int64_t{along} - Thickness - Thickness / 2;
  const int64_t position = Min + (offset * (int64_t{Max} - Min) + travel / 2) / travel;
  return static_cast<int>(std::clamp<int64_t>(position, Min, std::max(Min, Max)));
}

int ScrolledPosition(WORD code, int thumbPosition, int current, int smallChange, int largeChange,
                     int min, int max) {
  int64_t position = current;  // a step may take it beyond the 32-bit range before it is clamped
  switch (code) {
    case SB_LINEUP:
      position -= smallChange;
      break;
    case SB_LINEDOWN:
      position += smallChange;
      break;
    case SB_PAGEUP:
      position -= largeChange;
      break;
    case SB_PAGEDOWN:
      position += largeChange;
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      position = thumbPosition;
      break;
    case SB_TOP:
      position = min;
      break;
    case SB_BOTTOM:
      position = max;
      break;
    default:
      break;
  }
  return static_cast<int>(std::clamp<int64_t>(position, min, std::max(min, max)));
}

void TScrollGesture::Press(const TScrollMetrics& metrics, int along, int position,
                           const TSend& send) {
  FActive = true;
  const int thumb = metrics.ThumbCentre(position);
  FDragging = std::abs(along - thumb) <= metrics.Thickness / 2;
  FTracked = position;
  if (FDragging) return;
  if (along < metrics.Thickness)
    send(SB_LINEUP, 0);
  else if (along >= metrics.Length - metrics.Thickness)
    send(SB_LINEDOWN, 0);
  else
    send(along < thumb ? SB_PAGEUP : SB_PAGEDOWN, 0);
}

void TScrollGesture::Track(const TScrollMetrics& metrics, int along, const TSend& send) {
  const int position = metrics.PositionAt(along);
  if (position == FTracked) return;
  FTracked = position;
  send(SB_THUMBTRACK, position);
}

void TScrollGesture::Move(const TScrollMetrics& metrics, int along, const TSend& send) {
  if (FActive && FDragging) Track(metrics, along, send);
}

void TScrollGesture::Release(const TScrollMetrics& metrics, int along, const TSend& send) {
  if (!FActive) return;
  if (FDragging) {
    Track(metrics, along, send);  // the pointer may have moved on since the last move
    send(SB_THUMBPOSITION, FTracked);
  }
  FActive = FDragging = false;
  send(SB_ENDSCROLL, 0);
}

bool TScrollGesture::KeyDown(WPARAM key, const TSend& send) {
  const int code = KeyCode(key);
  if (code < 0) return false;
  send(static_cast<WORD>(code), 0);
  return true;
}

bool TScrollGesture::KeyUp(WPARAM key, const TSend& send) {
  if (KeyCode(key) < 0) return false;
  send(SB_ENDSCROLL, 0);
  return true;
}
