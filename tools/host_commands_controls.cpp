// The session-script commands for tab and page controls, track bars, up-down and hot-key
// controls, calendars and page scrollers.

#include "platform/vcl/comctrls.h"
#include "platform/vcl/user_actions_controls.h"
#include "tools/control_cast.h"
#include "tools/host_commands.h"

bool THostCommands::SelectTab(const TScriptCommand& command) {
  auto* tabs = dynamic_cast<TCustomTabControl*>(&ShownControlAt(command.Args[0].Text));
  if (!tabs) return false;
  const TScriptArg& item = command.Args[1];
  const int index = item.Quoted ? tabs->Tabs()->IndexOf(item.Text) : item.Number();
  if (index < 0 && item.Quoted)
    throw Exception(command.Args[0].Text + " has no tab \"" + item.Text + "\"");
  SimulateTabChoice(*tabs, index);
  return true;
}

void THostCommands::Slide(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  SimulateSlide(ControlAs<TTrackBar>(ShownControlAt(path), path, "track bar"),
                command.Args[1].Number());
}

void THostCommands::Spin(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  const int count = command.Args.size() == 3 ? command.Args[2].Number() : 1;
  SimulateSpin(ControlAs<TUpDown>(ShownControlAt(path), path, "up-down control"),
               command.Args[1].Text == "up" ? btNext : btPrev, count);
}

void THostCommands::HotKey(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  SimulateHotKeyEntry(ControlAs<THotKey>(ShownControlAt(path), path, "hot-key control"),
                      TextToShortCut(command.Args[1].Text));
}

void THostCommands::Date(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  TDateTime day = 0;
  TryTextToDate(command.Args[1].Text, day);  // the script's parser checked it
  SimulateDatePick(ControlAs<TCommonCalendar>(ShownControlAt(path), path, "calendar"), day);
}

void THostCommands::PageScroll(const TScriptCommand& command) {
  const std::string& path = command.Args[0].Text;
  const std::string& way = command.Args[1].Text;
  const int direction = way == "up"     ? PGF_SCROLLUP
                        : way == "down" ? PGF_SCROLLDOWN
                        : way == "left" ? PGF_SCROLLLEFT
                                        : PGF_SCROLLRIGHT;
  SimulatePageScroll(ControlAs<TPageScroller>(ShownControlAt(path), path, "page scroller"),
                     direction);
}
