// The Options dialog's edits of the settings.

#include "viewer/core/options_editor.h"

#include <algorithm>

#include "log/log_stream.h"
#include "platform/sysutils.h"

int SwatchIndexFor(TColor rgb) {
  const auto found = std::find_if(kSwatches.begin(), kSwatches.end(),
                                  [rgb](const TSwatch& s) { return s.Color == (rgb & 0xFFFFFF); });
  return found == kSwatches.end() ? 0 : static_cast<int>(found - kSwatches.begin());
}

std::string_view PartnerClass(std::string_view className) {
  static constexpr std::array<std::array<std::string_view, 2>, 2> kPairs{{
      {"TStartSessionEvent", "TStopSessionEvent"},
      {"TEnterSectionEvent", "TLeaveSectionEvent"},
  }};
  for (const auto& pair : kPairs) {
    if (SameText(className, pair[0])) return pair[1];
    if (SameText(className, pair[1])) return pair[0];
  }
  return {};
}

TOptionsEditor::TOptionsEditor(TOXOptions& settings, std::function<TColor(TColor)> toRgb)
    : FSettings(settings), FToRgb(std::move(toRgb)) {
  for (const TEventData& entry : settings.Events()) {
    const TLogEventClass* cls = TLogStream::FindClassByName(entry.Name);
    if (cls != nullptr) FItems.push_back({entry.Name, cls->GetEventName(), entry.Enabled});
  }
  std::stable_sort(FItems.begin(), FItems.end(), [](const TItem& a, const TItem& b) {
    return CompareText(a.DisplayName, b.DisplayName) < 0;
  });
}

void TOptionsEditor::Store(int item) {
  const TItem& it = FItems[static_cast<size_t>(item)];
  FSettings.SetEnabled(it.ClassName, it.Checked);
  FSettings.SetAttributes(it.ClassName, {kSwatches[static_cast<size_t>(Editors.Swatch)].Color,
                                         Editors.Bold, Editors.Italic});
}

void TOptionsEditor::LoadEditors() {
  const TEventUIDefaults look =
      FSettings.GetAttributes(FItems[static_cast<size_t>(FSelected)].ClassName);
  Editors = {SwatchIndexFor(FToRgb(look.Color)), look.Bold, look.Italic};
}

void TOptionsEditor::ApplyPairing(int item) {
  const TItem& it = FItems[static_cast<size_t>(item)];
  const std::string_view partner = PartnerClass(it.ClassName);
  for (TItem& other : FItems) {
    if (!partner.empty() && other.ClassName == partner) other.Checked = it.Checked;
  }
}

void TOptionsEditor::Select(int item) {
  if (FSelected >= 0) Store(FSelected);
  FSelected = item >= 0 && item < static_cast<int>(FItems.size()) ? item : -1;
  if (FSelected < 0) return;
  LoadEditors();
  ApplyPairing(FSelected);
}

void TOptionsEditor::SetChecked(int item, bool checked) {
  FItems[static_cast<size_t>(item)].Checked = checked;
  ApplyPairing(item);
}

void TOptionsEditor::Reset() {
  FSettings.ResetDefaults();
  for (TItem& it : FItems) it.Checked = FSettings.IsEnabled(it.ClassName);
  if (FSelected >= 0) LoadEditors();
}

void TOptionsEditor::Close(bool ok, const std::string& dateTimeFormat,
                           const TFontSettings& printerFont) {
  // Every check mark counts, also those changed by pairing on items never selected.
  for (const TItem& it : FItems) FSettings.SetEnabled(it.ClassName, it.Checked);
  if (FSelected >= 0) Store(FSelected);
  if (ok) {
    FSettings.SetDateTimeFormat(dateTimeFormat);
    FSettings.PrinterFont = printerFont;
  } else {
    FSettings.Load();
  }
}
