// The session-script commands for header controls, tool bars, tree views and list views.

#include "platform/vcl/comctrls.h"
#include "platform/vcl/user_actions.h"
#include "platform/vcl/user_actions_views.h"
#include "tools/control_cast.h"
#include "tools/host_commands.h"
#include "tools/host_keys.h"

namespace {

bool IsIndex(const TScriptArg& arg) {
  return !arg.Quoted && !arg.Text.empty() &&
         arg.Text.find_first_not_of("0123456789") == std::string::npos;
}

// Types the text into the focused window, key by key, then Enter (or Esc for no text).
void TypeAndFinish(const std::string* text) {
  if (text)
    for (char c : *text) {
      const TKeyStroke stroke = *KeyForCharacter(c);
      SimulateTypedKeyStroke(stroke.Key, stroke.Shift, stroke.Ctrl, stroke.Alt);
    }
  SimulateTypedKeyStroke(text ? VK_RETURN : VK_ESCAPE);
}

}  // namespace

bool THostCommands::SelectInView(const TScriptCommand& command) {
  TControl& control = ShownControlAt(command.Args[0].Text);
  const TScriptArg& item = command.Args[1];
  if (auto* tree = dynamic_cast<TTreeView*>(&control)) {
    SimulateTreeSelect(*tree, ShownTreeNode(*tree, item.Text));
    return true;
  }
  if (auto* view = dynamic_cast<TListView*>(&control)) {
    SimulateListViewSelect(*view, ListViewItemIndex(*view, item.Text, IsIndex(item)));
    return true;
  }
  return false;
}

void THostCommands::Expand(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  auto& tree = ControlAs<TTreeView>(ShownControlAt(path), path, "tree view");
  SimulateTreeExpand(tree, ShownTreeNode(tree, command.Args[1].Text), command.Name == "expand");
}

void THostCommands::Rename(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  TControl& control = ShownControlAt(path);
  const TScriptArg& item = command.Args[1];
  if (auto* tree = dynamic_cast<TTreeView*>(&control)) {
    SimulateBeginTreeEdit(*tree, ShownTreeNode(*tree, item.Text));
  } else {
    auto& view = ControlAs<TListView>(control, path, "tree view or list view");
    SimulateBeginListViewEdit(view, ListViewItemIndex(view, item.Text, IsIndex(item)));
  }
  const TScriptArg& text = command.Args[2];
  TypeAndFinish(text.Quoted ? &text.Text : nullptr);
}

void THostCommands::Column(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  SimulateColumnClick(ControlAs<TListView>(ShownControlAt(path), path, "list view"),
                      StrToInt(command.Args[1].Text));
}

void THostCommands::Section(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  auto& header = ControlAs<THeaderControl>(ShownControlAt(path), path, "header control");
  if (command.Name == "section")
    SimulateSectionClick(header, StrToInt(command.Args[1].Text));
  else
    SimulateSectionResize(header, StrToInt(command.Args[1].Text), StrToInt(command.Args[2].Text));
}

void THostCommands::DropDown(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  auto& button = ControlAs<TToolButton>(ShownControlAt(path), path, "tool button");
  SimulateToolDropDown(button, command.Args.size() > 1 ? &command.Args[1].Text : nullptr);
}
