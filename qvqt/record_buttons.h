#pragma once
// Recording buttons: a click of a push or tool button, and the new check state of a check box,
// radio button or checkable button the user clicked.

#include <string>

class QAbstractButton;
class QObject;

// The check-state text of a button's record: empty for a button that cannot be checked, else
// " (unchecked)", " (checked)" or " (indeterminate)" with the leading blank.
std::string ButtonStateText(const QAbstractButton& button);
// Connects to the button's click; `context` ends the connection when deleted. A radio button
// unchecked by its neighbour's click is not recorded, as it was not clicked.
void WatchButton(QAbstractButton& button, QObject& context);
