// A memo's lines, read from its text on demand.

#include "platform/vcl/memo_lines.h"

#include <utility>

TMemoStrings::TMemoStrings(std::function<std::string()> text,
                           std::function<void(const std::string&)> setText)
    : FText(std::move(text)), FSetText(std::move(setText)) {}

void TMemoStrings::Put(int index, const std::string& s) {
  Lines().Put(index, s);
  Changed();
}

void TMemoStrings::Insert(int index, const std::string& s) {
  Lines().Insert(index, s);
  Changed();
}

void TMemoStrings::Delete(int index) {
  Lines().Delete(index);
  Changed();
}

void TMemoStrings::Clear() {
  FLines.Clear();
  FStale = false;
  Changed();
}

void TMemoStrings::SetUpdateState(bool updating) {
  if (!updating && std::exchange(FChangedInUpdate, false)) Changed();
}

TStringList& TMemoStrings::Lines() const {
  if (std::exchange(FStale, false)) FLines.SetText(FText());
  return FLines;
}

// The memo's text becomes the lines joined by line breaks; the lines stay as they are (a last
// empty line included), not read back from that text.
void TMemoStrings::Changed() {
  if (Updating()) {
    FChangedInUpdate = true;
    return;
  }
  std::string text;
  for (int i = 0; i < FLines.Count(); ++i) {
    if (i > 0) text += "\r\n";
    text += FLines.Get(i);
  }
  FSetText(text);
  FStale = false;
}
