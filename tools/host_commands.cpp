// The session-script commands.

#include "tools/host_commands.h"

#include <exception>
#include <utility>

#include "capture/tracebook_component.h"
#include "families/qv_utils.h"
#include "platform/mmsystem.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/forms.h"
#include "platform/vcl/stdctrls.h"
#include "platform/vcl/user_actions.h"
#include "platform/vcl/utility_window.h"
#include "platform/win32/input.h"
#include "tools/control_cast.h"
#include "tools/host_keys.h"
#include "tools/host_properties.h"

namespace {

constexpr UINT kRunHandler = WM_USER + 1;

using TCommandMethod = void (THostCommands::*)(const TScriptCommand&);

struct TCommandEntry {
  std::string_view Name;
  TCommandMethod Method;
};

std::exception_ptr MakeException(const std::string& className, const std::string& message,
                                 int32_t code) {
  if (className == "EInOutError") return std::make_exception_ptr(EInOutError(message, code));
  if (className == "EWin32Error") return std::make_exception_ptr(EWin32Error(message, code));
  if (className == "EOleSysError") return std::make_exception_ptr(EOleSysError(message, code));
  if (className == "EOleException")
    return std::make_exception_ptr(EOleException(message, code, ""));
  return std::make_exception_ptr(Exception(message));
}

void Stroke(const TKeyStroke& stroke) {
  SimulateTypedKeyStroke(stroke.Key, stroke.Shift, stroke.Ctrl, stroke.Alt);
}

// The items of a list box, combo box or radio group.
const TStrings* ItemsOf(TControl& control) {
  if (auto* list = dynamic_cast<TListBox*>(&control)) return list->Items();
  if (auto* combo = dynamic_cast<TComboBox*>(&control)) return combo->Items();
  if (auto* group = dynamic_cast<TRadioGroup*>(&control)) return group->Items();
  return nullptr;
}

}  // namespace

THostCommands::THostCommands(const std::vector<std::unique_ptr<TComponent>>& roots,
                             std::string scriptName)
    : FRoots(roots), FScriptName(std::move(scriptName)) {
  FHandlerWindow = AllocateHWnd([this](TMessage& message) {
    if (message.Msg != kRunHandler || FPendingHandlers.empty()) return;
    std::function<void()> code = std::move(FPendingHandlers.front());
    FPendingHandlers.pop_front();
    code();
  });
}

THostCommands::~THostCommands() { DeallocateHWnd(FHandlerWindow); }

void THostCommands::Run(const TScriptCommand& command) {
  static constexpr TCommandEntry kCommands[] = {
      {"click", &THostCommands::Click},
      {"rclick", &THostCommands::Click},
      {"dblclick", &THostCommands::Click},
      {"press", &THostCommands::Press},
      {"release", &THostCommands::Press},
      {"focus", &THostCommands::Focus},
      {"type", &THostCommands::Type},
      {"key", &THostCommands::Key},
      {"menu", &THostCommands::Menu},
      {"popup", &THostCommands::Popup},
      {"select", &THostCommands::Select},
      {"scroll", &THostCommands::Scroll},
      {"move", &THostCommands::Move},
      {"maximize", &THostCommands::Frame},
      {"minimize", &THostCommands::Frame},
      {"restore", &THostCommands::Frame},
      {"activate", &THostCommands::Frame},
      {"set", &THostCommands::Set},
      {"raise", &THostCommands::Raise},
      {"message", &THostCommands::Marker},
      {"enter", &THostCommands::Marker},
      {"leave", &THostCommands::Marker},
      {"separator", &THostCommands::Marker},
      {"start", &THostCommands::StartStop},
      {"stop", &THostCommands::StartStop},
      {"wait", &THostCommands::Wait},
      {"slide", &THostCommands::Slide},
      {"spin", &THostCommands::Spin},
      {"hotkey", &THostCommands::HotKey},
      {"date", &THostCommands::Date},
      {"pagescroll", &THostCommands::PageScroll},
      // header controls, tool bars, tree views and list views
      {"expand", &THostCommands::Expand},
      {"collapse", &THostCommands::Expand},
      {"rename", &THostCommands::Rename},
      {"column", &THostCommands::Column},
      {"section", &THostCommands::Section},
      {"resize", &THostCommands::Section},
      {"dropdown", &THostCommands::DropDown},
      // grids
      {"cell", &THostCommands::Cell},
      {"edit", &THostCommands::Edit},
      // splitters (and any control the mouse drags) and check list boxes
      {"drag", &THostCommands::Drag},
      {"check", &THostCommands::Check},
      {"drop", &THostCommands::Drop},
  };
  try {
    for (const TCommandEntry& entry : kCommands)
      if (entry.Name == command.Name) (this->*entry.Method)(command);
    Application().ProcessMessages();
  } catch (const std::exception& e) {
    throw EParserError(FScriptName, command.Line, e.what());
  }
}

// ---- paths --------------------------------------------------------------------------------------

