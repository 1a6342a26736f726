#pragma once
// Numbers of the capture families' texts in the string table: window descriptions, show
// commands, record names, check states, scroll orientations and directions, the action record's
// link text, the tool-button actions and the check states of check list box items.

namespace family_strings {

constexpr int SInvalidHandle = 20000;

// Show commands of minimise/maximise records, by command value.
constexpr int SShowHide = 20100;
constexpr int SShowMinimize = 20101;
constexpr int SShowRestore = 20102;
constexpr int SShowShow = 20103;
constexpr int SShowMaximized = 20104;
constexpr int SShowMinimized = 20105;
constexpr int SShowMinNoActive = 20106;
constexpr int SShowNA = 20107;
constexpr int SShowNoActivate = 20108;
constexpr int SShowNormal = 20109;
constexpr int SShowUnknown = 20110;

// Names of the window and mouse records.
constexpr int SActivateWindow = 20200;
constexpr int SMinMaxWindow = 20201;
constexpr int SMouseClick = 20202;
constexpr int SMoveSizeWindow = 20203;
constexpr int SSetFocus = 20204;

// Texts of the standard-control records.
constexpr int SActionLinkedTo = 20300;
constexpr int SUnchecked = 20301;
constexpr int SChecked = 20302;
constexpr int SIndeterminate = 20303;
constexpr int SNoItem = 20304;
constexpr int SButtonClick = 20305;
constexpr int SComboBoxSelect = 20306;
constexpr int SEditUpdate = 20307;
constexpr int SListBoxSelect = 20308;
constexpr int SMenuSelect = 20309;
constexpr int SActionExecute = 20310;
constexpr int SScrollBarPosition = 20311;
constexpr int SHorizontal = 20312;
constexpr int SVertical = 20313;
constexpr int SRadioGroupSelect = 20314;

// Texts of the additional-control records.
constexpr int SSpeedButtonClick = 20500;
constexpr int SGridCellEdit = 20501;
constexpr int SGridCellChange = 20502;
constexpr int SSplitter = 20503;
constexpr int SCheckListBoxSelect = 20504;
constexpr int SItemChecked = 20550;
constexpr int SItemUnchecked = 20551;

// Texts of the outline record.
constexpr int SOutlineNodeChange = 20750;

// Texts of the common-control records.
constexpr int STabControlChange = 20800;
constexpr int STrackBarChange = 20801;
constexpr int SPosition = 20802;
constexpr int SUpDownChange = 20803;
constexpr int SHotKeyChange = 20804;
constexpr int SCalendarChange = 20805;
constexpr int SHeaderResize = 20806;
constexpr int SHeaderClick = 20807;
constexpr int SToolbarButton = 20808;
constexpr int SPageScroller = 20809;
constexpr int STreeViewEdit = 20810;
constexpr int STreeViewSelect = 20811;
constexpr int STreeViewExpand = 20812;
constexpr int STreeViewCollapse = 20813;
constexpr int SListViewEdit = 20814;
constexpr int SListViewSelect = 20815;
constexpr int SListViewColumnClick = 20816;
constexpr int SButtonClicked = 20850;
constexpr int SButtonDroppedDown = 20851;
constexpr int SScrollUp = 20860;
constexpr int SScrollDown = 20861;
constexpr int SScrollLeft = 20862;
constexpr int SScrollRight = 20863;

// Makes the texts above known to LoadStr; the naming unit does this when it initialises.
void RegisterFamilyStrings();
void UnregisterFamilyStrings();

}  // namespace family_strings
