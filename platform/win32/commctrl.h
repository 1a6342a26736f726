#pragma once
// The common controls' messages, notification codes and notification records (tab controls, track
// bars, up-down and hot-key controls, calendars, headers, tool bars, page scrollers, tree views and
// list views), with their published names, values and field orders. A control tells its parent
// about a user action with WM_NOTIFY, whose lParam addresses one of these records; each begins
// with an NMHDR. Notification codes are negative numbers carried in an unsigned field.

#include "platform/win32/win32_types.h"
#include "platform/win32/windows.h"

// ---- every notification
// --------------------------------------------------------------------------

struct NMHDR {
  HWND hwndFrom = 0;
  UINT_PTR idFrom = 0;
  UINT code = 0;
};

// A notification code from its signed published value.
constexpr UINT NotifyCode(int value) { return static_cast<UINT>(value); }

constexpr UINT NM_CLICK = NotifyCode(-2);
constexpr UINT NM_DBLCLK = NotifyCode(-3);
constexpr UINT NM_RETURN = NotifyCode(-4);
constexpr UINT NM_RCLICK = NotifyCode(-5);
constexpr UINT NM_SETFOCUS = NotifyCode(-7);
constexpr UINT NM_KILLFOCUS = NotifyCode(-8);

// The version of the common-controls library as (major << 16) | minor.
DWORD GetComCtlVersion();
constexpr DWORD ComCtlVersionIE3 = 0x00040046;  // 4.70
constexpr DWORD ComCtlVersionIE4 = 0x00040047;  // 4.71

// ---- tab controls -------------------------------------------------------------------------------

constexpr UINT TCM_FIRST = 0x1300;
constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;

constexpr UINT TCN_SELCHANGE = NotifyCode(-551);
constexpr UINT TCN_SELCHANGING = NotifyCode(-552);

// ---- track bars ---------------------------------------------------------------------------------

constexpr UINT TBM_GETPOS = WM_USER;
constexpr UINT TBM_GETRANGEMIN = WM_USER + 1;
constexpr UINT TBM_GETRANGEMAX = WM_USER + 2;
constexpr UINT TBM_SETPOS = WM_USER + 5;

// The scroll codes a track bar sends with WM_HSCROLL or WM_VSCROLL; TB_ENDTRACK is SB_ENDSCROLL.
constexpr WORD TB_LINEUP = 0;
constexpr WORD TB_LINEDOWN = 1;
constexpr WORD TB_PAGEUP = 2;
constexpr WORD TB_PAGEDOWN = 3;
constexpr WORD TB_THUMBPOSITION = 4;
constexpr WORD TB_THUMBTRACK = 5;
constexpr WORD TB_TOP = 6;
constexpr WORD TB_BOTTOM = 7;
constexpr WORD TB_ENDTRACK = 8;

// ---- up-down controls ---------------------------------------------------------------------------

constexpr UINT UDM_SETRANGE = WM_USER + 101;
constexpr UINT UDM_GETRANGE = WM_USER + 102;
constexpr UINT UDM_SETPOS = WM_USER + 103;
constexpr UINT UDM_GETPOS = WM_USER + 104;

constexpr UINT UDN_DELTAPOS = NotifyCode(-722);

struct NMUPDOWN {
  NMHDR hdr;
  int iPos = 0;
  int iDelta = 0;
};

// ---- hot-key controls ---------------------------------------------------------------------------

constexpr UINT HKM_SETHOTKEY = WM_USER + 1;
constexpr UINT HKM_GETHOTKEY = WM_USER + 2;

// Modifier flags in the high byte of a hot-key control's value; the low byte is the key.
constexpr BYTE HOTKEYF_SHIFT = 0x01;
constexpr BYTE HOTKEYF_CONTROL = 0x02;
constexpr BYTE HOTKEYF_ALT = 0x04;
constexpr BYTE HOTKEYF_EXT = 0x08;

// ---- month calendars and date-time pickers ------------------------------------------------------

struct SYSTEMTIME {
  WORD wYear = 0;
  WORD wMonth = 0;
  WORD wDayOfWeek = 0;
  WORD wDay = 0;
  WORD wHour = 0;
  WORD wMinute = 0;
  WORD wSecond = 0;
  WORD wMilliseconds = 0;
};

constexpr UINT MCM_FIRST = 0x1000;
constexpr UINT MCM_GETCURSEL = MCM_FIRST + 1;
constexpr UINT MCM_SETCURSEL = MCM_FIRST + 2;

constexpr UINT MCN_SELCHANGE = NotifyCode(-749);
constexpr UINT MCN_SELECT = NotifyCode(-746);

// lParam of MCN_SELCHANGE and MCN_SELECT.
struct NMSELCHANGE {
  NMHDR nmhdr;
  SYSTEMTIME stSelStart;
  SYSTEMTIME stSelEnd;
};

constexpr UINT DTM_FIRST = 0x1000;
constexpr UINT DTM_GETSYSTEMTIME = DTM_FIRST + 1;
constexpr UINT DTM_SETSYSTEMTIME = DTM_FIRST + 2;
constexpr UINT DTM_GETMONTHCAL = DTM_FIRST + 8;

