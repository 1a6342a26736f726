#pragma once
// The commands of session scripts, run against the forms of a form file: what a user does with
// the mouse, the keyboard and the window frames through the simulated input, and what the host
// program's code does (property assignments, exceptions, the log component's calls), run as an
// event handler would run it, so that its failures travel the application's exception handling.
// Controls are named by their dotted paths of component names (MainForm.Panel1.OKBtn).

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/windows.h"
#include "tools/host_script.h"

class TComponent;
class TControl;
class TCustomForm;
class TKDTracebook;
class TListBox;
class TStrings;

// The first TKDTracebook among the form file's objects and the components they own, or nullptr.
TKDTracebook* FindTracebook(const std::vector<std::unique_ptr<TComponent>>& roots);

class THostCommands {
 public:
  // `roots` are the objects read from the form file; `scriptName` names the script in errors.
  // The clock must be fixed: waiting advances it.
  THostCommands(const std::vector<std::unique_ptr<TComponent>>& roots, std::string scriptName);
  ~THostCommands();
  THostCommands(const THostCommands&) = delete;
  THostCommands& operator=(const THostCommands&) = delete;

  // Runs one command and then every message pending after it. A command that cannot run (an
  // unknown path, a property the control lacks) raises EParserError with the script's name, the
  // command's line and the reason.
  void Run(const TScriptCommand& command);

 private:
  void Click(const TScriptCommand& command);
  void Press(const TScriptCommand& command);
  void Focus(const TScriptCommand& command);
  void Type(const TScriptCommand& command);
  void Key(const TScriptCommand& command);
  void Menu(const TScriptCommand& command);
  void Popup(const TScriptCommand& command);
  void Select(const TScriptCommand& command);
  void SelectWithKeyHeld(const TScriptCommand& command);
  void Scroll(const TScriptCommand& command);
  void Move(const TScriptCommand& command);
  void Frame(const TScriptCommand& command);
  void Set(const TScriptCommand& command);
  void Raise(const TScriptCommand& command);
  void Marker(const TScriptCommand& command);
  void StartStop(const TScriptCommand& command);
  void Wait(const TScriptCommand& command);
  // Tab and page controls, track bars, up-downs, hot keys, calendars and page scrollers
  // (host_commands_controls.cpp).
  bool SelectTab(const TScriptCommand& command);  // false for other controls
  void Slide(const TScriptCommand& command);
  void Spin(const TScriptCommand& command);
  void HotKey(const TScriptCommand& command);
  void Date(const TScriptCommand& command);
  void PageScroll(const TScriptCommand& command);
  // Header controls, tool bars, tree views and list views (host_commands_views.cpp).
  bool SelectInView(const TScriptCommand& command);  // false for other controls
  void Expand(const TScriptCommand& command);
  void Rename(const TScriptCommand& command);
  void Column(const TScriptCommand& command);
  void Section(const TScriptCommand& command);
  void DropDown(const TScriptCommand& command);
  // Grids and outlines (host_commands_grids.cpp).
  bool SelectInOutline(const TScriptCommand& command);  // false for other controls
  void Cell(const TScriptCommand& command);
  void Edit(const TScriptCommand& command);
  // Splitters (and any control the mouse drags), check list boxes and drops of one control on
  // another (host_commands_additional.cpp).
  void Drag(const TScriptCommand& command);
  void Check(const TScriptCommand& command);
  void Drop(const TScriptCommand& command);

  // The index of a list's item that the script names by its index or its "caption"; raises
  // Exception for a caption that is not there, naming the path.
  static int ItemIndex(const std::string& path, const TStrings& items, const TScriptArg& item);
  // A list box's item by the script's index or "caption", scrolled into view as the user does;
  // answers its row's centre in the list's client coordinates.
  static POINT ItemRowCentre(const std::string& path, TListBox& list, const TScriptArg& item);
  // The top-level object that the first name of a path names: one of the form file's, or a form
  // that exists now (a dialog opened by the program), letter case ignored.
  TComponent* TopLevelAt(const std::string& name) const;
  TComponent& ComponentAt(const std::string& path) const;
  TControl& ControlAt(const std::string& path) const;
  // A control the user can point at: it and its containers are visible.
  TControl& ShownControlAt(const std::string& path) const;
  // A form the user can see, so that its frame and its menu bar can be used.
  TCustomForm& ShownFormAt(const std::string& path) const;
  TKDTracebook& Tracebook() const;
  // The screen point of the command's X Y in the control's client area, or of its centre.
  POINT PointOf(const TScriptCommand& command) const;
  // Runs `code` as an event handler of the host: from the message loop, by a posted message.
  void RunAsEventHandler(std::function<void()> code);

  const std::vector<std::unique_ptr<TComponent>>& FRoots;
  std::string FScriptName;
  HWND FHandlerWindow;
  std::deque<std::function<void()>> FPendingHandlers;
};