namespace {

// The unnamed child control of `container` that the log names `name` (its class name less the
// first letter), or nullptr.
TComponent* UnnamedChild(TComponent& container, const std::string& name) {
  auto* windowed = dynamic_cast<TWinControl*>(&container);
  for (int i = 0; windowed && i < windowed->ControlCount(); ++i) {
    TControl* child = windowed->Controls(i);
    if (child->Name().empty() && SameText(ElementName(*child), name)) return child;
  }
  return nullptr;
}

}  // namespace

TComponent* THostCommands::TopLevelAt(const std::string& name) const {
  if (name.empty()) return nullptr;
  TComponent* found = nullptr;
  for (const auto& root : FRoots)
    if (SameText(root->Name(), name)) found = root.get();
  for (int i = 0; !found && i < Screen().FormCount(); ++i)
    if (SameText(Screen().Forms(i)->Name(), name)) found = Screen().Forms(i);
  return found;
}

// Each name after the first is a component of the top-level object that lies inside the one
// before it: a control's parent, or the top-level object for components without a parent. An
// unnamed control is named as the log names it, by its class name less the first letter.
TComponent& THostCommands::ComponentAt(const std::string& path) const {
  size_t end = path.find('.');
  const std::string first = path.substr(0, end);
  TComponent* current = TopLevelAt(first);
  if (!current) throw Exception("Unknown form " + first);
  TComponent& root = *current;
  while (end != std::string::npos) {
    const size_t start = end + 1;
    end = path.find('.', start);
    const std::string name = path.substr(start, end == std::string::npos ? end : end - start);
    TComponent* next = name.empty() ? nullptr : root.FindComponent(name);
    TComponent* container = next && next->HasParent() ? next->GetParentComponent() : &root;
    if (!next || container != current) next = name.empty() ? nullptr : UnnamedChild(*current, name);
    if (!next) throw Exception(Format("%s has no component %s", path.substr(0, start - 1), name));
    current = next;
  }
  return *current;
}

TControl& THostCommands::ControlAt(const std::string& path) const {
  auto* control = dynamic_cast<TControl*>(&ComponentAt(path));
  if (!control) throw Exception(path + " is not a control");
  return *control;
}

TControl& THostCommands::ShownControlAt(const std::string& path) const {
  TControl& control = ControlAt(path);
  for (const TControl* c = &control; c; c = c->Parent())
    if (!c->Visible()) throw Exception(path + " is not visible");
  return control;
}

TCustomForm& THostCommands::ShownFormAt(const std::string& path) const {
  auto* form = dynamic_cast<TCustomForm*>(&ComponentAt(path));
  if (!form) throw Exception(path + " is not a form");
  if (!form->Visible()) throw Exception(path + " is not visible");
  return *form;
}

TKDTracebook* FindTracebook(const std::vector<std::unique_ptr<TComponent>>& roots) {
  for (const auto& root : roots) {
    if (auto* tracebook = dynamic_cast<TKDTracebook*>(root.get())) return tracebook;
    for (int i = 0; i < root->ComponentCount(); ++i)
      if (auto* tracebook = dynamic_cast<TKDTracebook*>(root->Components(i))) return tracebook;
  }
  return nullptr;
}

TKDTracebook& THostCommands::Tracebook() const {
  TKDTracebook* tracebook = FindTracebook(FRoots);
  if (!tracebook) throw Exception("The form file has no TKDTracebook");
  return *tracebook;
}

POINT THostCommands::PointOf(const TScriptCommand& command) const {
  const TControl& control = ShownControlAt(command.Args[0].Text);
  POINT point{control.Width() / 2, control.Height() / 2};
  if (command.Args.size() == 3) point = {command.Args[1].Number(), command.Args[2].Number()};
  return control.ClientToScreen(point);
}

void THostCommands::RunAsEventHandler(std::function<void()> code) {
  FPendingHandlers.push_back(std::move(code));
  PostMessageA(FHandlerWindow, kRunHandler, 0, 0);
}

// ---- the user -----------------------------------------------------------------------------------

void THostCommands::Click(const TScriptCommand& command) {
  const TMouseButton button =
      command.Name == "rclick" ? TMouseButton::mbRight : TMouseButton::mbLeft;
  SimulateUserClick(button, PointOf(command), command.Name == "dblclick");
}

void THostCommands::Press(const TScriptCommand& command) {
  if (command.Name == "press") {
    SimulateMouseDown(TMouseButton::mbLeft, PointOf(command));
  } else {
    SimulateMouseUp(TMouseButton::mbLeft, PointOf(command));
  }
}

void THostCommands::Focus(const TScriptCommand& command) {
  auto* control = dynamic_cast<TWinControl*>(&ControlAt(command.Args[0].Text));
  if (!control) throw Exception(command.Args[0].Text + " cannot take the focus");
  control->SetFocus();
  Application().ProcessMessages();
}

void THostCommands::Type(const TScriptCommand& command) {
  Focus(command);
  for (char c : command.Args[1].Text) Stroke(*KeyForCharacter(c));
}

