// The wording table of the steps report. Each entry reads the record's published properties by
// name, as the viewer reads every record (through the registry, not through the families' C++
// classes), so that the report needs nothing of the families but their property names.

#include "viewer/core/step_wording.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/datetime.h"

namespace {

// The values of one record, by property name; a property the class lacks reads as empty or 0.
class TFields {
 public:
  explicit TFields(const TLogEvent& record) : FRecord(record) {}

  std::string Text(std::string_view name) const {
    const TPropInfo* prop = Find(name);
    return prop ? FRecord.PropertyText(*prop) : std::string();
  }
  int32_t Number(std::string_view name) const {
    const TPropInfo* prop = Find(name);
    return prop && prop->GetOrd ? prop->GetOrd(FRecord) : 0;
  }
  double Real(std::string_view name) const {
    const TPropInfo* prop = Find(name);
    return prop && prop->GetFloat ? prop->GetFloat(FRecord) : 0;
  }
  // The whole line of the record's own text for the property, less "Name=": the form the
  // property listing shows (a date-time formatted with the log's date-time format).
  std::string Listed(std::string_view name) const {
    const std::string line = FRecord.GetPropAndValue(name);
    return line.empty() ? Text(name) : line.substr(std::min(line.size(), name.size() + 1));
  }
  std::string Data() const { return FRecord.AsString(); }

 private:
  const TPropInfo* Find(std::string_view name) const {
    const TPropInfo* prop = FRecord.ClassType().FindProperty(name);
    return prop && prop->HasGetter() ? prop : nullptr;
  }
  const TLogEvent& FRecord;
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// A dotted control name as "OKBtn on MainForm.Panel1"; a form's name, or a name that is not a
// plain dotted path (a native window described in braces, an invalid handle), stays whole.
std::string Place(const std::string& name) {
  if (name.find_first_of(" {}[]\"") != std::string::npos) return name;
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot == 0 || dot + 1 == name.size()) return name;
  return name.substr(dot + 1) + " on " + name.substr(0, dot);
}

std::string Control(const TFields& f) { return Place(f.Text("WindowName")); }

// "yyyy-mm-dd at hh:nn:ss": the session records' date-times, the same in every locale.
std::string WhenText(double value) {
  return FormatDateTime("yyyy\"-\"mm\"-\"dd\" at \"hh\":\"nn\":\"ss", value);
}

// A check state of a button as the log keeps it, " (checked)", without blank and parentheses.
std::string CheckState(std::string action) {
  while (!action.empty() && (action.front() == ' ' || action.front() == '(')) action.erase(0, 1);
  while (!action.empty() && (action.back() == ' ' || action.back() == ')')) action.pop_back();
  return action;
}

// The item of a list or combo box as the log keeps it: quoted text, or "<none>".
std::string ItemChosen(const TFields& f, const char* what) {
  const std::string item = f.Text("SelectedItem");
  const int32_t index = f.Number("SelectedIndex");
  if (item == "<none>") return "cleared the selection of " + std::string(what) + " " + Control(f);
  if (index < 0) return "typed " + item + " into " + what + " " + Control(f);
  return "selected " + item + " (item " + std::to_string(index) + ") in " + what + " " + Control(f);
}

// A menu description, "Name: &File | &Recent | &Open [ ID = 5 ]", as "File > Recent > Open".
std::string MenuPath(std::string caption) {
  const size_t id = caption.rfind(" [ ID = ");
  if (id != std::string::npos && caption.ends_with(" ]")) caption.erase(id);
  const size_t colon = caption.find(": ");
  if (colon != std::string::npos && colon > 0 &&
      std::all_of(caption.begin(), caption.begin() + static_cast<std::ptrdiff_t>(colon),
                  [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }))
    caption.erase(0, colon + 2);
  std::string path;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption.compare(i, 3, " | ") == 0) {
      path += " > ";
      i += 2;
    } else if (caption[i] == '&') {
      // "&&" is an ampersand, a single one marks the mnemonic letter.
      if (i + 1 < caption.size() && caption[i + 1] == '&') path += caption[++i];
    } else {
      path += caption[i];
    }
  }
  return path;
}

