#pragma once
// What scroll bars have in common, whether a control of their own or a bar at the edge of a
// scrolling container: the geometry of arrows, track and thumb, and the gestures of the mouse and
// keys. A press on an arrow or on the track scrolls at once (SB_LINEUP, SB_PAGEDOWN, ...); a
// press on the thumb drags it: each move that brings the thumb to another position reports it
// (SB_THUMBTRACK), and the release reports the position reached (SB_THUMBPOSITION); either
// gesture ends with SB_ENDSCROLL at the release. A key scrolls when pressed and ends its gesture
// when released.

#include <functional>

#include "platform/win32/controls_messages.h"

// A bar along one axis: `Length` and `Thickness` in pixels (the arrows and the thumb are
// `Thickness` long), scrolling from `Min` to `Max`.
struct TScrollMetrics {
  int Length = 0;
  int Thickness = 0;
  int Min = 0;
  int Max = 0;

  // Where along the bar the thumb's centre lies at a position.
  int ThumbCentre(int position) const;
  // The position whose thumb centre lies nearest to a point along the bar. Every position can be
  // reached while the thumb has at least a pixel of travel per position.
  int PositionAt(int along) const;
};

// The position a scroll code leads to, within Min and Max.
int ScrolledPosition(WORD code, int thumbPosition, int position, int smallChange, int largeChange,
                     int min, int max);

class TScrollGesture {
 public:
  // Sends a scroll code with the thumb position (0 for codes without one).
  using TSend = std::function<void(WORD code, int thumbPosition)>;

  void Press(const TScrollMetrics& metrics, int along, int position, const TSend& send);
  void Move(const TScrollMetrics& metrics, int along, const TSend& send);
  void Release(const TScrollMetrics& metrics, int along, const TSend& send);
  // A key press scrolls; its release ends the gesture. Answers whether the key scrolls.
  static bool KeyDown(WPARAM key, const TSend& send);
  static bool KeyUp(WPARAM key, const TSend& send);

 private:
  // Reports the thumb's position at a point of a drag unless it is the one last reported.
  void Track(const TScrollMetrics& metrics, int along, const TSend& send);

  bool FActive = false;
  bool FDragging = false;
  int FTracked = 0;  // the position the dragged thumb was last reported at
};
