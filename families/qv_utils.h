#pragma once
// Naming utilities of the capture families: the dotted path of a control, a description of any
// window of the host thread, the control under a point, the combo box's native edit, the control
// a mnemonic key activates, and the texts of the values controls show. Every capture record names
// its control and its value with these functions, so their texts are the texts of the log.

#include <cstdint>
#include <string>

#include "platform/vcl/win_control.h"
#include "platform/win32/windows.h"

class TButtonControl;
class TComboBox;
class TCustomEdit;
class TListBox;
class TRadioGroup;
class TScrollBar;
class TScrollBox;

// While true, the text of an edit with a password character is recorded as a run of that
// character. A host program may change it at any time.
extern bool HonorPasswordChar;

// The naming unit's part of library load and unload: its texts, and HonorPasswordChar set.
void InitializeQVUtils();
void FinalizeQVUtils();

// One control's part of a path: its Name, or its class name without the first character.
std::string ElementName(const TControl& control);
// The element names from the outermost container down to the control, joined with ".".
std::string GetControlName(const TControl& control);
// The control path of a framework control's window; for any other window its class, its text
// and its handle (a combo box's edit names its combo box instead of its handle).
std::string GetWindowName(HWND handle);
// Whether the window is the native edit inside a combo box. Only when it is, `parentName`
// becomes the window name of the combo box.
bool IsComboEdit(HWND handle, std::string& parentName);
// The path of the innermost child under a point of the container's client area (the container
// itself when no child is there). Hidden children count; the child of highest index wins.
std::string GetWindowHit(const TWinControl& container, POINT point);

// The control that typing the character `key` as a mnemonic activates on the control's form (a
// letter in either case, a digit, a punctuation mark; not a virtual key), searched depth
// first from the form; nullptr when there is none or the control lies on no form. A label answers
// with its FocusControl, a group box with its first child (nullptr when it has none: the group box
// still takes the key, so the search ends there).
TControl* GetAcceleratorControl(const TWinControl& control, WORD key);

// The button's name and the text of its check state (" (checked)" and so on; empty for a push
// button). A state other than 0, 1 and 2 leaves `stateText` as it was.
void GetButtonInfo(const TButtonControl& button, int32_t state, std::string& windowName,
                   std::string& stateText);

// The edit's name and its text: a multi-line edit's (a memo's, a rich edit's) first 50
// characters in quotes with "..." added, a password edit's text as a run of its password
// character while HonorPasswordChar is true, any other text in quotes.
void GetEditInfo(const TCustomEdit& edit, std::string& windowName, std::string& text);
// The list box's name, selected item in quotes ("<none>" without a selection) and item index.
void GetListBoxInfo(const TListBox& listBox, std::string& windowName, std::string& itemText,
                    int32_t& itemIndex);
// The radio group's name, and the position among its controls of the radio button whose window
// is `buttonHandle` (-1 when none is) with the item text at that position, unquoted ("" when
// there is none).
void GetRadioGroupInfo(const TRadioGroup& group, HWND buttonHandle, std::string& windowName,
                       std::string& itemText, int32_t& itemIndex);
// The combo box's name, selected item in quotes and item index. Without a selection the item is
// its edit text in quotes, or "<none>" in the drop-down list style, which has no edit.
void GetComboBoxInfo(const TComboBox& comboBox, std::string& windowName, std::string& itemText,
                     int32_t& itemIndex);

// The scrolling container's name, the orientation of the bar a scroll message concerns
// ("horizontal" for WM_HSCROLL, else "vertical") and that bar's position.
void GetScrollingWinControlInfo(const TScrollBox& container, UINT message, std::string& windowName,
                                std::string& orientation, int32_t& position);
// The scroll bar's name, orientation and position.
void GetScrollBarInfo(const TScrollBar& scrollBar, std::string& windowName,
                      std::string& orientation, int32_t& position);
