// Reading, writing and resetting the viewer's settings file.

#include "viewer/core/settings.h"

#include <algorithm>
#include <utility>

#include "log/log_lifecycle.h"
#include "log/log_stream.h"
#include "platform/classes.h"
#include "platform/datetime.h"
#include "viewer/core/collapse_setting.h"

namespace {

constexpr std::string_view kWindowSections[] = {"MainWin", "Inspector", "Filter"};
constexpr TColor kUnlistedColor = clWindowText;
// The smallest width a report column accepts: -1 and -2 ask for automatic widths.
constexpr int32_t kSmallestColumnWidth = -2;

TEventUIDefaults ClassDefaults(std::string_view className) {
  const TLogEventClass* cls = TLogStream::FindClassByName(className);
  return cls != nullptr ? cls->Get_UI_Defaults() : TEventUIDefaults{kUnlistedColor, false, false};
}

std::string ColumnKey(size_t column) { return "ColWidth" + IntToStr(static_cast<int64_t>(column)); }

}  // namespace

bool IsStorableText(std::string_view text) {
  return text.find_first_of("\r\n") == std::string_view::npos && Trim(text) == text;
}

std::string SettingsNotSavedMessage(const std::string& reason) {
  return "The settings could not be saved.\r" + reason;
}

TOXOptions::TOXOptions(std::string fileName) : FIni(std::move(fileName)) {}

std::string TOXOptions::FileNameFor(std::string_view programName) {
  return ChangeFileExt(programName, ".ini");
}

TWindowSettings TOXOptions::ReadWindow(std::string_view section) const {
  const TWindowSettings defaults;
  return {
      .Left = FIni.ReadInteger(section, "Left", defaults.Left),
      .Top = FIni.ReadInteger(section, "Top", defaults.Top),
      .Right = FIni.ReadInteger(section, "Right", defaults.Right),
      .Bottom = FIni.ReadInteger(section, "Bottom", defaults.Bottom),
      .Visible = FIni.ReadBool(section, "Visible", defaults.Visible),
      .Max = FIni.ReadBool(section, "Max", defaults.Max),
      .Docked = FIni.ReadBool(section, "Docked", defaults.Docked),
      .DockedLeft = FIni.ReadBool(section, "DockedLeft", defaults.DockedLeft),
  };
}

void TOXOptions::WriteWindow(std::string_view section, const TWindowSettings& window) {
  FIni.WriteInteger(section, "Left", window.Left);
  FIni.WriteInteger(section, "Top", window.Top);
  FIni.WriteInteger(section, "Right", window.Right);
  FIni.WriteInteger(section, "Bottom", window.Bottom);
  FIni.WriteBool(section, "Visible", window.Visible);
  FIni.WriteBool(section, "Max", window.Max);
  FIni.WriteBool(section, "Docked", window.Docked);
  FIni.WriteBool(section, "DockedLeft", window.DockedLeft);
}

void TOXOptions::RebuildEntries() {
  TStringList names;
  names.SetSorted(true);
  TLogStream::GetRegisteredEvents(&names);
  FEvents.clear();
  FEvents.reserve(static_cast<size_t>(names.Count()));
  for (int i = 0; i < names.Count(); ++i) {
    const std::string& name = names.Get(i);
    const TEventUIDefaults defaults = ClassDefaults(name);
    FEvents.push_back({name, defaults.Color, defaults.Bold, defaults.Italic, true});
  }
}

void TOXOptions::WriteText(std::string_view section, std::string_view key,
                           const std::string& text) {
  if (IsStorableText(text)) FIni.WriteString(section, key, text);
}

void TOXOptions::Load() {
  FIni.Reload();
  TWindowSettings* windows[] = {&MainWin, &Inspector, &Filter};
  for (size_t i = 0; i < std::size(windows); ++i) *windows[i] = ReadWindow(kWindowSections[i]);
  ViewerFont = {FIni.ReadString("Viewer", "FontName", kDefaultFontName),
                FIni.ReadInteger("Viewer", "FontSize", kDefaultViewerFontSize)};
  PrinterFont = {FIni.ReadString("Printer", "FontName", kDefaultFontName),
                 FIni.ReadInteger("Printer", "FontSize", kDefaultPrinterFontSize)};
  InColor = FIni.ReadBool("Printer", "InColor", false);
  SetDateTimeFormat(FIni.ReadString("Viewer", "DateTimeFormat", QVDateTimeFormat()));

  RebuildEntries();
  for (TEventData& entry : FEvents) {
    entry.Enabled = FIni.ReadBool(entry.Name, "Enabled", true);
    entry.Color = static_cast<TColor>(
        FIni.ReadInteger(entry.Name, "Color", static_cast<int32_t>(entry.Color)));
    entry.Bold = FIni.ReadBool(entry.Name, "Bold", entry.Bold);
    entry.Italic = FIni.ReadBool(entry.Name, "Italic", entry.Italic);
  }

  LastLog = {FIni.ReadString("LastLog", "Filename", ""),
             FIni.ReadInteger("LastLog", "TickCount", -1)};
  FCollapse = ParseCollapseSetting(FIni.ReadString("LastLog", "Collapse", ""));
  Recent.Read(FIni);
}

