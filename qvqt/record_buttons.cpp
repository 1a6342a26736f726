// Button records, on the buttons' own click signal: it comes for user clicks, mnemonics and the
// space key alike, after the check state has changed.

#include "qvqt/record_buttons.h"

#include <QAbstractButton>
#include <QCheckBox>

#include "families/family_strings.h"
#include "families/std_events.h"
#include "platform/strtable.h"
#include "qvqt/control_names.h"
#include "qvqt/record_writer.h"

std::string ButtonStateText(const QAbstractButton& button) {
  if (!button.isCheckable()) return {};
  if (const auto* box = qobject_cast<const QCheckBox*>(&button)) {
    if (box->checkState() == Qt::PartiallyChecked) return LoadStr(family_strings::SIndeterminate);
  }
  return LoadStr(button.isChecked() ? family_strings::SChecked : family_strings::SUnchecked);
}

void WatchButton(QAbstractButton& button, QObject& context) {
  QAbstractButton* watched = &button;
  QObject::connect(watched, &QAbstractButton::clicked, &context, [watched] {
    WriteQtRecord(std::make_unique<TButtonEvent>(ControlPath(*watched), ButtonStateText(*watched)));
  });
}
