#pragma once
// Header controls, tool bars, tree views and list views on the controls fixture's form, with what
// their parent is told written down as one line per notification, decoded while the notification's
// record still exists (the node or item that it names, its fields), so that tests compare the order
// and the published fields of what a user action sent.

#include <string>
#include <vector>

#include "platform/vcl/comctrls.h"
#include "platform/vcl/errors.h"
#include "platform/vcl/user_actions_views.h"
#include "tests/controls/controls_fixture.h"

inline std::vector<std::string> gViewNotices;
inline HHOOK gViewNoticeHook = 0;

namespace views_detail {

inline std::string NodeText(HWND tree, HTREEITEM item) {
  auto* view = dynamic_cast<TTreeView*>(FindControl(tree));
  const TTreeNode* node = view ? view->Items()->GetNode(item) : nullptr;
  return node ? node->Text() : "none";
}

inline std::string TextOf(const char* text) {
  return text ? "'" + std::string(text) + "'" : "null";
}

// One line for a WM_NOTIFY or a tool bar's WM_COMMAND; empty for other messages.
inline std::string DescribeNotice(const CWPSTRUCT& sent) {
  if (sent.message == WM_COMMAND) {
    auto* bar = dynamic_cast<TToolBar*>(FindControl(static_cast<HWND>(sent.lParam)));
    return bar ? Format("WM_COMMAND %d from %s", static_cast<int>(LOWORD(sent.wParam)), bar->Name())
               : std::string();
  }
  if (sent.message != WM_NOTIFY) return {};
  const auto* header = reinterpret_cast<const NMHDR*>(sent.lParam);
  const UINT code = header->code;
  auto headerNotice = [&](const char* name) {
    const auto* info = reinterpret_cast<const NMHEADERA*>(header);
    return Format("%s %d %d %s", std::string(name), info->iItem, info->pitem->cxy,
                  TextOf(info->pitem->pszText));
  };
  auto treeNotice = [&](const char* name) {
    const auto* info = reinterpret_cast<const NMTREEVIEWA*>(header);
    return Format("%s %s->%s %d", std::string(name),
                  NodeText(header->hwndFrom, info->itemOld.hItem),
                  NodeText(header->hwndFrom, info->itemNew.hItem), static_cast<int>(info->action));
  };
  auto treeEdit = [&](const char* name) {
    const auto* info = reinterpret_cast<const TVDISPINFOA*>(header);
    return Format("%s %s %s%s", std::string(name), NodeText(header->hwndFrom, info->item.hItem),
                  TextOf(info->item.pszText),
                  std::string(info->item.mask & TVIF_TEXT ? "" : " no TVIF_TEXT"));
  };
  auto listNotice = [&](const char* name) {
    const auto* info = reinterpret_cast<const NMLISTVIEW*>(header);
    return Format("%s %d %d new=%d old=%d changed=%d", std::string(name), info->iItem,
                  info->iSubItem, static_cast<int>(info->uNewState),
                  static_cast<int>(info->uOldState), static_cast<int>(info->uChanged));
  };
  auto listEdit = [&](const char* name) {
    const auto* info = reinterpret_cast<const LVDISPINFOA*>(header);
    return Format("%s %d %s", std::string(name), info->item.iItem, TextOf(info->item.pszText));
  };
  if (code == HDN_BEGINTRACKA) return headerNotice("HDN_BEGINTRACKA");
  if (code == HDN_TRACKA) return headerNotice("HDN_TRACKA");
  if (code == HDN_ENDTRACKA) return headerNotice("HDN_ENDTRACKA");
  if (code == HDN_ITEMCHANGEDA) return headerNotice("HDN_ITEMCHANGEDA");
  if (code == HDN_ITEMCLICKA) return headerNotice("HDN_ITEMCLICKA");
  if (code == TVN_SELCHANGINGA) return treeNotice("TVN_SELCHANGINGA");
  if (code == TVN_SELCHANGEDA) return treeNotice("TVN_SELCHANGEDA");
  if (code == TVN_ITEMEXPANDINGA) return treeNotice("TVN_ITEMEXPANDINGA");
  if (code == TVN_ITEMEXPANDEDA) return treeNotice("TVN_ITEMEXPANDEDA");
  if (code == TVN_BEGINLABELEDITA) return treeEdit("TVN_BEGINLABELEDITA");
  if (code == TVN_ENDLABELEDITA) return treeEdit("TVN_ENDLABELEDITA");
  if (code == LVN_ITEMCHANGED) return listNotice("LVN_ITEMCHANGED");
  if (code == LVN_COLUMNCLICK) return listNotice("LVN_COLUMNCLICK");
  if (code == LVN_BEGINLABELEDITA) return listEdit("LVN_BEGINLABELEDITA");
  if (code == LVN_ENDLABELEDITA) return listEdit("LVN_ENDLABELEDITA");
  if (code == TBN_DROPDOWN)
    return Format("TBN_DROPDOWN %d", reinterpret_cast<const NMTOOLBARA*>(header)->iItem);
  return Format("notification %d", static_cast<int>(static_cast<int32_t>(code)));
}

inline LRESULT RecordNotice(int code, WPARAM wParam, LPARAM lParam) {
  const std::string notice = DescribeNotice(*reinterpret_cast<const CWPSTRUCT*>(lParam));
  if (!notice.empty()) gViewNotices.push_back(notice);
  return CallNextHookEx(gViewNoticeHook, code, wParam, lParam);
}

}  // namespace views_detail

class ViewsTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    RegisterCommonControls();
    gViewNotices.clear();
    gViewNoticeHook =
        SetWindowsHookExA(WH_CALLWNDPROC, views_detail::RecordNotice, 0, GetCurrentThreadId());
  }

  static std::vector<std::string> Notices() { return std::exchange(gViewNotices, {}); }
};