std::string WindowState(const TFields& f) {
  const std::string window = f.Text("WindowName");
  const std::string action = f.Text("Action");
  if (action == "show maximized") return "maximized window " + window;
  if (action == "minimize" || action == "show minimized") return "minimized window " + window;
  if (action == "restore") return "restored window " + window;
  if (action == "hide") return "hid window " + window;
  return "window " + window + ": " + action;
}

std::string MoveSize(const TFields& f) {
  const int32_t left = f.Number("Left");
  const int32_t top = f.Number("Top");
  const int32_t right = f.Number("Right");
  const int32_t bottom = f.Number("Bottom");
  return "moved or sized window " + f.Text("WindowName") + " to " + std::to_string(right - left) +
         " x " + std::to_string(bottom - top) + " at (" + std::to_string(left) + ", " +
         std::to_string(top) + ")";
}

std::string Exception(const TFields& f) {
  std::string text = "Exception " + f.Text("ExceptionClass") + ": " + f.Text("MessageStr");
  const std::string details = f.Text("Details");
  if (!details.empty()) text += " (" + details + ")";
  return text;
}

std::string Button(const TFields& f) {
  const std::string state = CheckState(f.Text("Action"));
  if (state.empty()) return "clicked button " + Control(f);
  return "clicked " + Control(f) + ", now " + state;
}

std::string RadioGroup(const TFields& f) {
  const std::string item = f.Text("SelectedItem");
  const std::string index = std::to_string(f.Number("SelectedIndex"));
  if (item.empty()) return "chose item " + index + " in radio group " + Control(f);
  return "chose " + Quoted(item) + " (item " + index + ") in radio group " + Control(f);
}

std::string Action(const TFields& f) {
  const std::string linked = f.Text("LinkedTo");
  return "ran action " + f.Text("Action") +
         (linked.empty() ? std::string(" by its shortcut") : " through " + linked);
}

// "2, 5" as "column 2, row 5".
std::string Cell(const TFields& f) {
  const std::string cell = f.Text("Cell");
  const size_t comma = cell.find(", ");
  if (comma == std::string::npos) return "cell " + cell;
  return "cell at column " + cell.substr(0, comma) + ", row " + cell.substr(comma + 2);
}

std::string CheckListBox(const TFields& f) {
  const bool checked = f.Text("CheckedState") == "True";
  return std::string(checked ? "checked " : "unchecked ") + f.Text("SelectedItem") + " (item " +
         std::to_string(f.Number("SelectedIndex")) + ") in check list box " + Control(f);
}

std::string Section(const TFields& f) {
  return Quoted(f.Text("SectionName")) + " (" + std::to_string(f.Number("SectionIndex")) + ")";
}

std::string ToolButton(const TFields& f) {
  if (f.Text("Action") == "dropped down") return "opened the menu of tool button " + Control(f);
  return "clicked tool button " + Control(f);
}

std::string PageScroller(const TFields& f) {
  std::string direction = f.Text("Direction");
  for (char& c : direction) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return "scrolled page scroller " + Control(f) + (direction.empty() ? "" : " " + direction) +
         " to " + std::to_string(f.Number("Position"));
}

std::string Node(const TFields& f) { return "node " + std::to_string(f.Number("Index")); }
std::string Item(const TFields& f) { return "item " + std::to_string(f.Number("Index")); }

using TWords = std::string (*)(const TFields&);

struct TEntry {
  std::string_view ClassName;
  TStepKind Kind;
  TWords Words;
};

constexpr TStepKind kAction = TStepKind::skAction;

