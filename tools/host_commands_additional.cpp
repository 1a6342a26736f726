// The session-script commands for splitters (and any control the mouse drags) and check list
// boxes. Speed buttons need none of their own: click, press and release reach them through their
// parent's window, as the mouse does.

#include "platform/vcl/additional_controls.h"
#include "platform/vcl/user_actions.h"
#include "platform/vcl/user_actions_additional.h"
#include "tools/control_cast.h"
#include "tools/host_commands.h"

namespace {}  // namespace

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
  const TScriptArg& item = command.Args[1];
  const int index = item.Quoted ? list.Items()->IndexOf(item.Text) : item.Number();
  if (index < 0 && item.Quoted) throw Exception(path + " has no item \"" + item.Text + "\"");
  SimulateCheckClick(list, index);
}
