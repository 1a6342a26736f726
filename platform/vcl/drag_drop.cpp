// The drag of one control onto another: its state, the mouse and keys that drive it, the events.

#include "platform/vcl/drag_drop.h"

#include <cstdlib>
#include <utility>

#include "platform/vcl/errors.h"
#include "platform/vcl/win_control.h"

namespace {

struct TDrag {
  TControl* Source = nullptr;
  TControl* Target = nullptr;  // the control under the pointer
  bool Accepted = false;       // whether the target accepted the source when last asked
  bool Started = false;        // false until the pointer passed the threshold
  POINT Origin{};              // the press, in screen coordinates
  POINT Last{};                // the pointer, in screen coordinates
  int Threshold = kDefaultDragThreshold;
  HWND CaptureWindow = 0;
};

thread_local TDrag gDrag;

// The client point a mouse message carries.
POINT MessagePoint(LPARAM lParam) {
  return {static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(lParam))),
          static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(lParam)))};
}

POINT ScreenPointOf(HWND hwnd, LPARAM lParam) {
  POINT point = MessagePoint(lParam);
  ::ClientToScreen(hwnd, &point);
  return point;
}

POINT ClientPointOf(const TControl& control, POINT screen) {
  const POINT origin = control.ClientOrigin();
  return {screen.x - origin.x, screen.y - origin.y};
}

// The framework control under a screen point: a windowed one, or a child without a window on it.
TControl* ControlAtScreen(POINT screen) {
  TControl* control = FindControl(WindowFromPoint(screen));
  auto* container = dynamic_cast<TWinControl*>(control);
  if (!container) return control;
  TControl* child = container->ControlAtPos(ClientPointOf(*container, screen), false);
  return child ? child : control;
}

// A control without a handler never accepts.
void AskTarget(TDragState state) {
  TControl* target = gDrag.Target;
  gDrag.Accepted = false;
  if (!target->OnDragOver) return;
  bool accept = true;
  const POINT point = ClientPointOf(*target, gDrag.Last);
  target->OnDragOver(target, gDrag.Source, point.x, point.y, state, accept);
  gDrag.Accepted = accept && state != dsDragLeave;
}

void DragTo(POINT screen) {
  gDrag.Last = screen;
  TControl* target = ControlAtScreen(screen);
  if (target == gDrag.Target) {
    if (target) AskTarget(dsDragMove);
    return;
  }
  if (gDrag.Target) AskTarget(dsDragLeave);
  gDrag.Target = target;
  if (target) AskTarget(dsDragEnter);
}

void BeginMoving() {
  gDrag.Started = true;
  gDrag.Source->DragStarting();
  if (gDrag.Source && gDrag.Source->OnStartDrag) gDrag.Source->OnStartDrag(gDrag.Source);
}

bool BeyondThreshold(POINT screen) {
  return std::abs(screen.x - gDrag.Origin.x) >= gDrag.Threshold ||
         std::abs(screen.y - gDrag.Origin.y) >= gDrag.Threshold;
}

// The control whose window holds the mouse during the drag: the source's own, or its parent's.
HWND CaptureWindowOf(TControl& source) {
  auto* windowed = dynamic_cast<TWinControl*>(&source);
  if (!windowed) windowed = source.Parent();
  if (!windowed) throw EInvalidOperation("Cannot drag " + source.Name() + ": it has no window");
  return windowed->Handle();
}

// Readies a drag from a press at `origin` (screen coordinates).
void Ready(TControl& source, POINT origin, bool immediate, int threshold) {
  if (gDrag.Source) return;  // one drag at a time
  const HWND capture = CaptureWindowOf(source);
  gDrag = TDrag{.Source = &source,
                .Origin = origin,
                .Last = origin,
                .Threshold = threshold < 0 ? kDefaultDragThreshold : threshold,
                .CaptureWindow = capture};
  SetCapture(capture);
  if (immediate) {
    BeginMoving();
    if (gDrag.Source) DragTo(origin);
  }
}

}  // namespace

void StartDragging(TControl& source, bool immediate, int threshold) {
  POINT cursor{};
  GetCursorPos(&cursor);
  Ready(source, cursor, immediate, threshold);
}

void FinishDragging(bool drop) {
  if (!gDrag.Source) return;
  const TDrag drag = std::exchange(gDrag, TDrag{});
  if (GetCapture() == drag.CaptureWindow) ReleaseCapture();
  if (!drag.Started) return;
  TControl* target = drop && drag.Accepted ? drag.Target : nullptr;
  if (target && target->OnDragDrop) {
    const POINT point = ClientPointOf(*target, drag.Last);
    target->OnDragDrop(target, drag.Source, point.x, point.y);
  } else if (drag.Target && drag.Target->OnDragOver) {
    // The target that was asked last hears that the source left it without being dropped.
    bool accept = false;
    const POINT point = ClientPointOf(*drag.Target, drag.Last);
    drag.Target->OnDragOver(drag.Target, drag.Source, point.x, point.y, dsDragLeave, accept);
  }
  if (drag.Source->OnEndDrag) {
    const POINT point = target ? ClientPointOf(*target, drag.Last) : POINT{0, 0};
    drag.Source->OnEndDrag(drag.Source, target, point.x, point.y);
  }
}

TControl* DragSource() { return gDrag.Source; }

bool HandleDragMessage(HWND hwnd, TControl& control, TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN: {
      if (gDrag.Source) return false;
      TControl* pressed = &control;
      if (auto* container = dynamic_cast<TWinControl*>(&control))
        if (TControl* child = container->ControlAtPos(MessagePoint(message.LParam), false))
          pressed = child;
      if (pressed->DragMode() == dmAutomatic && !pressed->ComponentState().Contains(csDesigning))
        Ready(*pressed, ScreenPointOf(hwnd, message.LParam), false, -1);
      return false;  // the control still handles its press
    }
    case WM_MOUSEMOVE: {
      if (!gDrag.Source) return false;
      const POINT screen = ScreenPointOf(hwnd, message.LParam);
      if (!gDrag.Started) {
        if (!BeyondThreshold(screen)) return false;
        BeginMoving();
        if (!gDrag.Source) return true;  // OnStartDrag ended it
      }
      DragTo(screen);
      return true;
    }
    case WM_LBUTTONUP:
      if (!gDrag.Source) return false;
      if (gDrag.Started) DragTo(ScreenPointOf(hwnd, message.LParam));
      FinishDragging(true);
      return false;  // the control sees the release, as it saw the press
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
      if (!gDrag.Started || (message.Msg == WM_KEYDOWN && message.WParam != VK_ESCAPE))
        return false;
      FinishDragging(false);
      return true;
  }
  return false;
}

void ForgetDragControl(const TControl& control) {
  if (gDrag.Source == &control) {
    if (GetCapture() == gDrag.CaptureWindow) ReleaseCapture();
    gDrag = TDrag{};
  } else if (gDrag.Target == &control) {
    gDrag.Target = nullptr;
    gDrag.Accepted = false;
  }
}