// clang-format off
const std::array kTable = {
    // The record model's own records.
    TEntry{"TStartSessionEvent", TStepKind::skSessionStart, [](const TFields& f) {
      const std::string id = f.Text("Identifier");
      return (id.empty() ? std::string("started") : id + " started") + " on " +
             WhenText(f.Real("BeginTime"));
    }},
    TEntry{"TStopSessionEvent", TStepKind::skSessionEnd, [](const TFields& f) {
      return "session ended on " + WhenText(f.Real("EndTime"));
    }},
    TEntry{"TExceptionEvent", TStepKind::skException, Exception},
    TEntry{"TUserMessageEvent", TStepKind::skMarker, [](const TFields& f) {
      return "Message: " + f.Text("Message");
    }},
    TEntry{"TEnterSectionEvent", TStepKind::skSectionEnter, [](const TFields& f) {
      return "Section " + Quoted(f.Text("Name"));
    }},
    TEntry{"TLeaveSectionEvent", TStepKind::skSectionLeave, [](const TFields& f) {
      return "end of section " + Quoted(f.Text("Name"));
    }},
    TEntry{"TSeparatorEvent", TStepKind::skMarker, [](const TFields&) {
      return std::string("Separator");
    }},
    TEntry{"TStringPoolAddEvent", kAction, [](const TFields&) {
      return std::string("the log added a text to its string pool");
    }},
    TEntry{"TStringPoolPurgeEvent", kAction, [](const TFields&) {
      return std::string("the log emptied its string pool");
    }},
    TEntry{"TUnregisteredEvent", kAction, [](const TFields& f) {
      return "a record of class " + f.Data() + ", which this viewer does not know";
    }},
    // Windows and the mouse.
    TEntry{"TActivateEvent", kAction, [](const TFields& f) {
      return "activated window " + f.Text("WindowName");
    }},
    TEntry{"TMinMaxEvent", kAction, WindowState},
    TEntry{"TMouseClickEvent", kAction, [](const TFields& f) {
      return "clicked the mouse on " + Place(f.Text("ControlName")) + " at (" +
             std::to_string(f.Number("X")) + ", " + std::to_string(f.Number("Y")) + ")";
    }},
    TEntry{"TMoveSizeEvent", kAction, MoveSize},
    TEntry{"TSetFocusEvent", kAction, [](const TFields& f) {
      return "moved the focus to " + Control(f);
    }},
    // Standard controls, menus and actions.
    TEntry{"TButtonEvent", kAction, Button},
    TEntry{"TComboBoxSelectEvent", kAction, [](const TFields& f) {
      return ItemChosen(f, "combo box");
    }},
    TEntry{"TListBoxSelectEvent", kAction, [](const TFields& f) {
      return ItemChosen(f, "list box");
    }},
    TEntry{"TRadioGroupEvent", kAction, RadioGroup},
    TEntry{"TEditEvent", kAction, [](const TFields& f) {
      return "changed the text of " + Control(f) + " to " + f.Text("Text");
    }},
    TEntry{"TScrollBarEvent", kAction, [](const TFields& f) {
      return "scrolled " + Control(f) + " " + f.Text("Orientation") + "ly to " +
             std::to_string(f.Number("Position"));
    }},
    TEntry{"TMenuEvent", kAction, [](const TFields& f) {
      return "chose " + MenuPath(f.Text("MenuCaption")) + " from the menu";
    }},
    TEntry{"TActionEvent", kAction, Action},
    // Additional controls.
    TEntry{"TSpeedButtonEvent", kAction, [](const TFields& f) {
      return "clicked speed button " + Control(f);
    }},
    TEntry{"TGridCellChangeEvent", kAction, [](const TFields& f) {
      return "moved to the " + Cell(f) + " of grid " + Control(f);
    }},
    TEntry{"TGridEditEvent", kAction, [](const TFields& f) {
      return "edited the " + Cell(f) + " of grid " + Control(f) + " to " + f.Text("Text");
    }},
    TEntry{"TSplitterEvent", kAction, [](const TFields& f) {
      return "dragged splitter " + Control(f) + " to " + std::to_string(f.Number("Position"));
    }},
    TEntry{"TCheckListBoxEvent", kAction, CheckListBox},
    // Common controls.
    TEntry{"TTabControlChangeEvent", kAction, [](const TFields& f) {
      return "switched " + Control(f) + " to tab " + Quoted(f.Text("TabName")) + " (" +
             std::to_string(f.Number("TabIndex")) + ")";
    }},
    TEntry{"TTrackBarChangeEvent", kAction, [](const TFields& f) {
      return "slid track bar " + Control(f) + " to " + std::to_string(f.Number("Position"));
    }},
    TEntry{"TUpDownChangeEvent", kAction, [](const TFields& f) {
      return "set up-down " + Control(f) + " to " + std::to_string(f.Number("Position"));
    }},
    TEntry{"THotKeyChangeEvent", kAction, [](const TFields& f) {
      const std::string key = f.Text("HotKey");
      return "set hot key " + Control(f) + " to " + (key.empty() ? "none" : key);
    }},
    TEntry{"TCalendarChangeEvent", kAction, [](const TFields& f) {
      return "picked " + f.Listed("DateTime") + " in " + Control(f);
    }},
    TEntry{"THeaderSizeEvent", kAction, [](const TFields& f) {
      return "resized section " + Section(f) + " of header " + Control(f) + " to " +
             std::to_string(f.Number("Size")) + " pixels";
    }},
    TEntry{"THeaderClickEvent", kAction, [](const TFields& f) {
      return "clicked section " + Section(f) + " of header " + Control(f);
    }},
    TEntry{"TListViewColumnClickEvent", kAction, [](const TFields& f) {
      return "clicked column " + Section(f) + " of list view " + Control(f);
    }},
    TEntry{"TToolButtonEvent", kAction, ToolButton},
    TEntry{"TPageScrollerScrollEvent", kAction, PageScroller},
    TEntry{"TTreeViewEditEvent", kAction, [](const TFields& f) {
      return "renamed " + Node(f) + " of tree view " + Control(f) + " to " + Quoted(f.Text("Text"));
    }},
    TEntry{"TTreeViewChangeEvent", kAction, [](const TFields& f) {
      return "selected " + Node(f) + " of tree view " + Control(f);
    }},
    TEntry{"TTreeViewExpandEvent", kAction, [](const TFields& f) {
      return "expanded " + Node(f) + " of tree view " + Control(f);
    }},
    TEntry{"TTreeViewCollapseEvent", kAction, [](const TFields& f) {
      return "collapsed " + Node(f) + " of tree view " + Control(f);
    }},
    TEntry{"TListViewEditEvent", kAction, [](const TFields& f) {
      return "renamed " + Item(f) + " of list view " + Control(f) + " to " + Quoted(f.Text("Text"));
    }},
    TEntry{"TListViewChangeEvent", kAction, [](const TFields& f) {
      return "selected " + Item(f) + " of list view " + Control(f);
    }},
    // The outline.
    TEntry{"TOutlineNodeChangeEvent", kAction, [](const TFields& f) {
      return "selected " + Quoted(f.Text("NodeText")) + " (item " + std::to_string(f.Number("Node")) +
             ") in outline " + Control(f);
    }},
};
// clang-format on

}  // namespace

TStepWording WordStep(const TLogEvent& record) {
  const std::string& name = record.ClassName();
  for (const TEntry& entry : kTable) {
    if (entry.ClassName == name) return {entry.Kind, entry.Words(TFields(record))};
  }
  return FallbackStep(record);
}

TStepWording FallbackStep(const TLogEvent& record) {
  const std::string data = record.AsString();
  const std::string name = record.GetEventName();
  return {TStepKind::skAction, data.empty() ? name : name + ": " + data};
}
