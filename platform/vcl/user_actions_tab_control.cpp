// Clicking tabs through the simulated mouse.

#include "platform/vcl/user_actions_tab_control.h"

#include "platform/vcl/errors.h"
#include "platform/vcl/tab_controls.h"
#include "platform/vcl/user_actions.h"

void SimulateTabChoice(TCustomTabControl& control, int index) {
  if (index < 0 || index >= control.Tabs()->Count())
    throw EInvalidOperation(Format("%s has no tab %d", control.Name(), index));
  const RECT r = control.TabRect(index);
  if (r.right <= r.left)
    throw EInvalidOperation(
        Format("The tab %d of %s has no room to be clicked", index, control.Name()));
  SimulateUserClick(TMouseButton::mbLeft,
                    control.ClientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
}
