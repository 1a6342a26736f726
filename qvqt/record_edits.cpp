// Edit records: the text when the focus leaves an edit it changed.

#include "qvqt/record_edits.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "families/std_events.h"
#include "qvqt/control_names.h"
#include "qvqt/record_writer.h"

namespace {

// A multi-line edit's record shows its beginning only.
constexpr qsizetype kMultiLinePrefix = 50;

std::string Quoted(const QString& text) { return "\"" + text.toStdString() + "\""; }

std::string MultiLineText(const QString& text) {
  return "\"" + text.left(kMultiLinePrefix).toStdString() + "...\"";
}

}  // namespace

std::string EditRecordText(const QWidget& edit) {
  if (const auto* line = qobject_cast<const QLineEdit*>(&edit)) {
    if (line->echoMode() == QLineEdit::Normal) return Quoted(line->text());
    return std::string(static_cast<size_t>(line->text().size()), '*');
  }
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(&edit)) {
    return MultiLineText(plain->toPlainText());
  }
  if (const auto* rich = qobject_cast<const QTextEdit*>(&edit)) {
    return MultiLineText(rich->toPlainText());
  }
  return {};
}

bool IsRecordedEdit(const QWidget& widget) {
  if (qobject_cast<const QLineEdit*>(&widget)) {
    // A combo box's or spin box's own edit belongs to that control's records.
    const QWidget* parent = widget.parentWidget();
    return !qobject_cast<const QComboBox*>(parent) &&
           !qobject_cast<const QAbstractSpinBox*>(parent);
  }
  return qobject_cast<const QPlainTextEdit*>(&widget) || qobject_cast<const QTextEdit*>(&widget);
}

void TEditVisit::Watch(QWidget& edit, QObject& context) {
  QWidget* widget = &edit;
  auto changed = [this, widget] {
    if (FEdit == widget) FChanged = true;
  };
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    QObject::connect(line, &QLineEdit::textChanged, &context, changed);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
    QObject::connect(plain, &QPlainTextEdit::textChanged, &context, changed);
  } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
    QObject::connect(rich, &QTextEdit::textChanged, &context, changed);
  }
}

void TEditVisit::Enter(QWidget& edit) {
  FEdit = &edit;
  FChanged = false;
}

void TEditVisit::Leave(QWidget& edit) {
  if (FEdit != &edit) return;
  if (FChanged)
    WriteQtRecord(std::make_unique<TEditEvent>(ControlPath(edit), EditRecordText(edit)));
  FEdit = nullptr;
  FChanged = false;
}
