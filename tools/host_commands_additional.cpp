// The session-script commands for splitters (and any control the mouse drags) and check list
// boxes. Speed buttons need none of their own: click, press and release reach them through their
// parent's window, as the mouse does.

#include "platform/vcl/additional_controls.h"
#include "platform/vcl/user_actions.h"
#include "platform/vcl/user_actions_additional.h"
#include "tools/control_cast.h"
#include "tools/host_commands.h"

namespace {

int Number(const TScriptArg& arg) { return StrToInt(arg.Text); }

}  // namespace

// Presses on the control's centre and moves by DX DY in a few steps before the release.
void THostCommands::Drag(const TScriptCommand& command) {
  const TControl& control = ShownControlAt(command.Args[0].Text);
  const POINT centre{control.Width() / 2, control.Height() / 2};
  const POINT end{SaturatedSum(centre.x, Number(command.Args[1])),
                  SaturatedSum(centre.y, Number(command.Args[2]))};
  SimulateUserDrag(control, centre, end);
}

void THostCommands::Check(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  auto& list = ControlAs<TCheckListBox>(ShownControlAt(path), path, "check list box");
  const TScriptArg& item = command.Args[1];
  const int index = item.Quoted ? list.Items()->IndexOf(item.Text) : Number(item);
  if (index < 0 && item.Quoted) throw Exception(path + " has no item \"" + item.Text + "\"");
  SimulateCheckClick(list, index);
}
