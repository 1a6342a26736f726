// The common-control family's notifications: what a control tells its parent with WM_NOTIFY, read
// before the parent handles it.

#include "families/qv_utils.h"
#include "families/win32_events.h"
#include "families/win32_family.h"
#include "log/log_stream.h"
#include "platform/vcl/comctrls.h"
#include "platform/win32/commctrl.h"

namespace {

// The notification record that begins with `header`.
template <typename T>
const T& Record(const NMHDR& header) {
  return reinterpret_cast<const T&>(header);
}

// The absolute index of the tree's node for an item; -1 for an item the tree has no node for.
int32_t NodeIndex(const TTreeView& tree, HTREEITEM item) {
  const TTreeNode* node = tree.Items()->GetNode(item);
  return node ? node->AbsoluteIndex() : -1;
}

std::unique_ptr<TLogEvent> TreeViewRecord(const TTreeView& tree, const NMHDR& header) {
  const std::string name = GetControlName(tree);
  if (header.code == TVN_ENDLABELEDITA) {
    const TVITEMA& item = Record<TVDISPINFOA>(header).item;
    // A cancelled edit leaves no text.
    if (!item.pszText) return nullptr;
    const std::string text = (item.mask & TVIF_TEXT) ? item.pszText : "";
    return std::make_unique<TTreeViewEditEvent>(name, text, NodeIndex(tree, item.hItem));
  }
  if (header.code == TVN_ITEMEXPANDEDA) {
    const NMTREEVIEWA& change = Record<NMTREEVIEWA>(header);
    const int32_t index = NodeIndex(tree, change.itemNew.hItem);
    switch (change.action) {
      case TVE_COLLAPSE:
      case TVE_COLLAPSERESET:
        return std::make_unique<TTreeViewCollapseEvent>(name, index);
      case TVE_EXPAND:
        return std::make_unique<TTreeViewExpandEvent>(name, index);
      default:
        return nullptr;
    }
  }
  if (header.code == TVN_SELCHANGEDA) {
    const NMTREEVIEWA& change = Record<NMTREEVIEWA>(header);
    return std::make_unique<TTreeViewChangeEvent>(name, NodeIndex(tree, change.itemNew.hItem));
  }
  return nullptr;
}

std::unique_ptr<TLogEvent> ListViewRecord(const TListView& list, const NMHDR& header) {
  const std::string name = GetControlName(list);
  if (header.code == LVN_COLUMNCLICK) {
    const int column = Record<NMLISTVIEW>(header).iSubItem;
    const TListColumn* clicked = list.Column(column);
    if (!clicked) return nullptr;
    return std::make_unique<TListViewColumnClickEvent>(name, clicked->Caption(), column, 0);
  }
  if (header.code == LVN_ENDLABELEDITA) {
    const LVITEMA& item = Record<LVDISPINFOA>(header).item;
    if (!item.pszText) return nullptr;
    const std::string text = (item.mask & LVIF_TEXT) ? item.pszText : "";
    return std::make_unique<TListViewEditEvent>(name, text, item.iItem);
  }
  if (header.code == LVN_ITEMCHANGED) {
    // Only the item gaining the selection: deselections and other state changes say nothing.
    const NMLISTVIEW& change = Record<NMLISTVIEW>(header);
    if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
        !(change.uOldState & LVIS_SELECTED)) {
      return std::make_unique<TListViewChangeEvent>(name, change.iItem);
    }
  }
  return nullptr;
}

std::unique_ptr<TLogEvent> TabControlRecord(const TCustomTabControl& tabs, const NMHDR& header) {
  if (header.code != TCN_SELCHANGE) return nullptr;
  // The control has taken the new tab by now.
  const int index = tabs.TabIndex();
  const TStrings& names = *tabs.Tabs();
  const std::string name = index >= 0 && index < names.Count() ? names.Get(index) : "";
  return std::make_unique<TTabControlChangeEvent>(GetControlName(tabs), name, index);
}

std::unique_ptr<TLogEvent> HeaderRecord(const THeaderControl& headerControl, const NMHDR& header) {
  if (header.code != HDN_ENDTRACKA && header.code != HDN_ITEMCLICKA) return nullptr;
  const int index = Record<NMHEADERA>(header).iItem;
  const THeaderSections& sections = *headerControl.Sections();
  if (index < 0 || index >= sections.Count()) return nullptr;
  const THeaderSection& section = *sections.Items(index);
  const std::string name = GetControlName(headerControl);
  if (header.code == HDN_ENDTRACKA) {
    return std::make_unique<THeaderSizeEvent>(name, section.Text(), index, section.Width());
  }
  return std::make_unique<THeaderClickEvent>(name, section.Text(), index, section.Width());
}

}  // namespace

void TWin32Proxy::Notified(const NMHDR& header) {
  TControl* control = FindControl(header.hwndFrom);
  std::unique_ptr<TLogEvent> record;
  if (auto* tree = dynamic_cast<TTreeView*>(control)) {
    record = TreeViewRecord(*tree, header);
  } else if (auto* list = dynamic_cast<TListView*>(control)) {
    record = ListViewRecord(*list, header);
  } else if (auto* scroller = dynamic_cast<TPageScroller*>(control)) {
    // The position changes after the notification: it is read when the posted message arrives.
    if (header.code == PGN_SCROLL) {
      PostMessageA(Handle, WM_PAGESCROLLED, scroller->Handle(), Record<NMPGSCROLL>(header).iDir);
    }
  } else if (auto* toolBar = dynamic_cast<TToolBar*>(control)) {
    const int position = header.code == TBN_DROPDOWN ? Record<NMTOOLBARA>(header).iItem : -1;
    if (position >= 0 && position < toolBar->ButtonCount()) {
      WriteToolButton(*toolBar->Buttons(position), TToolButtonAction::DroppedDown);
    }
  } else if (auto* tabs = dynamic_cast<TCustomTabControl*>(control)) {
    record = TabControlRecord(*tabs, header);
  } else if (auto* calendar = dynamic_cast<TCommonCalendar*>(control)) {
    CalendarNotified(*calendar, header.code);
  } else if (auto* headerControl = dynamic_cast<THeaderControl*>(control)) {
    record = HeaderRecord(*headerControl, header);
  }
  if (record) LogStream->WriteEvent(std::move(record));
}

void TWin32Proxy::CalendarNotified(TCommonCalendar& calendar, UINT code) {
  if (code == DTN_DROPDOWN) {
    DateDropDown = true;
  } else if (code == DTN_CLOSEUP) {
    DateDropDown = false;
  } else if (code == DTN_DATETIMECHANGE || code == MCN_SELCHANGE) {
    // The first change after a drop-down is the drop-down calendar's own selection; the pick is
    // reported again when the drop-down closes.
    if (DateDropDown) {
      DateDropDown = false;
    } else {
      // The value is read once the control has taken it.
      PostMessageA(Handle, WM_CALENDARCHANGED, 0, calendar.Handle());
    }
  }
}
