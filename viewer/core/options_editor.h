#pragma once
// What the Options dialog does with the settings, without its controls: the list of record
// classes with their check marks, the colour, bold and italic editors of the selected class,
// the pairing of start/stop-session and enter/leave-section check marks, Reset, and closing
// with OK (keep the edits) or Cancel (read the file again).

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/core/settings.h"

struct TSwatch {
  const char* Name;
  TColor Color;
};

// The colours offered for record classes, in the order the dialog lists them.
inline constexpr std::array<TSwatch, 18> kSwatches{{
    {"Black", 0x000000},
    {"Maroon", 0x000080},
    {"Green", 0x008000},
    {"Olive", 0x008080},
    {"Navy", 0x800000},
    {"Purple", 0x800080},
    {"Teal", 0x808000},
    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},
    {"Red", 0x0000FF},
    {"Lime", 0x00FF00},
    {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},
    {"Fuchsia", 0xFF00FF},
    {"Aqua", 0xFFFF00},
    {"Light gray", 0xC0C0C0},
    {"Dark gray", 0x808080},
    {"White", 0xFFFFFF},
}};

// The first swatch of the same RGB value as `rgb` (a plain colour), or 0 (black) when none is.
int SwatchIndexFor(TColor rgb);
// The class whose check mark follows this one's: start and stop of session, enter and leave of
// section (names compared ignoring case); empty for any other class.
std::string_view PartnerClass(std::string_view className);

inline constexpr const char* kResetDisplayQuestion =
    "This will mark all events for display and reset their default display colors and styles.  "
    "Are you sure?";

class TOptionsEditor {
 public:
  struct TItem {
    std::string ClassName;
    std::string DisplayName;
    bool Checked = true;
  };
  // The editors of the selected item.
  struct TEditors {
    int Swatch = 0;
    bool Bold = false;
    bool Italic = false;
  };

  // Lists every registered class of the settings, sorted by display name. `toRgb` turns a colour
  // (a system colour included) into its plain RGB value on this screen.
  TOptionsEditor(TOXOptions& settings, std::function<TColor(TColor)> toRgb);

  const std::vector<TItem>& Items() const { return FItems; }
  int Selected() const { return FSelected; }
  // Stores the editors into the previously selected item, then loads them from `item` (or
  // leaves them for -1) and gives the item's partner the same check mark.
  void Select(int item);
  // Sets a check mark and applies the pairing rule to it.
  void SetChecked(int item, bool checked);
  // Every class shown in its library look; the date-time format and the printer font return to
  // the library's too. The editors reload from the selected item without storing them first.
  void Reset();
  // OK keeps the edits with the given format and printer font; Cancel reads the file again.
  void Close(bool ok, const std::string& dateTimeFormat, const TFontSettings& printerFont);

  TEditors Editors;

 private:
  void Store(int item);
  void LoadEditors();
  void ApplyPairing(int item);

  TOXOptions& FSettings;
  std::function<TColor(TColor)> FToRgb;
  std::vector<TItem> FItems;
  int FSelected = -1;
};
