// User actions on the additional controls through the simulated input.

#include "platform/vcl/user_actions_additional.h"

#include "platform/vcl/check_list_box.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/user_actions.h"

void SimulateCheckClick(TCheckListBox& list, int index) {
  if (index < 0 || index >= list.Items()->Count())
    throw EInvalidOperation(Format("%s has no item %d", list.Name(), index));
  list.ScrollIntoView(index);
  const RECT item = list.ItemRect(index);
  SimulateClickAt(list, {item.left + list.ItemHeight() / 2, (item.top + item.bottom) / 2});
}