constexpr UINT DTN_DATETIMECHANGE = NotifyCode(-759);
constexpr UINT DTN_DROPDOWN = NotifyCode(-754);
constexpr UINT DTN_CLOSEUP = NotifyCode(-753);

constexpr DWORD GDT_VALID = 0;
constexpr DWORD GDT_NONE = 1;

// lParam of DTN_DATETIMECHANGE.
struct NMDATETIMECHANGE {
  NMHDR nmhdr;
  DWORD dwFlags = GDT_VALID;
  SYSTEMTIME st;
};

// ---- header controls ----------------------------------------------------------------------------

constexpr UINT HDM_FIRST = 0x1200;
constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0;
constexpr UINT HDM_GETITEMA = HDM_FIRST + 3;
constexpr UINT HDM_SETITEMA = HDM_FIRST + 4;

constexpr UINT HDN_ITEMCHANGINGA = NotifyCode(-300);
constexpr UINT HDN_ITEMCHANGEDA = NotifyCode(-301);
constexpr UINT HDN_ITEMCLICKA = NotifyCode(-302);
constexpr UINT HDN_DIVIDERDBLCLICKA = NotifyCode(-305);
constexpr UINT HDN_BEGINTRACKA = NotifyCode(-306);
constexpr UINT HDN_ENDTRACKA = NotifyCode(-307);
constexpr UINT HDN_TRACKA = NotifyCode(-308);

constexpr UINT HDI_WIDTH = 0x0001;
constexpr UINT HDI_TEXT = 0x0002;

struct HDITEMA {
  UINT mask = 0;
  int cxy = 0;
  char* pszText = nullptr;
  uintptr_t hbm = 0;
  int cchTextMax = 0;
  int fmt = 0;
  LPARAM lParam = 0;
};

// lParam of the HDN_ notifications; iItem is the section's index, iButton the mouse button (0
// left).
struct NMHEADERA {
  NMHDR hdr;
  int iItem = 0;
  int iButton = 0;
  HDITEMA* pitem = nullptr;
};

// ---- tool bars ----------------------------------------------------------------------------------

constexpr UINT TB_BUTTONCOUNT = WM_USER + 24;

constexpr UINT TBN_DROPDOWN = NotifyCode(-710);

constexpr BYTE TBSTATE_CHECKED = 0x01;
constexpr BYTE TBSTATE_PRESSED = 0x02;
constexpr BYTE TBSTATE_ENABLED = 0x04;

constexpr BYTE TBSTYLE_BUTTON = 0x00;
constexpr BYTE TBSTYLE_SEP = 0x01;
constexpr BYTE TBSTYLE_CHECK = 0x02;
constexpr BYTE TBSTYLE_DROPDOWN = 0x08;

constexpr LRESULT TBDDRET_DEFAULT = 0;

struct TBBUTTON {
  int iBitmap = 0;
  int idCommand = 0;
  BYTE fsState = 0;
  BYTE fsStyle = 0;
  BYTE bReserved[6] = {};
  uintptr_t dwData = 0;
  intptr_t iString = 0;
};

// lParam of TBN_DROPDOWN; iItem is the button's command identifier.
struct NMTOOLBARA {
  NMHDR hdr;
  int iItem = 0;
  TBBUTTON tbButton;
  int cchText = 0;
  char* pszText = nullptr;
  RECT rcButton;
};

// ---- page scrollers -----------------------------------------------------------------------------

constexpr UINT PGM_FIRST = 0x1400;
constexpr UINT PGM_SETPOS = PGM_FIRST + 7;
constexpr UINT PGM_GETPOS = PGM_FIRST + 8;

constexpr UINT PGN_SCROLL = NotifyCode(-901);
constexpr UINT PGN_CALCSIZE = NotifyCode(-902);

// Scroll directions of PGN_SCROLL.
constexpr int PGF_SCROLLUP = 1;
constexpr int PGF_SCROLLDOWN = 2;
constexpr int PGF_SCROLLLEFT = 4;
constexpr int PGF_SCROLLRIGHT = 8;

// lParam of PGN_SCROLL; the receiver may change iScroll, the distance to scroll.
struct NMPGSCROLL {
  NMHDR hdr;
  WORD fwKeys = 0;
  RECT rcParent;
  int iDir = 0;
  int iXpos = 0;
  int iYpos = 0;
  int iScroll = 0;
};

// ---- tree views ---------------------------------------------------------------------------------

// A tree item's handle: an address that only the tree view knows how to read.
struct TTreeItemTag;
using HTREEITEM = TTreeItemTag*;

constexpr UINT TV_FIRST = 0x1100;
constexpr UINT TVM_EXPAND = TV_FIRST + 2;
constexpr UINT TVM_GETITEMRECT = TV_FIRST + 4;
constexpr UINT TVM_GETCOUNT = TV_FIRST + 5;
constexpr UINT TVM_GETNEXTITEM = TV_FIRST + 10;
constexpr UINT TVM_SELECTITEM = TV_FIRST + 11;
constexpr UINT TVM_GETITEMA = TV_FIRST + 12;
constexpr UINT TVM_EDITLABELA = TV_FIRST + 14;
constexpr UINT TVM_GETEDITCONTROL = TV_FIRST + 15;
constexpr UINT TVM_HITTEST = TV_FIRST + 17;
constexpr UINT TVM_ENDEDITLABELNOW = TV_FIRST + 22;