void THostCommands::Key(const TScriptCommand& command) {
  for (const TScriptArg& key : command.Args) Stroke(*ParseKeyName(key.Text));
}

void THostCommands::Menu(const TScriptCommand& command) {
  SimulateMenuChoice(ShownFormAt(command.Args[0].Text), command.Args[1].Text);
}

void THostCommands::Popup(const TScriptCommand& command) {
  SimulatePopupChoice(ShownControlAt(command.Args[0].Text), command.Args[1].Text);
}

int THostCommands::ItemIndex(const std::string& path, const TStrings& items,
                             const TScriptArg& item) {
  if (!item.Quoted) return item.Number();
  const int index = items.IndexOf(item.Text);
  if (index < 0) throw Exception(path + " has no item \"" + item.Text + "\"");
  return index;
}

void THostCommands::Select(const TScriptCommand& command) {
  if (command.Args.size() == 3) {
    SelectWithKeyHeld(command);
    return;
  }
  if (SelectInView(command) || SelectTab(command) || SelectInOutline(command)) return;
  const std::string& path = command.Args[0].Text;
  TControl& control = ShownControlAt(path);
  const TScriptArg& item = command.Args[1];
  const TStrings* items = ItemsOf(control);
  if (!items && item.Quoted) throw Exception(path + " has no items");
  SimulateListChoice(control, items ? ItemIndex(path, *items, item) : item.Number());
}

// Ctrl or Shift goes down before the click and up after it, also when the click fails.
void THostCommands::SelectWithKeyHeld(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  auto& list = ControlAs<TListBox>(ShownControlAt(path), path, "list box");
  const int index = ItemIndex(path, *list.Items(), command.Args[1]);
  const BYTE key = command.Args[2].Text == "ctrl" ? VK_CONTROL : VK_SHIFT;
  SimulateKeyDown(key);
  ProcessPendingMessages();
  std::exception_ptr failure;
  try {
    SimulateListChoice(list, index);
  } catch (...) {
    failure = std::current_exception();
  }
  SimulateKeyUp(key);
  ProcessPendingMessages();
  if (failure) std::rethrow_exception(failure);
}

void THostCommands::Scroll(const TScriptCommand& command) {
  SimulateScrollTo(ShownControlAt(command.Args[0].Text), command.Args[1].Number());
}

void THostCommands::Move(const TScriptCommand& command) {
  const RECT rect{command.Args[1].Number(), command.Args[2].Number(), command.Args[3].Number(),
                  command.Args[4].Number()};
  SimulateFrameMoveSize(ShownFormAt(command.Args[0].Text).Handle(), rect);
}

void THostCommands::Frame(const TScriptCommand& command) {
  const HWND window = ShownFormAt(command.Args[0].Text).Handle();
  if (command.Name == "activate") {
    SimulateFrameActivate(window);
  } else {
    SimulateFrameCommand(window, command.Name == "maximize"   ? SC_MAXIMIZE
                                 : command.Name == "minimize" ? SC_MINIMIZE
                                                              : SC_RESTORE);
  }
}

// ---- the host program's code --------------------------------------------------------------------

void THostCommands::Set(const TScriptCommand& command) {
  RunAsEventHandler(PrepareAssignment(
      ComponentAt(command.Args[0].Text), command.Args[1].Text, command.Args[2].Text,
      [this](const std::string& path) -> TComponent& { return ComponentAt(path); }));
}

void THostCommands::Raise(const TScriptCommand& command) {
  const int32_t code = command.Args.size() == 3 ? command.Args[2].Number() : 0;
  std::exception_ptr exception = MakeException(command.Args[0].Text, command.Args[1].Text, code);
  RunAsEventHandler([exception] { std::rethrow_exception(exception); });
}

void THostCommands::Marker(const TScriptCommand& command) {
  TKDTracebook& tracebook = Tracebook();
  const std::string text = command.Args.empty() ? std::string() : command.Args[0].Text;
  if (command.Name == "message") {
    RunAsEventHandler([&tracebook, text] { tracebook.LogUserMessage(text); });
  } else if (command.Name == "enter") {
    RunAsEventHandler([&tracebook, text] { tracebook.EnterSection(text); });
  } else if (command.Name == "leave") {
    RunAsEventHandler([&tracebook, text] { tracebook.LeaveSection(text); });
  } else {
    RunAsEventHandler([&tracebook] { tracebook.LogSeparator(); });
  }
}

void THostCommands::StartStop(const TScriptCommand& command) {
  TKDTracebook& tracebook = Tracebook();
  if (command.Name == "start") {
    RunAsEventHandler([&tracebook] { tracebook.Start(); });
  } else {
    RunAsEventHandler([&tracebook] { tracebook.Stop(); });
  }
}

void THostCommands::Wait(const TScriptCommand& command) {
  SetFixedTickCount(timeGetTime() + static_cast<uint32_t>(command.Args[0].Number()));
}
