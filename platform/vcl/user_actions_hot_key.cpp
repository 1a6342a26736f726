// Entering a shortcut into a hot-key control through the simulated keyboard.

#include "platform/vcl/user_actions_hot_key.h"

#include "platform/vcl/hot_key.h"
#include "platform/vcl/user_actions.h"

void SimulateHotKeyEntry(THotKey& control, TShortCut shortCut) {
  control.SetFocus();
  ProcessPendingMessages();
  if (shortCut == 0)
    SimulateTypedKeyStroke(VK_BACK);
  else
    SimulateTypedKeyStroke(static_cast<BYTE>(shortCut & 0xFF), (shortCut & scShift) != 0,
                           (shortCut & scCtrl) != 0, (shortCut & scAlt) != 0);
  SimulateTypedKeyStroke(VK_TAB);
}
