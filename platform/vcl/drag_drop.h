#pragma once
// Dragging one control onto another with the left button, one drag at a time per thread. A drag
// starts at once, or once the pointer has moved a few pixels from the press; from then on the
// source's window holds the mouse, each move asks the control under the pointer (OnDragOver:
// entering, moving over, leaving) whether it accepts the source, and the release drops the
// source on that control when it accepted (OnDragDrop). Esc or the right button cancels. The
// source hears of the end with the control it was dropped on, or none (OnEndDrag).

#include "platform/vcl/control.h"

// How far the pointer moves from the press, either way, before a drag starts, unless the drag
// names a threshold of its own.
constexpr int kDefaultDragThreshold = 5;

// The drag of TControl::BeginDrag; raises EInvalidOperation for a control without a window to
// hold the mouse (neither its own nor a parent's).
void StartDragging(TControl& source, bool immediate, int threshold);
// Ends the drag under way, dropping the source where the pointer is when `drop` and that control
// accepted it.
void FinishDragging(bool drop);
// The control being dragged (or about to be, before the threshold), or nullptr.
TControl* DragSource();

// Offered each message of a framework window before its control handles it: a press on a control
// whose DragMode is dmAutomatic readies a drag, and while one is under way the drag takes the
// mouse moves and Esc. Answers whether the message was used up.
bool HandleDragMessage(HWND hwnd, TControl& control, TMessage& message);
// The control is being destroyed: a drag from it ends without a word to it, and it is no longer
// the control under the pointer.
void ForgetDragControl(const TControl& control);
