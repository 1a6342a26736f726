// The capture families' texts.

#include "families/family_strings.h"

#include "platform/strtable.h"

namespace family_strings {
namespace {

constexpr TStringTableEntry kTexts[] = {
    {SInvalidHandle, "invalid handle"},
    {SShowHide, "hide"},
    {SShowMinimize, "minimize"},
    {SShowRestore, "restore"},
    {SShowShow, "show"},
    {SShowMaximized, "show maximized"},
    {SShowMinimized, "show minimized"},
    {SShowMinNoActive, "show minimized no activate"},
    {SShowNA, "show na"},
    {SShowNoActivate, "show no activate"},
    {SShowNormal, "show normal"},
    {SShowUnknown, "unknown show code"},
    {SActivateWindow, "activate window"},
    {SMinMaxWindow, "minimize/maximize window"},
    {SMouseClick, "mouse click"},
    {SMoveSizeWindow, "move/size window"},
    {SSetFocus, "set focus"},
    {SActionLinkedTo, " action linked to "},
    {SUnchecked, " (unchecked)"},
    {SChecked, " (checked)"},
    {SIndeterminate, " (indeterminate)"},
    {SNoItem, "<none>"},
    {SButtonClick, "button click"},
    {SComboBoxSelect, "combo box select"},
    {SEditUpdate, "edit update"},
    {SListBoxSelect, "list box select"},
    {SMenuSelect, "menu select"},
    {SActionExecute, "action execute"},
    {SScrollBarPosition, "scrollbar position"},
    {SHorizontal, "horizontal"},
    {SVertical, "vertical"},
    {SRadioGroupSelect, "radio group select"},
    {SSpeedButtonClick, "speed button click"},
    {SGridCellEdit, "grid cell edit"},
    {SGridCellChange, "grid cell change"},
    {SSplitter, "splitter"},
    {SCheckListBoxSelect, "check list box select"},
    {SItemChecked, "Checked"},
    {SItemUnchecked, "Unchecked"},
    {SOutlineNodeChange, "outline node change"},
    {STabControlChange, "tab control change"},
    {STrackBarChange, "track bar change"},
    {SPosition, "Position"},
    {SUpDownChange, "up/down change"},
    {SHotKeyChange, "hotkey change"},
    {SCalendarChange, "calendar change"},
    {SHeaderResize, "header resize"},
    {SHeaderClick, "header click"},
    {SToolbarButton, "toolbar button"},
    {SPageScroller, "page scroller"},
    {STreeViewEdit, "tree view edit"},
    {STreeViewSelect, "tree view select"},
    {STreeViewExpand, "tree view expand"},
    {STreeViewCollapse, "tree view collapse"},
    {SListViewEdit, "list view edit"},
    {SListViewSelect, "list view select"},
    {SListViewColumnClick, "list view column click"},
    {SButtonClicked, "clicked"},
    {SButtonDroppedDown, "dropped down"},
    {SScrollUp, "Up"},
    {SScrollDown, "Down"},
    {SScrollLeft, "Left"},
    {SScrollRight, "Right"},
};

}  // namespace

void RegisterFamilyStrings() { RegisterStringTable(kTexts); }
void UnregisterFamilyStrings() { UnregisterStringTable(kTexts); }

}  // namespace family_strings
