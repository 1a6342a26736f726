// The inspector's property lines and the record it shows.

#include "viewer/core/property_lines.h"

#include <algorithm>

#include "platform/classes.h"
#include "platform/sysutils.h"

std::vector<TPropertyLine> PropertyLines(const TLogEvent& record) {
  TStringList texts;
  record.GetPropertiesAndValues(&texts);
  std::vector<TPropertyLine> lines;
  lines.reserve(static_cast<size_t>(texts.Count()));
  for (int i = 0; i < texts.Count(); ++i) {
    const std::string& text = texts.Get(i);
    const size_t equals = text.find('=');
    if (equals == std::string::npos) {
      lines.push_back({text, std::string()});
    } else {
      lines.push_back({text.substr(0, equals), text.substr(equals + 1)});
    }
  }
  // Sorted as a sorted list view sorts its captions: letter case ignored; lines of equal
  // properties keep the record's order.
  std::stable_sort(lines.begin(), lines.end(), [](const TPropertyLine& a, const TPropertyLine& b) {
    return CompareText(a.Property, b.Property) < 0;
  });
  return lines;
}

TEventInspectorState::TEventInspectorState(TEventView& view) : FView(view) {
  FView.AddObserver(this);
}

TEventInspectorState::~TEventInspectorState() { FView.RemoveObserver(this); }

void TEventInspectorState::Show(int32_t index, std::shared_ptr<const TLogEvent> record) {
  if (index == FShownIndex) return;
  // The lines first: a record that fails to list them leaves the inspector as it was.
  std::vector<TPropertyLine> lines =
      record != nullptr ? PropertyLines(*record) : std::vector<TPropertyLine>();
  FShownIndex = index;
  FShown = std::move(record);
  FLines = std::move(lines);
  if (OnLinesChanged) OnLinesChanged();
}

void TEventInspectorState::ShowRow(int row) {
  if (!FView.View().IsRow(row)) {
    Show(-1, nullptr);
  } else if (FView.View()[row] != FShownIndex) {
    Show(FView.View()[row], FView.Record(row));
  }
}

void TEventInspectorState::RecordsAboutToBeFreed() { Show(-1, nullptr); }
