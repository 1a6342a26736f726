#pragma once
// The viewer's settings: what it remembers between runs (window placements, fonts, the date-time
// format, a display entry per record class, column widths, the last log and its collapsed rows,
// the logs opened lately), held in memory and kept in an INI file beside the program, which only
// Save writes.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "log/log_event.h"
#include "platform/graphics.h"
#include "platform/mem_ini_file.h"
#include "viewer/core/recent_files.h"

// Placement of one window. A rectangle with Right <= Left or Bottom <= Top is empty.
struct TWindowSettings {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  bool Visible = true;
  bool Max = false;
  bool Docked = true;
  bool DockedLeft = false;
  bool HasBounds() const { return Right > Left && Bottom > Top; }
  bool operator==(const TWindowSettings&) const = default;
};

struct TFontSettings {
  std::string Name;
  int32_t Size = 0;
  bool operator==(const TFontSettings&) const = default;
};

// How rows of one record class are shown.
struct TEventData {
  std::string Name;
  TColor Color = clWindowText;
  bool Bold = false;
  bool Italic = false;
  bool Enabled = true;
  bool operator==(const TEventData&) const = default;
};

// The log shown when the viewer last closed and the tick count of its first record (-1: none).
struct TLastLog {
  std::string Filename;
  int32_t TickCount = -1;
};

inline constexpr const char* kDefaultFontName = "MS Sans Serif";
inline constexpr int32_t kDefaultViewerFontSize = 8;
inline constexpr int32_t kDefaultPrinterFontSize = 11;
inline constexpr const char* kInvalidDateTimeFormatText =
    "Invalid date/time format specified in settings.  Using default format.";

// Whether a text reads back from the settings file exactly as it was written.
bool IsStorableText(std::string_view text);
// The message for a Save that failed with `reason`.
std::string SettingsNotSavedMessage(const std::string& reason);

class TOXOptions {
 public:
  // The settings kept in `fileName`, at their defaults until Load.
  explicit TOXOptions(std::string fileName);
  // The settings file of a program: its own name with the extension ".ini".
  static std::string FileNameFor(std::string_view programName);
  const std::string& FileName() const { return FIni.FileName(); }

  // Reads everything; a missing section or key, or a value that is not of its type, gives the
  // default. The display entries are rebuilt from the registered record classes.
  void Load();
  // Writes everything in one replace of the file. A text that would not read back as it is (a
  // line break, blanks around it) is not stored: the file keeps what it had, and a last log of
  // such a name is stored as none. On failure the file stays as it was and the error (a platform
  // Exception) is raised.
  void Save();
  // Every record class shown in its library look, the library's date-time format and the default
  // printer font; the rest stays. Nothing is written.
  void ResetDefaults();

  // Per record class, by exact name; a name without an entry is not shown and has the window-text
  // colour, neither bold nor italic. Setting an unlisted name does nothing.
  bool IsEnabled(std::string_view className) const;
  void SetEnabled(std::string_view className, bool enabled);
  TEventUIDefaults GetAttributes(std::string_view className) const;
  void SetAttributes(std::string_view className, const TEventUIDefaults& attributes);
  // The entries, sorted by class name.
  const std::vector<TEventData>& Events() const { return FEvents; }

  const std::string& DateTimeFormat() const { return FDateTimeFormat; }
  // Stores the format, or the library's when the format cannot show the current time; in that
  // case OnError receives kInvalidDateTimeFormatText and the result is false.
  bool SetDateTimeFormat(const std::string& format);

  // Record-list indexes of the rows that were collapsed in the last log.
  const std::vector<int32_t>& Collapse() const { return FCollapse; }
  void SetCollapse(std::vector<int32_t> indexes) { FCollapse = std::move(indexes); }

  // Column widths of a list view, in the section named by its form's and its own name
  // ("EventFormEventListView"). A missing or unusable value keeps the width passed in. Written
  // widths reach the file with the next Save.
  void ReadColumnWidths(std::string_view section, std::vector<int32_t>& widths) const;
  void WriteColumnWidths(std::string_view section, const std::vector<int32_t>& widths);

  TWindowSettings MainWin;
  TWindowSettings Inspector;
  TWindowSettings Filter;
  TFontSettings ViewerFont{kDefaultFontName, kDefaultViewerFontSize};
  TFontSettings PrinterFont{kDefaultFontName, kDefaultPrinterFontSize};
  bool InColor = false;
  TLastLog LastLog;
  TRecentFiles Recent;
  // Shows an error message to the user (the GUI sets it).
  std::function<void(const std::string&)> OnError;

 private:
  TEventData* FindEntry(std::string_view className);
  const TEventData* FindEntry(std::string_view className) const;
  void RebuildEntries();
  TWindowSettings ReadWindow(std::string_view section) const;
  void WriteWindow(std::string_view section, const TWindowSettings& window);
  void WriteText(std::string_view section, std::string_view key, const std::string& text);

  TMemIniFile FIni;
  std::vector<TEventData> FEvents;
  std::string FDateTimeFormat;
  std::vector<int32_t> FCollapse;
};