void TOXOptions::Save() {
  const TWindowSettings* windows[] = {&MainWin, &Inspector, &Filter};
  for (size_t i = 0; i < std::size(windows); ++i) WriteWindow(kWindowSections[i], *windows[i]);
  WriteText("Viewer", "FontName", ViewerFont.Name);
  FIni.WriteInteger("Viewer", "FontSize", ViewerFont.Size);
  WriteText("Printer", "FontName", PrinterFont.Name);
  FIni.WriteInteger("Printer", "FontSize", PrinterFont.Size);
  FIni.WriteBool("Printer", "InColor", InColor);
  WriteText("Viewer", "DateTimeFormat", FDateTimeFormat);
  for (const TEventData& entry : FEvents) {
    if (!IsStorableText(entry.Name)) continue;
    FIni.WriteBool(entry.Name, "Enabled", entry.Enabled);
    FIni.WriteInteger(entry.Name, "Color", static_cast<int32_t>(entry.Color));
    FIni.WriteBool(entry.Name, "Bold", entry.Bold);
    FIni.WriteBool(entry.Name, "Italic", entry.Italic);
  }
  // A last log whose name cannot be stored is stored as none, with nothing to restore.
  const bool lastLogStorable = IsStorableText(LastLog.Filename);
  FIni.WriteString("LastLog", "Filename", lastLogStorable ? LastLog.Filename : "");
  FIni.WriteInteger("LastLog", "TickCount", lastLogStorable ? LastLog.TickCount : -1);
  FIni.WriteString("LastLog", "Collapse", lastLogStorable ? FormatCollapseSetting(FCollapse) : "");
  Recent.Write(FIni);
  FIni.UpdateFile();
}

void TOXOptions::ResetDefaults() {
  RebuildEntries();
  FDateTimeFormat = QVDateTimeFormat();
  PrinterFont = {kDefaultFontName, kDefaultPrinterFontSize};
}

const TEventData* TOXOptions::FindEntry(std::string_view className) const {
  const auto found = std::find_if(FEvents.begin(), FEvents.end(),
                                  [&](const TEventData& entry) { return entry.Name == className; });
  return found != FEvents.end() ? &*found : nullptr;
}

TEventData* TOXOptions::FindEntry(std::string_view className) {
  return const_cast<TEventData*>(std::as_const(*this).FindEntry(className));
}

bool TOXOptions::IsEnabled(std::string_view className) const {
  const TEventData* entry = FindEntry(className);
  return entry != nullptr && entry->Enabled;
}

void TOXOptions::SetEnabled(std::string_view className, bool enabled) {
  if (TEventData* entry = FindEntry(className)) entry->Enabled = enabled;
}

TEventUIDefaults TOXOptions::GetAttributes(std::string_view className) const {
  const TEventData* entry = FindEntry(className);
  if (entry == nullptr) return {kUnlistedColor, false, false};
  return {entry->Color, entry->Bold, entry->Italic};
}

void TOXOptions::SetAttributes(std::string_view className, const TEventUIDefaults& attributes) {
  if (TEventData* entry = FindEntry(className)) {
    entry->Color = attributes.Color;
    entry->Bold = attributes.Bold;
    entry->Italic = attributes.Italic;
  }
}

bool TOXOptions::SetDateTimeFormat(const std::string& format) {
  try {
    FormatDateTime(format, Now());
    FDateTimeFormat = format;
    return true;
  } catch (const std::exception&) {
    FDateTimeFormat = QVDateTimeFormat();
    if (OnError) OnError(kInvalidDateTimeFormatText);
    return false;
  }
}

void TOXOptions::ReadColumnWidths(std::string_view section, std::vector<int32_t>& widths) const {
  for (size_t i = 0; i < widths.size(); ++i) {
    const int32_t width = FIni.ReadInteger(section, ColumnKey(i), widths[i]);
    if (width >= kSmallestColumnWidth) widths[i] = width;
  }
}

void TOXOptions::WriteColumnWidths(std::string_view section, const std::vector<int32_t>& widths) {
  for (size_t i = 0; i < widths.size(); ++i) FIni.WriteInteger(section, ColumnKey(i), widths[i]);
}
