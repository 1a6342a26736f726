// Clicking an up-down's arrows through the simulated mouse.

#include "platform/vcl/user_actions_up_down.h"

#include "platform/vcl/errors.h"
#include "platform/vcl/user_actions.h"

void SimulateSpin(TUpDown& upDown, TUDBtnType button, int count) {
  if (count < 1) throw EInvalidOperation(Format("Cannot click %s %d times", upDown.Name(), count));
  for (int i = 0; i < count; ++i)
    SimulateUserClick(TMouseButton::mbLeft, upDown.ClientToScreen(upDown.ButtonPoint(button)));
}
