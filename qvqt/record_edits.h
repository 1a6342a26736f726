#pragma once
// Recording line edits and plain and rich text edits: the text once per focus visit, when it
// changed during the visit. Password echo modes are masked.

#include <QPointer>
#include <QWidget>
#include <string>

class QObject;

// The text an edit's record carries: a line edit's text in quotes, or one asterisk per character
// when its echo mode hides the text; a multi-line edit's first 50 characters in quotes with
// three dots.
std::string EditRecordText(const QWidget& edit);
// True for the widgets whose text is recorded: line edits of their own (not the edit part of a
// combo box or spin box) and plain and rich text edits.
bool IsRecordedEdit(const QWidget& widget);

// The one edit visited by the focus, and whether its text changed since the focus came.
class TEditVisit {
 public:
  // Connects to the edit's change signal; `context` ends the connection when deleted.
  void Watch(QWidget& edit, QObject& context);
  void Enter(QWidget& edit);
  // Writes the record when the edit visited changed.
  void Leave(QWidget& edit);

 private:
  QPointer<QWidget> FEdit;
  bool FChanged = false;
};
