// The session-script commands for grids and outlines.

#include "platform/vcl/additional_controls.h"
#include "platform/vcl/user_actions_grids.h"
#include "tools/control_cast.h"
#include "tools/host_commands.h"

namespace {}  // namespace

bool THostCommands::SelectInOutline(const TScriptCommand& command) {
  auto* outline = dynamic_cast<TCustomOutline*>(&ShownControlAt(command.Args[0].Text));
  if (!outline) return false;
  const TScriptArg& item = command.Args[1];
  SimulateOutlineChoice(*outline, OutlineItemIndex(*outline, item.Text, !item.Quoted));
  return true;
}

void THostCommands::Cell(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  auto& grid = ControlAs<TCustomGrid>(ShownControlAt(path), path, "grid");
  SimulateCellClick(grid, command.Args[1].Number(), command.Args[2].Number());
}

void THostCommands::Edit(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  auto& grid = ControlAs<TCustomGrid>(ShownControlAt(path), path, "grid");
  const bool byClick = command.Args.size() == 5 && command.Args[4].Text == "click";
  SimulateCellEdit(grid, command.Args[1].Number(), command.Args[2].Number(), command.Args[3].Text,
                   byClick ? TEditLeave::Click : TEditLeave::Enter);
}
