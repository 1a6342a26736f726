// Clicking a page scroller's arrows through the simulated mouse.

#include "platform/vcl/user_actions_page_scroller.h"

#include "platform/vcl/errors.h"
#include "platform/vcl/page_scroller.h"
#include "platform/vcl/user_actions.h"

namespace {

const char* DirectionName(int direction) {
  switch (direction) {
    case PGF_SCROLLUP:
      return "up";
    case PGF_SCROLLDOWN:
      return "down";
    case PGF_SCROLLLEFT:
      return "left";
    default:
      return "right";
  }
}

}  // namespace

void SimulatePageScroll(TPageScroller& scroller, int direction) {
  const bool horizontal = direction == PGF_SCROLLLEFT || direction == PGF_SCROLLRIGHT;
  if (horizontal != (scroller.Orientation() == soHorizontal))
    throw EInvalidOperation(
        Format("%s has no %s arrow: it scrolls %s", scroller.Name(), DirectionName(direction),
               scroller.Orientation() == soHorizontal ? "left and right" : "up and down"));
  const TPageScrollerButton button =
      direction == PGF_SCROLLUP || direction == PGF_SCROLLLEFT ? sbFirst : sbLast;
  if (!scroller.ButtonVisible(button))
    throw EInvalidOperation(
        Format("%s cannot scroll further %s", scroller.Name(), DirectionName(direction)));
  SimulateUserClick(TMouseButton::mbLeft, scroller.ClientToScreen(scroller.ButtonPoint(button)));
}
