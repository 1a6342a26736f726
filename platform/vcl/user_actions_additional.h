#pragma once
// What a user does with the additional controls, played through the simulated mouse so that the
// controls react with their own message handling. Each action dispatches the messages it causes
// before it returns, and raises EInvalidOperation when the control has no such item. Speed
// buttons and splitters need nothing of their own: a click (SimulateClickAt) and a drag
// (SimulateUserDrag) over them do it.

class TCheckListBox;

// Scrolls the item into view, as a choice in a list box does, and clicks its check box: the
// check toggles and the item becomes the chosen one.
void SimulateCheckClick(TCheckListBox& list, int index);
