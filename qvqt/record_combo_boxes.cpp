// Combo box records: the chosen item's text and index.

#include "qvqt/record_combo_boxes.h"

#include <QComboBox>

#include "families/family_strings.h"
#include "families/std_events.h"
#include "platform/strtable.h"
#include "qvqt/control_names.h"
#include "qvqt/record_writer.h"

namespace {

std::string Quoted(const QString& text) { return "\"" + text.toStdString() + "\""; }

// The current item in quotes with its index; an editable combo box holding a text that is not
// its current item gives that text with index -1; no choice at all gives "<none>".
void RecordChoice(const QComboBox& combo) {
  int index = combo.currentIndex();
  std::string item;
  if (combo.isEditable() && (index < 0 || combo.currentText() != combo.itemText(index))) {
    index = -1;
    item = Quoted(combo.currentText());
  } else if (index >= 0) {
    item = Quoted(combo.itemText(index));
  } else {
    item = LoadStr(family_strings::SNoItem);
  }
  WriteQtRecord(std::make_unique<TComboBoxSelectEvent>(ControlPath(combo), item, index));
}

}  // namespace

void WatchComboBox(QComboBox& combo, QObject& context) {
  QComboBox* watched = &combo;
  // activated comes for the user's choices only, also when the same item is chosen again.
  QObject::connect(watched, &QComboBox::activated, &context, [watched] { RecordChoice(*watched); });
}

void ComboBoxFocusLeft(QComboBox& combo) {
  if (combo.isEditable()) RecordChoice(combo);
}
