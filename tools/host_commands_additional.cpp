// The session-script commands for splitters (and any control the mouse drags), check list boxes
// and drops of one control on another. Speed buttons need none of their own: click, press and
// release reach them through their parent's window, as the mouse does.

#include <cstdlib>

#include "platform/vcl/additional_controls.h"
#include "platform/vcl/drag_drop.h"
#include "platform/vcl/user_actions.h"
#include "platform/vcl/user_actions_additional.h"
#include "tools/control_cast.h"
#include "tools/host_commands.h"

// Presses on the control's centre and moves by DX DY in a few steps before the release.
void THostCommands::Drag(const TScriptCommand& command) {
  const TControl& control = ShownControlAt(command.Args[0].Text);
  const POINT centre{control.Width() / 2, control.Height() / 2};
  const POINT end{SaturatedSum(centre.x, command.Args[1].Number()),
                  SaturatedSum(centre.y, command.Args[2].Number())};
  SimulateUserDrag(control, centre, end);
}

void THostCommands::Check(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  auto& list = ControlAs<TCheckListBox>(ShownControlAt(path), path, "check list box");
  SimulateCheckClick(list, ItemIndex(path, *list.Items(), command.Args[1]));
}

POINT THostCommands::ItemRowCentre(const std::string& path, TListBox& list,
                                   const TScriptArg& item) {
  const int index = ItemIndex(path, *list.Items(), item);
  if (index < 0 || index >= list.Items()->Count())
    throw Exception(Format("%s has no item %d", path, index));
  list.ScrollIntoView(index);
  const RECT row = list.ItemRect(index);
  return {(row.left + row.right) / 2, (row.top + row.bottom) / 2};
}

// Presses on the source (on the item's row, or the centre), moves to the target's centre in a few
// steps and releases there. A release within the drag threshold of the press would be a click, so
// the pointer first moves that far away: a control dragged onto itself is dragged all the same.
void THostCommands::Drop(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  TControl& source = ShownControlAt(path);
  const TControl& target = ShownControlAt(command.Args[1].Text);
  POINT from{source.Width() / 2, source.Height() / 2};
  if (command.Args.size() == 3)
    from = ItemRowCentre(path, ControlAs<TListBox>(source, path, "list box"), command.Args[2]);
  const POINT start = source.ClientToScreen(from);
  const POINT end = target.ClientToScreen({target.Width() / 2, target.Height() / 2});
  SimulateMouseDown(TMouseButton::mbLeft, start);
  ProcessPendingMessages();
  POINT at = start;
  if (std::abs(end.x - start.x) < kDefaultDragThreshold &&
      std::abs(end.y - start.y) < kDefaultDragThreshold) {
    at = {start.x + kDefaultDragThreshold, start.y};
    SimulatePointerMoves(start, at);
  }
  SimulatePointerMoves(at, end);
  SimulateMouseUp(TMouseButton::mbLeft, end);
  ProcessPendingMessages();
}
