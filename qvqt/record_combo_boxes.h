#pragma once
// Recording combo boxes: the item the user chose, and an editable combo box's text when the
// focus leaves it.

class QComboBox;
class QObject;

// Connects to the combo box's choice signal; `context` ends the connection when deleted.
void WatchComboBox(QComboBox& combo, QObject& context);
// The focus left the combo box: an editable one records what it holds.
void ComboBoxFocusLeft(QComboBox& combo);