constexpr UINT TVN_SELCHANGINGA = NotifyCode(-401);
constexpr UINT TVN_SELCHANGEDA = NotifyCode(-402);
constexpr UINT TVN_ITEMEXPANDINGA = NotifyCode(-405);
constexpr UINT TVN_ITEMEXPANDEDA = NotifyCode(-406);
constexpr UINT TVN_BEGINLABELEDITA = NotifyCode(-410);
constexpr UINT TVN_ENDLABELEDITA = NotifyCode(-411);

// Expand actions (TVM_EXPAND's wParam and NMTREEVIEW's action).
constexpr UINT TVE_COLLAPSE = 0x0001;
constexpr UINT TVE_EXPAND = 0x0002;
constexpr UINT TVE_TOGGLE = 0x0003;
constexpr UINT TVE_COLLAPSERESET = 0x8000;

// How a selection changed (NMTREEVIEW's action for TVN_SELCHANGED).
constexpr UINT TVC_UNKNOWN = 0x0000;
constexpr UINT TVC_BYMOUSE = 0x0001;
constexpr UINT TVC_BYKEYBOARD = 0x0002;

constexpr UINT TVIF_TEXT = 0x0001;
constexpr UINT TVIF_PARAM = 0x0004;
constexpr UINT TVIF_STATE = 0x0008;
constexpr UINT TVIF_HANDLE = 0x0010;
constexpr UINT TVIF_CHILDREN = 0x0040;

constexpr UINT TVIS_SELECTED = 0x0002;
constexpr UINT TVIS_EXPANDED = 0x0020;

struct TVITEMA {
  UINT mask = 0;
  HTREEITEM hItem = nullptr;
  UINT state = 0;
  UINT stateMask = 0;
  char* pszText = nullptr;
  int cchTextMax = 0;
  int iImage = 0;
  int iSelectedImage = 0;
  int cChildren = 0;
  LPARAM lParam = 0;
};

// lParam of TVN_SELCHANGED, TVN_ITEMEXPANDED and their -ING forms.
struct NMTREEVIEWA {
  NMHDR hdr;
  UINT action = 0;
  TVITEMA itemOld;
  TVITEMA itemNew;
  POINT ptDrag;
};

// lParam of TVN_BEGINLABELEDIT and TVN_ENDLABELEDIT; a cancelled edit ends with pszText null.
struct TVDISPINFOA {
  NMHDR hdr;
  TVITEMA item;
};

// ---- list views ---------------------------------------------------------------------------------

constexpr UINT LVM_FIRST = 0x1000;
constexpr UINT LVM_GETITEMCOUNT = LVM_FIRST + 4;
constexpr UINT LVM_GETITEMA = LVM_FIRST + 5;
constexpr UINT LVM_GETNEXTITEM = LVM_FIRST + 12;
constexpr UINT LVM_GETITEMRECT = LVM_FIRST + 14;
constexpr UINT LVM_HITTEST = LVM_FIRST + 18;
constexpr UINT LVM_EDITLABELA = LVM_FIRST + 23;
constexpr UINT LVM_GETEDITCONTROL = LVM_FIRST + 24;
constexpr UINT LVM_GETCOLUMNA = LVM_FIRST + 25;
constexpr UINT LVM_SETITEMSTATE = LVM_FIRST + 43;

constexpr UINT LVN_ITEMCHANGING = NotifyCode(-100);
constexpr UINT LVN_ITEMCHANGED = NotifyCode(-101);
constexpr UINT LVN_BEGINLABELEDITA = NotifyCode(-105);
constexpr UINT LVN_ENDLABELEDITA = NotifyCode(-106);
constexpr UINT LVN_COLUMNCLICK = NotifyCode(-108);

constexpr UINT LVIF_TEXT = 0x0001;
constexpr UINT LVIF_PARAM = 0x0004;
constexpr UINT LVIF_STATE = 0x0008;

constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;

struct LVITEMA {
  UINT mask = 0;
  int iItem = 0;
  int iSubItem = 0;
  UINT state = 0;
  UINT stateMask = 0;
  char* pszText = nullptr;
  int cchTextMax = 0;
  int iImage = 0;
  LPARAM lParam = 0;
  int iIndent = 0;
};

// lParam of LVN_ITEMCHANGED, LVN_ITEMCHANGING and LVN_COLUMNCLICK (iSubItem is the column).
struct NMLISTVIEW {
  NMHDR hdr;
  int iItem = 0;
  int iSubItem = 0;
  UINT uNewState = 0;
  UINT uOldState = 0;
  UINT uChanged = 0;
  POINT ptAction;
  LPARAM lParam = 0;
};

// lParam of LVN_BEGINLABELEDIT and LVN_ENDLABELEDIT; a cancelled edit ends with pszText null.
struct LVDISPINFOA {
  NMHDR hdr;
  LVITEMA item;
};
